// Keys and double-click of the file list.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"

bool TFrmFile::ListView1KeyDown(int key) {
    const bool ctrl = ::GetKeyState(VK_CONTROL) < 0;
    const bool alt = ::GetKeyState(VK_MENU) < 0;
    switch (key) {
        case VK_TAB: return MoveFocusByKey(FocusStop::List, key);
        case VK_BACK: GoUp(); return true;
        case VK_RETURN:
            if (alt)
                mnPropertyClick();
            else
                OpenSelection();
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
