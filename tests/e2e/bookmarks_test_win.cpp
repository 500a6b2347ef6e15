// The menu 栞(&B) as the user works it from the keyboard: bookmarks with a label, in a group
// submenu and with their own accelerator open in a new tab, or with Ctrl held in the current
// one; Ctrl+D adds the current folder, which the menu offers at once and the settings file
// keeps under the first free Go number.
#include <algorithm>

#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

using Tabs = std::vector<std::string>;

class Bookmarks : public TaboraTest {
protected:
    static std::size_t OpenMenus() { return VisibleTopLevelWindows("#32768").size(); }

    // Alt+B: the bookmark menu opens.
    static void OpenBookmarkMenu(const MainWindow& window) {
        ASSERT_TRUE(BringToFront(window.Main)) << "cannot bring the window to the front";
        TypeKey('B', {VK_MENU});
        ASSERT_TRUE(WaitUntil([] { return OpenMenus() >= 1; }, kSettleTimeoutMs))
            << "Alt+B opened no menu";
    }

    // The open popup menu with the fewest rows: the group submenu.
    static HWND ShortestMenu() {
        std::vector<HWND> menus = VisibleTopLevelWindows("#32768");
        const auto height = [](HWND menu) {
            RECT r{};
            ::GetWindowRect(menu, &r);
            return r.bottom - r.top;
        };
        return *std::min_element(menus.begin(), menus.end(),
                                 [&](HWND a, HWND b) { return height(a) < height(b); });
    }

    // The middle of the first item of a popup menu window that holds two items.
    static POINT FirstOfTwoItems(HWND popup) {
        RECT client{};
        ::GetClientRect(popup, &client);
        POINT point{client.right / 2, client.bottom / 4};
        ::ClientToScreen(popup, &point);
        return point;
    }

    static void ExpectMenusClosed() {
        EXPECT_TRUE(WaitUntil([] { return OpenMenus() == 0; }, kSettleTimeoutMs))
            << "the menu stayed open";
    }

    static void ExpectTabs(const MainWindow& window, const Tabs& tabs, int current,
                           const std::string& folder) {
        EXPECT_EQ(Settle([&] { return window.Tabs(); }, tabs), tabs);
        EXPECT_EQ(Settle([&] { return window.CurrentTab(); }, current), current) << "current tab";
        EXPECT_EQ(Settle([&] { return window.FolderText(); }, folder), folder) << "folder box";
    }

    // Ctrl+D, then the question is answered with `button`.
    static void AddBookmark(const RemoteApp& app, const std::string& folder, int button) {
        TypeKey('D', {VK_CONTROL});
        HWND box = app.WaitForMessageBox(kStepTimeoutMs);
        ASSERT_NE(box, nullptr) << "Ctrl+D asked nothing";
        const MessageBoxContent content = ReadMessageBox(box);
        EXPECT_EQ(content.Caption, "確認");
        EXPECT_EQ(content.Text, folder + "\nを栞に追加しますか?");
        ASSERT_TRUE(PressButton(box, button));
        EXPECT_TRUE(WaitUntil([&] { return app.MessageBoxes().empty(); }, kSettleTimeoutMs));
    }
};

TEST_F(Bookmarks, MenuOpensFoldersInNewOrCurrentTabAndCtrlDAddsTheFolder) {
    const std::string alpha = Folder.MakeFolder("alpha");
    const std::string beta = Folder.MakeFolder("beta");
    const std::string gamma = Folder.MakeFolder("gamma");
    const std::string delta = Folder.MakeFolder("delta");
    const std::string epsilon = Folder.MakeFolder("epsilon");
    WriteFile("alpha\\a.txt", 1);
    WriteFile("beta\\b.txt", 1);
    WriteFile("work\\w.txt", 1);
    // Go5 is missing: Go6 is never read, and the first free number is 5.
    const std::vector<std::string> goLines = {"Go1=ﾎｰﾑ(&H)," + alpha, "Go2=Grp(&G)|" + beta,
                                              "Go3=Grp(&G)|" + gamma, "Go4=" + delta + "(&X)",
                                              "Go6=" + epsilon};
    IniLines settings = ValidSettings();
    settings.Lines.insert(settings.Lines.end(), goLines.begin(), goLines.end());
    WriteSettings(settings.Bytes());
    RemoteApp* app = nullptr;
    MainWindow window(StartMainWindow(app));
    ASSERT_TRUE(window.Main && window.Complete());
    ExpectTabs(window, {"work"}, 0, WorkFolder);

    // A label with its accelerator, a folder with its own one (not part of the folder), and a
    // bookmark in the group submenu, by the first letter of its folder's name.
    OpenBookmarkMenu(window);
    TypeKey('H');
    ExpectMenusClosed();
    ExpectTabs(window, {"work", "alpha"}, 1, alpha);
    EXPECT_EQ(Settle([&] { return window.Items(); }, Tabs{"a.txt"}), Tabs{"a.txt"});
    EXPECT_EQ(FocusedWindowOf(window.Main), window.List) << "the new tab's list has the keys";
    OpenBookmarkMenu(window);
    TypeKey('X');
    ExpectMenusClosed();
    ExpectTabs(window, {"work", "alpha", "delta"}, 2, delta);
    OpenBookmarkMenu(window);
    TypeKey('G');
    EXPECT_TRUE(WaitUntil([] { return OpenMenus() == 2; }, kSettleTimeoutMs))
        << "the group submenu did not open";
    TypeKey('G');
    ExpectMenusClosed();
    ExpectTabs(window, {"work", "alpha", "delta", "gamma"}, 3, gamma);
    EXPECT_EQ(window.HistoryButtons(), std::make_pair(false, false));

    // With Ctrl held the bookmark opens in the current tab, which can go back. Wine's menus
    // choose on the character of Enter, which Ctrl turns into a line feed, so Ctrl is held
    // across a click on the group's first item (beta) instead.
    OpenBookmarkMenu(window);
    TypeKey('G');
    ASSERT_TRUE(WaitUntil([] { return OpenMenus() == 2; }, kSettleTimeoutMs));
    const POINT beta0 = FirstOfTwoItems(ShortestMenu());
    HoldKey(VK_CONTROL, true);
    ClickAt(beta0);
    WaitUntil([&] { return window.FolderText() == beta; }, kSettleTimeoutMs);
    HoldKey(VK_CONTROL, false);
    ExpectMenusClosed();
    ExpectTabs(window, {"work", "alpha", "delta", "beta"}, 3, beta);
    EXPECT_EQ(Settle([&] { return window.HistoryButtons(); }, std::make_pair(true, false)),
              std::make_pair(true, false));
    TypeKey(VK_LEFT, {VK_MENU});
    ExpectTabs(window, {"work", "alpha", "delta", "gamma"}, 3, gamma);

    // Ctrl+D: Cancel adds nothing (gamma is only bookmarked within its group, so OK would
    // add it); on the first tab OK adds it, and a second OK adds no twin.
    AddBookmark(*app, gamma, IDCANCEL);
    TypeKey(VK_F6);
    ExpectTabs(window, {"work", "alpha", "delta", "gamma"}, 0, WorkFolder);
    AddBookmark(*app, WorkFolder, IDOK);
    AddBookmark(*app, WorkFolder, IDOK);
    // The menu offers it at once, by the first letter of "work".
    OpenBookmarkMenu(window);
    TypeKey('W');
    ExpectMenusClosed();
    ExpectTabs(window, {"work", "alpha", "delta", "gamma", "work"}, 4, WorkFolder);

    // A picture of the menu with the group submenu open.
    OpenBookmarkMenu(window);
    TypeKey(VK_HOME);  // ﾃﾞｽｸﾄｯﾌﾟ
    TypeKey(VK_DOWN);
    TypeKey(VK_DOWN);  // Grp
    TypeKey(VK_RIGHT);
    EXPECT_TRUE(WaitUntil([] { return OpenMenus() == 2; }, kSettleTimeoutMs))
        << "Right did not open the group submenu";
    ::Sleep(400);  // let it paint
    EXPECT_TRUE(SaveScreenshot(ScreenshotPath("bookmark_menu")));
    // Esc closes the submenu, the menu, and then leaves the menu bar.
    for (int i = 0; i < 4 && InMenuMode(window.Main); ++i) TypeKey(VK_ESCAPE);
    ExpectMenusClosed();
    EXPECT_FALSE(InMenuMode(window.Main));

    // Ctrl+Q saves: the new bookmark is Go5, once; the other lines stay as they were.
    ASSERT_TRUE(BringToFront(window.Main));
    TypeKey('Q', {VK_CONTROL});
    ASSERT_TRUE(app->WaitForExit()) << "Ctrl+Q did not end the program";
    const std::vector<std::string> saved = SplitCrLf(SettingsBytes());
    std::vector<std::string> savedGo;
    std::copy_if(saved.begin(), saved.end(), std::back_inserter(savedGo),
                 [](const std::string& line) { return line.rfind("Go", 0) == 0; });
    std::sort(savedGo.begin(), savedGo.end());
    std::vector<std::string> expectedGo = goLines;
    expectedGo.push_back("Go5=" + WorkFolder);
    std::sort(expectedGo.begin(), expectedGo.end());
    EXPECT_EQ(savedGo, expectedGo);
}

}  // namespace
}  // namespace e2e
