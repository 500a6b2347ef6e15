// The tab strip under the mouse: the hint of the folder under the pointer, the right
// button's menu and dragging a tab to another place.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include "app/file1_win.h"

LRESULT TFrmFile::TabTipNotify(const NMHDR& nm) {
    // The tab strip's hint is the full folder of the tab under the pointer, shown just
    // below the pointer.
    if (nm.code == TTN_GETDISPINFOA) {
        auto& info = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(nm));
        int tab = TabAtPoint(tabPointer_, false);
        tooltipText_ = tab >= 0 ? TabSlots[TabToSlot[tab]].Folder : std::string();
        info.lpszText = tooltipText_.data();
        return 0;
    }
    if (nm.code == TTN_SHOW) {
        RECT frame{};
        ::GetWindowRect(hwnd_, &frame);
        ::SetWindowPos(nm.hwndFrom, nullptr, frame.left + tabPointer_.x - 5,
                       frame.top + tabPointer_.y + 15, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    return 0;
}

LRESULT TFrmFile::TabControlMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
        case WM_MOUSEMOVE: tabPointer_ = point; return 0;
        case WM_RBUTTONDOWN:
            handled = true;
            TabControl1RightClick(point);
            return 0;
        case WM_LBUTTONDOWN: {
            // Select as usual; a drag starts only once the pointer moved past the threshold.
            handled = true;
            LRESULT r = ::DefSubclassProc(TabControl1, msg, wParam, lParam);
            POINT screen = point;
            ::ClientToScreen(TabControl1, &screen);
            if (::DragDetect(TabControl1, screen)) {
                draggingTab_ = true;
                ::SetCapture(TabControl1);
            }
            return r;
        }
        case WM_LBUTTONUP:
            if (draggingTab_) {
                handled = true;
                draggingTab_ = false;
                ::ReleaseCapture();
                TabControl1DragDrop(point);
            }
            return 0;
        case WM_CAPTURECHANGED: draggingTab_ = false; return 0;
        default: return 0;
    }
}
