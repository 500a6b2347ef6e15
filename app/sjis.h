// Shift-JIS (code page 932) byte rules shared by every part of the program.
// A byte 0x5C that is the second byte of a double-byte character (表, ソ, 能 ...) is never a
// backslash, so every search here walks character by character from the start.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sjis {

inline constexpr std::size_t npos = std::string_view::npos;

// 0x81-0x9F and 0xE0-0xFC start a double-byte character.
constexpr bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length of the character that starts at text[pos]: 2 for a lead byte followed by another
// byte, otherwise 1 (a trailing lead byte counts as one character of its own).
std::size_t CharLength(std::string_view text, std::size_t pos);

// First/last position of the single-byte character c, never matching inside a double-byte
// character; npos when absent.
std::size_t Find(std::string_view text, char c, std::size_t from = 0);
std::size_t FindLast(std::string_view text, char c);
// First position, at or after from, where needle starts on a character boundary; npos when
// absent. An empty needle is never found.
std::size_t Find(std::string_view text, std::string_view needle, std::size_t from = 0);

// Controls count positions in characters; texts here are bytes. The byte offset of the
// character at index chars, and the count of characters that start before bytes (either
// stops at the end of the text).
std::size_t ByteOffset(std::string_view text, std::size_t chars);
std::size_t CharOffset(std::string_view text, std::size_t bytes);

// Position of the last single-byte backslash or colon; npos when there is none.
std::size_t LastSeparator(std::string_view text);

// True when the last character of text is a single-byte backslash.
bool EndsWithBackslash(std::string_view text);

// True when the last character is a lead byte with no byte after it.
bool EndsWithLoneLeadByte(std::string_view text);

// Upper/lower case of the single-byte letters a-z/A-Z only; double-byte characters
// (including their trail bytes, which may look like letters) are left alone.
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

// Pad with blanks to width bytes (never cut).
std::string PadLeft(std::string_view text, std::size_t width);
std::string PadRight(std::string_view text, std::size_t width);

}  // namespace sjis
