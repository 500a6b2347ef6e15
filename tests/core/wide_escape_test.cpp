#include "app/wide_escape.h"

#include <gtest/gtest.h>

#include <string>

#include "fileops/shell_plan.h"

namespace {

TEST(WideEscapeTest, EscapesReadBackUnitByUnit) {
    std::string name;
    for (char16_t unit : {u'\xD55C', u'\xD83D', u'\xDE00'}) wide::AppendEscape(name, unit);
    name += "表.txt";
    EXPECT_EQ(name, "?D55C?D83D?DE00表.txt");
    EXPECT_EQ(wide::EscapeAt(name, 5), u'\xD83D');
    EXPECT_FALSE(wide::EscapeAt("?d55c", 0));  // upper case only: one spelling per unit
    EXPECT_FALSE(wide::HasEscapes("a?.txt"));
}

TEST(WideEscapeTest, OnlyPlansNamingSingleFilesMayReachTheShell) {
    EXPECT_TRUE(wide::NamesOneFile("C:\\?D55C.txt"));
    EXPECT_TRUE(wide::NamesOneFile("\\\\?\\C:\\long\\a.txt"));
    for (const char* pattern : {"C:\\??.txt", "C:\\*.txt", "C:\\a?", "C:\\?D55"})
        EXPECT_FALSE(wide::NamesOneFile(pattern)) << pattern;
    ShellPlan plan = DeletePlan({"C:\\?D55C.txt", "C:\\b.txt"}, false);
    EXPECT_TRUE(NamesOneFileEach(plan));
    plan.Destinations = {"C:\\*"};
    EXPECT_FALSE(NamesOneFileEach(plan));
}

}  // namespace
