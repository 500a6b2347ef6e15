#include "platform/desktop_folder_win.h"

#include <windows.h>

#include <cstring>

#include "platform/unique_handle_win.h"

std::string DesktopFolder() {
    // The ANSI value: the rest of the program keeps its paths in the code page.
    char value[MAX_PATH * 2] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER,
                        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                        KEY_READ, &opened) != ERROR_SUCCESS)
        return {};
    UniqueRegKey key(opened);
    if (::RegQueryValueExA(key.get(), "Desktop", nullptr, &type, reinterpret_cast<BYTE*>(value),
                           &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    return std::string(value, strnlen(value, size));
}
