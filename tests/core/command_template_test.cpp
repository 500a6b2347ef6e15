#include "commands/command_template.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CommandContext Context(std::string currentFolder = "C:\\W\\", std::string selected = "") {
    return {"C:\\Tools\\tabora\\", std::move(currentFolder), "C:\\Desk\\", std::move(selected)};
}

// The launch in one line: the call, the program, [the parameters] and the working folder.
std::string Launch(std::string_view tmpl, std::string_view args,
                   const CommandContext& context = Context()) {
    const LaunchPlan plan = ExpandCommand(tmpl, args, context).Plan;
    return (plan.Call == LaunchCall::Exec ? "exec " : "open ") + plan.Program + " [" +
           plan.Parameters + "] in " + plan.Folder;
}

std::string Params(std::string_view tmpl, std::string folder, std::string selected = "") {
    return ExpandCommand(tmpl, "", Context(std::move(folder), std::move(selected))).Plan.Parameters;
}

TEST(CommandTemplateTest, ReplaceMacroProgramsQuotingAndNames) {
    std::string text = "x %file y %file";
    EXPECT_TRUE(ReplaceMacro(text, "%file", "C:\\%file"));
    EXPECT_EQ(text, "x C:\\%file y C:\\%file");
    // After a lead byte the "%" is the second byte of a character.
    std::string hidden = "\x81%file";
    EXPECT_FALSE(ReplaceMacro(hidden, "%file", "y"));

    EXPECT_TRUE(IsProgramFile("C:\\Tools\\View.EXE /v"));
    EXPECT_TRUE(IsProgramFile("ed.LNK"));
    EXPECT_TRUE(IsProgramFile("command.com"));
    EXPECT_FALSE(IsProgramFile("C:\\Tools\\run.bat %file"));

    EXPECT_EQ(QuoteIfSpaced("C:\\a b"), "\"C:\\a b\"");
    EXPECT_EQ(QuoteIfSpaced("C:\\ab"), "C:\\ab");
    EXPECT_EQ(QuoteIfSpaced("C:\\a \"b\""), "C:\\a \"b\"");
}

TEST(CommandTemplateTest, SplitAtExeChoosesTheCallAndWorkingFolder) {
    CommandLaunch view = ExpandCommand("C:\\Tools\\View.EXE /v %file", "\"C:\\a b\"", Context());
    EXPECT_EQ(view.Plan.Verb, "open");
    EXPECT_EQ(view.Plan.Mask, kLaunchNoUi);
    EXPECT_EQ(view.Plan.Show, kShowDefault);
    EXPECT_EQ(Launch("C:\\Tools\\View.EXE /v %file", "\"C:\\a b\""),
              "open C:\\Tools\\View.EXE [/v \"C:\\a b\" ] in C:\\Tools\\");
    EXPECT_EQ(Launch("C:\\Tools\\View.exe", "C:\\a"),
              "open C:\\Tools\\View.exe [C:\\a] in C:\\Tools\\");
    EXPECT_EQ(Launch("C:\\Tools\\View.exe", ""), "exec C:\\Tools\\View.exe [] in C:\\Tools\\");
    EXPECT_EQ(ExpandCommand("C:\\Tools\\View.exe", "", Context()).Plan.Show, kShowShow);
    EXPECT_EQ(Launch("notepad.exe %nofiles", "C:\\a"), "open notepad.exe [ ] in ");
    // No ".exe ": handed over whole, macros and all.
    EXPECT_EQ(Launch("C:\\T\\run.bat %file", "C:\\a"),
              "open C:\\T\\run.bat %file [C:\\a] in C:\\T\\");
    // %appdir comes first, so the program part it builds is split.
    EXPECT_EQ(Launch("%appdirx.exe %file", "a"),
              "open C:\\Tools\\tabora\\x.exe [a ] in C:\\Tools\\tabora\\");
    // Texts of any length go through whole.
    const std::string longPath = "C:\\" + std::string(2000, 'a');
    EXPECT_EQ(Launch("x.exe %file", longPath), "open x.exe [" + longPath + " ] in ");
}

TEST(CommandTemplateTest, QuotedProgramIsReadWithoutItsQuotes) {
    EXPECT_EQ(Launch("\"C:\\Program Files\\ed.exe\" -n %file", "C:\\a"),
              "open C:\\Program Files\\ed.exe [-n C:\\a ] in C:\\Program Files\\");
    // Alone it is a command line, quoted again so the blank does not end the program.
    EXPECT_EQ(Launch("\"C:\\Program Files\\ed.exe\"", ""),
              "exec \"C:\\Program Files\\ed.exe\" [] in C:\\Program Files\\");
    EXPECT_EQ(Launch("\"C:\\a.exe b\\x.exe\" %file", "f"),
              "open C:\\a.exe b\\x.exe [f ] in C:\\a.exe b\\");
    // Only a program is unquoted: a quoted document stays whole.
    EXPECT_EQ(Launch("\"C:\\a b\\run.bat\" %file", "f"),
              "open \"C:\\a b\\run.bat\" %file [f] in \"C:\\a b\\");
}

TEST(CommandTemplateTest, FolderMacrosQuotesAndTheDriveList) {
    EXPECT_EQ(Params("x.exe %path %dir", "C:\\W\\"), "\"C:\\W\\\" \"C:\\W\" ");
    EXPECT_EQ(Params("x.exe %path %dir", "C:\\"), "\"C:\\\" \"C:\\\" ");
    // "%noquote" counts wherever it is written.
    EXPECT_EQ(Params("x.exe %path %dir %noquote", "C:\\"), "C:\\ C:\\  ");
    EXPECT_EQ(Params("x.exe %path %dir", ""), "\"\" \"\" ");
    // 表 ends in the backslash byte: only a real backslash is dropped.
    EXPECT_EQ(Params("x.exe %dir", "C:\\\x95\x5C\\"), "\"C:\\\x95\x5C\" ");
    EXPECT_EQ(Params("x.exe %dir", "C:\\a\x95\x5C"), "\"C:\\a\x95\x5C\" ");
}

TEST(CommandTemplateTest, FileNoFilesAndInsertedTextIsNeverExpandedAgain) {
    EXPECT_EQ(Launch("x.exe %file %nofiles", "a"), "open x.exe [a  ] in ");
    // A file name holding macros is inserted once and nothing is appended.
    EXPECT_EQ(Launch("x.exe %file", "\"C:\\%file %name\""),
              "open x.exe [\"C:\\%file %name\" ] in ");
    // Nor is a folder name: the argument still goes at the end, and nothing is refreshed.
    CommandLaunch folder = ExpandCommand("x.exe %path", "a", Context("C:\\%file\\%refresh\\"));
    EXPECT_EQ(folder.Plan.Parameters, "\"C:\\%file\\%refresh\\\" a");
    EXPECT_FALSE(folder.Refresh);
}

TEST(CommandTemplateTest, NameRefreshAndFoldersToOpenLater) {
    EXPECT_EQ(Params("x.exe e %name", "C:\\W\\", "archive.tar.gz"), "e archive ");
    EXPECT_EQ(Params("x.exe e %name", "C:\\W\\", ".profile"), "e .profile ");
    EXPECT_EQ(Params("x.exe e %name", "C:\\W\\", ""), "e  ");

    CommandLaunch plain = ExpandCommand("x.exe %file", "", Context("C:\\W\\", "a.zip"));
    EXPECT_FALSE(plain.Refresh || plain.OpenDir);
    CommandLaunch unpack =
        ExpandCommand("u.exe %refresh%opendir x", "", Context("C:\\W\\", "a.zip"));
    EXPECT_TRUE(unpack.Refresh && unpack.OpenDir && !unpack.OpenDirOnDesktop);
    EXPECT_EQ(unpack.OpenDirPath, "C:\\W\\a");
    EXPECT_EQ(unpack.Plan.Parameters, " x ");
    // With both, the desktop folder is the one opened.
    CommandLaunch desk =
        ExpandCommand("u.exe %opendeskdir %opendir", "", Context("C:\\W\\", "a.zip"));
    EXPECT_TRUE(desk.OpenDirOnDesktop);
    EXPECT_EQ(desk.OpenDirPath, "C:\\Desk\\a");
}

TEST(CommandTemplateTest, FailuresRetryThroughDefaultAppOnceThenReport) {
    const LaunchResult noAssociation{false, 31, 1155};
    const LaunchResult wineNoAssociation{false, 31, 193};
    CommandLaunch document = ExpandCommand("C:\\My Docs\\a.xyz", "", Context());
    EXPECT_EQ(AfterLaunch(document, {true, 42, 0}), LaunchOutcome::Done);
    EXPECT_EQ(AfterLaunch(document, noAssociation), LaunchOutcome::RetryWithDefaultApp);
    EXPECT_EQ(AfterLaunch(document, wineNoAssociation), LaunchOutcome::RetryWithDefaultApp);
    EXPECT_EQ(AfterLaunch(document, {false, 2, 2}), LaunchOutcome::ShowError);
    // With arguments to pass there is no retry; a command line that did not start is reported.
    EXPECT_EQ(AfterLaunch(ExpandCommand("C:\\V.exe", "a.xyz", Context()), noAssociation),
              LaunchOutcome::ShowError);
    EXPECT_EQ(AfterLaunch(ExpandCommand("C:\\V.exe", "", Context()), {false, 2, 0}),
              LaunchOutcome::ShowError);

    // The failed path goes to the editor unquoted, followed by a blank.
    std::optional<CommandLaunch> editor =
        DefaultAppLaunch("C:\\Ed\\ed.exe %file", document, Context());
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->Plan.Parameters, "C:\\My Docs\\a.xyz ");
    // A DefaultApp that is itself a document is not retried again.
    std::optional<CommandLaunch> other =
        DefaultAppLaunch("C:\\b.xyz", ExpandCommand("", "", Context()), Context());
    ASSERT_TRUE(other);
    EXPECT_EQ(AfterLaunch(*other, noAssociation), LaunchOutcome::ShowError);
    // No DefaultApp: the document's own failure is reported, under its path.
    EXPECT_FALSE(DefaultAppLaunch("", document, Context()));
    EXPECT_EQ(document.ProgramText, "C:\\My Docs\\a.xyz");
}

}  // namespace
