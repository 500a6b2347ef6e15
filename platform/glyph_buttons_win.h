// Owner-drawn tool buttons that show a small glyph from the strip "TOOLGLYPHS" (16 x 16
// frames: every glyph, then every glyph's disabled look), so that a disabled button looks
// disabled in the program's own drawing.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <utility>
#include <vector>

#include "platform/unique_handle_win.h"

class TGlyphButtons {
public:
    // Loads the strip from module's resources.
    void Load(HINSTANCE module);
    // button (created BS_OWNERDRAW) shows glyph, counted from 0 in the strip.
    void Add(HWND button, int glyph);
    // Draws the button of item when it is one of ours; false otherwise.
    bool Draw(const DRAWITEMSTRUCT& item) const;
    // Our button at a point of the screen, enabled or not; null when there is none.
    HWND ButtonAt(POINT screen) const;
    // The pointer moved to point (client coordinates of from, as in WM_MOUSEMOVE): over a
    // disabled button, tooltip hears of it in the button's name.
    void RelayHintOfDisabled(HWND from, LPARAM point, HWND tooltip) const;

private:
    UniqueImageList images_;
    int glyphCount_ = 0;
    std::vector<std::pair<HWND, int>> buttons_;
};
