// Texts the system holds: a control's text and the process's current folder, whole.
#pragma once

#include <windows.h>

#include <string>

std::string WindowText(HWND hwnd);
std::string CurrentDirectory();
// A UTF-16 text in the ANSI code page.
std::string NarrowText(const wchar_t* text);
