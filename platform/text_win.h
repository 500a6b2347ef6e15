// Texts the system holds: a control's text and the process's current folder, whole; and our
// ANSI texts in UTF-16 where the platform insists. A character the code page cannot hold is
// kept as an escape in our texts (app/wide_escape.h); the two conversions here keep it exact.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

std::string WindowText(HWND hwnd);
// The text of the first part of a status bar.
std::string StatusBarText(HWND status);
std::string CurrentDirectory();
// A UTF-16 text in the ANSI code page; a character with no exact Shift-JIS form (none that
// round-trips) becomes its escape instead of '?' or a look-alike.
std::string NarrowText(const wchar_t* text);
std::string NarrowText(const wchar_t* text, std::size_t length);
// The whole text from the ANSI code page to UTF-16, escapes turned back into their units,
// never cut at 260 units.
std::wstring WideText(const std::string& text);
// A path for the wide file functions: in the long form when it is too long for the plain one,
// as the folder listing searches it.
std::wstring WidePath(const std::string& path);
