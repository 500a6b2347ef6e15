#include "app/settings_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/collator.h"

using namespace std::string_literals;
using Lines = std::vector<std::string>;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void Load(std::string_view bytes) { store.LoadFromBytes(bytes); }

    PlainCollator collator;
    TSettings store{collator};
};

TEST_F(SettingsStoreTest, EveryLineEndIsRecognisedAndNulBytesAreKept) {
    Load("a=1\rb=2\nc=3\r\nd=4\n\re=5");
    EXPECT_EQ(store.Lines(), (Lines{"a=1", "b=2", "c=3", "d=4", "", "e=5"}));

    // A final line end does not add an empty line, so load and save keep the line count.
    Load("x=1\r\n");
    EXPECT_EQ(store.Lines(), (Lines{"x=1"}));
    Load("x=1\r\n\r\n");
    EXPECT_EQ(store.Lines(), (Lines{"x=1", ""}));

    // A NUL byte is an ordinary byte: cutting the text there would lose every later setting
    // at the next save.
    const std::string withNul = "a=1\r\nb=2\0c=3\r\nd=4\r\n"s;
    Load(withNul);
    EXPECT_EQ(store.Lines(), (Lines{"a=1", "b=2\0c=3"s, "d=4"}));
    EXPECT_EQ(store.Value("b"), "2\0c=3"s);
    EXPECT_EQ(store.Value("d"), "4");
    EXPECT_EQ(store.SaveToBytes(), withNul);

    Load("");
    EXPECT_TRUE(store.Lines().empty());
    EXPECT_EQ(store.SaveToBytes(), "");

    // Loading replaces what was there.
    Load("a=1");
    Load("b=2");
    EXPECT_EQ(store.Lines(), (Lines{"b=2"}));
}

TEST_F(SettingsStoreTest, LinesWithoutNameKeepTheirPlaceAndNeverMatch) {
    Load("[tabora]\r\n\r\nWidth=800\r\njust words\r\nHeight=600\r\n");
    EXPECT_EQ(store.Lines(), (Lines{"[tabora]", "", "Width=800", "just words", "Height=600"}));
    EXPECT_EQ(store.Value("[tabora]"), "");
    EXPECT_EQ(store.Value("just words"), "");
    store.Set("Height", "700");
    store.Set("Sort", "1");
    EXPECT_EQ(store.Lines(),
              (Lines{"[tabora]", "", "Width=800", "just words", "Height=700", "Sort=1"}));
}

TEST_F(SettingsStoreTest, LookupIsCaseInsensitiveOnTheWholeNameWithoutTrimming) {
    Load("width=800\r\nHeight = 5\r\nFCOLOR=255\r\n");
    EXPECT_EQ(store.Value("Width"), "800");
    EXPECT_EQ(store.Value("WIDTH"), "800");
    EXPECT_EQ(store.Value("FColor"), "255");
    EXPECT_EQ(store.Value("Height"), "");
    EXPECT_EQ(store.Value("Height "), " 5");
    EXPECT_EQ(store.Value("Widt"), "");
    EXPECT_EQ(store.Value("Width8"), "");
    EXPECT_EQ(store.Value("Missing"), "");

    // Letters inside a double-byte character are not letters: ヂ (83 61) is not ア (83 41).
    Load("Ext\x83\x61=one\r\n");
    EXPECT_EQ(store.Value("Ext\x83\x61"), "one");
    EXPECT_EQ(store.Value("EXT\x83\x61"), "one");
    EXPECT_EQ(store.Value("Ext\x83\x41"), "");
}

TEST_F(SettingsStoreTest, ValueIsEverythingAfterTheFirstEqualsSign) {
    Load("Popx=,cmd /c a=b,1\r\nEmpty=\r\n");
    EXPECT_EQ(store.Value("Popx"), ",cmd /c a=b,1");
    EXPECT_EQ(store.Value("Popx=,cmd /c a"), "");
    EXPECT_EQ(store.Value("Empty"), "");
    EXPECT_EQ(TSettings::NameOf("Popx=,cmd /c a=b,1"), "Popx");
    EXPECT_EQ(TSettings::ValueOf("Popx=,cmd /c a=b,1"), ",cmd /c a=b,1");
    EXPECT_TRUE(TSettings::HasName("=x"));
    EXPECT_FALSE(TSettings::HasName("no equals"));

    store.Set("Popy", "a=b=c");
    EXPECT_EQ(store.Lines().back(), "Popy=a=b=c");
    EXPECT_EQ(store.Value("popy"), "a=b=c");
}

TEST_F(SettingsStoreTest, DuplicateKeysUseAndChangeOnlyTheFirst) {
    Load("Width=800\r\nMask=*.txt\r\nWidth=900\r\n");
    EXPECT_EQ(store.Value("Width"), "800");

    store.Set("WIDTH", "1000");  // replaced in place, spelled as given
    EXPECT_EQ(store.Lines(), (Lines{"WIDTH=1000", "Mask=*.txt", "Width=900"}));

    store.Set("width", "");  // deletes the first only; the second now shows through
    EXPECT_EQ(store.Lines(), (Lines{"Mask=*.txt", "Width=900"}));
    EXPECT_EQ(store.Value("Width"), "900");
}

TEST_F(SettingsStoreTest, SetAppendsWhenMissingAndEmptyDeletesNothingWhenMissing) {
    Load("a=1\r\n");
    store.Set("Go1", "Work,C:\\Work");
    EXPECT_EQ(store.Lines(), (Lines{"a=1", "Go1=Work,C:\\Work"}));

    store.Set("Missing", "");
    EXPECT_EQ(store.Lines(), (Lines{"a=1", "Go1=Work,C:\\Work"}));

    store.Set("A", "");
    EXPECT_EQ(store.Lines(), (Lines{"Go1=Work,C:\\Work"}));
}

TEST_F(SettingsStoreTest, FamiliesAreByteExactPrefixesWhileLookupIgnoresCase) {
    Load(
        "exttxt=lower.exe\r\n"
        "Exttxt=upper.exe\r\n"
        "ExtDoc=C:\\Docs\\\r\n"
        "Ex=short\r\n"
        "EXTbmp=caps.exe\r\n"
        "Extra words without equals\r\n"
        "Width=800\r\n");
    EXPECT_FALSE(TSettings::InFamily("exttxt=lower.exe", "Ext"));
    EXPECT_FALSE(TSettings::InFamily("EXTbmp=caps.exe", "Ext"));
    EXPECT_FALSE(TSettings::InFamily("Ex=short", "Ext"));
    EXPECT_TRUE(TSettings::InFamily("Exttxt=upper.exe", "Ext"));
    EXPECT_TRUE(TSettings::InFamily("Go12=a,b", "Go"));
    EXPECT_FALSE(TSettings::InFamily("go12=a,b", "Go"));

    // The lookup takes the first match regardless of case.
    EXPECT_EQ(store.Value("Exttxt"), "lower.exe");

    store.DeleteFamily("Ext");
    EXPECT_EQ(store.Lines(),
              (Lines{"exttxt=lower.exe", "Ex=short", "EXTbmp=caps.exe", "Width=800"}));
    EXPECT_EQ(store.Value("Exttxt"), "lower.exe");
}

TEST_F(SettingsStoreTest, SaveEndsEveryLineWithCrLf) {
    Load("b=2\n\rc=3");
    EXPECT_EQ(store.SaveToBytes(), "b=2\r\n\r\nc=3\r\n");
    store.Set("d", "4");
    EXPECT_EQ(store.SaveToBytes(), "b=2\r\n\r\nc=3\r\nd=4\r\n");
}

TEST_F(SettingsStoreTest, UnknownLinesSurviveLoadAndSaveByteForByte) {
    const std::string longLine = "Pop" + std::string(700, 'x') + "=" + std::string(300, 'y');
    const std::string bytes = "Width=800\r\n" + longLine + "\r\n" +
                              "\xFF\xFD\x80\xA0=\xFE\r\n" +  // bytes that are no Shift-JIS at all
                              "Name=\x95\x5C\r\n" +  // value ends in 表, whose second byte is 0x5C
                              "Trail=abc\x95\r\n" +  // a lone lead byte at the end of the line
                              "\x81\r\n" +           // a line that is nothing but a lead byte
                              "no equals sign here\r\n" + "\r\n" + "  Indented = spaced  \r\n" +
                              "\x83\x7C|\x83\x5C\\=x\r\n";  // ポ, a bar, ソ and a backslash
    Load(bytes);
    EXPECT_EQ(store.Lines().size(), 10u);
    EXPECT_EQ(store.Lines()[1], longLine);
    EXPECT_EQ(store.Value("Trail"), "abc\x95");
    EXPECT_EQ(store.SaveToBytes(), bytes);

    // Changing a known key leaves every other byte alone.
    store.Set("Width", "1024");
    std::string expected = bytes;
    expected.replace(0, 9, "Width=1024");
    EXPECT_EQ(store.SaveToBytes(), expected);
}

TEST_F(SettingsStoreTest, SetNeverWritesALineBreak) {
    Load("Width=800\r\nMaxFiles=200\r\n");
    // A mask set by another program could otherwise put keys ahead of the real ones.
    store.Set("Mask", "*.txt\r\nMaxFiles=abc\nExtexe=evil\r");
    store.Set("Go\n1", "C:\\");
    Load(store.SaveToBytes());
    EXPECT_EQ(store.Lines(), (Lines{"Width=800", "MaxFiles=200",
                                    "Mask=*.txt  MaxFiles=abc Extexe=evil ", "Go 1=C:\\"}));
}

// Counts the collator's work, to see that a lookup does not compare against every line.
class CountingCollator final : public Collator {
public:
    int Compare(std::string_view a, std::string_view b) const override {
        ++calls;
        return plain.Compare(a, b);
    }
    std::string SortKey(std::string_view text) const override {
        ++calls;
        return plain.SortKey(text);
    }
    mutable long calls = 0;
    PlainCollator plain;
};

TEST_F(SettingsStoreTest, NumberedLookupsDoNotScanTheWholeStoreEachTime) {
    CountingCollator counting;
    TSettings numbered{counting};
    const int n = 3000;
    std::string bytes;
    for (int i = 1; i <= n; ++i)
        bytes += "Msk" + std::to_string(i) + "=*." + std::to_string(i) + "\r\n";
    bytes += "msk7=second\r\n";
    numbered.LoadFromBytes(bytes);
    for (int i = 1; i <= n; ++i)
        ASSERT_EQ(numbered.Value("MSK" + std::to_string(i)), "*." + std::to_string(i));
    EXPECT_EQ(numbered.Value("Msk" + std::to_string(n + 1)), "");
    EXPECT_LT(counting.calls, 4L * n);
    numbered.Set("Msk7", "");  // a deletion: the duplicate behind it shows through
    EXPECT_EQ(numbered.Value("Msk7"), "second");
}

TEST_F(SettingsStoreTest, LargeFileLoadsAndRoundTrips) {
    std::string bytes;
    bytes.reserve(5'300'000);
    const std::string filler(40, 'v');
    int n = 0;
    while (bytes.size() < 5'000'000) {
        bytes += "Exttype" + std::to_string(n++) + "=" + filler + "\r\n";
    }
    bytes += "Width=800\r\n";
    Load(bytes);
    EXPECT_EQ(store.Lines().size(), static_cast<std::size_t>(n) + 1);
    EXPECT_EQ(store.Value("width"), "800");
    EXPECT_EQ(store.Value("Exttype" + std::to_string(n - 1)), filler);
    EXPECT_TRUE(store.SaveToBytes() == bytes);
}

}  // namespace
