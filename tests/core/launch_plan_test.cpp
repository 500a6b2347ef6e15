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

}  // namespace
