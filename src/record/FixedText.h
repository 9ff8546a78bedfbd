#pragma once
// A zero-terminated single-byte text inside a fixed-width field, as the class
// file and the settings files store it.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace quorle {

template <std::size_t N>
class FixedText {
public:
    static constexpr std::size_t kSize = N;
    static constexpr std::size_t kMaxLength = N - 1;

    FixedText() = default;
    FixedText(std::string_view text) { Assign(text); }  // NOLINT: texts convert freely

    // Stores at most N-1 characters; the rest of the field is zero.
    // The text may be a view of this field itself (a field set to a part of
    // its own text): it is copied out before the field is cleared.
    void Assign(std::string_view text) {
        std::array<char, N> bytes{};
        const std::size_t n = std::min(text.size(), kMaxLength);
        std::copy_n(text.data(), n, bytes.begin());
        // A zero inside the given text ends the stored text there.
        auto end = std::find(bytes.begin(), bytes.begin() + n, '\0');
        std::fill(end, bytes.end(), '\0');
        bytes_ = bytes;
    }
    FixedText& operator=(std::string_view text) { Assign(text); return *this; }

    // Fills the field from raw file bytes. A field without a terminator keeps
    // its first N-1 bytes, so the text is always terminated inside the field.
    void AssignRaw(const unsigned char* raw) {
        const std::size_t len = std::min(TextLength(raw, kMaxLength), kMaxLength);
        bytes_.fill(0);
        std::memcpy(bytes_.data(), raw, len);
    }

    std::string_view View() const {
        return std::string_view(bytes_.data(), Length());
    }
    std::string Str() const { return std::string(View()); }
    std::size_t Length() const { return TextLength(bytes_.data(), N); }
    bool Empty() const { return bytes_[0] == 0; }
    const std::array<char, N>& Bytes() const { return bytes_; }

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.View() == b.View(); }

private:
    // Bytes before the first zero among the first max.
    static std::size_t TextLength(const void* p, std::size_t max) {
        const void* zero = std::memchr(p, 0, max);
        return zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - static_cast<const char*>(p)) : max;
    }

    std::array<char, N> bytes_{};
};

}  // namespace quorle
