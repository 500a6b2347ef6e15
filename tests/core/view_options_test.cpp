#include "listing/view_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/collator.h"

namespace {

TEST(SortCommandTest, SameKindTogglesReverseAndAnotherKindSortsAscending) {
    SortState s;  // by name, ascending
    s = ApplySortCommand(s, 1);
    EXPECT_EQ(s, (SortState{1, false, 1, false}));
    s = ApplySortCommand(s, 1);
    EXPECT_EQ(s, (SortState{1, true, 1, true}));
    s = ApplySortCommand(s, 1);
    EXPECT_EQ(s, (SortState{1, false, 1, false}));

    // A new kind always starts ascending, even after a reversed one.
    s = ApplySortCommand(ApplySortCommand(s, 3), 3);
    EXPECT_EQ(s, (SortState{3, true, 3, true}));
    EXPECT_EQ(ApplySortCommand(s, 2), (SortState{2, false, 2, false}));
}

TEST(SortCommandTest, ReverseFollowsTheWindowFlagNotTheTabsOwn) {
    // Tab A was reversed by name, so the window flag is on; tab B sorts by name ascending.
    SortState tabB{0, false, 0, true};
    SortState first = ApplySortCommand(tabB, 0);
    EXPECT_EQ(first, (SortState{0, false, 0, false}));  // flag flips off; B looks the same
    SortState second = ApplySortCommand(first, 0);
    EXPECT_EQ(second, (SortState{0, true, 0, true}));

    // A tab sorted by another kind than the default: the click makes the kind the default.
    EXPECT_EQ(ApplySortCommand(SortState{2, true, 0, true}, 0), (SortState{0, false, 0, false}));
}

TEST(SortCommandTest, HeadersSortByNameSizeAndTimeAndOnlyThatColumnShowsTheOrder) {
    EXPECT_EQ((std::vector{SortKindOfColumn(0), SortKindOfColumn(1), SortKindOfColumn(2)}),
              (std::vector{0, 1, 3}));
    EXPECT_EQ(SortKindOfColumn(3), -1);
    EXPECT_EQ(ColumnArrow(0, 3, false), HeaderArrow::None);
    for (int column : {0, 1, 2}) EXPECT_EQ(ColumnArrow(column, 2, false), HeaderArrow::None);
}

TEST(SelectionStatusTextTest, FilesShowTimeAndSizeFoldersAndDrivesOnlyTime) {
    EXPECT_EQ(SelectionStatusText("2018/09/03 12:34", true, "12345"),
              "更新日時:2018/09/03 12:34 ｻｲｽﾞ:12KB");
    EXPECT_EQ(SelectionStatusText("2018/09/03 12:34", false, "0"), "更新日時:2018/09/03 12:34");
    EXPECT_EQ(SelectionStatusText(" ", false, " "), "更新日時: ");
    EXPECT_EQ(SelectionStatusText("2018/09/03 12:34", true, "0"),
              "更新日時:2018/09/03 12:34 ｻｲｽﾞ:0ﾊﾞｲﾄ");
    // Past 4 GB: 4 GB + 1 KB would read as 1024 bytes in 32 bits.
    EXPECT_EQ(SelectionStatusText("2018/09/03 12:34", true, "4294968320"),
              "更新日時:2018/09/03 12:34 ｻｲｽﾞ:4096MB");
}

TEST(MaskListTest, NumberedMasksUpToTheFirstGapKeptAsWritten) {
    PlainCollator collator;
    TSettings store{collator};
    EXPECT_TRUE(MaskList(store).empty());

    store.LoadFromBytes(
        "Msk2= *.txt;*.log;\r\nmsk1=*.c;*.h\r\nMsk3=\r\nMsk4=*.bak\r\nMsk1=later\r\n");
    EXPECT_EQ(MaskList(store), (std::vector<std::string>{"*.c;*.h", " *.txt;*.log;"}));

    // Without the empty line the list goes on to Msk4.
    store.LoadFromBytes("Msk1=a\r\nMsk2=b\r\nMsk3=ｿｰｽ\\*.txt\r\nMsk5=e\r\n");
    EXPECT_EQ(MaskList(store), (std::vector<std::string>{"a", "b", "ｿｰｽ\\*.txt"}));
}

}  // namespace
