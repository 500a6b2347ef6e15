#include "commands/menu_shortcuts.h"

#include <gtest/gtest.h>

#include "app/collator.h"

namespace {

class MenuShortcutsTest : public ::testing::Test {
protected:
    // Applies the lines with the edit shortcuts on or off.
    void Apply(const std::string& lines, bool editOn = true) {
        settings.LoadFromBytes(lines);
        ApplyMenuShortcuts(menu, settings, saved, editOn);
    }
    int Key(const char* name) { return FindItem(menu, name)->ShortCut; }

    PlainCollator collator;
    TSettings settings{collator};
    TMenuItem menu = MainMenuDesign();
    EditShortcuts saved{vk::Delete, ShortCut(vk::Delete, true), ShortCut('C', false, true),
                        ShortCut('V', false, true), ShortCut('X', false, true)};
};

TEST_F(MenuShortcutsTest, NamesMatchCaptionBeginningsOfItemsAndSubItems) {
    const int ctrlN = ShortCut('N', false, true);
    Apply("Menu新規ﾀﾌﾞ=Ctrl+N\r\n");
    EXPECT_EQ(Key("mnNewTab"), ctrlN);
    EXPECT_EQ(Key("mnInsDir"), vk::Insert);

    // One name, several items; the sub-items of a submenu but never the submenu itself.
    Apply("Menu新規=F9\r\nMenuｿｰﾄ=Ctrl+J\r\nMenu名前=Ctrl+1\r\nMenu文字=Ctrl+W\r\n");
    for (const char* name : {"mnNewTab", "mnInsDir", "mnNewFile"}) EXPECT_EQ(Key(name), vk::F(9));
    EXPECT_EQ(FindShortCut(menu, ShortCut('J', false, true)), nullptr);
    EXPECT_EQ(Key("mnSortName"), ShortCut('1', false, true));
    EXPECT_EQ(Key("mnSetFont"), ShortCut('W', false, true));

    // A later line wins; a text that names no key takes the key away.
    Apply("Menu更新=F7\r\nMenu更新=F8\r\nMenuﾍﾙﾌﾟ=Nothing\r\n");
    EXPECT_EQ(Key("mnRefresh"), vk::F(8));
    EXPECT_EQ(Key("mnHelp"), 0);

    // Shortcuts are only ever set: without its line an item keeps its last key.
    Apply("");
    EXPECT_EQ(Key("mnRefresh"), vk::F(8));
    EXPECT_EQ(Key("mnNewTab"), vk::F(9));

    // Malformed or foreign lines change nothing; an empty name would match every item.
    Apply("Menu新規ﾀﾌﾞ\r\nMenu=F11\r\nmenu新規ﾀﾌﾞ=F12\r\nMenu新規ﾀﾌﾞ=Ctrl+N=F2\r\n");
    EXPECT_EQ(FindShortCut(menu, vk::F(11)), nullptr);
    EXPECT_EQ(FindShortCut(menu, vk::F(12)), nullptr);
    EXPECT_EQ(Key("mnNewTab"), ctrlN);
}

TEST_F(MenuShortcutsTest, EditItemsKeepTheirNewKeysWhileATextBoxHoldsThem) {
    // On: live and saved keys both change ("削除" begins both delete items).
    Apply("Menu削除=F8\r\n");
    EXPECT_EQ(Key("mnDelete"), vk::F(8));
    EXPECT_EQ(Key("mnDelete2"), vk::F(8));
    EXPECT_EQ(saved[0], vk::F(8));
    EXPECT_EQ(saved[1], vk::F(8));

    // Off: the box keeps its keys; they come back as the entry says, Del removed included.
    ApplyEditShortcuts(menu, saved, false);
    Apply("Menuｺﾋﾟｰ=Ctrl+K\r\nMenu削除(ゴミ箱)=(なし)\r\nMenu全て=F11\r\n", false);
    EXPECT_EQ(Key("mnCopy"), 0);
    EXPECT_EQ(Key("mnDelete"), 0);
    EXPECT_EQ(Key("mnSelectAll"), vk::F(11));  // not an edit item
    ApplyEditShortcuts(menu, saved, true);
    EXPECT_EQ(Key("mnCopy"), ShortCut('K', false, true));
    EXPECT_EQ(Key("mnDelete"), 0);
    EXPECT_EQ(Key("mnDelete2"), vk::F(8));
    EXPECT_EQ(Key("mnPaste"), ShortCut('V', false, true));
}

}  // namespace
