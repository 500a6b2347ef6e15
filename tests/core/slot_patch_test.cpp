#include "fileops/slot_patch.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/collator.h"

namespace {

using Names = std::vector<std::string>;

DirEntry File(const std::string& name, std::uint64_t size) {
    DirEntry e;
    e.Name = name;
    e.Size = size;
    e.Time = {2024, 5, 6, 7, 8, 9};
    return e;
}

TTabSlot SlotOf(const Names& names) {
    TTabSlot slot;
    for (const std::string& name : names) AppendEntry(slot, File(name, 10));
    return slot;
}

// The captions of the rows, top to bottom, as the list maps them.
Names Rows(const TTabSlot& slot, const std::vector<std::int32_t>& keys, PageWindow window) {
    Names rows;
    for (std::int32_t row = 0; row < window.End - window.Start; ++row) {
        std::optional<RowEntry> entry = EntryOfRow(slot, keys, row, window.Start, window.End);
        rows.push_back(entry ? slot.Names[static_cast<std::size_t>(entry->Entry)] : "?");
    }
    return rows;
}

std::vector<std::int32_t> Keys(const TTabSlot&, std::initializer_list<int> order) {
    return std::vector<std::int32_t>(order.begin(), order.end());
}

TEST(SlotPatchTest, AppendAndRefreshKeepTheFolderTextsAndTotal) {
    TTabSlot slot;
    DirEntry dir = File("sub", 99);
    dir.Attributes = kAttrDirectory;
    EXPECT_EQ(AppendEntry(slot, File("a.txt", 1500)), 0);
    EXPECT_EQ(AppendEntry(slot, dir), 1);
    EXPECT_EQ(slot.Sizes, (Names{"1500", "0"}));
    EXPECT_EQ(slot.Times[0], "2024/05/06 07:08:09");
    EXPECT_EQ(slot.Kinds, "10");
    EXPECT_EQ(slot.TotalSize, 1500);
    EXPECT_EQ(FindEntry(slot, "sub"), 1);
    EXPECT_EQ(FindEntry(slot, "SUB"), -1);
    RefreshEntry(slot, 0, File("a.txt", 20));
    EXPECT_EQ(slot.Sizes[0], "20");
    EXPECT_EQ(slot.TotalSize, 20);
}

TEST(SlotPatchTest, AnAddedEntryIsTheLastRowInEitherOrderAndOnAnyPage) {
    // Five entries listed c a e b d; the window shows the middle page [1, 4).
    for (bool reverse : {false, true}) {
        TTabSlot slot = SlotOf({"a", "b", "c", "d", "e"});
        slot.Reverse = reverse;
        std::vector<std::int32_t> keys = Keys(slot, {2, 0, 4, 1, 3});
        PageWindow window{1, 4};
        const Names before = Rows(slot, keys, window);
        std::int32_t added = AppendEntry(slot, File("new", 1));
        ShowAsLastRow(slot, added, {keys, window, reverse});
        Names expected = before;
        expected.push_back("new");
        EXPECT_EQ(Rows(slot, keys, window), expected) << reverse;
        EXPECT_EQ(keys.size(), 6u);
        EXPECT_EQ(RowOfEntry({keys, window, reverse}, added), 3);
    }
}

TEST(SlotPatchTest, RemovedEntriesTakeTheirRowsAndTheOthersStayMapped) {
    for (bool reverse : {false, true}) {
        TTabSlot slot = SlotOf({"a", "b", "c", "d", "e"});
        slot.Reverse = reverse;
        // c a | e b d ... : the window [1, 4) shows a e b.
        std::vector<std::int32_t> keys = Keys(slot, {2, 0, 4, 1, 3});
        PageWindow window{1, 4};
        // c lies before the window: the window moves down with it.
        EXPECT_EQ(RemoveEntries(slot, "c", ShownListing{keys, window, reverse}), 1);
        EXPECT_EQ(window.Start, 0);
        EXPECT_EQ(window.End, 3);
        EXPECT_EQ(Rows(slot, keys, window),
                  reverse ? (Names{"b", "e", "a"}) : (Names{"a", "e", "b"}));
        // e is shown: its row goes.
        RemoveEntries(slot, "e", ShownListing{keys, window, reverse});
        EXPECT_EQ(Rows(slot, keys, window), reverse ? (Names{"b", "a"}) : (Names{"a", "b"}));
        EXPECT_EQ(slot.Names, (Names{"a", "b", "d"}));
        EXPECT_EQ(slot.TotalSize, 30);
        EXPECT_EQ(RowOfEntry({keys, window, reverse}, FindEntry(slot, "d")), std::nullopt);
    }
    // Every entry of the name goes; names are compared byte-exactly.
    TTabSlot twice = SlotOf({"x", "X", "x"});
    EXPECT_EQ(RemoveEntries(twice, "x", std::nullopt), 2);
    EXPECT_EQ(twice.Names, (Names{"X"}));
    EXPECT_EQ(twice.Kinds, "1");
}

}  // namespace

namespace {
TEST(SlotPatchTest, PatchedEntriesAreSortedAfresh) {
    TTabSlot slot = SlotOf({"a", "b", "c"});
    slot.SortKind = 1;
    const PlainCollator collator;
    auto order = [&] { return SortedEntries(slot, collator); };
    EXPECT_EQ(order(), (std::vector<std::int32_t>{0, 1, 2}));
    RefreshEntry(slot, 0, File("a", 500));
    EXPECT_EQ(order(), (std::vector<std::int32_t>{1, 2, 0}));
    AppendEntry(slot, File("d", 1));
    EXPECT_EQ(order(), (std::vector<std::int32_t>{3, 1, 2, 0}));
    RemoveEntries(slot, "b", std::nullopt);
    EXPECT_EQ(order(), (std::vector<std::int32_t>{2, 1, 0}));
}
}  // namespace
