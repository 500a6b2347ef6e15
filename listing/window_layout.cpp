#include "listing/window_layout.h"

LayoutResult ComputeLayout(const LayoutInput& in) {
    LayoutResult r;
    const TRectPx& dir = in.FolderBox;
    r.ListView = {0, dir.Top + dir.Height, in.ClientWidth,
                  in.ClientHeight - 16 - in.StatusBarHeight - dir.Height};
    const int b = in.ButtonWidth;
    const int l = dir.Width;  // the back button sits right of the folder box
    // Navigation buttons, then the two folder buttons after a gap of 8, then the clipboard
    // buttons after a further gap of 12; all as high as the folder box.
    const int lefts[8] = {l,
                          l + b,
                          l + 2 * b,
                          l + 3 * b + 8,
                          l + 4 * b + 8,
                          l + 5 * b + 20,
                          l + 6 * b + 20,
                          l + 7 * b + 20};
    for (int i = 0; i < 8; ++i) r.Buttons[i] = {lefts[i], dir.Top, b, dir.Height};
    r.MaskBox = in.MaskBox;
    r.MaskBox.Left = r.Buttons[7].Right();
    r.TabControl = {0, 0, in.ClientWidth, in.ClientHeight - in.StatusBarHeight};
    return r;
}
