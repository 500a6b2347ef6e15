// Texts the system holds: a control's text and the process's current folder, whole; and our
// ANSI texts in UTF-16 where the platform insists.
#pragma once

#include <windows.h>

#include <string>

std::string WindowText(HWND hwnd);
std::string CurrentDirectory();
// A UTF-16 text in the ANSI code page.
std::string NarrowText(const wchar_t* text);
// The whole text from the ANSI code page to UTF-16, never cut at 260 units.
std::wstring WideText(const std::string& text);
