#include "fileops/file_ops.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

TEST(FileOpsTest, SourceTextSplitsOnlyAtSingleByteBars) {
    // ポ is 0x83 0x7C and ソ 0x83 0x5C: their second bytes are no separators.
    EXPECT_EQ(SplitSourceText("C:\\ポ\\a.txt|C:\\ソ.txt|"), (Names{"C:\\ポ\\a.txt", "C:\\ソ.txt"}));
    EXPECT_EQ(SplitSourceText("C:\\ポ"), (Names{"C:\\ポ"}));
    EXPECT_EQ(SplitSourceText("a||b"), (Names{"a", "b"}));
    EXPECT_EQ(SplitSourceText(""), Names{});
    // Paths far beyond the old fixed work buffers come through whole.
    const std::string longPath = "C:\\" + std::string(700, 'x') + "ポ";
    EXPECT_EQ(SplitSourceText(longPath + "|" + longPath), (Names{longPath, longPath}));
}

TEST(FileOpsTest, PastePlanMakesOneCallForTheFilesThenOnePerFolder) {
    const Names clip = {"1C:\\src\\a.txt", "0C:\\src\\dir1", "1C:\\src\\ポ.txt", "0C:\\src\\dir2",
                        "1C:\\src\\c.txt"};
    std::optional<PastePlan> plan = MakePastePlan(clip, "D:\\to\\", true);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->SourceFolder, "C:\\src\\");
    EXPECT_EQ(plan->Names, (Names{"a.txt", "dir1", "ポ.txt", "dir2", "c.txt"}));
    ASSERT_EQ(plan->Calls.size(), 3u);
    EXPECT_EQ(plan->Calls[0].Function, ShellFunction::Move);
    EXPECT_EQ(plan->Calls[0].Sources,
              (Names{"C:\\src\\a.txt", "C:\\src\\ポ.txt", "C:\\src\\c.txt"}));
    EXPECT_EQ(plan->Calls[0].Destinations, (Names{"D:\\to\\"}));
    EXPECT_EQ(plan->Calls[0].Flags, 0u);
    EXPECT_EQ(plan->Calls[1].Sources, (Names{"C:\\src\\dir1"}));
    EXPECT_EQ(plan->Calls[2].Sources, (Names{"C:\\src\\dir2"}));

    std::optional<PastePlan> copy = MakePastePlan({"0C:\\表\\dir"}, "D:\\", false);
    ASSERT_TRUE(copy);
    ASSERT_EQ(copy->Calls.size(), 1u);
    EXPECT_EQ(copy->Calls[0].Function, ShellFunction::Copy);
    // 表 ends in 0x5C: the source folder is cut at the real separator.
    EXPECT_EQ(copy->SourceFolder, "C:\\表\\");

    // Nothing on the clip, or pasting where the files came from: nothing to do.
    EXPECT_FALSE(MakePastePlan({}, "D:\\", false));
    EXPECT_FALSE(MakePastePlan({"1D:\\a.txt"}, "D:\\", false));
    // Each entry by its own folder: the file already there is left out, the other pasted.
    std::optional<PastePlan> mixed =
        MakePastePlan({"1d:\\TO\\.\\A.TXT", "1E:\\c.txt"}, "D:\\x\\..\\to\\", false);
    ASSERT_TRUE(mixed);
    EXPECT_EQ(mixed->Paths, Names{"E:\\c.txt"});
    EXPECT_EQ(mixed->Calls[0].Sources, Names{"E:\\c.txt"});
}

TEST(FileOpsTest, DuplicateNamesSkipEveryTakenName) {
    std::set<std::string> taken;
    auto isTaken = [&](const std::string& name) { return taken.count(name) > 0; };
    EXPECT_EQ(DuplicateName("a.txt", isTaken), "コピー a.txt");
    taken = {"コピー a.txt", "コピー(1) a.txt"};
    EXPECT_EQ(DuplicateName("a.txt", isTaken), "コピー(2) a.txt");
}

TEST(FileOpsTest, RenameRefusesEmptyUnchangedAndImpossibleNames) {
    // A character outside the code page, kept as its escape, belongs to the name.
    EXPECT_TRUE(IsAcceptableNewName("a.txt", "?D55C.txt"));
    EXPECT_FALSE(IsAcceptableNewName("a.txt", "?D55.txt"));
    EXPECT_TRUE(IsAcceptableNewName("a.txt", "b.txt"));
    EXPECT_TRUE(IsAcceptableNewName("a.txt", "ソ表ポ.txt"));  // trail bytes 0x5C and 0x7C
    EXPECT_FALSE(IsAcceptableNewName("a.txt", "a.txt"));
    EXPECT_FALSE(IsAcceptableNewName("a.txt", ""));
    for (const char* bad : {"x\\y", "x?", "x*", "x:y", "x/y", "x|y", "x\"", "x<", "x>"})
        EXPECT_FALSE(IsAcceptableNewName("a.txt", bad)) << bad;
}

TEST(FileOpsTest, ClipboardLinesJoinWithCrLfAndAddTheFolder) {
    EXPECT_EQ(ClipboardLines({"a.txt", "b.txt"}), "a.txt\r\nb.txt");
    EXPECT_EQ(ClipboardLines({"a.txt", "b.txt"}, "C:\\w"), "C:\\w\\a.txt\r\nC:\\w\\b.txt");
    EXPECT_EQ(ClipboardLines({"a.txt"}, "C:\\"), "C:\\a.txt");
    EXPECT_EQ(ClipboardLines({"a.txt"}, "C:\\表"), "C:\\表\\a.txt");
    EXPECT_EQ(ClipboardLines({}), "");
}

}  // namespace
