// Writing the settings file: all or nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/settings_file_win.h"
#include "app/settings_keys.h"
#include "app/settings_store.h"
#include "platform/collator_win.h"
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

namespace {
// Runs the stopping writer beside this test program; its exit code.
DWORD RunStoppedWriter(const std::string& settings, const std::string& newBytes,
                       const char* point) {
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string exe(self);
    exe = exe.substr(0, exe.find_last_of('\\') + 1) + "tabora_save_writer.exe";
    std::string command = "\"" + exe + "\" \"" + settings + "\" \"" + newBytes + "\" " + point;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &si, &pi))
        return ~0u;
    ::WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = ~0u;
    ::GetExitCodeProcess(pi.hProcess, &code);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return code;
}
}  // namespace

TEST(SettingsFile, SaveStoppedAtAnyPointLeavesTheWholeOldOrNewFileAndTheNextSaveWorks) {
    // Large enough to be written in many pieces, with a line that differs at the very end.
    std::string body;
    for (int i = 0; i < 3000; ++i) body += "Ext" + std::to_string(i) + "=c:\\tools\\viewer.exe\r\n";
    const std::string oldBytes = ValidSettings() + body + "Go1=old,C:\\old\\\r\n";
    const std::string newBytes = ValidSettings() + body + "Go1=new,C:\\new\\\r\n";
    const struct {
        const char* Point;
        bool NewExpected;
    } points[] = {{"created", false}, {"half", false}, {"before", false}, {"after", true}};
    for (const auto& p : points) {
        SCOPED_TRACE(p.Point);
        ScratchFolder dir;
        dir.Write("tabora.ini", oldBytes);
        dir.Write("new.bin", newBytes);
        const std::string path = dir.Path() + "tabora.ini";
        ASSERT_EQ(RunStoppedWriter(path, dir.Path() + "new.bin", p.Point), 9u);
        if (std::string(p.Point) == "half") {
            // Stopped for real in the middle: the temporary file holds a part of the bytes.
            std::size_t part = dir.Read("tabora.ini.tmp").size();
            EXPECT_GT(part, 0u);
            EXPECT_LT(part, newBytes.size());
        }
        std::optional<std::string> left = ReadFileBytes(path);
        ASSERT_TRUE(left.has_value());
        EXPECT_EQ(*left, p.NewExpected ? newBytes : oldBytes);
        // The program starts on what is there.
        WinCollator collator;
        TSettings store(collator);
        store.LoadFromBytes(*left);
        EXPECT_TRUE(ReadStartSettings(store).has_value());
        // A temporary file the stopped writer left behind does not stop the next save.
        const std::string third = ValidSettings() + "Go1=third,C:\\third\\\r\n";
        EXPECT_EQ(WriteFileAtomically(path, third), 0u);
        EXPECT_EQ(dir.Read("tabora.ini"), third);
        EXPECT_EQ(dir.Read("tabora.ini.tmp"), "<missing>");
    }
}
