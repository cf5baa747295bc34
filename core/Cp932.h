#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// Conversions between the program's UTF-8 text and the code page 932 (Shift-JIS) bytes of
// circuit files, macro files and the macro list.

// The text as code page 932 bytes; a character the code page cannot hold becomes '?', and lost
// (when given) is set to whether that happened.
std::string Utf8ToCp932(const std::string& utf8, bool* lost = nullptr);
// The bytes as UTF-8; a byte sequence that is not code page 932 becomes '?', and lost (when
// given) is set to whether that happened.
std::string Cp932ToUtf8(const std::string& cp932, bool* lost = nullptr);
// Whether b opens a double-byte character of code page 932.
inline bool IsCp932LeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
// How many bytes the text takes in code page 932 (one per half-width character, two per full-width).
size_t Cp932Length(const std::string& utf8);
// ASCII text reads the same in code page 932 and UTF-8, so it needs no conversion.
inline bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}
