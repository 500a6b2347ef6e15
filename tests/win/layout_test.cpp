// The window lays its controls out when resized and when the font grows.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/file1_win.h"
#include "win_test_support.h"

namespace {

RECT Place(HWND parent, HWND child) {
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST(Layout, AWindowSavedOffScreenOpensOnAMonitor) {
    ScratchFolder dir;
    std::string settings = ValidSettings();
    settings.replace(settings.find("Left=30\r\nTop=20"), 15, "Left=-32768\r\nTop=-32768");
    dir.Write("tabora.ini", settings);
    RecordingUi ui;
    TFrmFile form(::GetModuleHandleA(nullptr), {dir.Make("x")}, ui, dir.Path() + "tabora.ini");
    RECT r{};
    ::GetWindowRect(form.Handle(), &r);
    EXPECT_NE(::MonitorFromRect(&r, MONITOR_DEFAULTTONULL), nullptr) << r.left << "," << r.top;
    EXPECT_EQ(r.right - r.left, 640);  // at its saved size
    EXPECT_EQ(r.bottom - r.top, 400);
}

TEST(Layout, ControlsFollowTheWindowSizeAndTheFolderBoxHeight) {
    ScratchFolder dir;
    dir.Write("tabora.ini", ValidSettings());
    RecordingUi ui;
    TFrmFile form(::GetModuleHandleA(nullptr), {dir.Make("x")}, ui, dir.Path() + "tabora.ini");
    for (SIZE size : {SIZE{700, 500}, SIZE{420, 260}}) {
        ::MoveWindow(form.Handle(), 10, 10, size.cx, size.cy, TRUE);
        PumpMessages();
        RECT client{};
        ::GetClientRect(form.Handle(), &client);
        const RECT dirBox = Place(form.Handle(), form.CmbDir);
        const RECT status = Place(form.Handle(), form.StatusBar1);
        const int statusHeight = status.bottom - status.top;
        const int dirHeight = dirBox.bottom - dirBox.top;
        const RECT list = Place(form.Handle(), form.ListView1);
        EXPECT_EQ(list.left, 0);
        EXPECT_EQ(list.right, client.right);
        EXPECT_EQ(list.top, dirBox.bottom);
        EXPECT_EQ(list.bottom - list.top, client.bottom - 16 - statusHeight - dirHeight);
        const RECT tab = Place(form.Handle(), form.TabControl1);
        EXPECT_EQ(tab.right, client.right);
        EXPECT_EQ(tab.bottom, client.bottom - statusHeight);
        // Buttons: three, a gap of 8, two, a further gap of 12, three; then the mask box.
        HWND buttons[8] = {form.spbtnBack,     form.spbtnNext, form.spbtnUpdir, form.spbtnDirCopy,
                           form.spbtnDirPaste, form.spbtnCut,  form.spbtnCopy,  form.spbtnPaste};
        const int b =
            Place(form.Handle(), form.spbtnBack).right - Place(form.Handle(), form.spbtnBack).left;
        const int l = dirBox.right - dirBox.left;
        const int lefts[8] = {l,
                              l + b,
                              l + 2 * b,
                              l + 3 * b + 8,
                              l + 4 * b + 8,
                              l + 5 * b + 20,
                              l + 6 * b + 20,
                              l + 7 * b + 20};
        for (int i = 0; i < 8; ++i) {
            RECT r = Place(form.Handle(), buttons[i]);
            EXPECT_EQ(r.left, lefts[i]) << "button " << i;
            EXPECT_EQ(r.bottom - r.top, dirHeight) << "button " << i;
        }
        EXPECT_EQ(Place(form.Handle(), form.CmbMask).left,
                  Place(form.Handle(), form.spbtnPaste).right);
    }
}

}  // namespace
