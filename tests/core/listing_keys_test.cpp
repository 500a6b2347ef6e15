#include "listing/listing_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "navigation/folder_entries.h"

namespace {

struct Entry {
    std::string name;
    std::uint64_t size = 0;
    std::string time = "2018/09/03 12:00:00";
    char kind = '1';
};

TTabSlot SlotOf(std::initializer_list<Entry> entries, int sortKind = 0) {
    TTabSlot slot;
    slot.Used = true;
    slot.SortKind = static_cast<std::int8_t>(sortKind);
    for (const Entry& e : entries) {
        slot.Names.push_back(e.name);
        slot.Sizes.push_back(e.kind == '0' ? "0" : std::to_string(e.size));
        slot.Times.push_back(e.time);
        slot.Kinds.push_back(e.kind);
    }
    return slot;
}

Entry Folder(std::string name) { return {std::move(name), 0, "2018/09/03 12:00:00", '0'}; }

// Names in listing order, traced back through the entry index of each key.
std::vector<std::string> Listed(const TTabSlot& slot, const ListingFilter& filter = {}) {
    const TWildMatch matcher;
    const PlainCollator collator;
    std::vector<std::string> names;
    for (const std::string& key : BuildListing(slot, filter, matcher, collator)) {
        std::int32_t index = EntryIndexOfKey(key);
        EXPECT_GE(index, 0) << key;
        if (index < 0 || static_cast<std::size_t>(index) >= slot.Names.size()) {
            ADD_FAILURE() << "key without a valid entry index: " << key;
            continue;
        }
        EXPECT_EQ(key[0], slot.Kinds[index]) << key;
        names.push_back(slot.Names[index]);
    }
    return names;
}

using Names = std::vector<std::string>;

TEST(ListingKeysTest, ExtensionIsTakenFromTheLastDot) {
    EXPECT_EQ(ExtensionOf("a.c"), ".c");
    EXPECT_EQ(ExtensionOf("archive.tar.gz"), ".gz");
    EXPECT_EQ(ExtensionOf("Makefile"), "");
    EXPECT_EQ(ExtensionOf(".profile"), ".profile");
    EXPECT_EQ(ExtensionOf("name."), ".");
    EXPECT_EQ(ExtensionOf("表計算.xls"), ".xls");
    EXPECT_EQ(ExtensionOf("ｿﾌﾄ.txt"), ".txt");
}

TEST(ListingKeysTest, KeysCarryKindSortFieldNameAndEntryIndex) {
    TTabSlot slot = SlotOf({Folder("sub"),
                            {"a.c", 10, "2018/09/03 12:34:56"},
                            {"notes.backup", 12345678901, "2020/01/02 03:04:05"}});

    EXPECT_EQ(ListingKey(slot, 0, 0),
              "0sub \xFF"
              "0");
    EXPECT_EQ(ListingKey(slot, 1, 0),
              "1a.c \xFF"
              "1");
    EXPECT_EQ(ListingKey(slot, 1, 1), "1" + std::string(18, ' ') +
                                          "10a.c \xFF"
                                          "1");
    EXPECT_EQ(ListingKey(slot, 2, 1), "1" + std::string(9, ' ') +
                                          "12345678901notes.backup \xFF"
                                          "2");
    EXPECT_EQ(ListingKey(slot, 1, 2),
              "1.c    a.c \xFF"
              "1");
    // A long extension is never cut.
    EXPECT_EQ(ListingKey(slot, 2, 2),
              "1.backupnotes.backup \xFF"
              "2");
    EXPECT_EQ(ListingKey(slot, 0, 2),
              "0      sub \xFF"
              "0");
    EXPECT_EQ(ListingKey(slot, 1, 3),
              "12018/09/03 12:34:56a.c \xFF"
              "1");
}

TEST(ListingKeysTest, EntryIndexIsReadAfterTheLastMark) {
    TTabSlot slot = SlotOf({});
    for (int i = 0; i < 12346; ++i) {
        slot.Names.push_back("f" + std::to_string(i));
        slot.Sizes.push_back("1");
        slot.Times.push_back("2018/09/03 12:00:00");
        slot.Kinds.push_back('1');
    }
    for (int sortKind = 0; sortKind < 4; ++sortKind) {
        EXPECT_EQ(EntryIndexOfKey(ListingKey(slot, 12345, sortKind)), 12345);
        EXPECT_EQ(EntryIndexOfKey(ListingKey(slot, 0, sortKind)), 0);
    }
    // A row added in place carries only its kind.
    EXPECT_EQ(EntryIndexOfKey("1"), -1);
    EXPECT_EQ(EntryIndexOfKey("0"), -1);
    EXPECT_EQ(EntryIndexOfKey(""), -1);

    // Names may hold 0xFF themselves (CP932's form of U+F8F3).
    slot.Names[12345] =
        "a\xFF"
        "99b\xFF";
    EXPECT_EQ(EntryIndexOfKey(ListingKey(slot, 12345, 0)), 12345);
    EXPECT_EQ(EntryIndexOfKey("1x \xFF"
                              "2147483647"),
              2147483647);
    EXPECT_EQ(EntryIndexOfKey("1x \xFF"
                              "2147483648"),
              -1);
    EXPECT_EQ(EntryIndexOfKey("1x \xFF"
                              "99999999999999999999"),
              -1);
}

TEST(ListingKeysTest, NameOrderPutsFoldersFirstAndIgnoresCase) {
    EXPECT_EQ(Listed(SlotOf({{"b"}, {"A"}, {"a1"}, Folder("z")})), (Names{"z", "A", "a1", "b"}));
    EXPECT_EQ(Listed(SlotOf({{"b.txt"}, Folder("Y"), {"B.doc"}, Folder("x"), {"a.TXT"}})),
              (Names{"x", "Y", "a.TXT", "B.doc", "b.txt"}));
    // A name sorts before every longer name that begins with it, even when the next character
    // is a low one such as '!' or '-'.
    EXPECT_EQ(Listed(SlotOf({{"ab!"}, {"ab-c"}, {"ab"}, {"AB.txt"}})),
              (Names{"ab", "ab!", "ab-c", "AB.txt"}));
    // Double-byte names keep their bytes: 'ッ' (83 62) has a trail byte 'b' that must not be
    // folded to 'B', which would make it 'ィ' (83 42) and put it before 'ウ' (83 45).
    EXPECT_EQ(Listed(SlotOf({{"表"}, {"ッ"}, {"zz"}, {"ウ"}, {"ｶﾅ"}})),
              (Names{"zz", "ウ", "ッ", "表", "ｶﾅ"}));
}

TEST(ListingKeysTest, SizeOrderIsNumericUpToSixtyFourBits) {
    constexpr std::uint64_t kGiB = 1024ull * 1024 * 1024;
    TTabSlot slot = SlotOf({{"ten", 10},
                            {"nine", 9},
                            {"five-gib", 5 * kGiB},
                            Folder("m"),
                            {"ten-gb", 10000000000ull},
                            {"two-gib", 2 * kGiB},
                            {"empty", 0},
                            Folder("C"),
                            {"also-ten", 10},
                            {"huge", 18000000000000000000ull}},
                           1);
    EXPECT_EQ(Listed(slot), (Names{"C", "m", "empty", "nine", "also-ten", "ten", "two-gib",
                                   "five-gib", "ten-gb", "huge"}));
}

TEST(ListingKeysTest, TypeOrderByExtensionThenName) {
    EXPECT_EQ(Listed(SlotOf({{"c.txt"}, {"b.cpp"}, {"Makefile"}, {"a.c"}}, 2)),
              (Names{"Makefile", "a.c", "b.cpp", "c.txt"}));
    EXPECT_EQ(Listed(SlotOf(
                  {{"z.TXT"}, {"B.txt"}, Folder("sub.d"), {"a.txt"}, {"x.C"}, Folder("abc")}, 2)),
              (Names{"abc", "sub.d", "x.C", "a.txt", "B.txt", "z.TXT"}));
}

TEST(ListingKeysTest, TimeOrderIsChronological) {
    TTabSlot slot = SlotOf({{"new", 0, "2019/01/01 00:00:00"},
                            {"old", 0, "2018/12/31 23:59:59"},
                            {"b-same", 0, "2018/12/31 09:00:00"},
                            {"A-same", 0, "2018/12/31 09:00:00"},
                            {"oldest", 0, "2001/10/05 10:00:00"},
                            {"sub", 0, "2030/01/01 00:00:00", '0'}},
                           3);
    EXPECT_EQ(Listed(slot), (Names{"sub", "oldest", "A-same", "b-same", "old", "new"}));
}

TEST(ListingKeysTest, MaskTextSwitchesFilteringOnAndOff) {
    EXPECT_FALSE(MakeListingFilter("", false, "").MaskOn);
    EXPECT_FALSE(MakeListingFilter("*", false, "").MaskOn);
    EXPECT_FALSE(MakeListingFilter("*.txt;*", false, "").MaskOn);
    EXPECT_FALSE(MakeListingFilter("*.*;*.txt", false, "").MaskOn);
    EXPECT_TRUE(MakeListingFilter("*.txt", false, "").MaskOn);
    EXPECT_TRUE(MakeListingFilter("**", false, "").MaskOn);
    EXPECT_TRUE(MakeListingFilter("* ", false, "").MaskOn);

    ListingFilter trailing = MakeListingFilter("*.txt;", false, "");
    EXPECT_TRUE(trailing.MaskOn);
    EXPECT_EQ(trailing.Masks, (std::vector<std::string>{"*.txt", ""}));
}

TEST(ListingKeysTest, MasksDropFilesButNeverFolders) {
    const TTabSlot slot = SlotOf({Folder("a.b"), {"x.txt"}, {"y.doc"}, {"Z.TXT"}, {"readme"}});
    auto listed = [&](const char* masks) {
        return Listed(slot, MakeListingFilter(masks, false, ""));
    };

    EXPECT_EQ(listed("*.txt"), (Names{"a.b", "x.txt", "Z.TXT"}));
    EXPECT_EQ(listed("*.txt;"), (Names{"a.b", "x.txt", "Z.TXT"}));
    EXPECT_EQ(listed("*.txt;*"), (Names{"a.b", "readme", "x.txt", "y.doc", "Z.TXT"}));
    EXPECT_EQ(listed("*.doc;*.txt"), (Names{"a.b", "x.txt", "y.doc", "Z.TXT"}));
    EXPECT_EQ(listed(";"), (Names{"a.b"}));
    EXPECT_EQ(listed("*.xls"), (Names{"a.b"}));
    EXPECT_EQ(listed(""), (Names{"a.b", "readme", "x.txt", "y.doc", "Z.TXT"}));
}

TEST(ListingKeysTest, QuickMaskKeepsNamesContainingItInLowerCase) {
    const TTabSlot slot =
        SlotOf({{"Report.txt"}, Folder("Reports"), {"r-e-p.txt"}, {"PREPARE.DOC"}, {"notes"}});
    EXPECT_EQ(Listed(slot, MakeListingFilter("", true, "rep")),
              (Names{"Reports", "PREPARE.DOC", "Report.txt"}));
    // Only while pending: the text alone filters nothing.
    EXPECT_EQ(Listed(slot, MakeListingFilter("", false, "rep")).size(), 5u);
    // An empty quick mask keeps nothing, folders included.
    EXPECT_TRUE(Listed(slot, MakeListingFilter("", true, "")).empty());
    // Both filters apply.
    EXPECT_EQ(Listed(slot, MakeListingFilter("*.txt", true, "rep")),
              (Names{"Reports", "Report.txt"}));
}

TEST(ListingKeysTest, QuickMaskMatchesWholeShiftJisCharacters) {
    const TWildMatch matcher;
    auto passes = [&](std::string_view name, std::string_view quick) {
        return PassesFilter(MakeListingFilter("", true, quick), matcher, name, '1');
    };
    // 'ッ' is 83 62: its trail byte is a 'b' that no quick mask may find.
    EXPECT_FALSE(passes("ッ.txt", "b"));
    EXPECT_TRUE(passes("ッb.txt", "b"));
    // 'ア' is 83 41: lower-casing the name must not turn its trail byte into 'a'.
    EXPECT_TRUE(passes("アイ.txt", "ア"));
    EXPECT_TRUE(passes("資料アBC.txt", "アbc"));
    // 'ヂ' is 83 61: its trail byte is an 'a'.
    EXPECT_FALSE(passes("ヂ.txt", "a"));
    // '表' is 95 5C: a quick mask of a backslash never matches inside it.
    EXPECT_FALSE(passes("表.txt", "\\"));
    EXPECT_TRUE(passes("ﾚﾎﾟｰﾄ.txt", "ﾎﾟ"));
}

}  // namespace

namespace {
// A plain collation that counts the keys it was asked for.
class CountingCollator final : public Collator {
public:
    int Compare(std::string_view a, std::string_view b) const override {
        return plain_.Compare(a, b);
    }
    std::string SortKey(std::string_view text) const override { return plain_.SortKey(text); }
    void AppendSortKey(std::string_view text, std::string& out) const override {
        ++Keys;
        plain_.AppendSortKey(text, out);
    }
    mutable int Keys = 0;

private:
    PlainCollator plain_;
};

std::vector<std::string> NamesOf(const TTabSlot& slot, const std::vector<std::int32_t>& order) {
    std::vector<std::string> names;
    for (std::int32_t entry : order) names.push_back(slot.Names[static_cast<std::size_t>(entry)]);
    return names;
}
}  // namespace

TEST(ListingKeysTest, SortedOrdersAreKeptPerKindUntilTheEntriesChange) {
    TTabSlot slot = SlotOf({{"b.txt", 30}, {"a.doc", 20}, {"c.txt", 10}});
    const CountingCollator collator;
    EXPECT_EQ(NamesOf(slot, SortedEntries(slot, collator)), (Names{"a.doc", "b.txt", "c.txt"}));
    EXPECT_EQ(collator.Keys, 3);
    // A new mask or the same sort again lists from the kept order.
    const ListingFilter txtOnly = MakeListingFilter("*.txt", false, "");
    const TWildMatch matcher;
    EXPECT_EQ(ListingOfOrder(slot, SortedEntries(slot, collator), txtOnly, matcher).size(), 2u);
    slot.SortKind = 1;
    EXPECT_EQ(NamesOf(slot, SortedEntries(slot, collator)), (Names{"c.txt", "a.doc", "b.txt"}));
    slot.SortKind = 0;
    SortedEntries(slot, collator);
    EXPECT_EQ(collator.Keys, 6) << "keys were built again for an order already kept";

    // Any change of the entries makes every kind sort again.
    AddFolderEntry(slot, DirEntry{"0first", 0x20, 40, {2018, 9, 3, 12, 0, 0}}, false);
    EXPECT_EQ(NamesOf(slot, SortedEntries(slot, collator)),
              (Names{"0first", "a.doc", "b.txt", "c.txt"}));
    slot.SortKind = 1;
    EXPECT_EQ(NamesOf(slot, SortedEntries(slot, collator)),
              (Names{"c.txt", "a.doc", "b.txt", "0first"}));
}

TEST(ListingKeysTest, SortMatchesWholeKeyOrderAcrossSharedPrefixesAndShortKeys) {
    // Collation keys that agree in their first eight bytes, or end before them, must still be
    // ordered by the whole key.
    std::mt19937 rng(7);
    const char* const stems[] = {"",           "a",           "A", "ab",     "abcdefgh",
                                 "ABCDEFGHij", "abcdefghijk", "z", "表計算", "ｿﾌﾄ"};
    TTabSlot slot;
    for (int i = 0; i < 400; ++i) {
        std::string name = stems[rng() % std::size(stems)];
        for (int n = static_cast<int>(rng() % 4); n > 0; --n)
            name += static_cast<char>('a' + rng() % 3);
        slot.Names.push_back(name);
        slot.Sizes.push_back(std::to_string(rng() % 5));
        slot.Times.push_back("2018/09/03 12:00:0" + std::to_string(rng() % 3));
        slot.Kinds.push_back(rng() % 5 ? '1' : '0');
    }
    const PlainCollator collator;
    for (int kind = 0; kind < 4; ++kind) {
        std::vector<std::string> expected;
        for (std::size_t i = 0; i < slot.Names.size(); ++i)
            expected.push_back(ListingKey(slot, i, kind));
        std::sort(expected.begin(), expected.end(),
                  [&](const std::string& a, const std::string& b) {
                      return collator.SortKey(a) < collator.SortKey(b);
                  });
        slot.SortKind = static_cast<std::int8_t>(kind);
        EXPECT_EQ(BuildListing(slot, {}, TWildMatch(), collator), expected) << "sort kind " << kind;
    }
}
