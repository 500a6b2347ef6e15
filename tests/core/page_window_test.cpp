#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "listing/listing_keys.h"

namespace {

struct PageCase {
    std::int32_t count;
    int page;
    std::int32_t start, end;
    const char* text;
};

void ExpectPages(std::initializer_list<PageCase> cases, std::int32_t maxFiles = 200) {
    for (const PageCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " entries, page " << c.page);
        PageWindow window = ComputePageWindow(c.count, true, maxFiles, c.page);
        EXPECT_EQ(window.Start, c.start);
        EXPECT_EQ(window.End, c.end);
        EXPECT_EQ(PageText(c.count, true, maxFiles, c.page), c.text);
    }
}

TEST(PageWindowTest, PagesCountFromTheEndOfTheListing) {
    ExpectPages({
        {450, 0, 250, 450, "  3/3"},
        {450, 1, 50, 250, "  2/3"},
        {450, 2, 0, 200, "  1/3"},
        {400, 0, 200, 400, "  3/3"},
        {400, 1, 0, 200, "  2/3"},
        {400, 2, 0, 200, "  1/3"},
    });
}

TEST(PageWindowTest, ShortListingsShowEverythingWithoutPageText) {
    ExpectPages({
        {0, 0, 0, 0, ""},
        {1, 0, 0, 1, ""},
        {150, 0, 0, 150, ""},
        {150, 1, 0, 150, ""},
        {199, 0, 0, 199, ""},
    });
    // Exactly one full page still counts one page past it, as two pages showing the same keys.
    ExpectPages({
        {200, 0, 0, 200, "  2/2"},
        {200, 1, 0, 200, "  1/2"},
        {201, 0, 1, 201, "  2/2"},
        {201, 1, 0, 200, "  1/2"},
    });
}

TEST(PageWindowTest, OtherPageSizesAndLargeListings) {
    ExpectPages({{10, 0, 9, 10, "  11/11"}, {10, 9, 0, 1, "  2/11"}, {10, 10, 0, 1, "  1/11"}}, 1);
    ExpectPages({{100000, 0, 99800, 100000, "  501/501"},
                 {100000, 127, 74400, 74600, "  374/501"},
                 {100000, 499, 0, 200, "  2/501"}});
}

TEST(PageWindowTest, PagingWrapsAtBothEndsAndClampsAShrunkenListing) {
    // 450 entries of 200: pages 2 (the beginning), 1 and 0 (the end).
    EXPECT_EQ(NextPage(1, 450, 200), 2);
    EXPECT_EQ(NextPage(2, 450, 200), 0);
    EXPECT_EQ(NextPage(5, 450, 200), 0);  // left behind by a listing that shrank
    EXPECT_EQ(PreviousPage(2, 450, 200), 1);
    EXPECT_EQ(PreviousPage(0, 450, 200), 2);
    EXPECT_EQ(ClampPage(5, 450, 200), 2);
    EXPECT_EQ(ClampPage(1, 450, 200), 1);
}

TEST(PageWindowTest, RowsMapToSlotEntriesWithinTheShownWindowOnly) {
    TTabSlot slot;
    slot.Names = {"sub", "a.txt", "b.txt"};
    slot.Kinds = "011";
    const std::vector<std::int32_t> listing = {0, 2, 1, 7};
    EXPECT_EQ(EntryOfRow(slot, listing, 0, 0, 3), (RowEntry{0, 0, '0'}));
    EXPECT_EQ(EntryOfRow(slot, listing, 0, 1, 3), (RowEntry{0, 2, '1'}));
    slot.Reverse = true;  // rows run back from the end of the shown window
    EXPECT_EQ(EntryOfRow(slot, listing, 0, 1, 3), (RowEntry{0, 1, '1'}));
    // Outside the window, past the listing, an index without an entry of the slot.
    for (std::int32_t row : {-1, 2}) EXPECT_EQ(EntryOfRow(slot, listing, row, 1, 3), std::nullopt);
    EXPECT_EQ(EntryOfRow(slot, listing, 0, 0, 5), std::nullopt);
    EXPECT_EQ(EntryOfRow(slot, listing, 0, 0, 4), std::nullopt);
    slot.Names.pop_back();
    EXPECT_EQ(EntryOfRow(slot, listing, 1, 1, 3), std::nullopt);
}

TEST(PageWindowTest, NameSearchesAndNamedRowsFollowTheShownRows) {
    TTabSlot slot;
    slot.Names = {"Alpha.txt", "beta.txt", "alps", "gamma"};
    slot.Kinds = "1101";
    std::vector<std::int32_t> listing = {2, 0, 1, 3};
    PageWindow window{0, 3};  // gamma is on another page
    const ShownListing shown{listing, window, false};
    EXPECT_EQ(FindRowByName(slot, shown, {"AL", true}), 0);            // alps, any case
    EXPECT_EQ(FindRowByName(slot, shown, {"al", true, false, 1}), 1);  // from row 1: Alpha
    EXPECT_EQ(FindRowByName(slot, shown, {"alp", false}), -1);         // whole names only
    EXPECT_EQ(FindRowByName(slot, shown, {"alps", true, false, 2}), -1);
    EXPECT_EQ(FindRowByName(slot, shown, {"alps", true, true, 2}), 0);  // wrapped
    EXPECT_EQ(FindRowByName(slot, shown, {"gamma", false, true}), -1);
    EXPECT_EQ(RowsOfNames(slot, shown, {"beta.txt", "gamma", "alps", "gone"}),
              (std::vector<std::int32_t>{2, 0}));
    // Reversed rows run back from the end of the window.
    const ShownListing reversed{listing, window, true};
    EXPECT_EQ(FindRowByName(slot, reversed, {"BETA.TXT", false}), 0);
    EXPECT_EQ(RowsOfNames(slot, reversed, {"alps"}), (std::vector<std::int32_t>{2}));
}

TEST(PageWindowTest, LimitOffShowsAllWithoutPageText) {
    for (std::int32_t count : {0, 1, 150, 200, 450, 100000}) {
        PageWindow window = ComputePageWindow(count, false, 200, 2);
        EXPECT_EQ(window.Start, 0);
        EXPECT_EQ(window.End, count);
        EXPECT_EQ(PageText(count, false, 200, 0), "");
    }
}

TEST(PageWindowTest, SizeTextSwitchesUnitsAboveEachBoundary) {
    constexpr double kGiB = 1024.0 * 1024 * 1024;
    EXPECT_EQ(SizeText(0), "0ﾊﾞｲﾄ");
    EXPECT_EQ(SizeText(1), "1ﾊﾞｲﾄ");
    EXPECT_EQ(SizeText(1024), "1024ﾊﾞｲﾄ");
    EXPECT_EQ(SizeText(1025), "1KB");
    EXPECT_EQ(SizeText(2047), "1KB");
    EXPECT_EQ(SizeText(2048), "2KB");
    EXPECT_EQ(SizeText(1048576), "1024KB");
    EXPECT_EQ(SizeText(1048577), "1MB");
    EXPECT_EQ(SizeText(2 * 1048576.0 - 1), "1MB");
    EXPECT_EQ(SizeText(2 * kGiB), "2048MB");
    EXPECT_EQ(SizeText(5 * kGiB), "5120MB");
    EXPECT_EQ(SizeText(1e10), "9536MB");
}

TEST(PageWindowTest, StatusLineCountsEntriesAndTotalsTheFolder) {
    EXPECT_EQ(ListingStatusText(3, 2048, ""), "3 ﾌｧｲﾙ  合計ｻｲｽﾞ:2KB");
    EXPECT_EQ(ListingStatusText(0, 0, ""), "0 ﾌｧｲﾙ  合計ｻｲｽﾞ:0ﾊﾞｲﾄ");
    EXPECT_EQ(ListingStatusText(450, 5 * 1048576.0 + 1, PageText(450, true, 200, 1)),
              "450 ﾌｧｲﾙ  合計ｻｲｽﾞ:5MB  2/3");
}

}  // namespace
