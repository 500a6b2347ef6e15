#include "navigation/folder_entries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/collator.h"
#include "listing/listing_keys.h"
#include "navigation/folder_changes.h"
#include "navigation/folder_filing.h"

namespace {

using Texts = std::vector<std::string>;

DirEntry File(std::string name, std::uint64_t size, std::uint32_t attributes = 0x20) {
    return {std::move(name), attributes, size, {2018, 9, 3, 12, 34, 56}};
}

DirEntry Dir(std::string name, std::uint32_t attributes = kAttrDirectory) {
    // Some file systems report a size for folders too; it is not shown.
    return {std::move(name), attributes, 4096, {2017, 1, 2, 3, 4, 5}};
}

TEST(FolderEntriesTest, TimeTextIsFixedWidth) {
    EXPECT_EQ(TimeText({2018, 9, 3, 7, 4, 5}), "2018/09/03 07:04:05");
    EXPECT_EQ(TimeText({1999, 12, 31, 23, 59, 59}), "1999/12/31 23:59:59");
    EXPECT_EQ(TimeText({2001, 1, 1, 0, 0, 0}), "2001/01/01 00:00:00");
}

TEST(FolderEntriesTest, TicksTurnIntoTheCalendarTime) {
    constexpr std::int64_t kSecond = 10000000;
    constexpr std::int64_t kDay = 86400 * kSecond;
    auto text = [](std::int64_t ticks) { return TimeText(LocalTimeOfTicks(ticks)); };
    EXPECT_EQ(text(0), "1601/01/01 00:00:00");
    EXPECT_EQ(text(kDay - 1), "1601/01/01 23:59:59");
    // 1970-01-01 is 134774 days later; from there, days of known dates.
    const std::int64_t unix = 134774 * kDay;
    EXPECT_EQ(text(unix), "1970/01/01 00:00:00");
    EXPECT_EQ(text(unix + 1535978096 * kSecond), "2018/09/03 12:34:56");
    EXPECT_EQ(text(unix + 11016 * kDay), "2000/02/29 00:00:00");
    EXPECT_EQ(text(unix + 18321 * kDay + 86399 * kSecond), "2020/02/29 23:59:59");
    EXPECT_EQ(text(unix - 25508 * kDay), "1900/03/01 00:00:00");  // 1900 was no leap year
    EXPECT_EQ(text(unix + 47541 * kDay), "2100/03/01 00:00:00");  // nor is 2100
    EXPECT_EQ(text(-1), "0000/00/00 00:00:00");
    // Every day from 1601 to 2600, against a calendar counted forward one day at a time.
    int year = 1601, month = 1, day = 1;
    for (std::int64_t n = 0; year < 2600; ++n) {
        const LocalTime t = LocalTimeOfTicks(n * kDay + 3723 * kSecond);
        ASSERT_EQ(TimeText(t), TimeText({year, month, day, 1, 2, 3})) << n;
        const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
        const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        if (++day <= lengths[month - 1]) continue;
        day = 1;
        if (++month > 12) month = 1, ++year;
    }
    // A year beyond four digits is printed whole, not cut to the width.
    EXPECT_EQ(TimeText({30828, 9, 14, 2, 48, 5}), "30828/09/14 02:48:05");
}

TEST(FolderEntriesTest, SearchResultsAreAppendedInOrder) {
    TTabSlot slot;
    for (const DirEntry& e : {Dir("."), Dir(".."), File("b.txt", 100), Dir("sub"),
                              File("big.iso", 5368709120ull), File("表.doc", 0)})
        AddFolderEntry(slot, e, false);

    EXPECT_EQ(slot.Names, (Texts{"b.txt", "sub", "big.iso", "表.doc"}));
    EXPECT_EQ(slot.Sizes, (Texts{"100", "0", "5368709120", "0"}));
    EXPECT_EQ(slot.Kinds, "1011");
    ASSERT_EQ(slot.Times.size(), 4u);
    EXPECT_EQ(slot.Times[0], "2018/09/03 12:34:56");
    EXPECT_EQ(slot.Times[1], "2017/01/02 03:04:05");
    EXPECT_EQ(slot.TotalSize, 100.0 + 5368709120.0);

    ClearEntries(slot);
    EXPECT_TRUE(slot.Names.empty());
    EXPECT_TRUE(slot.Sizes.empty());
    EXPECT_TRUE(slot.Times.empty());
    EXPECT_TRUE(slot.Kinds.empty());
    EXPECT_EQ(slot.TotalSize, 0.0);
}

TEST(FolderEntriesTest, HiddenEntriesOnlyWhenShown) {
    const std::vector<DirEntry> entries = {
        File("a.txt", 10), File("secret.sys", 1000, 0x20 | kAttrHidden | 0x04),
        Dir("hidden-dir", kAttrDirectory | kAttrHidden), File("ro.txt", 5, 0x01)};

    TTabSlot hiding;
    for (const DirEntry& e : entries) AddFolderEntry(hiding, e, false);
    EXPECT_EQ(hiding.Names, (Texts{"a.txt", "ro.txt"}));
    EXPECT_EQ(hiding.TotalSize, 15.0);

    TTabSlot showing;
    for (const DirEntry& e : entries) AddFolderEntry(showing, e, true);
    EXPECT_EQ(showing.Names, (Texts{"a.txt", "secret.sys", "hidden-dir", "ro.txt"}));
    EXPECT_EQ(showing.Kinds, "1101");
    EXPECT_EQ(showing.TotalSize, 1015.0);
}

TEST(FolderEntriesTest, LargeFilesSortBySizeAfterReading) {
    TTabSlot slot;
    slot.SortKind = 1;
    for (const DirEntry& e : {File("ten-gb", 10000000000ull), File("two-gib", 2147483648ull),
                              File("small", 9), File("five-gib", 5368709120ull), Dir("sub")})
        AddFolderEntry(slot, e, false);

    const TWildMatch matcher;
    const PlainCollator collator;
    Texts order;
    for (const std::string& key : BuildListing(slot, {}, matcher, collator))
        order.push_back(slot.Names[EntryIndexOfKey(key)]);
    EXPECT_EQ(order, (Texts{"sub", "small", "two-gib", "five-gib", "ten-gb"}));
}

TEST(FolderEntriesTest, FilingWhileReadingGivesTheSameSlotAndOrder) {
    // Enough entries for several hand-overs, with some the filing must leave out.
    std::vector<DirEntry> read = {Dir("."), Dir("..")};
    for (int i = 5000; i > 0; --i) {
        const std::string n = std::to_string(i * 7919 % 5003);
        read.push_back(i % 9 == 0    ? Dir("d" + n)
                       : i % 13 == 0 ? File("h" + n, i, 0x20 | kAttrHidden)
                                     : File("f" + n + ".txt", i));
    }
    const PlainCollator collator;
    // A small folder is filed without the second thread.
    for (auto [kind, count] : {std::pair{0, read.size()}, {1, read.size()}, {1, std::size_t{99}}}) {
        TTabSlot plain, filed;
        plain.SortKind = filed.SortKind = static_cast<std::int8_t>(kind);
        FolderFiler filer(filed, false, collator);
        for (std::size_t i = 0; i < count; ++i) {
            AddFolderEntry(plain, read[i], false);
            filer.Add(DirEntry(read[i]));
        }
        filer.Finish();
        EXPECT_EQ(filed.Names, plain.Names);
        EXPECT_EQ(filed.Kinds, plain.Kinds);
        EXPECT_EQ(KeptOrder(filed), SortEntries(plain, kind, collator)) << kind;
    }
    // A reading that stops leaves the filer without waiting for the rest.
    TTabSlot dropped;
    {
        FolderFiler filer(dropped, false, collator);
        for (std::size_t i = 0; i < 2000; ++i) filer.Add(DirEntry(read[i]));
    }
    EXPECT_TRUE(KeptOrder(dropped).empty());
}

TEST(FolderEntriesTest, AFreshReadOfAFolderTellsWhatCameWentAndChanged) {
    TTabSlot slot;
    for (const DirEntry& e : {File("same.txt", 1), File("grows.log", 10), File("gone.txt", 5),
                              Dir("was-a-folder"), File("hidden.sys", 1, 0x20 | kAttrHidden)})
        AddFolderEntry(slot, e, false);
    const std::vector<DirEntry> now = {Dir("."),
                                       Dir(".."),
                                       File("same.txt", 1),
                                       File("grows.log", 11),
                                       File("new.txt", 0),
                                       File("was-a-folder", 0),
                                       File("secret.sys", 1, 0x20 | kAttrHidden)};
    TTabSlot fresh;
    for (const DirEntry& e : now) AddFolderEntry(fresh, e, false);
    const FolderChanges changes = CompareFolder(slot, fresh);
    EXPECT_EQ(changes.Added, Texts{"new.txt"});  // a hidden newcomer stays out, as in a read
    EXPECT_EQ(changes.Removed, Texts{"gone.txt"});
    EXPECT_EQ(changes.Changed, (Texts{"grows.log", "was-a-folder"}));
    EXPECT_TRUE(CompareFolder(fresh, fresh).Empty());
}

TEST(FolderEntriesTest, DriveListFollowsTheMaskBits) {
    TTabSlot slot;
    AddFolderEntry(slot, File("left-over.txt", 77), false);

    FillDriveList(slot, (1u << 0) | (1u << 2) | (1u << 3) | (1u << 25) | (1u << 26) | (1u << 31));
    EXPECT_EQ(slot.Names, (Texts{"A:\\", "C:\\", "D:\\", "Z:\\"}));
    EXPECT_EQ(slot.Sizes, (Texts{" ", " ", " ", " "}));
    EXPECT_EQ(slot.Times, (Texts{" ", " ", " ", " "}));
    EXPECT_EQ(slot.Kinds, "0000");
    EXPECT_EQ(slot.TotalSize, 0.0);

    FillDriveList(slot, 0);
    EXPECT_TRUE(slot.Names.empty());
    EXPECT_TRUE(slot.Kinds.empty());
}

TEST(FolderEntriesTest, SharesListUnderTheirLastName) {
    TTabSlot slot;
    AddShareEntry(slot, "\\\\server\\share");
    AddShareEntry(slot, "\\\\server\\ソフト");
    AddShareEntry(slot, "\\\\server\\表");
    AddShareEntry(slot, "\\\\server\\ﾃﾞｰﾀ");
    EXPECT_EQ(slot.Names, (Texts{"share", "ソフト", "表", "ﾃﾞｰﾀ"}));
    EXPECT_EQ(slot.Sizes, (Texts{" ", " ", " ", " "}));
    EXPECT_EQ(slot.Times, (Texts{" ", " ", " ", " "}));
    EXPECT_EQ(slot.Kinds, "0000");
    EXPECT_EQ(slot.TotalSize, 0.0);
}

}  // namespace
