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
    const TMenuItem root = MainMenuDesign();
    // The item that owns a key is the one that shows it, but for the one key the design gives
    // twice (the earlier item in menu order keeps it).
    std::vector<const TMenuItem*> pending{&root};
    Names shadowed;
    int keyed = 0;
    while (!pending.empty()) {
        const TMenuItem* menu = pending.back();
        pending.pop_back();
        for (const TMenuItem& item : menu->Items) {
            pending.push_back(&item);
            if (item.ShortCut == 0) continue;
            ++keyed;
            if (FindShortCut(root, item.ShortCut) != &item) shadowed.push_back(item.Name);
        }
    }
    EXPECT_GT(keyed, 25);
    EXPECT_EQ(shadowed, Names{"mnSortName"});
    // The keys every keyboard user reaches for, and the items that share a handler told
    // apart by their Tag.
    struct Expected {
        const char* name;
        int shortCut;
        int tag;
    };
    for (const Expected& e : {Expected{"mnCut", 'X' | kCtrl, 1},
                              {"mnCopy", 'C' | kCtrl, 0},
                              {"mnPaste", 'V' | kCtrl, 0},
                              {"mnSelectAll", 'A' | kCtrl, 0},
                              {"mnDelete", vk::Delete, 0},
                              {"mnDelete2", vk::Delete | kShift, 1},
                              {"mnRename", vk::F(2), 0},
                              {"mnRefresh", vk::F(5), 0}}) {
        const TMenuItem* item = FindItem(root, e.name);
        ASSERT_NE(item, nullptr) << e.name;
        EXPECT_EQ(item->ShortCut, e.shortCut) << e.name;
        EXPECT_EQ(item->Tag, e.tag) << e.name;
    }
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
