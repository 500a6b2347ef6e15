// Moving between folders with the keys of the list: Enter into a folder, Backspace up to
// the drive list, Alt+Left and Alt+Right through the tab's history, F5 to read again.
// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

using History = std::pair<bool, bool>;  // Back enabled, Forward enabled
constexpr History kNoHistory{false, false};
constexpr History kBackOnly{true, false};
constexpr History kForwardOnly{false, true};
constexpr History kBoth{true, true};

class Navigation : public TaboraTest {
protected:
    // Starts the program on `folder`, brings it to the front and gives the list the keyboard
    // focus by clicking its first item, as a user would before typing.
    MainWindow StartAndFocusList(const std::string& folder) {
        WriteSettings(ValidSettings().Bytes());
        RemoteApp* app = nullptr;
        MainWindow window(StartMainWindow(app, QuoteArgument(folder)));
        if (!window.Main || !window.Complete()) return window;
        EXPECT_TRUE(BringToFront(window.Main)) << "cannot bring the window to the front";
        WaitUntil([&] { return !window.Items().empty(); }, kSettleTimeoutMs);
        ClickAt(CenterOf(ListItemScreenRect(window.List, 0, LVIR_LABEL)));
        EXPECT_TRUE(WaitUntil([&] { return FocusedWindowOf(window.Main) == window.List; }, 3000))
            << "the list did not take the focus";
        return window;
    }

    // Types a key and waits until the folder box shows `folder`.
    static void TypeAndExpectFolder(const MainWindow& window, WORD key,
                                    const std::vector<WORD>& modifiers, const std::string& folder,
                                    History buttons) {
        TypeKey(key, modifiers);
        EXPECT_EQ(Settle([&] { return window.FolderText(); }, folder), folder);
        EXPECT_EQ(Settle([&] { return window.HistoryButtons(); }, buttons), buttons)
            << "Back/Forward enabled";
    }

    // Types a key that must change nothing, and checks after a while that nothing changed.
    static void TypeAndExpectNoChange(const MainWindow& window, WORD key,
                                      const std::vector<WORD>& modifiers) {
        const std::string folder = window.FolderText();
        const History buttons = window.HistoryButtons();
        const std::vector<std::string> tabs = window.Tabs();
        TypeKey(key, modifiers);
        ::Sleep(300);
        EXPECT_EQ(window.FolderText(), folder);
        EXPECT_EQ(window.HistoryButtons(), buttons);
        EXPECT_EQ(window.Tabs(), tabs);
    }
};

// The index of a list item by caption, or -1.
int ItemIndex(const MainWindow& window, const std::string& caption) {
    const std::vector<std::string> items = window.Items();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == caption) return static_cast<int>(i);
    return -1;
}

TEST_F(Navigation, EnterOpensFoldersAndAltArrowsMoveThroughHistory) {
    const std::string root = Folder.MakeFolder("nav");
    const std::string a = Folder.MakeFolder("nav\\a");
    const std::string b = Folder.MakeFolder("nav\\a\\b");
    WriteFile("nav\\f.txt", 5);
    WriteFile("nav\\a\\g.txt", 5);

    MainWindow window = StartAndFocusList(root);
    ASSERT_TRUE(window.Main && window.Complete());
    EXPECT_EQ(window.Tabs(), std::vector<std::string>{"nav"});
    EXPECT_EQ(window.Items(), (std::vector<std::string>{"a", "f.txt"}));
    EXPECT_EQ(window.HistoryButtons(), kNoHistory);

    // The click selected "a".
    TypeAndExpectFolder(window, VK_RETURN, {}, a, kBackOnly);
    EXPECT_EQ(window.Tabs(), std::vector<std::string>{"a"});
    EXPECT_EQ(window.Items(), (std::vector<std::string>{"b", "g.txt"}));
    SelectListItem(window.List, 1);
    TypeKey(VK_HOME);  // selects "b"
    TypeAndExpectFolder(window, VK_RETURN, {}, b, kBackOnly);
    EXPECT_TRUE(window.Items().empty());
    EXPECT_EQ(window.Status(), "0 ﾌｧｲﾙ  合計ｻｲｽﾞ:0ﾊﾞｲﾄ");

    TypeAndExpectFolder(window, VK_LEFT, {VK_MENU}, a, kBoth);
    EXPECT_EQ(window.Tabs(), std::vector<std::string>{"a"});
    TypeAndExpectFolder(window, VK_LEFT, {VK_MENU}, root, kForwardOnly);
    EXPECT_EQ(window.Tabs(), std::vector<std::string>{"nav"});
    TypeAndExpectNoChange(window, VK_LEFT, {VK_MENU});
    TypeAndExpectFolder(window, VK_RIGHT, {VK_MENU}, a, kBoth);
    TypeAndExpectFolder(window, VK_RIGHT, {VK_MENU}, b, kBackOnly);
    TypeAndExpectNoChange(window, VK_RIGHT, {VK_MENU});
    EXPECT_FALSE(InMenuMode(window.Main)) << "an Alt shortcut left the menu bar active";

    // A new folder after going back drops the forward entries: the history is nav, a.
    TypeAndExpectFolder(window, VK_LEFT, {VK_MENU}, a, kBoth);
    TypeAndExpectFolder(window, VK_LEFT, {VK_MENU}, root, kForwardOnly);
    SelectListItem(window.List, ItemIndex(window, "a"));
    TypeAndExpectFolder(window, VK_RETURN, {}, a, kBackOnly);

    // A file made meanwhile shows only after F5, which adds no history entry.
    WriteFile("nav\\a\\new.txt", 5);
    ::Sleep(300);
    EXPECT_EQ(window.Items(), (std::vector<std::string>{"b", "g.txt"}));
    TypeKey(VK_F5);
    const std::vector<std::string> refreshed = {"b", "g.txt", "new.txt"};
    EXPECT_EQ(Settle([&] { return window.Items(); }, refreshed), refreshed);
    EXPECT_EQ(window.Status(), "3 ﾌｧｲﾙ  合計ｻｲｽﾞ:10ﾊﾞｲﾄ");
    EXPECT_EQ(window.HistoryButtons(), kBackOnly);
    TypeAndExpectFolder(window, VK_LEFT, {VK_MENU}, root, kForwardOnly);
    TypeAndExpectFolder(window, VK_RIGHT, {VK_MENU}, a, kBackOnly);
}

TEST_F(Navigation, BackspaceGoesUpToDriveRootAndDriveList) {
    WriteFile("work\\x.txt", 1);  // something to click on
    MainWindow window = StartAndFocusList(WorkFolder);
    ASSERT_TRUE(window.Main && window.Complete());

    // Every folder above the working folder, up to its drive root ("C:\").
    std::vector<std::string> parents;
    for (std::string path = WorkFolder;;) {
        const std::size_t cut = path.find_last_of('\\');
        ASSERT_NE(cut, std::string::npos) << path;
        path = cut == 2 ? path.substr(0, 3) : path.substr(0, cut);
        parents.push_back(path);
        if (path.size() == 3) break;
    }
    for (const std::string& parent : parents) {
        SCOPED_TRACE(parent);
        TypeAndExpectFolder(window, VK_BACK, {}, parent, kBackOnly);
        const std::string caption =
            parent.size() == 3 ? parent : parent.substr(parent.find_last_of('\\') + 1);
        EXPECT_EQ(window.Tabs(), std::vector<std::string>{caption});
    }
    const std::string driveRoot = parents.back();

    // Up from a drive root: the drive list.
    TypeAndExpectFolder(window, VK_BACK, {}, "ﾄﾞﾗｲﾌﾞ", kBackOnly);
    EXPECT_EQ(window.Tabs(), std::vector<std::string>{"ﾄﾞﾗｲﾌﾞ"});
    const std::vector<std::string> drives = window.Items();
    EXPECT_NE(ItemIndex(window, driveRoot), -1) << "the drive we came from is listed";
    EXPECT_NE(ItemIndex(window, "Z:\\"), -1) << "Wine's Z: is listed";
    for (const std::string& size : window.Items(1)) EXPECT_EQ(size, "") << "drives have no size";
    EXPECT_EQ(window.Status(), std::to_string(drives.size()) + " ﾌｧｲﾙ  合計ｻｲｽﾞ:0ﾊﾞｲﾄ");
    // The drive list has no parent.
    TypeAndExpectNoChange(window, VK_BACK, {});

    // Into Z:\ from the drive list, and up again.
    const int z = ItemIndex(window, "Z:\\");
    ASSERT_NE(z, -1);
    SelectListItem(window.List, z);
    TypeAndExpectFolder(window, VK_RETURN, {}, "Z:\\", kBackOnly);
    EXPECT_EQ(window.Tabs(), std::vector<std::string>{"Z:\\"});
    TypeAndExpectFolder(window, VK_BACK, {}, "ﾄﾞﾗｲﾌﾞ", kBackOnly);
    // Back retraces the same way: Z:\, the drive list, the drive root.
    TypeAndExpectFolder(window, VK_LEFT, {VK_MENU}, "Z:\\", kBoth);
    TypeAndExpectFolder(window, VK_LEFT, {VK_MENU}, "ﾄﾞﾗｲﾌﾞ", kBoth);
    TypeAndExpectFolder(window, VK_LEFT, {VK_MENU}, driveRoot, kBoth);
}

}  // namespace
}  // namespace e2e
