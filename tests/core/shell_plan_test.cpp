#include "fileops/shell_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

TEST(ShellPlanTest, DoubleNulListEndsEveryNameAndTheList) {
    using namespace std::string_literals;
    EXPECT_EQ(DoubleNulList({"C:\\a.txt", "C:\\表"}), "C:\\a.txt\0C:\\表\0\0"s);
    EXPECT_EQ(DoubleNulList({}), "\0\0"s);
    // An empty name would end the list there and hide the names behind it.
    EXPECT_EQ(DoubleNulList({"a", "", "b"}), "a\0b\0\0"s);
}

TEST(ShellPlanTest, MultiMoveBecomesOneTargetPerSource) {
    ShellPlan move;
    move.Function = ShellFunction::Move;
    // 表 and ソ end in the byte 0x5C: neither is a separator nor a trailing backslash.
    move.Sources = {"C:\\表\\a.txt", "C:\\x\\ソ", "C:\\x\\sub\\", "", "b.txt"};
    move.Destinations = {"D:\\表"};
    move.Flags = kShellSilent;
    ASSERT_TRUE(IsMultiMoveIntoFolder(move));
    ShellPlan each = OneTargetPerSource(move);
    EXPECT_EQ(each.Function, ShellFunction::Move);
    EXPECT_EQ(each.Flags, kShellSilent | kShellMultiDestFiles);
    EXPECT_EQ(each.Sources, (Names{"C:\\表\\a.txt", "C:\\x\\ソ", "C:\\x\\sub\\", "b.txt"}));
    EXPECT_EQ(each.Destinations,
              (Names{"D:\\表\\a.txt", "D:\\表\\ソ", "D:\\表\\sub", "D:\\表\\b.txt"}));
    EXPECT_FALSE(IsMultiMoveIntoFolder(each));

    // A destination with its backslash gets no second one.
    move.Destinations = {"D:\\to\\"};
    EXPECT_EQ(OneTargetPerSource(move).Destinations[0], "D:\\to\\a.txt");
    move.Destinations = {"D:\\"};
    EXPECT_EQ(OneTargetPerSource(move).Destinations[1], "D:\\ソ");

    // Only moves of two or more into one folder need it.
    ShellPlan one = move;
    one.Sources = {"C:\\a.txt"};
    EXPECT_FALSE(IsMultiMoveIntoFolder(one));
    ShellPlan copy = move;
    copy.Function = ShellFunction::Copy;
    EXPECT_FALSE(IsMultiMoveIntoFolder(copy));
}

}  // namespace
