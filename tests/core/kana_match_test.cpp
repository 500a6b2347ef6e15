#include "listing/kana_match.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "listing/listing_keys.h"
#include "listing/romaji.h"

namespace {

using Readings = std::vector<std::string>;

const PlainKanaFolder kFolder;

TEST(Romaji, RunsReadAsAnInputMethodReadsThem) {
    const std::pair<const char*, const char*> runs[] = {
        {"shiryou", "しりょう"}, {"siryou", "しりょう"}, {"kitte", "きって"},
        {"matcha", "まっちゃ"},  {"onna", "おんな"},     {"shinnyuu", "しんにゅう"},
        {"shinbun", "しんぶん"}, {"sa-ba-", "さーばー"}, {"konnnichiha", "こんにちは"}};
    for (auto [run, kana] : runs) EXPECT_EQ(RomajiReadings(run, false), Readings{kana}) << run;
    EXPECT_EQ(RomajiReadings("txt", false), Readings{});
    // Only a text still being typed may end in an unfinished syllable.
    EXPECT_EQ(RomajiReadings("shir", false), Readings{});
    EXPECT_EQ(RomajiReadings("shir", true),
              (Readings{"しら", "しり", "しる", "しれ", "しろ", "しりゃ", "しりゅ", "しりょ"}));
    EXPECT_EQ(RomajiReadings("shin", true)[1], "しな");
}

TEST(KanaReadings, EachRomajiRunIsTriedAsWrittenAndAsKana) {
    EXPECT_EQ(KanaReadings("kaigi shiryou.txt", false),
              (Readings{"kaigi shiryou.txt", "かいぎ shiryou.txt", "kaigi しりょう.txt",
                        "かいぎ しりょう.txt"}));
    EXPECT_EQ(KanaReadings("a a a a a a a a a a", false).size(), kMaxReadings);
}

TEST(KanaSearch, RomajiFindsItsKanaButNothingAcrossMarksOrLongVowels) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"shiryou", "会議しりょう.txt", true},
        {"SHIRyou", "Shiryou", true},
        {"しryou", "しりょう", true},
        {"", "しりょう", false},
        // Voiced and semi-voiced kana stay apart, also when the mark is a character of its own.
        {"haha", "はは", true},
        {"haha", "ばば", false},
        {"baba", "ぱぱ", false},
        {"papa", "はは", false},
        {"ka", "がっこう", false},
        {"ｶ", "ｶﾞｲﾄﾞ", false},
        {"ｶﾞ", "ｶﾞｲﾄﾞ", true},
        {"ｲﾄ", "ｶﾞｲﾄﾞ", false},
        {"は", "は゛", false},
        {"は", "は゜", false},
        {"ha", "は?3099", false},
        // ー, 々 and ゝ stand for nothing but themselves.
        {"shiryou", "しりょー", false},
        {"shiryo-", "しりょー", true},
        {"shiryo-", "しりょう", false},
        {"sa-ba", "さあば", false},
        {"-", "さーば", false},
        {"sasaki", "さ々き", false},
        {"々", "いすゞ", false}};
    for (auto [typed, name, found] : cases)
        EXPECT_EQ(KanaSearch(kFolder, typed, false).FoundIn(kFolder.Fold(name)), found)
            << typed << " in " << name;
}

TEST(KanaSearch, ListSearchBeginsTheNameAndTakesTheTypingAsGoingOn) {
    EXPECT_TRUE(ListNameSearch("shir", true, &kFolder).Matches("しりょう.txt"));
    EXPECT_FALSE(ListNameSearch("ryou", true, &kFolder).Matches("しりょう.txt"));
    EXPECT_FALSE(ListNameSearch("しりょう", false, &kFolder).Matches("しりょう.txt"));
    EXPECT_TRUE(ListNameSearch("rEp", true, nullptr).Matches("Report.txt"));  // as ever
}

TEST(KanaSearch, MasksKeepTheirWildcardsAndReadTheirRomaji) {
    EXPECT_EQ(FoldedMaskForms(kFolder, "Shiryou*.TXT"),
              (Readings{"shiryou*.txt", "しりょう*.txt"}));
    EXPECT_EQ(FoldedMaskForms(kFolder, "a?*.txt"), (Readings{"a?*.txt", "あ?*.txt"}));
    const ListingFilter filter = MakeListingFilter("shiryou*.txt;*.doc", true, "kaigi", &kFolder);
    const TWildMatch matcher;
    EXPECT_TRUE(PassesFilter(filter, matcher, "しりょう_かいぎ.TXT", '1'));
    EXPECT_FALSE(PassesFilter(filter, matcher, "かいぎ.log", '1'));
    EXPECT_TRUE(PassesFilter(filter, matcher, "かいぎ", '0'));  // masks never drop folders
}

}  // namespace
