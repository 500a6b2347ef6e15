#include "navigation/path_text.h"

#include <gtest/gtest.h>

#include <string>

#include "app/tab_slots.h"

namespace {

struct PathCase {
    const char* path;
    const char* expected;
};

void ExpectParents(std::initializer_list<PathCase> cases) {
    for (const PathCase& c : cases) EXPECT_EQ(ParentPath(c.path), c.expected) << c.path;
}

void ExpectCaptions(std::initializer_list<PathCase> cases) {
    for (const PathCase& c : cases) EXPECT_EQ(TabCaption(c.path), c.expected) << c.path;
}

TEST(PathTextTest, ServerPathsEndAfterTheServerName) {
    EXPECT_TRUE(IsServerPath("\\\\"));
    EXPECT_TRUE(IsServerPath("\\\\server"));
    EXPECT_TRUE(IsServerPath("\\\\server\\"));
    EXPECT_TRUE(IsServerPath("\\\\\\"));
    EXPECT_FALSE(IsServerPath("\\\\server\\share"));
    EXPECT_FALSE(IsServerPath("\\\\server\\share\\"));
    EXPECT_FALSE(IsServerPath("\\\\server\\\\"));
    EXPECT_FALSE(IsServerPath("\\server"));
    EXPECT_FALSE(IsServerPath("C:\\"));
    EXPECT_FALSE(IsServerPath(""));
    EXPECT_FALSE(IsServerPath(kDrivesFolder));
    // Server names whose characters end in 5C: not a backslash.
    EXPECT_TRUE(IsServerPath("\\\\表"));
    EXPECT_TRUE(IsServerPath("\\\\ソフト開発\\"));
    EXPECT_FALSE(IsServerPath("\\\\表\\共有"));
}

TEST(PathTextTest, ParentDropsTheLastName) {
    ExpectParents({
        {"C:\\Windows", "C:\\"},
        {"C:\\Windows\\System", "C:\\Windows"},
        {"C:\\Windows\\System\\", "C:\\Windows"},
        {"C:\\Windows\\\\\\", "C:\\"},
        {"\\\\server\\share", "\\\\server"},
        {"\\\\server\\share\\", "\\\\server"},
        {"\\\\server\\share\\dir", "\\\\server\\share"},
        {"D:\\a\\b\\c", "D:\\a\\b"},
    });
}

TEST(PathTextTest, PathsWithoutParentStayAsTheyAre) {
    ExpectParents({
        {"\\\\server", "\\\\server"},
        {"\\\\server\\", "\\\\server\\"},
        {"C:", "C:"},
        {"C:\\", "C:\\"},
        {"A\\B", "A\\B"},
        {"name", "name"},
        {"", ""},
        {kDrivesFolder, kDrivesFolder},
    });
}

TEST(PathTextTest, ParentOfShiftJisNames) {
    ExpectParents({
        // 表 (95 5C), ソ (83 5C) and 能 (94 5C) end in a backslash byte; ポ (83 7C) in '|'.
        {"C:\\表", "C:\\"},
        {"C:\\表\\", "C:\\"},
        {"C:\\a\\表x", "C:\\a"},
        {"C:\\a\\表表", "C:\\a"},
        {"C:\\ソフト\\sub", "C:\\ソフト"},
        {"C:\\ソフト\\能力\\", "C:\\ソフト"},
        {"C:\\ポ\\x", "C:\\ポ"},
        {"C:\\a|b\\c", "C:\\a|b"},
        // Half-width katakana are single-byte characters: nothing more is dropped.
        {"C:\\a\\ｶ\\", "C:\\a"},
        {"C:\\a\\ｶ", "C:\\a"},
        {"C:\\ｶ\\", "C:\\"},
        {"C:\\a\\bｶ\\", "C:\\a"},
        {"C:\\ﾃﾞｰﾀ\\ｶﾅ\\", "C:\\ﾃﾞｰﾀ"},
    });
}

TEST(PathTextTest, TabCaptionIsTheLastName) {
    ExpectCaptions({
        {"C:\\Windows\\System", "System"},
        {"C:\\Windows\\System\\", "System"},
        {"C:\\Windows\\\\", "Windows"},
        {"\\\\server", "server"},
        {"\\\\server\\", "server"},
        {"\\\\server\\share", "share"},
        {"C:\\", "C:\\"},
        {"C:\\\\\\", "C:\\"},
        {"C:", "C:"},
        {"", ""},
        {kDrivesFolder, "ﾄﾞﾗｲﾌﾞ"},
        {"C:\\表", "表"},
        {"C:\\表\\", "表"},
        {"C:\\ソフト", "ソフト"},
        {"C:\\data\\能\\", "能"},
        {"C:\\a\\ｶ\\", "ｶ"},
        {"表", "表"},
    });
}

TEST(PathTextTest, ManyTrailingBackslashesAreDroppedInOneWalk) {
    // Enough that dropping them one search at a time would not finish within the test's time.
    const std::string path = "C:\\\x95\x5C" + std::string(1 << 20, '\\');  // C:\表\\\...
    EXPECT_EQ(TabCaption(path), "\x95\x5C");
    EXPECT_EQ(ParentPath(path), "C:\\");
}

TEST(PathTextTest, LongSearchPatternsTakeTheLongForm) {
    const std::string name(255, 'a');
    EXPECT_EQ(FolderSearchPattern("C:\\Windows\\"), "C:\\Windows\\*.*");
    EXPECT_EQ(FolderSearchPattern("Y:\\" + std::string(252, 'a') + "\\"),  // 259 characters
              "Y:\\" + std::string(252, 'a') + "\\*.*");
    EXPECT_EQ(FolderSearchPattern("Y:\\" + name + "\\"), "\\\\?\\Y:\\" + name + "\\*.*");
    EXPECT_EQ(FolderSearchPattern("\\\\srv\\share\\" + name + "\\"),
              "\\\\?\\UNC\\srv\\share\\" + name + "\\*.*");
    EXPECT_EQ(FolderSearchPattern("\\\\?\\Y:\\" + name + "\\"), "\\\\?\\Y:\\" + name + "\\*.*");
    EXPECT_EQ(FolderSearchPattern(name + "\\"), name + "\\*.*");  // relative: as it is
}

TEST(PathTextTest, AbsolutePathsStartWithDriveOrServer) {
    EXPECT_TRUE(IsAbsolutePath("C:\\"));
    EXPECT_TRUE(IsAbsolutePath("c:\\work"));
    EXPECT_TRUE(IsAbsolutePath("Z:\\tmp\\a"));
    EXPECT_TRUE(IsAbsolutePath("\\\\server"));
    EXPECT_TRUE(IsAbsolutePath("\\\\server\\share"));
    EXPECT_FALSE(IsAbsolutePath("C:"));
    EXPECT_FALSE(IsAbsolutePath("C:work"));
    EXPECT_FALSE(IsAbsolutePath("\\work"));
    EXPECT_FALSE(IsAbsolutePath("."));
    EXPECT_FALSE(IsAbsolutePath("sub\\dir"));
    EXPECT_FALSE(IsAbsolutePath("1:\\"));
    EXPECT_FALSE(IsAbsolutePath(""));
    EXPECT_FALSE(IsAbsolutePath("表:\\"));
}

TEST(PathTextTest, SameFolderFoldsCaseStepsAndTheTrailingBackslash) {
    EXPECT_TRUE(SameFolder("C:\\a\\.\\b\\..\\Dir\\", "c:/A/dir"));
    EXPECT_TRUE(SameFolder("\\\\srv\\share\\..\\..\\share", "\\\\SRV\\Share"));
    EXPECT_FALSE(SameFolder("C:\\a\\b", "C:\\b"));
    EXPECT_FALSE(SameFolder("C:\\ソ", "C:\\ゾ"));  // only single-byte letters fold
}

}  // namespace
