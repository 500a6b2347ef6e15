// Names the code page cannot hold. The file system names files in UTF-16; a name with a
// character outside Shift-JIS (Korean, accented Latin, an emoji) comes back from the ANSI
// functions with '?' in its place, which names some other file or, to the shell, a wildcard.
// Such a character is kept in our texts as '?' and four upper-case hex digits of its UTF-16
// unit ("?AC00"), so every text stays one exact name: the platform layer turns the escapes
// back into UTF-16 wherever a text reaches the system. '?' is never the trail byte of a
// double-byte character and never part of a real file name, so the escapes are unambiguous.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace wide {

inline constexpr char kEscapeMark = '?';
inline constexpr std::size_t kEscapeLength = 5;

// Appends the escape of one UTF-16 unit.
void AppendEscape(std::string& text, char16_t unit);
// The unit of the escape that starts at text[pos], or nothing when none starts there.
std::optional<char16_t> EscapeAt(std::string_view text, std::size_t pos);
bool HasEscapes(std::string_view text);
// True when the text names at most one file: no '*', and no '?' that is not an escape.
bool NamesOneFile(std::string_view text);

}  // namespace wide
