#include "listing/icon_index.h"

#include <gtest/gtest.h>

#include <string_view>

#include "app/collator.h"

namespace {

class IconIndexTest : public ::testing::Test {
protected:
    int Index(std::string_view settings, std::string_view name) {
        store.LoadFromBytes(settings);
        return IconIndexForFile(store, name);
    }

    PlainCollator collator;
    TSettings store{collator};
};

TEST_F(IconIndexTest, ExtensionChoosesItsImageWhateverTheCase) {
    EXPECT_EQ(Index("Icotxt=2\r\n", "memo.txt"), 2);
    // The lookup ignores the case of the key, and the name's extension is lowered first.
    EXPECT_EQ(Index("IcoTXT=2\r\n", "memo.txt"), 2);
    EXPECT_EQ(Index("Icotxt=2\r\n", "A.TXT"), 2);
    EXPECT_EQ(Index("Icotxt=0\r\nIcohtml=15\r\n", "index.html"), 15);
    EXPECT_EQ(Index("Icotxt=0\r\n", "memo.txt"), 0);
    // The first of two entries counts.
    EXPECT_EQ(Index("Icotxt=7\r\nIcotxt=3\r\n", "memo.txt"), 7);
}

TEST_F(IconIndexTest, OnlyTheLastExtensionCounts) {
    EXPECT_EQ(Index("Icogz=9\r\nIcotar=8\r\n", "src.tar.gz"), 9);
    EXPECT_EQ(Index("Icogz=9\r\nIcotar=8\r\n", "src.gz.tar"), 8);
    // A leading dot starts the extension like any other.
    EXPECT_EQ(Index("Icoprofile=12\r\n", ".profile"), 12);
    // The second byte of キ is 'L': lowering the extension must leave it alone.
    EXPECT_EQ(Index("Icoキ=4\r\n", "a.キ"), 4);
}

TEST_F(IconIndexTest, FilesWithoutAnImageOfTheirOwnShowThePlainFile) {
    const char* settings = "Icotxt=2\r\nIco=5\r\nIcodoc=\r\n";
    EXPECT_EQ(Index(settings, "Makefile"), kPlainFileImage);
    EXPECT_EQ(Index(settings, "photo.jpg"), kPlainFileImage);
    // An empty value is the same as no entry.
    EXPECT_EQ(Index(settings, "letter.doc"), kPlainFileImage);
    // Extensions are compared whole.
    EXPECT_EQ(Index(settings, "notes.tx"), kPlainFileImage);
    EXPECT_EQ(Index(settings, "notes.txt2"), kPlainFileImage);
}

TEST_F(IconIndexTest, ValuesThatAreNoImageNumberShowThePlainFile) {
    for (const char* value : {"20", "16", "-3", "-1", "x", "2x", " 2", "99999999999"}) {
        EXPECT_EQ(Index(std::string("Icotxt=") + value + "\r\n", "memo.txt"), kPlainFileImage)
            << value;
    }
    EXPECT_EQ(Index("Icotxt=+3\r\n", "memo.txt"), 3);
}

}  // namespace
