// Keys and double-click of the file list, and opening the selection.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"

std::string TFrmFile::ListItemCaption(int item) const {
    char text[1024] = {};
    ListView_GetItemText(ListView1, item, 0, text, sizeof text);
    return text;
}

void TFrmFile::OpenSelection() {
    int item = ListView_GetNextItem(ListView1, -1, LVNI_SELECTED);
    if (item < 0) return;
    std::int32_t index = ItemToEntry(item);
    if (index < 0 || index >= static_cast<std::int32_t>(CurrentListing.size())) return;
    // Of a selection that starts with a folder only that folder is entered.
    if (CurrentListing[index][0] == '0') OpenFolder(CurrentFolder() + ListItemCaption(item), true);
}

bool TFrmFile::ListView1KeyDown(int key) {
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    const bool ctrl = ::GetKeyState(VK_CONTROL) < 0;
    const bool alt = ::GetKeyState(VK_MENU) < 0;
    (void)shift;
    switch (key) {
        case VK_BACK: GoUp(); return true;
        case VK_RETURN:
            if (!alt) OpenSelection();
            return true;
        case VK_LEFT:
            if (alt) GoBack();
            return alt;
        case VK_RIGHT:
            if (alt) GoForward();
            return alt;
        case VK_UP:
            if (alt) PageForward();
            return alt;
        case VK_DOWN:
            if (alt) PageBack();
            return alt;
        case VK_F3:
            if (ctrl) OpenFolder(DesktopPath, true);
            return ctrl;
        default: return false;
    }
}

void TFrmFile::ListView1DblClick() {
    if (ListView_GetNextItem(ListView1, -1, LVNI_SELECTED) < 0)
        mnRefreshClick();
    else
        OpenSelection();
}
