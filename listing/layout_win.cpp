// Laying the main window out after a resize or a font change.
#include <windows.h>

#include "app/file1_win.h"
#include "listing/window_layout.h"
#include "platform/dc_win.h"

namespace {
TRectPx ChildRect(HWND parent, HWND child) {
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The folder box is as high as one line of its font plus its edges.
int FolderBoxHeight(HWND edit) {
    WindowDc dc(edit);
    dc.Select(reinterpret_cast<HGDIOBJ>(::SendMessageA(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICA tm{};
    ::GetTextMetricsA(dc.get(), &tm);
    return tm.tmHeight + 8;
}

void Place(HWND hwnd, const TRectPx& r) {
    ::SetWindowPos(hwnd, nullptr, r.Left, r.Top, r.Width, r.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}
}  // namespace

void TFrmFile::FormResize() {
    if (!hwnd_ || !ListView1) return;
    ::SendMessageA(StatusBar1, WM_SIZE, 0, 0);
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    LayoutInput in;
    in.ClientWidth = client.right;
    in.ClientHeight = client.bottom;
    in.StatusBarHeight = ChildRect(hwnd_, StatusBar1).Height;
    in.FolderBox = ChildRect(hwnd_, CmbDir);
    in.FolderBox.Height = FolderBoxHeight(CmbDir);
    Place(CmbDir, in.FolderBox);
    in.ButtonWidth = ChildRect(hwnd_, spbtnBack).Width;
    in.MaskBox = ChildRect(hwnd_, CmbMask);
    LayoutResult out = ComputeLayout(in);
    Place(ListView1, out.ListView);
    HWND buttons[8] = {spbtnBack,     spbtnNext, spbtnUpdir, spbtnDirCopy,
                       spbtnDirPaste, spbtnCut,  spbtnCopy,  spbtnPaste};
    for (int i = 0; i < 8; ++i) Place(buttons[i], out.Buttons[i]);
    // The drop-down height of a combo box is its window height; keep the list room.
    TRectPx mask = out.MaskBox;
    mask.Height = 200;
    Place(CmbMask, mask);
    Place(TabControl1, out.TabControl);
}
