#include "listing/wild_match.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct MatchCase {
    const char* name;
    const char* mask;
    bool passes;
};

void ExpectMatches(std::initializer_list<MatchCase> cases) {
    const TWildMatch matcher;
    for (const MatchCase& c : cases) {
        EXPECT_EQ(matcher.Match(c.name, c.mask), c.passes)
            << "'" << c.name << "' against '" << c.mask << "'";
    }
}

TEST(WildMatchTest, CaseIsIgnoredAndTheLastDotSplits) {
    ExpectMatches({
        {"readme.txt", "*.TXT", true},
        {"README.TXT", "*.txt", true},
        {"a.TXT", "A.txt", true},
        {"readme.txt", "*.doc", false},
        {"readme.txt", "read*.*", true},
        {"readme.txt", "READ*.*", true},
        {"archive.tar.gz", "*.gz", true},
        {"archive.tar.gz", "*.tar", false},
        {"archive.tar.gz", "archive.tar.*", true},
        {"Report.2018.TXT", "report.2018.txt", true},
        {"readme.txt", "readme.txt", true},
        {"readme.txt", "readme.tx", false},
        {"readme.txt", "readm.txt", false},
    });
}

TEST(WildMatchTest, EmptyExtensionsAndEmptyBases) {
    ExpectMatches({
        {"README", "*.", true},
        {"a.", "*.", true},
        {"a.txt", "*.", false},
        {"README", "*.txt", false},
        {"README", "*.*", true},
        {"README", "*.*T", false},
        {"README", "*.**", true},
        {"README", "*", true},
        {"README", "README", true},
        {".profile", "*", false},
        {".profile", "*.*", false},
        {".profile", "*.profile", false},
        {".profile", ".profile", false},
        {"a.txt", ".txt", false},
        {"a.txt", "", false},
        {"", "*", false},
    });
}

TEST(WildMatchTest, StarsCompareOnlyHeadAndTail) {
    ExpectMatches({
        {"AXC.txt", "A*B*C.txt", true},
        {"AXD.txt", "A*B*C.txt", false},
        {"ABC.txt", "ABC*XYZ.txt", true},
        {"AB.txt", "ABC*XYZ.txt", false},
        {"ABCD.txt", "ABC*XYZ.txt", false},
        {"B.txt", "*AB.txt", false},
        {"AB.txt", "*AB.txt", true},
        {"XAB.txt", "*AB.txt", true},
        {"XAC.txt", "*AB.txt", false},
        {"a.txt", "*.t*", true},
        {"a.doc", "*.t*", false},
        {"a.", "*.t*", false},
        {"a.T", "*.*T", true},
        {"a.ST", "*.*T", true},
        {"a.TS", "*.*T", false},
    });
}

TEST(WildMatchTest, QuestionMarkTakesExactlyOneByte) {
    ExpectMatches({
        {"A.txt", "A?.txt", false},
        {"AB.txt", "A?.txt", true},
        {"ABC.txt", "A?.txt", false},
        {"AB.txt", "?B.txt", true},
        {"A.txt", "?.t?t", true},
        {"abc.txt", "*?C.txt", true},
        {"C.txt", "*?C.txt", false},
        {"a.tx", "a.tx?", false},
    });
}

TEST(WildMatchTest, BlanksAreOrdinaryBytes) {
    ExpectMatches({
        {"report.doc", " *.doc", false},
        {" report.doc", " *.doc", true},
        {"my file.txt", "my?file.*", true},
    });
}

TEST(WildMatchTest, DoubleByteNamesAreComparedByteForByte) {
    // 表 is 95 5C, ヂ 83 61 and ア 83 41: trail bytes that look like a backslash or letters.
    ExpectMatches({
        {"表.txt", "??.*", true},
        {"表示.txt", "??.*", false},
        {"表示.txt", "????.*", true},
        {"表.txt", "?.*", false},
        {"ｱｲ.txt", "??.*", true},  // half-width kana are one byte each
        {"表.txt", "*.TXT", true},
        {"資料表.TXT", "*表.txt", true},
        {"資料表.TXT", "資料*.txt", true},
        {"a.表", "*.表", true},
        {"\x83\x61.txt", "\x83\x61.TXT", true},
        {"\x83\x61.txt", "\x83\x41.txt", false},
        {"\x83\x41.txt", "\x83\x61.txt", false},
        {"ａ.txt", "Ａ.txt", false},  // full-width letters keep their case
        {"\x95\x5C.txt", "\x95.txt", false},
    });
}

}  // namespace
