// The list's images: the 16 built-in bitmaps with their key colour painted in the list's
// background, and the choice of image per file.
#include <windows.h>

#include <commctrl.h>

#include <stdexcept>
#include <string>

#include "app/file1_win.h"
#include "listing/icon_index.h"
#include "platform/dc_win.h"

namespace {
constexpr int kImageSize = 16;

// Paints the key colour (the colour at (0, 0)) of a bitmap in the background colour, opaque.
void PaintKeyAsBackground(HDC dc, HBITMAP bitmap, COLORREF background) {
    SelectedObject selected(dc, bitmap);
    const COLORREF key = ::GetPixel(dc, 0, 0);
    ::SetPixel(dc, 0, 0, background);
    // What the bitmap really holds now, which on a display of few colours is the nearest
    // colour it has.
    const COLORREF painted = ::GetPixel(dc, 0, 0);
    for (int x = 0; x < kImageSize; ++x)
        for (int y = 0; y < kImageSize; ++y)
            if (::GetPixel(dc, x, y) == key) ::SetPixel(dc, x, y, painted);
}
}  // namespace

void TFrmFile::BuildListIcons() {
    // A bad BGColor stops here with its conversion error, before anything changed.
    const COLORREF background = static_cast<COLORREF>(ReadBackgroundColour(Settings));
    if (!ImageList1) {
        ImageList1.reset(ImageList_Create(kImageSize, kImageSize, ILC_COLOR24, kListImageCount, 0));
        if (!ImageList1) throw std::runtime_error("ｲﾒｰｼﾞﾘｽﾄを作成できません");
    }
    ImageList_RemoveAll(ImageList1.get());
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!dc) throw std::runtime_error("ﾒﾓﾘDCを作成できません");
    for (int i = 0; i < kListImageCount; ++i) {
        const std::string name = "ICO" + std::to_string(i);
        UniqueBitmap bitmap(::LoadBitmapA(instance_, name.c_str()));
        if (!bitmap) throw std::runtime_error("ﾋﾞｯﾄﾏｯﾌﾟがありません: " + name);
        PaintKeyAsBackground(dc.get(), bitmap.get(), background);
        // No mask: the images are opaque and already carry the list's colour.
        ImageList_Add(ImageList1.get(), bitmap.get(), nullptr);
    }
    ListView_SetImageList(ListView1, ImageList1.get(), LVSIL_SMALL);
}

int TFrmFile::FileIconIndex(const std::string& name) const {
    return IconIndexForFile(Settings, name);
}
