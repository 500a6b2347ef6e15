#include "fileops/drop_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fileops/drag_start.h"

using namespace std::string_literals;
using Names = std::vector<std::string>;

namespace {

// Header as it appears in memory: offset, x, y, non-client flag, little-endian 32 bits each.
const std::string kHeader =
    "\x10\0\0\0"
    "\0\0\0\0"
    "\0\0\0\0"
    "\x01\0\0\0"s;

std::string Le32(std::uint32_t v) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
    return bytes;
}

TEST(DropBlockTest, NewBlockIsTheHeaderAndTheEndOfAnEmptyList) {
    const std::string block = NewDropBlock();
    ASSERT_EQ(kHeader.size(), kDropHeaderSize);
    EXPECT_EQ(block, kHeader + "\0"s);
    EXPECT_EQ(block.size(), 17u);
    EXPECT_EQ(ParseDropBlock(block), Names{});
}

TEST(DropBlockTest, PathsAreAddedInOrderBeforeTheFinalNul) {
    std::string block = NewDropBlock();
    ASSERT_TRUE(AddDropFile(block, "C:\\a.txt"));
    EXPECT_EQ(block, kHeader + "C:\\a.txt\0\0"s);
    ASSERT_TRUE(AddDropFile(block, "D:\\Work"));
    ASSERT_TRUE(AddDropFile(block, "C:\\\x95\x5C\\\x83\x7C.doc"));  // C:\表\ポ.doc
    EXPECT_EQ(block, kHeader + "C:\\a.txt\0D:\\Work\0C:\\\x95\x5C\\\x83\x7C.doc\0\0"s);
    EXPECT_EQ(ParseDropBlock(block),
              (Names{"C:\\a.txt", "D:\\Work", "C:\\\x95\x5C\\\x83\x7C.doc"}));
}

TEST(DropBlockTest, EmptyPathsAreLeftOutSoTheRestStillArrive) {
    std::string block = NewDropBlock();
    ASSERT_TRUE(AddDropFile(block, "A"));
    ASSERT_TRUE(AddDropFile(block, ""));
    ASSERT_TRUE(AddDropFile(block, "B"));
    EXPECT_EQ(ParseDropBlock(block), (Names{"A", "B"}));
}

TEST(DropBlockTest, SystemDropListMustEndInsideItsBlock) {
    const std::string header = "\x14\0\0\0"s + std::string(12, '\0');
    const std::string ansi = header + "\0\0\0\0"s;
    const std::string wide = header + "\1\0\0\0"s;
    EXPECT_TRUE(DropListInside(ansi + "C:\\a\0b\0\0"s));
    EXPECT_FALSE(DropListInside(ansi + "C:\\a\0b\0"s));
    EXPECT_TRUE(DropListInside(wide + "a\0\0\0\0\0"s));
    EXPECT_FALSE(DropListInside(wide + "a\0\0\0\0"s));  // the last wide zero is cut
    EXPECT_FALSE(DropListInside("\xFF\xFF\xFF\xFF"s + std::string(60, '\0')));
}

TEST(DropBlockTest, BlockStaysBelow64KiB) {
    std::string block = NewDropBlock();
    // 17 + 65518 + 1 would be 65,536 bytes: refused, nothing changes.
    EXPECT_FALSE(AddDropFile(block, std::string(65518, 'a')));
    EXPECT_EQ(block, NewDropBlock());

    // One byte shorter fits exactly: 65,535 bytes, and then nothing more does.
    ASSERT_TRUE(AddDropFile(block, std::string(65517, 'a')));
    EXPECT_EQ(block.size(), 65535u);
    const std::string full = block;
    EXPECT_FALSE(AddDropFile(block, "x"));
    EXPECT_EQ(block, full);
    const auto names = ParseDropBlock(block);
    ASSERT_TRUE(names.has_value());
    ASSERT_EQ(names->size(), 1u);
    EXPECT_EQ((*names)[0].size(), 65517u);

    // Many small paths stop at the same limit.
    block = NewDropBlock();
    int added = 0;
    while (AddDropFile(block, std::string(99, 'p'))) ++added;
    EXPECT_EQ(added, (65535 - 17) / 100);
    EXPECT_LT(block.size(), kDropBlockLimit);
    EXPECT_EQ(ParseDropBlock(block)->size(), static_cast<std::size_t>(added));
}

TEST(DropBlockTest, MalformedBlocksFromOutsideAreRejected) {
    const std::string good = kHeader + "C:\\a\0\0"s;
    ASSERT_TRUE(ParseDropBlock(good).has_value());

    EXPECT_FALSE(ParseDropBlock("").has_value());
    EXPECT_FALSE(ParseDropBlock(kHeader.substr(0, 15)).has_value());
    EXPECT_FALSE(ParseDropBlock(kHeader).has_value());  // no room for the final NUL

    const std::string tail = "C:\\a\0\0"s;
    const std::string rest = kHeader.substr(4);
    EXPECT_FALSE(ParseDropBlock(Le32(12) + rest + tail).has_value());
    EXPECT_FALSE(ParseDropBlock(Le32(0) + rest + tail).has_value());
    EXPECT_FALSE(ParseDropBlock(Le32(1000) + rest + tail).has_value());
    EXPECT_FALSE(ParseDropBlock(Le32(0xFFFFFFF0u) + rest + tail).has_value());
    EXPECT_FALSE(ParseDropBlock(Le32(22) + rest + tail).has_value());  // offset == size

    EXPECT_FALSE(ParseDropBlock(kHeader + "C:\\a"s).has_value());    // name never ends
    EXPECT_FALSE(ParseDropBlock(kHeader + "C:\\a\0"s).has_value());  // list never ends
    EXPECT_FALSE(ParseDropBlock(kHeader + "C:\\a\0D:\\b"s).has_value());

    // The 20-byte header of an OLE drag: read when ANSI, refused when wide.
    const std::string ole = Le32(20) + Le32(0) + Le32(0) + Le32(0);
    EXPECT_EQ(ParseDropBlock(ole + Le32(0) + "C:\\a\0\0"s), (Names{"C:\\a"}));
    EXPECT_FALSE(ParseDropBlock(ole + Le32(1) + "C\0:\0\\\0a\0\0\0\0\0"s).has_value());
}

}  // namespace

namespace {
const std::string kOleHeader = "\x14\0\0\0"s + std::string(12, '\0');

TEST(DropFileMemTest, AnsiAndWideLayoutsByteForByte) {
    EXPECT_EQ(AnsiDropFileMem({}), kOleHeader + Le32(0) + "\0"s);
    EXPECT_EQ(AnsiDropFileMem({"C:\\a", "C:\\\x95\x5C"}),
              kOleHeader + Le32(0) + "C:\\a\0C:\\\x95\x5C\0\0"s);
    // 表 is U+8868; the two paths in order, each ended, then the list's end.
    EXPECT_EQ(WideDropFileMem({u"C:\\a", u"\u8868"}),
              kOleHeader + Le32(1) + "C\0:\0\\\0a\0\0\0\x68\x88\0\0\0\0"s);
}
}  // namespace

namespace {
TEST(DragMoveCounterTest, FourthMoveWithAButtonStartsOnePerPress) {
    DragMoveCounter moves;
    std::vector<bool> starts;
    for (bool held : {true, true, true, true, true, true, false, true, true, true, true})
        starts.push_back(moves.Move(held));
    EXPECT_EQ(starts, (std::vector<bool>{false, false, false, true, false, false, false, false,
                                         false, false, true}));
}
}  // namespace
