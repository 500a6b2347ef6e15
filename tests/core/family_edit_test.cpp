#include "dialogs/family_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/collator.h"

using Lines = std::vector<std::string>;
using Rows = std::vector<TListRow>;

namespace {

constexpr TFamilyKind kAllKinds[] = {TFamilyKind::Ext, TFamilyKind::Pop,  TFamilyKind::Go,
                                     TFamilyKind::Msk, TFamilyKind::Menu, TFamilyKind::Other};

class FamilyEditTest : public ::testing::Test {
protected:
    void Load(const Lines& lines) {
        std::string bytes;
        for (const std::string& line : lines) bytes += line + "\r\n";
        store.LoadFromBytes(bytes);
    }

    PlainCollator collator;
    TSettings store{collator};
    const TMenuItem menu = MainMenuDesign();
};

TEST_F(FamilyEditTest, EachFamilyLoadsItsOwnLinesAsRows) {
    Load({"Width=800", "Exttxt=notepad.exe", "exthtm=lower case is no family", "Extlog=a=b|c",
          "Popｺﾋﾟｰ|全部=Ctrl+A,cmd /c a=b,2", "Go1=Docs,C:\\Docs", "Go2=C:\\Temp",
          "Go3=,ｸﾞﾙｰﾌﾟ|C:\\ﾎﾟ", "Msk1=*.txt;*.log", "Menu新規ﾀﾌﾞ=Ctrl+N", "Icotxt=2",
          "MaxFiles=300", "DefaultApp=notepad.exe", "Extbad"});
    EXPECT_EQ(LoadFamily(store, TFamilyKind::Ext),
              (Rows{{"txt", "notepad.exe"}, {"log", "a=b|c"}, {"bad", ""}}));
    EXPECT_EQ(LoadFamily(store, TFamilyKind::Pop), (Rows{{"ｺﾋﾟｰ|全部", "Ctrl+A,cmd /c a=b,2"}}));
    EXPECT_EQ(LoadFamily(store, TFamilyKind::Go),
              (Rows{{"Docs", "C:\\Docs"}, {"", "C:\\Temp"}, {"", "ｸﾞﾙｰﾌﾟ|C:\\ﾎﾟ"}}));
    EXPECT_EQ(LoadFamily(store, TFamilyKind::Msk), (Rows{{"*.txt;*.log", ""}}));
    EXPECT_EQ(LoadFamily(store, TFamilyKind::Menu), (Rows{{"新規ﾀﾌﾞ", "Ctrl+N"}}));
    EXPECT_EQ(LoadFamily(store, TFamilyKind::Other),
              (Rows{{"Icotxt", "2"}, {"DefaultApp", "notepad.exe"}, {"MaxFiles", "300"}}));
}

TEST_F(FamilyEditTest, WritingBackPutsTheFamilyAtTheEndInRowOrder) {
    Load({"Exta=1", "Width=800", "Extb=2", "Go1=Docs,C:\\Docs", "Go2=C:\\Temp", "Height=600"});
    StoreFamily(store, TFamilyKind::Ext, {{"b", "2"}, {"a", ""}, {"c", "3"}});
    StoreFamily(store, TFamilyKind::Go, LoadFamily(store, TFamilyKind::Go));
    // An empty value removes its key; a bookmark without label gets a leading ",".
    EXPECT_EQ(store.Lines(), (Lines{"Width=800", "Height=600", "Extb=2", "Extc=3",
                                    "Go1=Docs,C:\\Docs", "Go2=,C:\\Temp"}));

    // Empty bookmarks and masks would stop the readers, a line break would add a line:
    // skipped, the rest numbered on.
    StoreFamily(store, TFamilyKind::Go, {{"x", ""}, {"", "C:\\A"}, {"", ""}, {"B", "C:\\B"}});
    StoreFamily(store, TFamilyKind::Msk,
                {{"", ""}, {"*.c", ""}, {"*.x\r\nWidth=1", ""}, {"*.h", ""}});
    EXPECT_EQ(Lines(store.Lines().end() - 4, store.Lines().end()),
              (Lines{"Go1=,C:\\A", "Go2=B,C:\\B", "Msk1=*.c", "Msk2=*.h"}));
}

TEST_F(FamilyEditTest, OtherSettingsKeepTheirPlacesAndRefuseABadMaxFiles) {
    Load({"MaxFiles=300", "Icotxt=2", "DefaultApp=notepad.exe", "Icolog=3"});
    TFamilyStoreResult result = StoreFamily(
        store, TFamilyKind::Other,
        {{"Icolog", "4"}, {"DefaultApp", "edit.exe"}, {"MaxFiles", "50"}, {"Width", "700"}});
    EXPECT_EQ(result.MaxFiles, 50);
    EXPECT_EQ(store.Lines(),
              (Lines{"MaxFiles=50", "DefaultApp=edit.exe", "Icolog=4", "Width=700"}));

    // Not a count: the old value stays in the store and the other rows are still written;
    // another spelling of the key is the same key to the store.
    result = StoreFamily(store, TFamilyKind::Other,
                         {{"MaxFiles", "abc"}, {"Icopng", "5"}, {"maxfiles", "0"}});
    EXPECT_EQ(result.MaxFiles, std::nullopt);
    EXPECT_EQ(result.RefusedMaxFiles, (Lines{"abc", "0"}));
    EXPECT_EQ(store.Lines(),
              (Lines{"MaxFiles=50", "DefaultApp=edit.exe", "Width=700", "Icopng=5"}));
}

TEST_F(FamilyEditTest, AnEmptiedOtherSettingStaysEmptyWhenItsNameIsOnSeveralLines) {
    // Only the first line counts; a hand-edited file may hold more. Confirming the shown
    // empty value must not bring a hidden one forward, now or at the next confirmation.
    Load({"DefaultApp=", "Icotxt=2", "defaultapp=old.exe", "DefaultApp=older.exe"});
    for (int round = 0; round < 2; ++round) {
        StoreFamily(store, TFamilyKind::Other, LoadFamily(store, TFamilyKind::Other));
        EXPECT_EQ(store.Lines(), (Lines{"Icotxt=2"})) << round;
    }
}

TEST_F(FamilyEditTest, OtherSettingsRefuseWindowKeysThatWouldStopTheNextStart) {
    Load({"Width=800", "Sort=1", "FColor=0", "Mask=*.*", "MaxFiles=300", "Icotxt=2"});
    const TFamilyStoreResult result = StoreFamily(store, TFamilyKind::Other,
                                                  {{"width", "wide"},
                                                   {"Sort", ""},
                                                   {"FColor", "255"},
                                                   {"Height", "1e3"},
                                                   {"Mask", "*.txt"},
                                                   {"Icotxt", "3"}});
    EXPECT_EQ(result.RefusedIntegers, (Rows{{"width", "wide"}, {"Sort", ""}, {"Height", "1e3"}}));
    EXPECT_EQ(store.Lines(), (Lines{"Width=800", "Sort=1", "FColor=255", "Mask=*.txt",
                                    "MaxFiles=300", "Icotxt=3"}));
    EXPECT_NE(RefusedIntegerMessage({"Height", "1e3"}).find("Height"), std::string::npos);
}

TEST_F(FamilyEditTest, RowsTheStoreTakesForOneKeyAreRefusedWholeAndNamed) {
    Load({"Popzip=,zip.exe,1"});
    const std::string before = store.SaveToBytes();
    const auto result =
        StoreFamily(store, TFamilyKind::Pop, {{"zip", "1"}, {"7z", ""}, {"ZIP", "2"}});
    EXPECT_EQ(result.SameKeyRows, (std::pair<TListRow, TListRow>{{"zip", "1"}, {"ZIP", "2"}}));
    EXPECT_EQ(store.SaveToBytes(), before);
    // The store's own folding decides, whatever it folds.
    struct OneKey final : Collator {
        int Compare(std::string_view, std::string_view) const override { return 0; }
        std::string SortKey(std::string_view) const override { return {}; }
    } oneKey;
    EXPECT_TRUE(FindSameKeyRows(TSettings{oneKey}, TFamilyKind::Ext, {{"a", "1"}, {"b", "2"}}));
}

TEST_F(FamilyEditTest, CancelLeavesTheStoreAndOkWithoutChangesKeepsEveryRow) {
    Lines lines = {"Exta=x=y",   "Popg|a=,cmd /c x,3",     "Go1=l,G|C:\\x",
                   "Msk1=*.a=b", "Menuﾀﾌﾞを閉じる=Alt+F3", "Icoa=1",
                   "MaxFiles=9", "DefaultApp=n.exe"};
    for (int i = 1; i <= 500; ++i)
        lines.push_back("Go" + std::to_string(i + 1) + "=C:\\" + std::to_string(i));
    Load(lines);
    const std::string before = store.SaveToBytes();
    for (TFamilyKind kind : kAllKinds) {
        const auto cancelled = EditFamily(store, kind, menu, [](TFamilyEdit& edit) {
            edit.Rows.clear();
            return false;
        });
        EXPECT_FALSE(cancelled.has_value());
        EXPECT_EQ(store.SaveToBytes(), before);
    }
    for (TFamilyKind kind : kAllKinds) {
        const Rows loaded = LoadFamily(store, kind);
        const auto confirmed = EditFamily(store, kind, menu, [&](TFamilyEdit& edit) {
            EXPECT_EQ(edit.Caption, FamilyInfo(kind).Caption);
            EXPECT_EQ(edit.MenuRows.empty(), kind != TFamilyKind::Menu);
            return edit.Rows == loaded;
        });
        ASSERT_TRUE(confirmed.has_value());
        EXPECT_EQ(LoadFamily(store, kind), loaded);
    }
    EXPECT_EQ(LoadFamily(store, TFamilyKind::Go).size(), 501u);
    EXPECT_EQ(store.Value("Go501"), ",C:\\500");
}

TEST(FamilyRowsTest, RowOperationsStopAtTheEnds) {
    Rows rows = {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}};
    EXPECT_EQ(MoveRowUp(rows, 0), 0);
    EXPECT_EQ(MoveRowDown(rows, 4), 4);
    EXPECT_EQ(MoveRowUp(rows, MoveRowUp(rows, 2)), 0);
    EXPECT_EQ(MoveRowDown(rows, 3), 4);
    EXPECT_EQ(rows, (Rows{{"c", "3"}, {"a", "1"}, {"b", "2"}, {"e", "5"}, {"d", "4"}}));
    EXPECT_EQ(RowText({"txt", "a.exe"}), std::string("txt\x81\x40") + "a.exe");
    EXPECT_FALSE(DeleteRow(rows, 5));
    while (DeleteRow(rows, 0)) {
    }
    EXPECT_TRUE(rows.empty());
    EXPECT_FALSE(EntryForRow({"c", TFamilyKind::Pop, {{"n", "v"}}, {}}, 1).has_value());
}

}  // namespace
