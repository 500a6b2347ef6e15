#include "fileops/scmake.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "commands/shortcut_text.h"

namespace {

TEST(ScMakeTest, WindowStateIsStoredAsTheLinksShowCommand) {
    EXPECT_EQ(ShowCommandOf(WNDSTATE::Normal), 5);
    EXPECT_EQ(ShowCommandOf(WNDSTATE::Maximize), 3);
    EXPECT_EQ(ShowCommandOf(WNDSTATE::Minimize), 7);
    EXPECT_EQ(WndStateOf(3), WNDSTATE::Maximize);
    EXPECT_EQ(WndStateOf(7), WNDSTATE::Minimize);
    // Anything else starts a normal window, the untouched 0 and SW_SHOWNORMAL among them.
    for (int other : {0, 1, 2, 5, 6}) EXPECT_EQ(WndStateOf(other), WNDSTATE::Normal) << other;
}

TEST(ScMakeTest, HotkeyKeepsKeyAndModifiersApart) {
    const std::uint16_t ctrlAltX = ShortCut('X', false, true, true);
    EXPECT_EQ(HotkeyOf(ctrlAltX), 0x0600 | 'X');
    EXPECT_EQ(ShortCutOfHotkey(0x0600 | 'X'), ctrlAltX);
    const std::uint16_t shiftF5 = ShortCut(vk::F(5), true);
    EXPECT_EQ(ShortCutOfHotkey(HotkeyOf(shiftF5)), shiftF5);
    EXPECT_EQ(HotkeyOf(ShortCut(vk::Delete)), vk::Delete);
    // Modifiers alone are no hotkey, whether set or read from a link.
    EXPECT_EQ(HotkeyOf(kCtrlFlag | kShiftFlag), 0);
    EXPECT_EQ(SavedHotkey(0x0300), 0);
    EXPECT_EQ(SavedHotkey(0x0300 | 'A'), 0x0300 | 'A');
    // The extended-key flag of a read link is no modifier of ours.
    EXPECT_EQ(ShortCutOfHotkey(0x0800 | 'A'), 'A');
}

TEST(ScMakeTest, ShortcutFilePathsSplitAndJoinOnRealBackslashesOnly) {
    EXPECT_TRUE(IsShortcutFile("C:\\w\\X.LNK"));
    EXPECT_TRUE(IsShortcutFile("C:\\w\\表.Lnk"));
    EXPECT_FALSE(IsShortcutFile("C:\\w\\a.lnk.txt"));
    EXPECT_FALSE(IsShortcutFile("C:\\a.lnk\\readme"));
    EXPECT_FALSE(IsShortcutFile("C:\\w\\lnk"));

    EXPECT_EQ(ShortcutNameOf("C:\\w\\X.LNK"), "X");
    EXPECT_EQ(ShortcutNameOf("C:\\w\\a.b.lnk"), "a.b");
    EXPECT_EQ(ShortcutNameOf("C:\\w\\ソ.lnk"), "ソ");
    EXPECT_EQ(ShortcutDirOf("C:\\w\\表\\a.lnk"), "C:\\w\\表");
    EXPECT_EQ(ShortcutDirOf("\\\\srv\\share\\a.lnk"), "\\\\srv\\share");
    // A root keeps its separator.
    EXPECT_EQ(ShortcutDirOf("C:\\a.lnk"), "C:\\");
    EXPECT_EQ(ShortcutDirOf("C:a.lnk"), "C:");
    EXPECT_EQ(ShortcutDirOf("\\a.lnk"), "\\");
    EXPECT_EQ(ShortcutDirOf("a.lnk"), "");

    EXPECT_EQ(ShortcutFilePath("C:\\w", "a"), "C:\\w\\a.lnk");
    EXPECT_EQ(ShortcutFilePath("C:\\w\\", "a"), "C:\\w\\a.lnk");
    // ソ ends in the byte 0x5C, which is no backslash.
    EXPECT_EQ(ShortcutFilePath("C:\\ソ", "能"), "C:\\ソ\\能.lnk");
    EXPECT_EQ(ShortcutFilePath(ShortcutDirOf("C:\\a.lnk"), "b"), "C:\\b.lnk");
}

TEST(ScMakeTest, NewShortcutNamesNeverTakeAnExistingFile) {
    EXPECT_EQ(ShortcutBaseName("report.txt"), "report");
    EXPECT_EQ(ShortcutBaseName("README"), "README");
    EXPECT_EQ(ShortcutBaseName("a.tar.gz"), "a.tar");
    EXPECT_EQ(ShortcutBaseName(".profile"), "");
    // A shortcut of a shortcut would be named as the very file it points at.
    EXPECT_EQ(ShortcutBaseName("B.lnk"), "B");

    std::set<std::string> onDisk;
    std::vector<std::string> asked;
    auto taken = [&](const std::string& name) {
        asked.push_back(name);
        return onDisk.count(name + ".lnk") > 0;
    };
    EXPECT_EQ(UnusedShortcutName("B", taken), "B");
    onDisk = {"B.lnk", "B(1).lnk", "B(3).lnk"};
    asked.clear();
    EXPECT_EQ(UnusedShortcutName("B", taken), "B(2)");
    EXPECT_EQ(asked, (std::vector<std::string>{"B", "B(1)", "B(2)"}));
    onDisk = {"表.lnk"};
    EXPECT_EQ(UnusedShortcutName("表", taken), "表(1)");
    // No name for an empty base: the maker refuses it, and nothing is looked up.
    asked.clear();
    EXPECT_EQ(UnusedShortcutName("", taken), "");
    EXPECT_TRUE(asked.empty());
}

}  // namespace
