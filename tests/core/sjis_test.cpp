#include "app/sjis.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// 表 (95 5C) and ソ (83 5C) end in the backslash byte; ポ (83 7C) ends in '|'.
constexpr const char* kHyo = "\x95\x5C";
constexpr const char* kSo = "\x83\x5C";
constexpr const char* kPo = "\x83\x7C";

std::string S(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) text += part;
    return text;
}

TEST(SjisTest, LeadBytesAndCharacterLengths) {
    EXPECT_FALSE(sjis::IsLeadByte(0x80));
    EXPECT_TRUE(sjis::IsLeadByte(0x81));
    EXPECT_TRUE(sjis::IsLeadByte(0x9F));
    EXPECT_FALSE(sjis::IsLeadByte(0xA0));
    EXPECT_FALSE(sjis::IsLeadByte(0xB1));  // ｱ: half-width kana are single bytes
    EXPECT_FALSE(sjis::IsLeadByte(0xDF));
    EXPECT_TRUE(sjis::IsLeadByte(0xE0));
    EXPECT_TRUE(sjis::IsLeadByte(0xFC));
    EXPECT_FALSE(sjis::IsLeadByte(0xFD));

    const std::string text = S({"a", kHyo, "ｱ", "\x95"});
    EXPECT_EQ(sjis::CharLength(text, 0), 1u);
    EXPECT_EQ(sjis::CharLength(text, 1), 2u);
    EXPECT_EQ(sjis::CharLength(text, 3), 1u);
    EXPECT_EQ(sjis::CharLength(text, 4), 1u);  // a lone lead byte at the end

    // Character and byte offsets as a control and the text count them: a, 表, ｱ, lone lead.
    EXPECT_EQ(sjis::ByteOffset(text, 2), 3u);
    EXPECT_EQ(sjis::ByteOffset(text, 9), text.size());
    EXPECT_EQ(sjis::CharOffset(text, 3), 2u);
    EXPECT_EQ(sjis::CharOffset(text, 2), 2u);  // inside 表: it starts before
}

TEST(SjisTest, SearchesNeverMatchTheSecondByteOfADoubleByteCharacter) {
    const std::string path = S({"C:\\", kHyo, "\\", kSo, "x"});  // C:\表\ソx
    EXPECT_EQ(sjis::Find(path, '\\'), 2u);
    EXPECT_EQ(sjis::Find(path, '\\', 3), 5u);
    EXPECT_EQ(sjis::Find(path, '\\', 6), sjis::npos);
    EXPECT_EQ(sjis::FindLast(path, '\\'), 5u);
    EXPECT_EQ(sjis::Find(kHyo, '\\'), sjis::npos);
    EXPECT_EQ(sjis::FindLast(kHyo, '\\'), sjis::npos);

    const std::string caption = S({kPo, "|", kPo});  // submenu ポ, item ポ
    EXPECT_EQ(sjis::Find(caption, '|'), 2u);
    EXPECT_EQ(sjis::FindLast(caption, '|'), 2u);
    EXPECT_EQ(sjis::Find(kPo, '|'), sjis::npos);

    // Characters are found from the start: 95 95 5C is one character and a backslash,
    // 95 95 95 5C two characters.
    EXPECT_EQ(sjis::FindLast("\x95\x95\x5C", '\\'), 2u);
    EXPECT_EQ(sjis::FindLast("\x95\x95\x95\x5C", '\\'), sjis::npos);
    EXPECT_TRUE(sjis::EndsWithBackslash("\x95\x95\x5C"));
    EXPECT_FALSE(sjis::EndsWithBackslash("\x95\x95\x95\x5C"));

    // A trailing lone lead byte neither hides nor invents a match.
    EXPECT_EQ(sjis::Find("a.b\x81", '.'), 1u);
    EXPECT_EQ(sjis::FindLast("a.b\x81", '.'), 1u);
    EXPECT_EQ(sjis::Find("ab\x81", 'x'), sjis::npos);
}

TEST(SjisTest, TextSearchStartsOnlyAtCharacterBoundaries) {
    // 表, a backslash, x, two backslashes: the first pair of 5C bytes straddles 表.
    const std::string title = S({kHyo, "\\", "x\\\\"});
    EXPECT_EQ(sjis::Find(title, "\\\\"), 4u);
    EXPECT_EQ(sjis::Find(title, "\\\\", 5), sjis::npos);
    EXPECT_EQ(sjis::Find("a%b%b", "%b", 2), 3u);
    EXPECT_EQ(sjis::Find("ab", ""), sjis::npos);
}

TEST(SjisTest, SeparatorsAndTrailingBackslash) {
    EXPECT_EQ(sjis::LastSeparator(S({"C:\\Work\\", kHyo})), 7u);
    EXPECT_EQ(sjis::LastSeparator(S({"C:", kHyo})), 1u);
    EXPECT_EQ(sjis::LastSeparator(S({"a\\b:", kSo})), 3u);
    EXPECT_EQ(sjis::LastSeparator(S({kHyo, kSo})), sjis::npos);
    EXPECT_EQ(sjis::LastSeparator(""), sjis::npos);

    EXPECT_TRUE(sjis::EndsWithBackslash("C:\\"));
    EXPECT_TRUE(sjis::EndsWithBackslash("\\"));
    EXPECT_TRUE(sjis::EndsWithBackslash(S({kHyo, "\\"})));
    EXPECT_FALSE(sjis::EndsWithBackslash(S({"C:\\", kHyo})));
    EXPECT_FALSE(sjis::EndsWithBackslash(S({"C:\\", kSo})));
    EXPECT_FALSE(sjis::EndsWithBackslash("C:"));
    EXPECT_FALSE(sjis::EndsWithBackslash(""));
    EXPECT_FALSE(sjis::EndsWithBackslash("a\x95"));
}

TEST(SjisTest, CaseChangesTouchOnlySingleByteLetters) {
    // ヂ (83 61) must not become ア (83 41), nor ア become ヂ.
    EXPECT_EQ(sjis::UpperCase("abc\x83\x61xyz"), "ABC\x83\x61XYZ");
    EXPECT_EQ(sjis::LowerCase("ABC\x83\x41XYZ"), "abc\x83\x41xyz");
    // Full-width letters and half-width kana stay as they are.
    EXPECT_EQ(sjis::UpperCase("ａｂｱ"), "ａｂｱ");
    EXPECT_EQ(sjis::LowerCase("ＡＢｱ"), "ＡＢｱ");
    EXPECT_EQ(sjis::UpperCase("a1-_.[]{}@`"), "A1-_.[]{}@`");
    // A trailing lead byte is kept, and the letter before it still changes.
    EXPECT_EQ(sjis::UpperCase("z\x83"), "Z\x83");
    EXPECT_EQ(sjis::LowerCase("Z\x83"), "z\x83");
}

TEST(SjisTest, PaddingNeverCuts) {
    EXPECT_EQ(sjis::PadLeft("12", 5), "   12");
    EXPECT_EQ(sjis::PadLeft("12345", 5), "12345");
    EXPECT_EQ(sjis::PadLeft("1234567", 5), "1234567");
    EXPECT_EQ(sjis::PadRight(".txt", 6), ".txt  ");
    EXPECT_EQ(sjis::PadRight(".longer", 6), ".longer");
    EXPECT_EQ(sjis::PadRight(S({".", kHyo}), 6), S({".", kHyo, "   "}));
    EXPECT_EQ(sjis::PadLeft("", 3), "   ");
}

}  // namespace
