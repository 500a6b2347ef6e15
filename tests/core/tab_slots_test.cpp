#include "app/tab_slots.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/sjis.h"

namespace {

std::vector<int> Tabs(const TTabToSlot& map, int count) {
    return std::vector<int>(map.begin(), map.begin() + count);
}

TTabToSlot MapOf(std::initializer_list<int> slots) {
    TTabToSlot map{};
    int t = 0;
    for (int slot : slots) map[t++] = static_cast<std::int8_t>(slot);
    return map;
}

TEST(TabSlotsTest, AllocTakesTheLowestFreeSlotUntilAll32AreUsed) {
    TTabSlots slots;
    for (int i = 0; i < kMaxTabs; ++i) {
        EXPECT_EQ(slots.AllocSlot(0, false), i);
    }
    EXPECT_EQ(slots.UsedCount(), 32);
    EXPECT_EQ(slots.AllocSlot(0, false), -1);
    EXPECT_EQ(slots.UsedCount(), 32);

    slots.FreeSlot(2);
    slots.FreeSlot(7);
    EXPECT_FALSE(slots[2].Used);
    EXPECT_EQ(slots.UsedCount(), 30);
    EXPECT_EQ(slots.AllocSlot(0, false), 2);
    EXPECT_EQ(slots.AllocSlot(0, false), 7);
    EXPECT_EQ(slots.AllocSlot(0, false), -1);

    slots.FreeAll();
    EXPECT_EQ(slots.UsedCount(), 0);
    EXPECT_EQ(slots.AllocSlot(0, false), 0);
}

TEST(TabSlotsTest, ReusedSlotStartsFreshButKeepsItsFolderText) {
    TTabSlots slots;
    const int slot = slots.AllocSlot(0, false);
    TTabSlot& s = slots[slot];
    s.Folder = "C:\\Old";
    s.SortKind = 3;
    s.Reverse = true;
    s.Page = 2;
    s.TopIndex = 40;
    s.FocusIndex = 45;
    s.TotalSize = 1234;
    s.Names = {"a.txt", "sub"};
    s.Sizes = {"10", "0"};
    s.Times = {"2018/09/03 12:34:56", "2018/09/03 12:00:00"};
    s.Kinds = "10";
    s.History = {"C:\\", "C:\\Old"};
    s.HistoryPos = 2;

    slots.FreeSlot(slot);
    EXPECT_FALSE(s.Used);
    EXPECT_EQ(s.Kinds, "");
    EXPECT_EQ(s.Folder, "C:\\Old");

    ASSERT_EQ(slots.AllocSlot(1, true), slot);
    EXPECT_TRUE(s.Used);
    EXPECT_EQ(s.SortKind, 1);
    EXPECT_TRUE(s.Reverse);
    EXPECT_EQ(s.Page, 0);
    EXPECT_EQ(s.TopIndex, 0);
    EXPECT_EQ(s.FocusIndex, 0);
    EXPECT_TRUE(s.Names.empty());
    EXPECT_TRUE(s.Sizes.empty());
    EXPECT_TRUE(s.Times.empty());
    EXPECT_TRUE(s.History.empty());
    EXPECT_EQ(s.HistoryPos, 0);
    EXPECT_EQ(s.Folder, "C:\\Old");
    EXPECT_EQ(s.TotalSize, 1234);
    EXPECT_FALSE(CanGoBack(s));
    EXPECT_FALSE(CanGoForward(s));
}

TEST(TabSlotsTest, ClosingAndDraggingTabsMovesOnlyTheMap) {
    TTabToSlot map = MapOf({5, 2, 7});
    RemoveTabPosition(map, 3, 1);
    EXPECT_EQ(Tabs(map, 2), (std::vector<int>{5, 7}));
    RemoveTabPosition(map, 2, 1);
    EXPECT_EQ(Tabs(map, 1), (std::vector<int>{5}));
    map = MapOf({5, 2, 7});
    RemoveTabPosition(map, 3, 0);
    EXPECT_EQ(Tabs(map, 2), (std::vector<int>{2, 7}));

    // The dragged tab lands at its new place; the tabs in between shift toward the old one.
    map = MapOf({10, 11, 12, 13, 14});
    MoveTabPosition(map, 5, 1, 3);
    EXPECT_EQ(Tabs(map, 5), (std::vector<int>{10, 12, 13, 11, 14}));
    map = MapOf({10, 11, 12, 13, 14});
    MoveTabPosition(map, 5, 4, 0);
    EXPECT_EQ(Tabs(map, 5), (std::vector<int>{14, 10, 11, 12, 13}));
    map = MapOf({10, 11, 12});
    MoveTabPosition(map, 3, 2, 2);
    EXPECT_EQ(Tabs(map, 3), (std::vector<int>{10, 11, 12}));

    // All 32 tabs: closing the first shifts every later one.
    map = {};
    for (int t = 0; t < kMaxTabs; ++t) map[t] = static_cast<std::int8_t>(31 - t);
    RemoveTabPosition(map, kMaxTabs, 0);
    EXPECT_EQ(map[0], 30);
    EXPECT_EQ(map[30], 0);
}

TEST(TabSlotsTest, FolderForAppendEndsInOneSingleByteBackslash) {
    EXPECT_EQ(FolderForAppend("C:\\"), "C:\\");
    EXPECT_EQ(FolderForAppend("C:\\Work"), "C:\\Work\\");
    EXPECT_EQ(FolderForAppend("C:\\Work\\"), "C:\\Work\\");
    EXPECT_EQ(FolderForAppend("C:\\\x95\x5C"), "C:\\\x95\x5C\\");    // 表 ends in 0x5C
    EXPECT_EQ(FolderForAppend("C:\\\x83\x5C\\"), "C:\\\x83\x5C\\");  // ソ then a real one
    EXPECT_EQ(FolderForAppend("ﾄﾞﾗｲﾌﾞ"), "");
    EXPECT_EQ(FolderForAppend(kDrivesFolder), "");
    EXPECT_EQ(FolderForAppend("C:\\ﾄﾞﾗｲﾌﾞ"), "C:\\ﾄﾞﾗｲﾌﾞ\\");
    EXPECT_EQ(FolderForAppend("\\\\server"), "\\\\server\\");
    EXPECT_EQ(FolderForAppend("\\\\server\\share"), "\\\\server\\share\\");

    // A lone lead byte at the end pairs with the first backslash; the second one separates.
    const std::string lone = FolderForAppend("C:\\x\\\x81");
    EXPECT_TRUE(sjis::EndsWithBackslash(lone)) << lone;
    EXPECT_EQ(FolderForAppend(lone), lone);
    EXPECT_EQ(FolderForAppend("C:\\\x81\x81"), "C:\\\x81\x81\\");  // a whole character
}

TEST(TabSlotsTest, ItemToEntryFollowsTheShownWindow) {
    EXPECT_EQ(ItemToEntry(0, false, 100, 300), 100);
    EXPECT_EQ(ItemToEntry(199, false, 100, 300), 299);
    EXPECT_EQ(ItemToEntry(0, true, 100, 300), 299);
    EXPECT_EQ(ItemToEntry(199, true, 100, 300), 100);
    EXPECT_EQ(ItemToEntry(0, true, 0, 1), 0);
}

TEST(TabSlotsTest, HistoryButtons) {
    TTabSlot slot;
    slot.History = {"C:\\"};
    slot.HistoryPos = 1;
    EXPECT_FALSE(CanGoBack(slot));
    EXPECT_FALSE(CanGoForward(slot));

    slot.History = {"C:\\", "C:\\a", "C:\\b"};
    slot.HistoryPos = 3;
    EXPECT_TRUE(CanGoBack(slot));
    EXPECT_FALSE(CanGoForward(slot));
    slot.HistoryPos = 2;
    EXPECT_TRUE(CanGoBack(slot));
    EXPECT_TRUE(CanGoForward(slot));
    slot.HistoryPos = 1;
    EXPECT_FALSE(CanGoBack(slot));
    EXPECT_TRUE(CanGoForward(slot));
}

}  // namespace
