#include "commands/launch_plan.h"

#include <gtest/gtest.h>

namespace {

TEST(LaunchPlanTest, ExecQuotesAProgramWithABlank) {
    LaunchPlan spaced = ExecPlan("C:\\Program Files\\x.exe", "C:\\Program Files\\");
    EXPECT_EQ(spaced.Call, LaunchCall::Exec);
    EXPECT_EQ(spaced.Program, "\"C:\\Program Files\\x.exe\"");
    EXPECT_EQ(spaced.Folder, "C:\\Program Files\\");
    EXPECT_EQ(spaced.Show, 5);
    EXPECT_EQ(ExecPlan("C:\\Tools\\x.exe", "C:\\Tools\\").Program, "C:\\Tools\\x.exe");
    EXPECT_EQ(ExecPlan("\"C:\\a b\\x.exe\"", "").Program, "\"C:\\a b\\x.exe\"");
}

TEST(LaunchPlanTest, ShellVerbsAndTheirMasks) {
    LaunchPlan open = OpenPlan("C:\\Tools\\v.exe", "/v \"a b\" ", "C:\\Tools\\");
    EXPECT_EQ(open.Call, LaunchCall::ShellExecute);
    EXPECT_EQ(open.Verb, "open");
    EXPECT_EQ(open.Parameters, "/v \"a b\" ");
    EXPECT_EQ(open.Mask, 0x400u);  // failures come back to us instead of as the shell's box
    EXPECT_EQ(open.Show, 10);

    LaunchPlan properties = PropertiesPlan("C:\\x\\表");
    EXPECT_EQ(properties.Verb, "Properties");
    EXPECT_EQ(properties.Program, "C:\\x\\表");
    EXPECT_EQ(properties.Mask, 0x0Cu);  // the verb comes from the item's own verb list
    EXPECT_EQ(properties.Show, 0);

    LaunchPlan find = FindPlan("C:\\x");
    EXPECT_EQ(find.Verb, "find");
    EXPECT_TRUE(find.Program.empty());
    EXPECT_EQ(find.Folder, "C:\\x");
    EXPECT_EQ(find.Mask, 0x400u);
}

}  // namespace
