// Tabs: one per command-line folder, more from a second start, Ctrl+T, Alt+F3, F6 and
// Shift+F6, dragging a tab to a new place, and folders that cannot be opened.
// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

class Tabs : public TaboraTest {
protected:
    void SetUp() override {
        TaboraTest::SetUp();
        if (HasFatalFailure()) return;
        WriteSettings(ValidSettings().Bytes());
        A = Folder.MakeFolder("alpha");
        B = Folder.MakeFolder("beta");
        C = Folder.MakeFolder("gamma");
        Folder.MakeFolder("beta\\sub");
        Folder.MakeFolder("gamma\\deep");
        WriteFile("alpha\\a.txt", 1);
        WriteFile("gamma\\deep\\d.txt", 1);
    }

    MainWindow StartInFront(const std::string& arguments) {
        RemoteApp* app = nullptr;
        MainWindow window(StartMainWindow(app, arguments));
        if (window.Main && window.Complete()) {
            EXPECT_TRUE(BringToFront(window.Main)) << "cannot bring the window to the front";
        }
        return window;
    }

    // Types a key and waits until the tab strip shows `tabs` with `current` selected and the
    // folder box shows `folder`.
    static void TypeAndExpectTabs(const MainWindow& window, WORD key,
                                  const std::vector<WORD>& modifiers,
                                  const std::vector<std::string>& tabs, int current,
                                  const std::string& folder) {
        TypeKey(key, modifiers);
        ExpectTabs(window, tabs, current, folder);
    }

    static void ExpectTabs(const MainWindow& window, const std::vector<std::string>& tabs,
                           int current, const std::string& folder) {
        EXPECT_EQ(Settle([&] { return window.Tabs(); }, tabs), tabs);
        EXPECT_EQ(Settle([&] { return window.CurrentTab(); }, current), current) << "current tab";
        EXPECT_EQ(Settle([&] { return window.FolderText(); }, folder), folder) << "folder box";
    }

    std::string A, B, C;
};

TEST_F(Tabs, CommandLineSecondStartAndTabKeys) {
    MainWindow window = StartInFront(QuoteArgument(A) + " " + QuoteArgument(B));
    ASSERT_TRUE(window.Main && window.Complete());
    // One tab per folder, the last one current.
    ExpectTabs(window, {"alpha", "beta"}, 1, B);
    EXPECT_EQ(window.Items(), std::vector<std::string>{"sub"});

    // A second start hands its folder over and ends.
    RemoteApp& second = Start(QuoteArgument(C));
    ASSERT_TRUE(second.WaitForExit()) << "the second start did not end";
    ExpectTabs(window, {"alpha", "beta", "gamma"}, 2, C);
    EXPECT_EQ(window.Items(), std::vector<std::string>{"deep"});
    EXPECT_EQ(VisibleTopLevelWindows("TFrmFile").size(), 1u);
    ASSERT_TRUE(BringToFront(window.Main));

    // F6 and Shift+F6 wrap around both ends; each tab lists its own folder.
    const std::vector<std::string> three = {"alpha", "beta", "gamma"};
    TypeAndExpectTabs(window, VK_F6, {}, three, 0, A);
    EXPECT_EQ(Settle([&] { return window.Items(); }, std::vector<std::string>{"a.txt"}),
              std::vector<std::string>{"a.txt"});
    TypeAndExpectTabs(window, VK_F6, {}, three, 1, B);
    TypeAndExpectTabs(window, VK_F6, {}, three, 2, C);
    TypeAndExpectTabs(window, VK_F6, {}, three, 0, A);
    TypeAndExpectTabs(window, VK_F6, {VK_SHIFT}, three, 2, C);
    TypeAndExpectTabs(window, VK_F6, {VK_SHIFT}, three, 1, B);

    // Ctrl+T with nothing selected copies the current tab and puts the focus into the
    // folder box.
    TypeAndExpectTabs(window, 'T', {VK_CONTROL}, {"alpha", "beta", "gamma", "beta"}, 3, B);
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindowOf(window.Main) == window.FolderBox; }, 3000))
        << "the folder box did not get the focus";
    // Closing the last tab selects the one to its left.
    TypeAndExpectTabs(window, VK_F3, {VK_MENU}, three, 2, C);
    EXPECT_FALSE(InMenuMode(window.Main)) << "Alt+F3 left the menu bar active";
    // Closing the first tab selects the one that took its place.
    TypeAndExpectTabs(window, VK_F6, {}, three, 0, A);
    TypeAndExpectTabs(window, VK_F3, {VK_MENU}, {"beta", "gamma"}, 0, B);
    EXPECT_EQ(Settle([&] { return window.Items(); }, std::vector<std::string>{"sub"}),
              std::vector<std::string>{"sub"});

    // Ctrl+T with a folder selected opens that folder in the new tab.
    SelectListItem(window.List, 0);
    TypeAndExpectTabs(window, 'T', {VK_CONTROL}, {"beta", "gamma", "sub"}, 2, B + "\\sub");
    TypeAndExpectTabs(window, VK_F3, {VK_MENU}, {"beta", "gamma"}, 1, C);
    TypeAndExpectTabs(window, VK_F3, {VK_MENU}, {"beta"}, 0, B);
    // The last tab stays.
    TypeKey(VK_F3, {VK_MENU});
    ::Sleep(300);
    ExpectTabs(window, {"beta"}, 0, B);
}

TEST_F(Tabs, DraggedTabMovesWithItsFolderAndHistory) {
    MainWindow window =
        StartInFront(QuoteArgument(A) + " " + QuoteArgument(B) + " " + QuoteArgument(C));
    ASSERT_TRUE(window.Main && window.Complete());
    ExpectTabs(window, {"alpha", "beta", "gamma"}, 2, C);

    // Into gamma\deep, so that the tab has a history to keep.
    ClickAt(CenterOf(ListItemScreenRect(window.List, 0, LVIR_LABEL)));
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindowOf(window.Main) == window.List; }, 3000))
        << "the list did not take the focus";
    const std::string deep = C + "\\deep";
    TypeAndExpectTabs(window, VK_RETURN, {}, {"alpha", "beta", "deep"}, 2, deep);
    TypeAndExpectTabs(window, VK_F6, {}, {"alpha", "beta", "deep"}, 0, A);

    // Drag the third tab onto the first: it becomes first and current, showing its folder.
    DragMouse(CenterOf(TabItemScreenRect(window.TabStrip, 2)),
              CenterOf(TabItemScreenRect(window.TabStrip, 0)));
    ExpectTabs(window, {"deep", "alpha", "beta"}, 0, deep);
    EXPECT_EQ(Settle([&] { return window.Items(); }, std::vector<std::string>{"d.txt"}),
              std::vector<std::string>{"d.txt"});
    EXPECT_EQ(window.HistoryButtons(), std::make_pair(true, false));

    // The other tabs kept their folders, and the moved one its folder and history.
    TypeAndExpectTabs(window, VK_F6, {}, {"deep", "alpha", "beta"}, 1, A);
    TypeAndExpectTabs(window, VK_F6, {}, {"deep", "alpha", "beta"}, 2, B);
    TypeAndExpectTabs(window, VK_F6, {}, {"deep", "alpha", "beta"}, 0, deep);
    EXPECT_EQ(window.HistoryButtons(), std::make_pair(true, false));
    TypeAndExpectTabs(window, VK_LEFT, {VK_MENU}, {"gamma", "alpha", "beta"}, 0, C);
    EXPECT_EQ(Settle([&] { return window.HistoryButtons(); }, std::make_pair(false, true)),
              std::make_pair(false, true));

    // Dragging to the right: the second tab onto the third.
    DragMouse(CenterOf(TabItemScreenRect(window.TabStrip, 1)),
              CenterOf(TabItemScreenRect(window.TabStrip, 2)));
    ExpectTabs(window, {"gamma", "beta", "alpha"}, 2, A);
    // A plain click only selects a tab.
    ClickAt(CenterOf(TabItemScreenRect(window.TabStrip, 1)));
    ExpectTabs(window, {"gamma", "beta", "alpha"}, 1, B);
}

TEST_F(Tabs, FolderThatCannotBeOpenedIsReportedAndLeavesNoTab) {
    const std::string missing = QuoteArgument(Folder.Path() + "missing");
    const struct {
        const char* Name;
        std::string Arguments;
        std::vector<std::string> Tabs;
        int Current;
        std::string Folder;
    } cases[] = {
        {"missing first", missing + " " + QuoteArgument(A), {"alpha"}, 0, A},
        {"missing between",
         QuoteArgument(A) + " " + missing + " " + QuoteArgument(B),
         {"alpha", "beta"},
         1,
         B},
        // Nothing opens: the working folder does.
        {"missing alone", missing, {"work"}, 0, WorkFolder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        RemoteApp& app = Start(c.Arguments);
        HWND box = app.WaitForMessageBox();
        ASSERT_NE(box, nullptr) << "no message; running=" << app.IsRunning();
        MessageBoxContent content = ReadMessageBox(box);
        EXPECT_EQ(content.Text, "開けません");
        EXPECT_EQ(content.Caption, "ｴﾗｰ");
        ASSERT_TRUE(PressButton(box, IDOK));
        MainWindow window(app.WaitForMainWindow());
        ASSERT_TRUE(window.Main && window.Complete());
        ExpectTabs(window, c.Tabs, c.Current, c.Folder);
        EXPECT_EQ(window.HistoryButtons(), std::make_pair(false, false));
        EXPECT_TRUE(app.MessageBoxes().empty()) << "a second message";
        ASSERT_TRUE(::PostMessageA(window.Main, WM_CLOSE, 0, 0));
        ASSERT_TRUE(app.WaitForExit());
    }
}

}  // namespace
}  // namespace e2e
