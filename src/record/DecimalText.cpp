#include "record/DecimalText.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace quorle {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of the form [sign] digits [. digits] [e [sign] digits].
std::size_t DecimalPrefix(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        std::size_t j = i + 1;
        std::size_t fraction = 0;
        while (j < s.size() && IsDigit(s[j])) ++j, ++fraction;
        if (digits + fraction > 0) i = j, digits += fraction;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

// The power of ten of the first significant digit of an unsigned decimal
// (0 for 1 to 9.99, -1 for 0.1 to 0.999, ...), or -1 when every digit is zero.
long long DecimalExponent(std::string_view number) {
    long long exponent = 0;
    const std::size_t e = number.find_first_of("eE");
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        bool negative = false;
        if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
            negative = digits.front() == '-';
            digits.remove_prefix(1);
        }
        for (char c : digits) exponent = std::min<long long>(exponent * 10 + (c - '0'), 1'000'000'000LL);
        if (negative) exponent = -exponent;
        number = number.substr(0, e);
    }
    const std::size_t point = std::min(number.find('.'), number.size());
    const std::size_t first = number.find_first_of("123456789");
    if (first == std::string_view::npos) return -1;
    const long long position = first < point ? static_cast<long long>(point - first) - 1
                                             : -static_cast<long long>(first - point);
    return exponent + position;
}

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

}  // namespace

double TextToDouble(std::string_view text) {
    text = SkipBlanks(text);
    const std::size_t n = DecimalPrefix(text);
    if (n == 0) return 0.0;
    std::string_view number = text.substr(0, n);
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large: infinity; too small: zero (as the C conversion gives).
        value = DecimalExponent(number) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

int TextToInt(std::string_view text) {
    text = SkipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    for (char c : text) {
        if (!IsDigit(c)) break;
        value = std::min<long long>(value * 10 + (c - '0'), std::numeric_limits<int>::max());
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace quorle
