#include "commands/menu_model.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "commands/shortcut_text.h"

using Names = std::vector<std::string>;

namespace {

constexpr int kCtrl = kCtrlFlag;
constexpr int kShift = kShiftFlag;
constexpr int kAlt = kAltFlag;

// Names of the items of a menu in order; separators as "-".
Names ItemNames(const TMenuItem& menu) {
    Names names;
    for (const TMenuItem& item : menu.Items) names.push_back(item.IsSeparator() ? "-" : item.Name);
    return names;
}

const TMenuItem* TopMenu(const TMenuItem& root, std::string_view caption) {
    for (const TMenuItem& item : root.Items) {
        if (item.Caption == caption) return &item;
    }
    return nullptr;
}

void CollectItems(TMenuItem& menu, std::vector<TMenuItem*>& out) {
    for (TMenuItem& item : menu.Items) {
        out.push_back(&item);
        CollectItems(item, out);
    }
}

TEST(MenuModelTest, MainMenuItemsComeInDesignOrder) {
    const TMenuItem root = MainMenuDesign();
    std::vector<std::string> captions;
    for (const TMenuItem& item : root.Items) captions.push_back(item.Caption);
    EXPECT_EQ(captions, (Names{"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "栞(&B)"}));

    const TMenuItem* file = TopMenu(root, "ﾌｧｲﾙ(&F)");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(ItemNames(*file),
              (Names{"mnNewTab", "N11", "mnCloseTab", "-", "mnRename", "mnDelete", "mnDelete2",
                     "mnInsDir", "mnNewFile", "mnMakeShortcut", "mnReplication", "Find1", "-",
                     "mnAddBookmark", "KO1", "-", "mnQuit"}));
    const TMenuItem* settings = FindItem(root, "KO1");
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(ItemNames(*settings),
              (Names{"mnSetExt", "mnSetPopup", "mnSetBookmark", "mnSetMask", "mnSetMenusk",
                     "mnSetFont", "mnSetBackColor", "mnSetEtc", "mnSetSave", "mnSetUpdate"}));

    const TMenuItem* edit = TopMenu(root, "編集(&E)");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(ItemNames(*edit),
              (Names{"mnCut", "mnCopy", "mnPaste", "-", "mnCopyDirn", "mnOpenClipDir",
                     "mnCopyFullpath", "mnCopyFilen", "mnDragStart", "-", "mnSelectAll"}));

    const TMenuItem* view = TopMenu(root, "表示(&V)");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(ItemNames(*view), (Names{"mnNextTab", "mnBackTab", "-", "S1", "-", "mnDetail",
                                       "mnHiddenFile", "mnQuickMask", "mnMask", "mnHyojisu",
                                       "mnPopup", "-", "mnRefresh", "-", "mnHelp", "mnAbout"}));

    const TMenuItem* bookmarks = TopMenu(root, "栞(&B)");
    ASSERT_NE(bookmarks, nullptr);
    EXPECT_EQ(bookmarks->Name, "B1");
    ASSERT_FALSE(bookmarks->Items.empty());
    EXPECT_EQ(bookmarks->Items[0].Name, "mnDesktop");
}

TEST(MenuModelTest, DesignShortcutsSitOnTheirItems) {
    struct Expected {
        const char* name;
        const char* caption;
        int shortCut;
        int tag;
    };
    const Expected table[] = {
        {"mnNewTab", "新規ﾀﾌﾞ(&N)", 'T' | kCtrl, 0},
        {"mnCloseTab", "ﾀﾌﾞを閉じる(&C)", vk::F(3) | kAlt, 0},
        {"mnRename", "名前変更(&R)", vk::F(2), 0},
        {"mnDelete", "削除(ゴミ箱)", vk::Delete, 0},
        {"mnDelete2", "削除", vk::Delete | kShift, 1},
        {"mnInsDir", "新規ﾌｫﾙﾀﾞ", vk::Insert, 0},
        {"mnNewFile", "新規ﾌｧｲﾙ", 'N' | kShift | kCtrl, 0},
        {"mnMakeShortcut", "ｼｮｰﾄｶｯﾄ作成(&L)", 'L' | kShift | kCtrl, 0},
        {"Find1", "検索(&S)", 'S' | kAlt, 0},
        {"mnAddBookmark", "栞に追加(&B)", 'D' | kCtrl, 0},
        {"mnQuit", "終了(&Q)", 'Q' | kCtrl, 0},
        {"mnSetExt", "拡張子別ｱﾌﾟﾘｹｰｼｮﾝ(&E)", 'A' | kShift | kCtrl, 0},
        {"mnSetMenusk", "ﾒﾆｭｰのｼｮｰﾄｶｯﾄｷｰ(&S)", 0, 0},
        {"mnSetSave", "設定を保存", 'S' | kCtrl, 0},
        {"mnCut", "切り取り(&T)", 'X' | kCtrl, 1},
        {"mnCopy", "ｺﾋﾟｰ(&C)", 'C' | kCtrl, 0},
        {"mnPaste", "貼り付け(&P)", 'V' | kCtrl, 0},
        {"mnCopyDirn", "ﾌｫﾙﾀﾞ名ｺﾋﾟｰ(&D)", vk::F(4), 0},
        {"mnOpenClipDir", "ｸﾘｯﾌﾟのﾌｫﾙﾀﾞを開く", vk::F(4) | kCtrl, 0},
        {"mnCopyFullpath", "ﾌﾙﾊﾟｽをｺﾋﾟｰ", 0, 0},
        {"mnDragStart", "次選択したｱﾌﾟﾘにﾄﾞﾗｯｸﾞ", 'D' | kAlt, 0},
        {"mnSelectAll", "全て選択(&A)", 'A' | kCtrl, 0},
        {"mnNextTab", "次のﾀﾌﾞ(&N)", vk::F(6), 0},
        {"mnBackTab", "前のﾀﾌﾞ(&B)", vk::F(6) | kShift, 0},
        {"mnDetail", "詳細(&D)", 'D' | kShift | kCtrl, 0},
        {"mnHiddenFile", "隠しﾌｧｲﾙ(&H)", 0, 0},
        {"mnQuickMask", "ｸｲｯｸﾏｽｸ(&Q)", 'M' | kCtrl, 0},
        {"mnPopup", "ﾎﾟｯﾌﾟｱｯﾌﾟ", 'P' | kAlt, 0},
        {"mnRefresh", "更新(&R)", vk::F(5), 0},
        {"mnHelp", "ﾍﾙﾌﾟ(&H)", vk::F(1), 0},
        {"mnAbout", "ﾊﾞｰｼﾞｮﾝ(&A)", 0, 0},
        {"mnDesktop", "ﾃﾞｽｸﾄｯﾌﾟ", vk::F(3), 0},
    };
    const TMenuItem root = MainMenuDesign();
    for (const Expected& e : table) {
        const TMenuItem* item = FindItem(root, e.name);
        ASSERT_NE(item, nullptr) << e.name;
        EXPECT_EQ(item->Caption, e.caption) << e.name;
        EXPECT_EQ(item->ShortCut, e.shortCut) << e.name;
        EXPECT_EQ(item->Tag, e.tag) << e.name;
        if (e.shortCut != 0) {
            const TMenuItem* owner = FindShortCut(root, e.shortCut);
            ASSERT_NE(owner, nullptr) << e.name;
            EXPECT_EQ(owner->Name, e.name);
        }
    }
    // F3 opens the desktop from the bookmark menu.
    const TMenuItem* bookmarks = FindItem(root, "B1");
    ASSERT_NE(bookmarks, nullptr);
    EXPECT_NE(FindItem(*bookmarks, "mnDesktop"), nullptr);
}

TEST(MenuModelTest, FirstItemInMenuOrderReceivesASharedShortcut) {
    TMenuItem root = MainMenuDesign();
    const int shiftCtrlN = 'N' | kShift | kCtrl;
    ASSERT_EQ(FindItem(root, "mnSortName")->ShortCut, shiftCtrlN);
    const TMenuItem* owner = FindShortCut(root, shiftCtrlN);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(owner->Name, "mnNewFile");

    // Still so when the new-file item is disabled: the key is spent there.
    FindItem(root, "mnNewFile")->Enabled = false;
    EXPECT_EQ(FindShortCut(root, shiftCtrlN)->Name, "mnNewFile");

    // Once the first item loses the key, the sort item gets it.
    FindItem(root, "mnNewFile")->ShortCut = 0;
    EXPECT_EQ(FindShortCut(root, shiftCtrlN)->Name, "mnSortName");

    // Menu order is depth first: an item deep in ﾌｧｲﾙ(&F) comes before 編集(&E)'s own items.
    FindItem(root, "mnSetFont")->ShortCut = 'C' | kCtrl;
    EXPECT_EQ(FindShortCut(root, 'C' | kCtrl)->Name, "mnSetFont");

    EXPECT_EQ(FindShortCut(root, 'Z' | kCtrl | kAlt), nullptr);
    EXPECT_EQ(FindShortCut(root, 0), nullptr);
}

TEST(MenuModelTest, SortItemsAreRadioGroupsTaggedByKind) {
    const TMenuItem main = MainMenuDesign();
    const TMenuItem popup = FileListPopupDesign();
    const Names mainNames{"mnSortName", "mnSortSize", "mnSortExt", "mnSortTime"};
    const Names popNames{"popSortName", "popSortSize", "popSortExt", "popSortTime"};
    const Names captions{"名前(&N)", "ｻｲｽﾞ(&S)", "種類(&E)", "更新日時(&T)"};
    const int keys[] = {'N', 'S', 'E', 'T'};

    const TMenuItem* s1 = FindItem(main, "S1");
    ASSERT_NE(s1, nullptr);
    EXPECT_EQ(s1->Caption, "ｿｰﾄ(&S)");
    EXPECT_EQ(ItemNames(*s1), mainNames);
    ASSERT_FALSE(popup.Items.empty());
    const TMenuItem& s2 = popup.Items[0];
    EXPECT_EQ(s2.Name, "S2");
    EXPECT_EQ(s2.Caption, "ｿｰﾄ(&S)");
    EXPECT_EQ(ItemNames(s2), popNames);

    for (int k = 0; k < 4; ++k) {
        const TMenuItem& m = s1->Items[k];
        const TMenuItem& p = s2.Items[k];
        EXPECT_EQ(m.Tag, k);
        EXPECT_EQ(p.Tag, k);
        EXPECT_TRUE(m.RadioItem);
        EXPECT_TRUE(p.RadioItem);
        EXPECT_EQ(m.Caption, captions[k]);
        EXPECT_EQ(p.Caption, captions[k]);
        EXPECT_EQ(m.ShortCut, keys[k] | kShift | kCtrl);
        EXPECT_EQ(p.ShortCut, 0);
    }
}

TEST(MenuModelTest, PopupMenusAsDesigned) {
    const TMenuItem list = FileListPopupDesign();
    ASSERT_GE(list.Items.size(), 2u);
    EXPECT_EQ(list.Items[0].Name, "S2");
    EXPECT_EQ(list.Items[1].Name, "N8");
    EXPECT_TRUE(list.Items[1].IsSeparator());

    const TMenuItem tabs = TabPopupDesign();
    EXPECT_EQ(ItemNames(tabs), (Names{"KN1", "popDirDelete", "D1", "KC1"}));
    std::vector<std::string> captions;
    for (const TMenuItem& item : tabs.Items) captions.push_back(item.Caption);
    EXPECT_EQ(captions, (Names{"新規ﾀﾌﾞ(&N)", "ﾌｫﾙﾀﾞ削除", "ﾄﾞﾗｲﾌﾞ", "ﾀﾌﾞを閉じる(&C)"}));
}

TEST(MenuModelTest, EveryItemGetsItsOwnCommand) {
    TMenuItem root = MainMenuDesign();
    const int next = AssignCommands(root, 100).Next;
    std::vector<TMenuItem*> items;
    CollectItems(root, items);
    ASSERT_GT(items.size(), 60u);
    std::set<int> seen;
    for (TMenuItem* item : items) {
        EXPECT_GE(item->Command, 100) << item->Name;
        EXPECT_LT(item->Command, next) << item->Name;
        EXPECT_TRUE(seen.insert(item->Command).second) << item->Name << " shares its id";
        EXPECT_EQ(FindCommand(root, item->Command), item) << item->Name;
    }
    EXPECT_EQ(FindCommand(root, next), nullptr);

    // A second menu numbered on from there collides with none of them.
    TMenuItem popup = FileListPopupDesign();
    const int after = AssignCommands(popup, next).Next;
    EXPECT_GT(after, next);
    std::vector<TMenuItem*> popupItems;
    CollectItems(popup, popupItems);
    for (TMenuItem* item : popupItems) EXPECT_TRUE(seen.insert(item->Command).second);
}

TEST(ShortCutTextTest, ModifiersComeShiftCtrlAlt) {
    EXPECT_EQ(ShortCutToText(ShortCut('N', true, true)), "Shift+Ctrl+N");
    EXPECT_EQ(ShortCutToText(ShortCut(vk::F(3), false, false, true)), "Alt+F3");
    EXPECT_EQ(ShortCutToText(ShortCut(vk::Delete)), "Del");
    EXPECT_EQ(ShortCutToText(ShortCut(vk::Delete, true)), "Shift+Del");
    EXPECT_EQ(ShortCutToText(ShortCut(vk::Insert)), "Ins");
    EXPECT_EQ(ShortCutToText(ShortCut(vk::F(12))), "F12");
    EXPECT_EQ(ShortCutToText(ShortCut(vk::F(24))), "F24");
    EXPECT_EQ(ShortCutToText(ShortCut('A', false, true)), "Ctrl+A");
    EXPECT_EQ(ShortCutToText(ShortCut('7', true, true, true)), "Shift+Ctrl+Alt+7");
    EXPECT_EQ(ShortCutToText(0), "");

    const std::pair<int, const char*> names[] = {
        {vk::Back, "BkSp"},   {vk::Tab, "Tab"},    {vk::Escape, "Esc"}, {vk::Return, "Enter"},
        {vk::Space, "Space"}, {vk::Prior, "PgUp"}, {vk::Next, "PgDn"},  {vk::End, "End"},
        {vk::Home, "Home"},   {vk::Left, "Left"},  {vk::Up, "Up"},      {vk::Right, "Right"},
        {vk::Down, "Down"},
    };
    for (const auto& [key, name] : names) EXPECT_EQ(KeyName(key), name);
}

}  // namespace
