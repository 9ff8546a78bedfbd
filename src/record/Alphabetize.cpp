#include "record/Alphabetize.h"

#include <algorithm>
#include <compare>
#include <string>
#include <vector>

namespace quorle {
namespace {

// The letters of Windows-1252 0xC0..0xFF as the base letters they sort with
// (0 for the two signs in that range, which sort as themselves).
constexpr const char* kLatin1Base[64] = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",   // C0..CF
    "D", "N", "O", "O", "O", "O", "O",  nullptr, "O", "U", "U", "U", "U", "Y", "TH", "SS",  // D0..DF
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",   // E0..EF
    "D", "N", "O", "O", "O", "O", "O",  nullptr, "O", "U", "U", "U", "U", "Y", "TH", "Y",   // F0..FF
};

// Primary sort weights: other signs by their byte, then digits, then letters.
constexpr int kDigitBase = 0x200;
constexpr int kLetterBase = 0x300;

void AppendLetters(std::vector<int>& key, const char* letters) {
    for (const char* p = letters; *p; ++p) key.push_back(kLetterBase + (*p - 'A'));
}

std::vector<int> PrimaryKey(std::string_view name) {
    std::vector<int> key;
    key.reserve(name.size());
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '-' || byte == '\'' || byte == 0x92 /* right single quote */) continue;
        if (byte >= 'a' && byte <= 'z') key.push_back(kLetterBase + (byte - 'a'));
        else if (byte >= 'A' && byte <= 'Z') key.push_back(kLetterBase + (byte - 'A'));
        else if (byte >= '0' && byte <= '9') key.push_back(kDigitBase + (byte - '0'));
        else if (byte == 0x8A || byte == 0x9A) AppendLetters(key, "S");   // S and s with caron
        else if (byte == 0x8E || byte == 0x9E) AppendLetters(key, "Z");   // Z and z with caron
        else if (byte == 0x8C || byte == 0x9C) AppendLetters(key, "OE");  // OE ligature
        else if (byte == 0x9F) AppendLetters(key, "Y");                   // Y with diaeresis
        else if (byte >= 0xC0 && kLatin1Base[byte - 0xC0]) AppendLetters(key, kLatin1Base[byte - 0xC0]);
        else key.push_back(byte);
    }
    return key;
}

// The name as the comparison reads it exactly: a to z as capitals.
std::string Capitals(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

int Sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

int CompareNames(std::string_view a, std::string_view b) {
    const std::vector<int> ka = PrimaryKey(a);
    const std::vector<int> kb = PrimaryKey(b);
    const auto primary = std::lexicographical_compare_three_way(ka.begin(), ka.end(), kb.begin(), kb.end());
    if (primary != 0) return primary < 0 ? -1 : 1;
    return Sign(Capitals(a).compare(Capitals(b)));
}

bool SortsAfter(const TStudent& a, const TStudent& b) {
    const int last = CompareNames(a.lastName.View(), b.lastName.View());
    if (last != 0) return last > 0;
    return CompareNames(a.firstName.View(), b.firstName.View()) > 0;
}

std::vector<int> AlphabetizeRoster(ClassRecord& record) {
    std::vector<int> from(record.roster.size());
    for (std::size_t i = 0; i < from.size(); ++i) from[i] = static_cast<int>(i);
    if (from.size() < 3) return from;
    // Every row carries the same grade items (titles) in the same order, so
    // moving whole rows is moving names, IDs and values.
    std::stable_sort(from.begin() + 1, from.end(), [&record](int a, int b) {
        return SortsAfter(record.Row(b), record.Row(a));
    });
    std::vector<TStudent> sorted;
    sorted.reserve(from.size());
    for (const int row : from) sorted.push_back(std::move(record.Row(row)));
    record.roster = std::move(sorted);
    return from;
}

}  // namespace quorle
