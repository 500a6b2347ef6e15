#include "platform/glyph_buttons_win.h"

#include <windowsx.h>

#include <stdexcept>

namespace {
constexpr int kGlyphSize = 16;
constexpr COLORREF kKeyColour = RGB(255, 0, 255);
}  // namespace

void TGlyphButtons::Load(HINSTANCE module) {
    UniqueBitmap strip(::LoadBitmapA(module, "TOOLGLYPHS"));
    if (!strip) throw std::runtime_error("ﾋﾞｯﾄﾏｯﾌﾟがありません: TOOLGLYPHS");
    BITMAP info{};
    ::GetObjectA(strip.get(), sizeof info, &info);
    const int frames = info.bmWidth / kGlyphSize;
    images_.reset(ImageList_Create(kGlyphSize, kGlyphSize, ILC_COLOR24 | ILC_MASK, frames, 0));
    if (!images_) throw std::runtime_error("ｲﾒｰｼﾞﾘｽﾄを作成できません");
    // The key colour becomes the mask, so the button face shows around the glyph.
    if (ImageList_AddMasked(images_.get(), strip.get(), kKeyColour) < 0)
        throw std::runtime_error("ﾋﾞｯﾄﾏｯﾌﾟを読めません: TOOLGLYPHS");
    glyphCount_ = frames / 2;
}

void TGlyphButtons::Add(HWND button, int glyph) { buttons_.emplace_back(button, glyph); }

bool TGlyphButtons::Draw(const DRAWITEMSTRUCT& item) const {
    if (item.CtlType != ODT_BUTTON) return false;
    int glyph = -1;
    for (const auto& [button, frame] : buttons_)
        if (button == item.hwndItem) glyph = frame;
    if (glyph < 0) return false;

    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    RECT face = item.rcItem;
    ::DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    // Centred; a pressed button's glyph moves down and right with its face.
    const int shift = pushed ? 1 : 0;
    const int x = item.rcItem.left + (item.rcItem.right - item.rcItem.left - kGlyphSize) / 2;
    const int y = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - kGlyphSize) / 2;
    ImageList_Draw(images_.get(), disabled ? glyph + glyphCount_ : glyph, item.hDC, x + shift,
                   y + shift, ILD_TRANSPARENT);
    return true;
}

HWND TGlyphButtons::ButtonAt(POINT screen) const {
    for (const auto& [button, frame] : buttons_) {
        RECT r{};
        if (::GetWindowRect(button, &r) && ::PtInRect(&r, screen)) return button;
    }
    return nullptr;
}

void TGlyphButtons::RelayHintOfDisabled(HWND from, LPARAM point, HWND tooltip) const {
    // A disabled button takes no mouse input, so its hint would never show: the window
    // behind it hands the pointer on to the tooltip in the button's name.
    POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    ::ClientToScreen(from, &at);
    HWND button = ButtonAt(at);
    if (!button || ::IsWindowEnabled(button)) return;
    ::ScreenToClient(button, &at);
    MSG relayed{};
    relayed.hwnd = button;
    relayed.message = WM_MOUSEMOVE;
    relayed.lParam = MAKELPARAM(at.x, at.y);
    ::SendMessageA(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}
