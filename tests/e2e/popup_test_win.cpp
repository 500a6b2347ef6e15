// The user's popup menu and Menu entries as a user meets them: a rebound key, a popup command
// chosen from the menu Alt+P opens and run on two selected files, and a picture of the menu
// with a group submenu open.
#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

using Names = std::vector<std::string>;

class PopupMenu : public TaboraTest {
protected:
    MainWindow StartInFront(const IniLines& settings) {
        WriteSettings(settings.Bytes());
        RemoteApp* started = nullptr;
        MainWindow window(StartMainWindow(started, QuoteArgument(WorkFolder)));
        app = started;
        if (window.Main && window.Complete()) {
            EXPECT_TRUE(BringToFront(window.Main));
        }
        return window;
    }
    static bool MenuOpen() { return !VisibleTopLevelWindows("#32768").empty(); }
    RemoteApp* app = nullptr;
};

TEST_F(PopupMenu, MenuEntryRebindsTheNewTabKey) {
    MainWindow window = StartInFront(ValidSettings().Set("Menu新規ﾀﾌﾞ", "Ctrl+N"));
    ASSERT_TRUE(window.Main && window.Complete());
    ASSERT_EQ(window.Tabs().size(), 1u);
    TypeKey('N', {VK_CONTROL});
    EXPECT_EQ(Settle([&] { return window.Tabs().size(); }, 2u), 2u);
    EXPECT_TRUE(app->MessageBoxes().empty());
}

TEST_F(PopupMenu, OpenEachCommandRunsOncePerSelectedFile) {
    // cmd leaves a marker beside each file it is given.
    MainWindow window = StartInFront(
        ValidSettings()
            .Set("Mask", "*.*")
            .Set("Popmark", ",C:\\windows\\system32\\cmd.exe /c echo x> %file.mark,1"));
    WriteFile("work\\a.txt", 1);
    WriteFile("work\\b.txt", 1);
    WriteFile("work\\c.txt", 1);
    ASSERT_TRUE(window.Main && window.Complete());
    TypeKey(VK_F5);
    const Names files{"a.txt", "b.txt", "c.txt"};
    ASSERT_EQ(Settle([&] { return window.Items(); }, files), files);
    SelectListItem(window.List, 0);
    TypeKey(VK_DOWN, {VK_SHIFT});
    TypeKey('P', {VK_MENU});
    ASSERT_TRUE(WaitUntil(&MenuOpen, 5000)) << "Alt+P opened no menu";
    // The sort submenu, then the command after its separator.
    TypeKey(VK_DOWN);
    TypeKey(VK_DOWN);
    TypeKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return FileExists(WorkFolder + "\\a.txt.mark"); }));
    EXPECT_TRUE(WaitUntil([&] { return FileExists(WorkFolder + "\\b.txt.mark"); }));
    ::Sleep(500);
    EXPECT_FALSE(FileExists(WorkFolder + "\\c.txt.mark"));
    EXPECT_TRUE(app->MessageBoxes().empty());
}

TEST_F(PopupMenu, PictureOfAGroupSubmenu) {
    MainWindow window = StartInFront(ValidSettings()
                                         .Set("Mask", "*.*")
                                         .Set("Pop圧縮|zip", "Ctrl+Z,zip.exe %file,1")
                                         .Set("Pop圧縮|tar", ",tar.exe,2")
                                         .Set("Pop表示", "F3,notepad.exe %file,1"));
    WriteFile("work\\readme.txt", 10);
    ASSERT_TRUE(window.Main && window.Complete());
    TypeKey(VK_F5);
    ASSERT_EQ(Settle([&] { return window.Items(); }, Names{"readme.txt"}), Names{"readme.txt"});
    SelectListItem(window.List, 0);
    TypeKey('P', {VK_MENU});
    ASSERT_TRUE(WaitUntil(&MenuOpen, 5000)) << "Alt+P opened no menu";
    TypeKey(VK_DOWN);
    TypeKey(VK_DOWN);
    TypeKey(VK_RIGHT);
    EXPECT_TRUE(WaitUntil([] { return VisibleTopLevelWindows("#32768").size() == 2; }, 5000))
        << "the group opened no submenu";
    ::Sleep(500);  // let it paint
    EXPECT_TRUE(SaveScreenshot(ScreenshotPath("popup_menu")));
    for (int i = 0; i < 3 && MenuOpen(); ++i) TypeKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([] { return !MenuOpen(); }, 3000)) << "the menu stayed open";
}

}  // namespace
}  // namespace e2e
