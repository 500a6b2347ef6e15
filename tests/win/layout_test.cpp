// The window lays its controls out when resized and when the font grows.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/file1_win.h"
#include "win_test_support.h"
#include "window_fixture.h"

namespace {

RECT Place(HWND parent, HWND child) {
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

using Layout = WindowFixture<>;

TEST_F(Layout, AWindowSavedOffScreenOpensOnAMonitor) {
    std::string settings = ValidSettings();
    settings.replace(settings.find("Left=30\r\nTop=20"), 15, "Left=-32768\r\nTop=-32768");
    auto opened = Open(settings, {dir.Make("x")});
    TFrmFile& form = *opened;
    RECT r{};
    ::GetWindowRect(form.Handle(), &r);
    EXPECT_NE(::MonitorFromRect(&r, MONITOR_DEFAULTTONULL), nullptr) << r.left << "," << r.top;
    EXPECT_EQ(r.right - r.left, 640);  // at its saved size
    EXPECT_EQ(r.bottom - r.top, 400);
}

TEST_F(Layout, ControlsFollowTheWindowSizeAndTheFolderBoxHeight) {
    auto opened = Open(ValidSettings(), {dir.Make("x")});
    TFrmFile& form = *opened;
    for (SIZE size : {SIZE{700, 500}, SIZE{420, 260}}) {
        ::MoveWindow(form.Handle(), 10, 10, size.cx, size.cy, TRUE);
        PumpMessages();
        RECT client{};
        ::GetClientRect(form.Handle(), &client);
        const RECT dirBox = Place(form.Handle(), form.CmbDir);
        const RECT status = Place(form.Handle(), form.StatusBar1);
        const int dirHeight = dirBox.bottom - dirBox.top;
        // The list fills the width from under the folder box to above the status bar; the
        // tab strip stands behind everything down to the status bar.
        const RECT list = Place(form.Handle(), form.ListView1);
        EXPECT_EQ(list.left, 0);
        EXPECT_EQ(list.right, client.right);
        EXPECT_EQ(list.top, dirBox.bottom);
        EXPECT_EQ(list.bottom, status.top);
        const RECT tab = Place(form.Handle(), form.TabControl1);
        EXPECT_EQ(tab.right, client.right);
        EXPECT_EQ(tab.bottom, status.top);
        // The buttons follow the folder box left to right in its row and at its height.
        HWND buttons[8] = {form.spbtnBack,     form.spbtnNext, form.spbtnUpdir, form.spbtnDirCopy,
                           form.spbtnDirPaste, form.spbtnCut,  form.spbtnCopy,  form.spbtnPaste};
        LONG right = dirBox.right;
        for (int i = 0; i < 8; ++i) {
            RECT r = Place(form.Handle(), buttons[i]);
            EXPECT_GE(r.left, right) << "button " << i;
            EXPECT_EQ(r.top, dirBox.top) << "button " << i;
            EXPECT_EQ(r.bottom - r.top, dirHeight) << "button " << i;
            right = r.right;
        }
        EXPECT_EQ(Place(form.Handle(), form.CmbMask).left,
                  Place(form.Handle(), form.spbtnPaste).right);
    }
}

}  // namespace
