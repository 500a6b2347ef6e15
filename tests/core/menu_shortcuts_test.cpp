#include "commands/menu_shortcuts.h"

#include <gtest/gtest.h>

#include "app/collator.h"

namespace {

class MenuShortcutsTest : public ::testing::Test {
protected:
    void Apply(const std::string& lines, bool editShortcutsOn = true) {
        settings.LoadFromBytes(lines);
        ApplyMenuShortcuts(menu, settings, saved, editShortcutsOn);
    }
    int Key(const char* name) { return FindItem(menu, name)->ShortCut; }

    PlainCollator collator;
    TSettings settings{collator};
    TMenuItem menu = MainMenuDesign();
    EditShortcuts saved{vk::Delete,
                        ShortCut(vk::Delete, true),
                        ShortCut('C', false, true),
                        ShortCut('V', false, true),
                        ShortCut('X', false, true),
                        ShortCut('A', false, true)};
};

TEST_F(MenuShortcutsTest, NamesMatchCaptionBeginningsOfItemsAndSubItems) {
    // One name, several items; sub-items but never the submenu itself.
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
    EXPECT_EQ(Key("mnNewTab"), vk::F(9));

    // Malformed or foreign lines change nothing; an empty name would match every item.
    Apply("Menu新規ﾀﾌﾞ\r\nMenu=F11\r\nmenu新規ﾀﾌﾞ=F12\r\nMenu新規ﾀﾌﾞ=Ctrl+N=F2\r\n");
    EXPECT_EQ(FindShortCut(menu, vk::F(11)), nullptr);
    EXPECT_EQ(FindShortCut(menu, vk::F(12)), nullptr);
    EXPECT_EQ(Key("mnNewTab"), ShortCut('N', false, true));
}

TEST_F(MenuShortcutsTest, EditItemsKeepTheirNewKeysWhileATextBoxHoldsThem) {
    Apply("Menu削除=F8\r\n");  // both delete items, live and saved
    EXPECT_EQ(Key("mnDelete2"), vk::F(8));
    EXPECT_EQ(saved[1], vk::F(8));

    // While a text box holds the keys, only the saved ones change; they come back as the
    // entries say, a removed Del included.
    ApplyEditShortcuts(menu, saved, false);
    Apply("Menuｺﾋﾟｰ=Ctrl+K\r\nMenu削除(ゴミ箱)=(なし)\r\nMenu全て=F11\r\n", false);
    EXPECT_EQ(Key("mnCopy"), 0);
    EXPECT_EQ(Key("mnSelectAll"), 0);
    ApplyEditShortcuts(menu, saved, true);
    EXPECT_EQ(Key("mnSelectAll"), vk::F(11));
    EXPECT_EQ(Key("mnCopy"), ShortCut('K', false, true));
    EXPECT_EQ(Key("mnDelete"), 0);
    EXPECT_EQ(Key("mnDelete2"), vk::F(8));
    EXPECT_EQ(Key("mnPaste"), ShortCut('V', false, true));
}

}  // namespace
