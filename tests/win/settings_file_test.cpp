// Writing the settings file: all or nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/settings_file_win.h"
#include "win_test_support.h"

TEST(SettingsFile, AtomicWriteReplacesWholeFileAndLeavesNoTemporary) {
    ScratchFolder dir;
    dir.Write("s.ini", std::string(100000, 'o'));
    std::string bytes("A=1\r\n\0B=2\r\n", 11);
    EXPECT_EQ(WriteFileAtomically(dir.Path() + "s.ini", bytes), 0u);
    EXPECT_EQ(dir.Read("s.ini"), bytes);
    EXPECT_EQ(dir.Read("s.ini.tmp"), "<missing>");
    EXPECT_EQ(ReadFileBytes(dir.Path() + "s.ini"), bytes);
    EXPECT_FALSE(ReadFileBytes(dir.Path() + "none.ini").has_value());
}

TEST(SettingsFile, FailedWritesReportAnErrorAndKeepTheOldFile) {
    ScratchFolder dir;
    dir.Write("s.ini", "old\r\n");
    std::string path = dir.Path() + "s.ini";
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_NE(WriteFileAtomically(path, "new\r\n"), 0u);
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(dir.Read("s.ini"), "old\r\n");
    EXPECT_EQ(dir.Read("s.ini.tmp"), "<missing>");
    unsigned long error = WriteFileAtomically(dir.Path() + "no\\such\\s.ini", "x");
    EXPECT_NE(error, 0u);
    EXPECT_FALSE(SystemErrorText(error).empty());
}
