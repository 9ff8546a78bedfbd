#pragma once
// Texts of the program are single-byte Windows-1252; the platform speaks Unicode.
#include <string>
#include <string_view>

namespace quorle::platform {

// Windows-1252 bytes to UTF-8. Bytes without a character (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become U+FFFD.
std::string Cp1252ToUtf8(std::string_view text);

// UTF-8 to Windows-1252. Returns false when a character cannot be stored in
// one byte (or the UTF-8 is malformed); out then holds '?' in its place.
bool Utf8ToCp1252(std::string_view text, std::string& out);
std::string Utf8ToCp1252Lossy(std::string_view text);

// The text without the padding around it: the characters of `padding`
// (spaces unless told) at both ends.
std::string TrimPadding(std::string_view text, std::string_view padding = " ");

// One code point to its Windows-1252 byte, or -1 when there is none.
int CodePointToCp1252(char32_t cp);
char32_t Cp1252ToCodePoint(unsigned char byte);

}  // namespace quorle::platform
