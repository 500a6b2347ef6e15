// The real shell operation and launcher against real temporary folders, in process.
#include <windows.h>

#include <gtest/gtest.h>

#include "win_test_support.h"

namespace {

constexpr unsigned kQuiet = kShellSilent | kShellNoConfirmation | kShellNoErrorUi;

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

ShellPlan Plan(ShellFunction function, std::vector<std::string> sources, std::string to,
               unsigned flags = kQuiet) {
    ShellPlan plan;
    plan.Function = function;
    plan.Sources = std::move(sources);
    plan.Destinations = {std::move(to)};
    plan.Flags = flags;
    return plan;
}

TEST(ShellOpsTest, MovesSeveralFilesIntoAFolderAndCopies) {
    ScratchFolder dir;
    const std::string& p = dir.Path();
    for (const char* name : {"表.txt", "ソ.txt", "c.txt", "d.txt"}) dir.Write(name, name);
    const std::string into = dir.Make("行き先") + "\\";

    // One target per source: the form every shell accepts.
    SystemShellOps each(true);
    ShellResult moved = each.Run(Plan(ShellFunction::Move, {p + "表.txt", p + "ソ.txt"}, into));
    EXPECT_EQ(moved.Code, 0);
    EXPECT_FALSE(moved.Aborted);
    EXPECT_EQ(dir.Read("行き先\\表.txt"), "表.txt");
    EXPECT_EQ(dir.Read("行き先\\ソ.txt"), "ソ.txt");
    EXPECT_FALSE(Exists(p + "表.txt"));

    // The plain form: Wine refuses it and moves nothing, Windows moves both.
    const std::string plainInto = dir.Make("plain");
    ShellResult plain =
        SystemShellOps(false).Run(Plan(ShellFunction::Move, {p + "c.txt", p + "d.txt"}, plainInto));
    if (RunningUnderWine()) {
        EXPECT_NE(plain.Code, 0);
        EXPECT_TRUE(Exists(p + "c.txt"));
    } else {
        EXPECT_EQ(plain.Code, 0);
        EXPECT_TRUE(Exists(plainInto + "\\c.txt"));
    }

    // A copy of two keeps the sources.
    const std::string copyInto = dir.Make("写し");
    ShellResult copied = SystemShellOps().Run(
        Plan(ShellFunction::Copy, {into + "表.txt", into + "ソ.txt"}, copyInto));
    EXPECT_EQ(copied.Code, 0);
    EXPECT_EQ(dir.Read("写し\\表.txt"), "表.txt");
    EXPECT_EQ(dir.Read("写し\\ソ.txt"), "ソ.txt");
    EXPECT_TRUE(Exists(into + "表.txt"));
}

TEST(ShellOpsTest, ACancelledOverwriteIsReportedAsAborted) {
    ScratchFolder dir;
    dir.Write("a.txt", "new");
    dir.Make("to");
    dir.Write("to\\a.txt", "old");
    ShellPromptAnswerer cancel(IDCANCEL);
    ShellResult result = SystemShellOps().Run(
        Plan(ShellFunction::Copy, {dir.Path() + "a.txt"}, dir.Path() + "to", kShellSilent));
    EXPECT_EQ(cancel.Answered(), 1);
    EXPECT_TRUE(result.Aborted);
    EXPECT_EQ(dir.Read("to\\a.txt"), "old");
}

TEST(LauncherTest, FailuresComeBackWithTheSystemsCodes) {
    ScratchFolder dir;
    // A document nothing is associated with, opened without the shell's own error box.
    dir.Write("x.taboraunknown", "x");
    LaunchResult open =
        SystemLauncher().Run(OpenPlan(dir.Path() + "x.taboraunknown", "", dir.Path()));
    EXPECT_FALSE(open.Started);
    EXPECT_EQ(open.Code, 31);
    // Windows says "no association"; Wine says "not a program".
    EXPECT_TRUE(open.LastError == kErrorNoAssociation || open.LastError == 193) << open.LastError;

    // Exec of a missing program: its small result, after it made the folder current.
    const std::string folder = dir.Make("作業");
    ::SetCurrentDirectoryA(dir.Path().c_str());
    LaunchResult exec = SystemLauncher().Run(ExecPlan(folder + "\\no such.exe", folder));
    EXPECT_FALSE(exec.Started);
    EXPECT_LE(exec.Code, 31);
    EXPECT_EQ(CurrentDirectory(), folder);
}

}  // namespace
