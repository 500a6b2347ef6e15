// The tool buttons in process: each draws its glyph, a disabled one its disabled look, and
// each has its hint in the window's tooltip.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/file1_win.h"
#include "win_test_support.h"
#include "window_fixture.h"

namespace {

constexpr int kButton = 20;

// The inside of the button (without its 2-pixel frame) as it paints itself.
std::vector<COLORREF> Painted(HWND button) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kButton;
    info.bmiHeader.biHeight = -kButton;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    HGDIOBJ old = ::SelectObject(dc.get(), bitmap.get());
    ::SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    std::vector<COLORREF> inside;
    for (int y = 2; y < kButton - 2; ++y)
        for (int x = 2; x < kButton - 2; ++x) inside.push_back(::GetPixel(dc.get(), x, y));
    ::SelectObject(dc.get(), old);
    return inside;
}

// Only the face, grey and white: the disabled look.
bool LooksDisabled(const std::vector<COLORREF>& pixels) {
    const std::set<COLORREF> allowed = {::GetSysColor(COLOR_BTNFACE), RGB(128, 128, 128),
                                        RGB(255, 255, 255)};
    bool grey = false;
    for (COLORREF c : pixels) {
        if (!allowed.count(c)) return false;
        grey = grey || c == RGB(128, 128, 128);
    }
    return grey;
}

using ToolButtons = WindowFixture<>;

TEST_F(ToolButtons, DrawTheirGlyphOrItsDisabledLookAndShowTheirHints) {
    auto opened = Open(ValidSettings(), {dir.Make("x")});
    TFrmFile& form = *opened;
    const HWND buttons[8] = {form.spbtnBack,     form.spbtnNext, form.spbtnUpdir, form.spbtnDirCopy,
                             form.spbtnDirPaste, form.spbtnCut,  form.spbtnCopy,  form.spbtnPaste};
    const char* const hints[8] = {"戻る",       "進む", "上へ", "ﾌｫﾙﾀﾞｺﾋﾟｰ",
                                  "ﾌｫﾙﾀﾞﾍﾟｰｽﾄ", "ｶｯﾄ",  "ｺﾋﾟｰ", "ﾍﾟｰｽﾄ"};

    // Back and forward start disabled (no history yet) and look it.
    EXPECT_FALSE(::IsWindowEnabled(form.spbtnBack));
    EXPECT_TRUE(LooksDisabled(Painted(form.spbtnBack)));
    EXPECT_TRUE(LooksDisabled(Painted(form.spbtnNext)));
    std::set<std::vector<COLORREF>> glyphs;
    for (int i = 0; i < 8; ++i) {
        ::EnableWindow(buttons[i], TRUE);
        const std::vector<COLORREF> enabled = Painted(buttons[i]);
        EXPECT_FALSE(LooksDisabled(enabled)) << hints[i];
        glyphs.insert(enabled);
        ::EnableWindow(buttons[i], FALSE);
        EXPECT_TRUE(LooksDisabled(Painted(buttons[i]))) << hints[i];
        ::EnableWindow(buttons[i], TRUE);
    }
    EXPECT_EQ(glyphs.size(), 8u);  // a picture of its own for each

    ASSERT_EQ(::SendMessageA(form.Tooltip, TTM_GETTOOLCOUNT, 0, 0), 8);
    for (int i = 0; i < 8; ++i) {
        char text[80] = {};
        TOOLINFOA ti{};
        ti.cbSize = sizeof ti;
        ti.lpszText = text;
        ASSERT_TRUE(::SendMessageA(form.Tooltip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&ti)));
        EXPECT_EQ(reinterpret_cast<HWND>(ti.uId), buttons[i]);
        EXPECT_TRUE(ti.uFlags & TTF_SUBCLASS) << "the tooltip sees the pointer by itself";
        EXPECT_STREQ(text, hints[i]);
    }
}

TEST_F(ToolButtons, ADisabledButtonShowsItsHintWhenThePointerRestsOnIt) {
    auto opened = Open(ValidSettings(), {dir.Make("x")});
    TFrmFile& form = *opened;
    ::ShowWindow(form.Handle(), SW_SHOW);
    PumpMessages();
    ASSERT_FALSE(::IsWindowEnabled(form.spbtnBack));
    RECT back{};
    ::GetWindowRect(form.spbtnBack, &back);
    POINT at{(back.left + back.right) / 2, (back.top + back.bottom) / 2};
    ::SetCursorPos(at.x, at.y);
    // The move reaches the window behind the disabled button, as the system hands it on.
    ::ScreenToClient(form.TabControl1, &at);
    ::SendMessageA(form.TabControl1, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    for (int waited = 0; waited < 300 && !::IsWindowVisible(form.Tooltip); ++waited) {
        PumpMessages();
        ::Sleep(10);
    }
    EXPECT_TRUE(::IsWindowVisible(form.Tooltip));
    char text[80] = {};
    TOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    ti.lpszText = text;
    ASSERT_TRUE(
        ::SendMessageA(form.Tooltip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_EQ(reinterpret_cast<HWND>(ti.uId), form.spbtnBack);
    EXPECT_STREQ(text, "戻る");
}

}  // namespace
