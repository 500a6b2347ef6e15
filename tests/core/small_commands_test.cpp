#include "commands/small_commands.h"

#include <gtest/gtest.h>

namespace {

TEST(SmallCommandsTest, HelpFindUpdateAndAboutTexts) {
    EXPECT_EQ(HelpFilePath("C:\\Tools\\tabora.ini"), "C:\\Tools\\readme.txt");
    EXPECT_EQ(FindStartFolder("C:\\W\\", "sub"), "C:\\W\\sub");
    EXPECT_EQ(UpdateCommandText("C:\\New\\", "C:\\Tools\\tabora.exe"),
              "cmd /c copy \"C:\\New\\tabora.exe\" \"C:\\Tools\\tabora.exe\" & pause");
    // In the drive list the copy names tabora.exe without a folder.
    EXPECT_EQ(UpdateCommandText("", "C:\\T\\tabora.exe"),
              "cmd /c copy \"tabora.exe\" \"C:\\T\\tabora.exe\" & pause");

    EXPECT_EQ(BuildDateText("Dec  8 2026"), "2026/12/08");
    EXPECT_EQ(BuildDateText("Oct 31 2030"), "2030/10/31");
    EXPECT_EQ(BuildDateText("Foo  8 2026"), "Foo  8 2026");
    EXPECT_EQ(AboutText("1.0.0", "2026/12/08"), "tabora\nﾊﾞｰｼﾞｮﾝ 1.0.0\nﾋﾞﾙﾄﾞ日 2026/12/08");
}

}  // namespace
