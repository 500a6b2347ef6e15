// Opening a folder picked from a menu or dropped on the window: a new tab, or the current
// tab while Ctrl is held.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"

void TFrmFile::OpenFromMenu(const std::string& folder) {
    if (::GetKeyState(VK_CONTROL) < 0 && CurrentSlot() >= 0) {
        OpenFolder(folder, true);
        return;
    }
    SaveScroll();
    NewTab(folder);
    FocusListTop();
}

void TFrmFile::FocusListTop() {
    ::SetFocus(ListView1);
    if (ListView_GetItemCount(ListView1) > 0)
        ListView_SetItemState(ListView1, 0, LVIS_FOCUSED, LVIS_FOCUSED);
}
