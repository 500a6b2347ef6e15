// Texts the system holds: a control's text and the process's current folder, whole.
#pragma once

#include <windows.h>

#include <string>

std::string WindowText(HWND hwnd);
std::string CurrentDirectory();
