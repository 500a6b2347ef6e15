// The user's font and background colour on the list, the folder box, the mask box and the
// completion list.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/file1_win.h"
#include "platform/dc_win.h"

namespace {
int ScreenDpi() {
    WindowDc screen(nullptr);
    int dpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}
}  // namespace

int TFrmFile::FontPointSize() const {
    int height = listLogFont_.lfHeight < 0 ? -listLogFont_.lfHeight : listLogFont_.lfHeight;
    return ::MulDiv(height, 72, ScreenDpi());
}

void TFrmFile::SetListFont(const LOGFONTA& font, COLORREF textColour) {
    HFONT handle = ::CreateFontIndirectA(&font);
    if (!handle) return;
    listLogFont_ = font;
    fontColour_ = textColour;
    // The three boxes share the list's font handle; the old one goes only after they let go.
    for (HWND control : {ListView1, CmbDir, CmbMask, lstHokan})
        ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
    listFont_.reset(handle);
    ListView_SetTextColor(ListView1, fontColour_);
    // The columns were measured in the old font.
    if (ListedSlot >= 0)
        SizeColumns(TabSlots[ListedSlot],
                    (::GetWindowLongPtrA(ListView1, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT);
    // The boxes take their text colour from WM_CTLCOLOR* when they paint.
    for (HWND control : {ListView1, CmbDir, CmbMask, lstHokan})
        ::InvalidateRect(control, nullptr, TRUE);
}

void TFrmFile::SetListBackground(COLORREF colour) {
    backColour_ = colour;
    backBrush_.reset(::CreateSolidBrush(backColour_));
    ListView_SetBkColor(ListView1, backColour_);
    ListView_SetTextBkColor(ListView1, backColour_);
    for (HWND control : {ListView1, CmbDir, CmbMask, lstHokan})
        ::InvalidateRect(control, nullptr, TRUE);
}

void TFrmFile::ApplyFontAndColours() {
    // Read everything first: a bad value stops here with its conversion error and changes
    // nothing on screen.
    FontSettings font = ReadFontSettings(Settings);
    std::int32_t background = ReadBackgroundColour(Settings);

    LOGFONTA lf{};
    lf.lfCharSet = static_cast<BYTE>(font.Charset);
    lf.lfHeight = font.Height;
    lstrcpynA(lf.lfFaceName, font.Name.c_str(), LF_FACESIZE);
    // The size in points decides the final height.
    lf.lfHeight = -::MulDiv(font.Size, ScreenDpi(), 72);
    SetListFont(lf, static_cast<COLORREF>(font.Color));
    SetListBackground(static_cast<COLORREF>(background));
    FormResize();
}

void TFrmFile::mnSetFontClick() {
    LOGFONTA font = listLogFont_;
    COLORREF colour = fontColour_;
    if (!Ui.ChooseFontDialog(hwnd_, font, colour)) return;
    SetListFont(font, colour);
    // The folder box is as high as its font.
    FormResize();
}

void TFrmFile::mnSetBackColorClick() {
    COLORREF colour = ListView_GetBkColor(ListView1);
    if (!Ui.ChooseColourDialog(hwnd_, colour)) return;
    SetListBackground(colour);
    Settings.Set("BGColor", std::to_string(ListView_GetBkColor(ListView1)));
    BuildListIcons();
}

HBRUSH TFrmFile::TextBoxColours(HWND control, HDC dc) const {
    if (!backBrush_ || !(control == CmbDir || control == lstHokan || control == CmbMask ||
                         ::GetParent(control) == CmbMask))
        return nullptr;
    ::SetBkColor(dc, backColour_);
    ::SetTextColor(dc, fontColour_);
    return backBrush_.get();
}
