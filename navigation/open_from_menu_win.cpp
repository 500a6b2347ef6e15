// Opening a folder picked from a menu or dropped on the window: a new tab, or the current
// tab while Ctrl is held.
#include <windows.h>

#include "app/file1_win.h"

void TFrmFile::OpenFromMenu(const std::string& folder) {
    if (::GetKeyState(VK_CONTROL) < 0 && CurrentSlot() >= 0)
        OpenFolder(folder, true);
    else
        NewTab(folder);
}
