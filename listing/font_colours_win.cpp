// The user's font and background colour on the list, the folder box, the mask box and the
// completion list.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"

namespace {
int ScreenDpi() {
    HDC dc = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}
}  // namespace

int TFrmFile::FontPointSize() const {
    int height = listLogFont_.lfHeight < 0 ? -listLogFont_.lfHeight : listLogFont_.lfHeight;
    return ::MulDiv(height, 72, ScreenDpi());
}

void TFrmFile::ApplyFontAndColours() {
    // Read everything first: a bad value stops here with its conversion error and changes
    // nothing on screen.
    FontSettings font = ReadFontSettings(Settings);
    std::int32_t background = ReadBackgroundColour(Settings);

    LOGFONTA lf{};
    lf.lfCharSet = static_cast<BYTE>(font.Charset);
    fontColour_ = static_cast<COLORREF>(font.Color);
    lf.lfHeight = font.Height;
    lstrcpynA(lf.lfFaceName, font.Name.c_str(), LF_FACESIZE);
    // The size in points decides the final height.
    lf.lfHeight = -::MulDiv(font.Size, ScreenDpi(), 72);
    HFONT handle = ::CreateFontIndirectA(&lf);
    if (!handle) return;
    listLogFont_ = lf;
    for (HWND control : {ListView1, CmbDir, CmbMask, lstHokan})
        ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
    listFont_.reset(handle);

    backColour_ = static_cast<COLORREF>(background);
    backBrush_.reset(::CreateSolidBrush(backColour_));
    ListView_SetBkColor(ListView1, backColour_);
    ListView_SetTextBkColor(ListView1, backColour_);
    ListView_SetTextColor(ListView1, fontColour_);
    for (HWND control : {CmbDir, CmbMask, lstHokan}) ::InvalidateRect(control, nullptr, TRUE);
    FormResize();
}
