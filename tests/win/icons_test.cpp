// The list images, font and background colour in process: the images carry the list's colour
// around their pictures, and the font and colour commands change all four controls at once.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "app/file1_win.h"
#include "app/integer_text.h"
#include "win_test_support.h"
#include "window_fixture.h"

namespace {

constexpr COLORREF kDarkGrey = RGB(64, 64, 64);  // BGColor=4210752
constexpr COLORREF kKeyColour = RGB(255, 0, 255);

// Answers the font and colour dialogs as the user would; no answer means Cancel.
class DialogUi final : public ModalUi {
public:
    int Message(HWND, const std::string& text, const std::string&, UINT) override {
        Shown.push_back(text);
        return IDOK;
    }
    bool ChooseFontDialog(HWND, LOGFONTA& font, COLORREF& colour) override {
        OfferedFont = font;
        OfferedFontColour = colour;
        if (!FontAnswer) return false;
        font = *FontAnswer;
        colour = FontColourAnswer;
        return true;
    }
    bool ChooseColourDialog(HWND, COLORREF& colour) override {
        OfferedColour = colour;
        if (!ColourAnswer) return false;
        colour = *ColourAnswer;
        return true;
    }

    std::vector<std::string> Shown;
    std::optional<LOGFONTA> FontAnswer;
    COLORREF FontColourAnswer = 0;
    std::optional<COLORREF> ColourAnswer;
    std::optional<LOGFONTA> OfferedFont;
    std::optional<COLORREF> OfferedFontColour;
    std::optional<COLORREF> OfferedColour;
};

// The 256 pixels of image i as the list draws it, row by row.
std::vector<COLORREF> DrawnImage(HIMAGELIST list, int i) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = -16;  // top-down, so bits[y * 16 + x]
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, dib);
    // A colour no image holds: anything left of it was not drawn.
    RECT all{0, 0, 16, 16};
    HBRUSH unpainted = ::CreateSolidBrush(RGB(1, 2, 3));
    ::FillRect(dc, &all, unpainted);
    ::DeleteObject(unpainted);
    ImageList_Draw(list, i, dc, 0, 0, ILD_NORMAL);
    ::GdiFlush();
    std::vector<COLORREF> pixels(256);
    const auto* bgrx = static_cast<const BYTE*>(bits);
    for (int p = 0; p < 256; ++p) pixels[p] = RGB(bgrx[p * 4 + 2], bgrx[p * 4 + 1], bgrx[p * 4]);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::DeleteObject(dib);
    return pixels;
}

struct PaintColours {
    COLORREF Brush;
    COLORREF Background;
    COLORREF Text;
};
// What the main window tells a box to paint with.
PaintColours AskPaintColours(HWND main, UINT message, HWND control) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    auto brush = reinterpret_cast<HBRUSH>(::SendMessageA(
        main, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    LOGBRUSH lb{};
    if (!brush || !::GetObjectA(brush, sizeof lb, &lb)) lb.lbColor = CLR_INVALID;
    PaintColours colours{lb.lbColor, ::GetBkColor(dc), ::GetTextColor(dc)};
    ::DeleteDC(dc);
    return colours;
}

HFONT FontOf(HWND hwnd) { return reinterpret_cast<HFONT>(::SendMessageA(hwnd, WM_GETFONT, 0, 0)); }

int HeightOf(HWND hwnd) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    return r.bottom - r.top;
}

class ListImages : public WindowFixture<DialogUi> {
protected:
    std::unique_ptr<TFrmFile> Start(const std::string& extra = "BGColor=4210752\r\n") {
        std::string settings = ValidSettings();
        settings.replace(settings.find("BGColor=16777215\r\n"), 18, extra);
        return Open(settings, {folder});
    }
    // The editors of the three boxes, as their WM_CTLCOLOR* messages name them.
    static std::vector<std::pair<UINT, HWND>> Boxes(TFrmFile& form) {
        return {{WM_CTLCOLOREDIT, form.CmbDir},
                {WM_CTLCOLOREDIT, ::FindWindowExA(form.CmbMask, nullptr, "Edit", nullptr)},
                {WM_CTLCOLORLISTBOX, form.lstHokan}};
    }

    std::string folder = dir.Make("start");
};

TEST_F(ListImages, SixteenOpaqueImagesShowTheirPicturesOnTheListBackground) {
    auto form = Start();
    ASSERT_FALSE(form->Terminated());
    HIMAGELIST list = form->ImageList1.get();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListView_GetImageList(form->ListView1, LVSIL_SMALL), list);
    ASSERT_EQ(ImageList_GetImageCount(list), 16);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(list, &cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);

    std::set<std::vector<COLORREF>> distinct;
    for (int i = 0; i < 16; ++i) {
        std::vector<COLORREF> pixels = DrawnImage(list, i);
        EXPECT_EQ(pixels[0], kDarkGrey) << "image " << i;
        int picture = 0;
        for (COLORREF c : pixels) {
            if (c != kDarkGrey) ++picture;
            EXPECT_NE(c, kKeyColour) << "image " << i << " kept its key colour";
            EXPECT_NE(c, RGB(1, 2, 3)) << "image " << i << " is not opaque";
        }
        EXPECT_GE(picture, 40) << "image " << i << " shows hardly anything";
        EXPECT_LE(picture, 240) << "image " << i << " has no background";
        distinct.insert(pixels);
    }
    EXPECT_EQ(distinct.size(), 16u) << "two images are the same picture";
}

TEST_F(ListImages, FilesShowTheImageOfTheirExtension) {
    for (const char* name : {"memo.txt", "Makefile", "SONG.MP3", "odd.xyz", "big.dat"})
        dir.Write(std::string("start\\") + name, "x");
    dir.Make("start\\sub.txt");
    auto form = Start("BGColor=4210752\r\nIcotxt=2\r\nIcomp3=5\r\nIcodat=16\r\n");
    ASSERT_FALSE(form->Terminated());
    // The settings' mask (*.txt;*.doc) would hide most of them.
    ::SetWindowTextA(form->CmbMask, "*.*");
    form->ClickMenu("mnRefresh");
    auto imageOf = [&](const char* name) {
        LVFINDINFOA find{};
        find.flags = LVFI_STRING;
        find.psz = name;
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = ListView_FindItem(form->ListView1, -1, &find);
        if (item.iItem < 0) return -1;
        ListView_GetItem(form->ListView1, &item);
        return item.iImage;
    };
    EXPECT_EQ(imageOf("sub.txt"), 0);  // a folder, whatever its name
    EXPECT_EQ(imageOf("memo.txt"), 2);
    EXPECT_EQ(imageOf("SONG.MP3"), 5);
    EXPECT_EQ(imageOf("Makefile"), 1);
    EXPECT_EQ(imageOf("odd.xyz"), 1);
    EXPECT_EQ(imageOf("big.dat"), 1);
}

TEST_F(ListImages, ChosenBackgroundColoursAllFourControlsAndTheImagesAndIsStoredAtOnce) {
    auto form = Start();
    ASSERT_FALSE(form->Terminated());
    for (auto [message, box] : Boxes(*form)) {
        PaintColours c = AskPaintColours(form->Handle(), message, box);
        EXPECT_EQ(c.Brush, kDarkGrey);
        EXPECT_EQ(c.Text, RGB(255, 0, 0));  // FColor=255
    }

    // Cancel changes nothing.
    form->ClickMenu("mnSetBackColor");
    EXPECT_EQ(ui.OfferedColour, kDarkGrey);
    EXPECT_EQ(form->Settings.Value("BGColor"), "4210752");
    EXPECT_EQ(DrawnImage(form->ImageList1.get(), 3)[0], kDarkGrey);

    const COLORREF chosen = RGB(0x20, 0x40, 0x80);
    ui.ColourAnswer = chosen;
    form->ClickMenu("mnSetBackColor");
    EXPECT_EQ(form->Settings.Value("BGColor"), "8405024");
    EXPECT_EQ(ListView_GetBkColor(form->ListView1), chosen);
    EXPECT_EQ(ListView_GetTextBkColor(form->ListView1), chosen);
    for (auto [message, box] : Boxes(*form)) {
        PaintColours c = AskPaintColours(form->Handle(), message, box);
        EXPECT_EQ(c.Brush, chosen);
        EXPECT_EQ(c.Background, chosen);
    }
    ASSERT_EQ(ImageList_GetImageCount(form->ImageList1.get()), 16);
    for (int i = 0; i < 16; ++i) {
        std::vector<COLORREF> pixels = DrawnImage(form->ImageList1.get(), i);
        EXPECT_EQ(pixels[0], chosen) << "image " << i;
        EXPECT_EQ(std::count(pixels.begin(), pixels.end(), kDarkGrey), 0) << "image " << i;
    }
    // The next dialog starts from the new colour; the file gets it with the next save.
    ui.ColourAnswer.reset();
    form->ClickMenu("mnSetBackColor");
    EXPECT_EQ(ui.OfferedColour, chosen);
    form->ClickMenu("mnSetSave");
    EXPECT_NE(dir.Read("tabora.ini").find("\r\nBGColor=8405024\r\n"), std::string::npos);
}

TEST_F(ListImages, ChosenFontGoesToAllFourControlsAndTheFolderBoxGrows) {
    dir.Write("start\\a rather long name for one file.txt", "x");
    auto form = Start();
    ASSERT_FALSE(form->Terminated());
    const HFONT before = FontOf(form->ListView1);
    const int boxHeight = HeightOf(form->CmbDir);
    const int columnWidth = ListView_GetColumnWidth(form->ListView1, 0);

    // Cancel changes nothing; the dialog starts from the list's font.
    form->ClickMenu("mnSetFont");
    ASSERT_TRUE(ui.OfferedFont);
    EXPECT_STREQ(ui.OfferedFont->lfFaceName, "MS UI Gothic");
    EXPECT_EQ(ui.OfferedFont->lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(ui.OfferedFontColour, RGB(255, 0, 0));
    EXPECT_EQ(FontOf(form->ListView1), before);

    LOGFONTA big = *ui.OfferedFont;
    big.lfHeight = -32;
    ui.FontAnswer = big;
    ui.FontColourAnswer = RGB(0, 0, 128);
    form->ClickMenu("mnSetFont");
    const HFONT after = FontOf(form->ListView1);
    ASSERT_NE(after, nullptr);
    EXPECT_NE(after, before);
    EXPECT_EQ(FontOf(form->CmbDir), after);
    EXPECT_EQ(FontOf(form->CmbMask), after);
    EXPECT_EQ(FontOf(form->lstHokan), after);
    LOGFONTA got{};
    ASSERT_TRUE(::GetObjectA(after, sizeof got, &got));
    EXPECT_EQ(got.lfHeight, -32);
    EXPECT_GT(HeightOf(form->CmbDir), boxHeight + 10);
    // The names are measured again in the bigger font, so none is cut.
    EXPECT_GT(ListView_GetColumnWidth(form->ListView1, 0), columnWidth * 2);
    EXPECT_EQ(ListView_GetTextColor(form->ListView1), RGB(0, 0, 128));
    for (auto [message, box] : Boxes(*form))
        EXPECT_EQ(AskPaintColours(form->Handle(), message, box).Text, RGB(0, 0, 128));

    // Nothing is stored until the window saves.
    EXPECT_EQ(form->Settings.Value("FSize"), "9");
    EXPECT_EQ(form->Settings.Value("FColor"), "255");
    form->FormClose();
    std::string saved = dir.Read("tabora.ini");
    EXPECT_NE(saved.find("\r\nFSize=24\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nFColor=8388608\r\n"), std::string::npos) << saved;
}

TEST_F(ListImages, BackgroundThatIsNoIntegerStopsStartWithItsConversionError) {
    try {
        Start("BGColor=abc\r\n");
        FAIL() << "start-up went on with BGColor=abc";
    } catch (const ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("'abc'"), std::string::npos) << e.what();
    }
}

}  // namespace
