#include "dialogs/entry_edit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using Texts = std::vector<std::string>;

namespace {

TMenuItem MenuItem(const char* caption, std::vector<TMenuItem> items = {}) {
    TMenuItem item;
    item.Caption = caption;
    item.Items = std::move(items);
    return item;
}

TEST(EntryEditTest, StripAccelCutsAtTheAcceleratorOnly) {
    EXPECT_EQ(StripAccel("新規ﾀﾌﾞ(&N)"), "新規ﾀﾌﾞ");
    EXPECT_EQ(StripAccel("削除(ゴミ箱)"), "削除(ゴミ箱)");
    EXPECT_EQ(StripAccel("a(&b)c(&d)"), "a");
}

TEST(EntryEditTest, MenuRowsShowHeadingsSubmenusAndNoTopSeparators) {
    const Texts rows = MenuRows(MainMenuDesign());
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0], "----- ﾌｧｲﾙ");
    const auto settings = std::find(rows.begin(), rows.end(), "- 設定");
    ASSERT_LT(settings - rows.begin(), static_cast<long>(rows.size()) - 12);
    EXPECT_EQ(Texts(settings + 10, settings + 13), (Texts{"ｱｯﾌﾟﾃﾞｰﾄ", "-", "終了"}));

    // Two submenus in a row share one closing "-"; separators inside a submenu stay.
    TMenuItem root = MenuItem(
        "",
        {MenuItem("ﾄｯﾌﾟ(&T)", {MenuItem("A(&A)", {MenuItem("a1"), MenuItem("-")}),
                               MenuItem("B", {MenuItem("b1")}), MenuItem("-"), MenuItem("c")})});
    EXPECT_EQ(MenuRows(root), (Texts{"----- ﾄｯﾌﾟ", "- A", "a1", "-", "- B", "b1", "-", "c"}));
}

TEST(EntryEditTest, BrowseButtonOnlyWhereAProgramIsTyped) {
    EXPECT_FALSE(EntryLayout(TFamilyKind::Msk).Command);
    EXPECT_TRUE(BrowseShown(TFamilyKind::Other, "DefaultApp"));
    EXPECT_FALSE(BrowseShown(TFamilyKind::Other, "MaxFiles"));
    EXPECT_FALSE(BrowseShown(TFamilyKind::Go, ""));
}

TEST(EntryEditTest, LoadEntrySplitsPopupValuesAndFindsTheMenuRow) {
    auto load = [](TFamilyKind kind, const char* name, const char* value) {
        return LoadEntry({"編集", kind, name, value, {"----- ﾌｧｲﾙ", "終了", "- 設定", "終了"}});
    };
    EXPECT_EQ(load(TFamilyKind::Pop, "x", ",cmd /c dir,2"),
              (TEntryFields{"x", -1, "", "cmd /c dir", 1}));
    EXPECT_EQ(load(TFamilyKind::Pop, "x", "cmd /c dir"),
              (TEntryFields{"x", -1, "", "cmd /c dir", 0}));
    EXPECT_EQ(load(TFamilyKind::Pop, "x", "F4,cmd"), (TEntryFields{"x", -1, "F4", "cmd", 0}));
    EXPECT_EQ(load(TFamilyKind::Pop, "x", "F4,cmd,9").OpenMode, 0);
    EXPECT_EQ(load(TFamilyKind::Menu, "終了", "Ctrl+Q").MenuIndex, 3);
    EXPECT_EQ(load(TFamilyKind::Menu, "", "Ctrl+Q").MenuIndex, -1);
}

TEST(EntryEditTest, OkRefusesHeadingsEmptyFieldsAndTextsThatWouldNotReadBack) {
    const TEntryEdit menu{"新規", TFamilyKind::Menu, "", "", {"----- ﾌｧｲﾙ", "終了", "-"}};
    EXPECT_EQ(CheckEntry(menu, {"", 0, "", "", 0}).Message, kCannotChooseMessage);
    EXPECT_EQ(CheckEntry(menu, {"", -1, "Ctrl+Q", "", 0}).Message, kEmptyFieldMessage);
    const TEntryCheck menuOk = CheckEntry(menu, {"typed", 1, "", "ignored", 0});
    EXPECT_EQ(menuOk.Message, "");
    EXPECT_EQ(menuOk.Row, (TListRow{"終了", ""}));

    auto check = [](TFamilyKind kind, TEntryFields fields) {
        return CheckEntry({"新規", kind, "", "", {}}, fields);
    };
    EXPECT_EQ(check(TFamilyKind::Ext, {"txt", -1, "", "", 0}).Message, kEmptyFieldMessage);
    EXPECT_EQ(check(TFamilyKind::Go, {"", -1, "", "", 0}).Row, (TListRow{"", ""}));
    EXPECT_EQ(check(TFamilyKind::Msk, {"*.a=b", -1, "", "hidden", 0}).Row, (TListRow{"*.a=b", ""}));
    EXPECT_EQ(check(TFamilyKind::Pop, {"ｺﾋﾟｰ|全部", -1, "", "cmd /c x=y", 2}).Row,
              (TListRow{"ｺﾋﾟｰ|全部", ",cmd /c x=y,3"}));
    EXPECT_EQ(check(TFamilyKind::Ext, {"a=b", -1, "", "x", 0}).Message, kBadCharMessage);
    EXPECT_EQ(check(TFamilyKind::Pop, {"p", -1, "", "a,b", 0}).Message, kBadCharMessage);
    EXPECT_EQ(check(TFamilyKind::Go, {"a,b", -1, "", "C:\\", 0}).Message, kBadCharMessage);
    EXPECT_EQ(check(TFamilyKind::Other, {"x", -1, "", "1\r\nWidth=1", 0}).Message, kBadCharMessage);
}

TEST(EntryEditTest, HintRowsAppendNewTitlesOnly) {
    const Texts rows =
        HintRows(TFamilyKind::Ext, {"メモ帳", "", "・今出ているﾀｲﾄﾙﾊﾞｰ", "メモ帳", "b"});
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows[0], " ﾀﾞﾌﾞﾙｸﾘｯｸでｺﾏﾝﾄﾞに設定");
    EXPECT_EQ(rows[9], "%noquote…\"で括らない");
    EXPECT_EQ(rows[12], "");
    EXPECT_EQ(Texts(rows.begin() + 13, rows.end()), (Texts{"・今出ているﾀｲﾄﾙﾊﾞｰ", "メモ帳", "b"}));

    const Texts other = HintRows(TFamilyKind::Other, {"メモ帳"});
    ASSERT_EQ(other.size(), 22u);
    EXPECT_EQ(other[17], "11:？");
}

TEST(EntryEditTest, DoubleClickInsertsMacrosAndTakesTitles) {
    const Texts rows = HintRows(TFamilyKind::Ext, {"メモ帳", "保存中…・"});
    const int file = 4, notepad = 14, dots = 15;
    const THintPick macro = HintPick(TFamilyKind::Ext, rows, file, "a.exe XX b", 6, 8);
    EXPECT_EQ(macro.Command, "a.exe %file b");
    EXPECT_EQ(macro.Caret, 11u);

    EXPECT_EQ(HintPick(TFamilyKind::Ext, rows, notepad, "C:\\A.EXE /x", 0, 0).Command,
              "メモ帳|C:\\A.EXE /x");
    EXPECT_EQ(HintPick(TFamilyKind::Ext, rows, dots, "メモ帳|a.exe", 0, 0).Command, "保存中…・");
    // ポ ends in the byte of "|" and is no fallback mark.
    EXPECT_EQ(HintPick(TFamilyKind::Ext, rows, notepad, "ポ.exe", 0, 0).Command, "メモ帳|ポ.exe");
    EXPECT_EQ(HintPick(TFamilyKind::Ext, rows, notepad, "ポ", 0, 0).Command, "メモ帳");

    for (int nothing : {-1, 0, 1, 12, 13, 16}) {
        EXPECT_FALSE(HintPick(TFamilyKind::Ext, rows, nothing, "a", 0, 0).Changed) << nothing;
    }
    EXPECT_FALSE(
        HintPick(TFamilyKind::Other, HintRows(TFamilyKind::Other, {}), 3, "", 0, 0).Changed);
}

}  // namespace
