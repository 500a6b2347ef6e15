#include "fileops/scmake.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "commands/shortcut_text.h"

namespace {

TEST(ScMakeTest, WindowStateAndHotkeyInTheLinksForm) {
    EXPECT_EQ(ShowCommandOf(WNDSTATE::Normal), 5);
    EXPECT_EQ(WndStateOf(ShowCommandOf(WNDSTATE::Maximize)), WNDSTATE::Maximize);
    EXPECT_EQ(WndStateOf(ShowCommandOf(WNDSTATE::Minimize)), WNDSTATE::Minimize);
    for (int other : {0, 1, 2}) EXPECT_EQ(WndStateOf(other), WNDSTATE::Normal) << other;

    const std::uint16_t ctrlAltX = ShortCut('X', false, true, true);
    EXPECT_EQ(HotkeyOf(ctrlAltX), 0x0600 | 'X');
    EXPECT_EQ(ShortCutOfHotkey(0x0600 | 'X'), ctrlAltX);
    EXPECT_EQ(ShortCutOfHotkey(HotkeyOf(ShortCut(vk::F(5), true))), ShortCut(vk::F(5), true));
    // Modifiers without a key are no hotkey, whether set or read from a link.
    EXPECT_EQ(HotkeyOf(kCtrlFlag | kShiftFlag), 0);
    EXPECT_EQ(SavedHotkey(0x0300), 0);
    EXPECT_EQ(SavedHotkey(0x0300 | 'A'), 0x0300 | 'A');
    EXPECT_EQ(ShortCutOfHotkey(0x0800 | 'A'), 'A');  // the extended-key flag is no modifier
}

TEST(ScMakeTest, ShortcutPathsSplitAndJoinOnRealBackslashesOnly) {
    EXPECT_TRUE(IsShortcutFile("C:\\w\\X.LNK"));
    EXPECT_FALSE(IsShortcutFile("C:\\w\\a.lnk.txt"));
    EXPECT_FALSE(IsShortcutFile("C:\\a.lnk\\readme"));
    EXPECT_EQ(ShortcutNameOf("C:\\w\\a.b.LNK"), "a.b");
    // 表 and ソ end in the byte 0x5C, which is no backslash.
    EXPECT_EQ(ShortcutDirOf("C:\\w\\表\\ソ.lnk"), "C:\\w\\表");
    EXPECT_EQ(ShortcutDirOf("C:\\a.lnk"), "C:\\");  // a root keeps its separator
    EXPECT_EQ(ShortcutFilePath("C:\\ソ", "a"), "C:\\ソ\\a.lnk");
    EXPECT_EQ(ShortcutFilePath("C:\\w\\", "a"), "C:\\w\\a.lnk");
}

TEST(ScMakeTest, NewShortcutNamesNeverTakeAnExistingFile) {
    EXPECT_EQ(ShortcutBaseName("a.tar.gz"), "a.tar");
    EXPECT_EQ(ShortcutBaseName("README"), "README");
    EXPECT_EQ(ShortcutBaseName(".profile"), "");

    std::set<std::string> onDisk = {"B.lnk", "B(1).lnk", "B(3).lnk"};
    int asked = 0;
    auto taken = [&](const std::string& name) { return ++asked, onDisk.count(name + ".lnk") > 0; };
    EXPECT_EQ(UnusedShortcutName("B", taken), "B(2)");
    EXPECT_EQ(UnusedShortcutName("C", taken), "C");
    asked = 0;
    EXPECT_EQ(UnusedShortcutName("", taken), "");  // the maker refuses it; nothing is looked up
    EXPECT_EQ(asked, 0);
}

}  // namespace
