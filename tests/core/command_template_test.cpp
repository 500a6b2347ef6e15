#include "commands/command_template.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CommandContext Context(std::string currentFolder = "C:\\Work\\", std::string selected = "") {
    return {"C:\\Tools\\tabora\\", std::move(currentFolder), "C:\\Users\\me\\Desktop\\",
            std::move(selected)};
}

TEST(CommandTemplateTest, ReplaceMacroInsertsEachReplacementOnceAndIsMultibyteAware) {
    std::string text = "x %file y %file";
    EXPECT_TRUE(ReplaceMacro(text, "%file", "\"C:\\%file.txt\""));
    EXPECT_EQ(text, "x \"C:\\%file.txt\" y \"C:\\%file.txt\"");

    std::string absent = "x %fil";
    EXPECT_FALSE(ReplaceMacro(absent, "%file", "y"));
    EXPECT_EQ(absent, "x %fil");

    // After a lead byte the "%" is the second byte of a character, not a macro.
    std::string hidden = "\x81%file";
    EXPECT_FALSE(ReplaceMacro(hidden, "%file", "y"));
}

TEST(CommandTemplateTest, ProgramsQuotingAndNames) {
    EXPECT_TRUE(IsProgramFile("C:\\Tools\\View.EXE /v"));
    EXPECT_TRUE(IsProgramFile("C:\\Links\\ed.LNK"));
    EXPECT_TRUE(IsProgramFile("command.com"));
    EXPECT_FALSE(IsProgramFile("C:\\Tools\\run.bat %file"));
    EXPECT_FALSE(IsProgramFile("Notepad"));

    EXPECT_EQ(QuoteIfSpaced("C:\\a b\\x.txt"), "\"C:\\a b\\x.txt\"");
    EXPECT_EQ(QuoteIfSpaced("C:\\ab\\x.txt"), "C:\\ab\\x.txt");
    EXPECT_EQ(QuoteIfSpaced("C:\\a \"b\".txt"), "C:\\a \"b\".txt");

    EXPECT_EQ(NameMacroText("archive.tar.gz"), "archive");
    EXPECT_EQ(NameMacroText(".profile"), ".profile");
    EXPECT_EQ(NameMacroText("Makefile"), "Makefile");
    EXPECT_EQ(NameMacroText(""), "");
}

TEST(CommandTemplateTest, SplitAtExeChoosesTheCallAndWorkingFolder) {
    CommandLaunch view =
        ExpandCommand("C:\\Tools\\View.EXE /v %file", "\"C:\\a b.txt\"", Context());
    EXPECT_EQ(view.Plan.Call, LaunchCall::ShellExecute);
    EXPECT_EQ(view.Plan.Program, "C:\\Tools\\View.EXE");
    EXPECT_EQ(view.Plan.Parameters, "/v \"C:\\a b.txt\" ");
    EXPECT_EQ(view.Plan.Folder, "C:\\Tools\\");
    EXPECT_EQ(view.Plan.Verb, "open");
    EXPECT_EQ(view.Plan.Mask, kLaunchNoUi);
    EXPECT_EQ(view.Plan.Show, kShowDefault);

    // Nothing after ".exe": no split, the path alone is the parameter text.
    CommandLaunch bare = ExpandCommand("C:\\Tools\\View.exe", "C:\\a.txt", Context());
    EXPECT_EQ(bare.Plan.Call, LaunchCall::ShellExecute);
    EXPECT_EQ(bare.Plan.Parameters, "C:\\a.txt");

    CommandLaunch exec = ExpandCommand("C:\\Tools\\View.exe", "", Context());
    EXPECT_EQ(exec.Plan.Call, LaunchCall::Exec);
    EXPECT_EQ(exec.Plan.Program, "C:\\Tools\\View.exe");
    EXPECT_EQ(exec.Plan.Folder, "C:\\Tools\\");
    EXPECT_EQ(exec.Plan.Show, kShowShow);

    CommandLaunch nofiles = ExpandCommand("notepad.exe %nofiles", "C:\\a.txt", Context());
    EXPECT_EQ(nofiles.Plan.Call, LaunchCall::ShellExecute);
    EXPECT_EQ(nofiles.Plan.Parameters, " ");
    EXPECT_EQ(nofiles.Plan.Folder, "");

    // No ".exe ": handed over whole, macros and all.
    CommandLaunch batch = ExpandCommand("C:\\Tools\\run.bat %file", "C:\\a.txt", Context());
    EXPECT_EQ(batch.Plan.Program, "C:\\Tools\\run.bat %file");
    EXPECT_EQ(batch.Plan.Parameters, "C:\\a.txt");

    // %appdir comes first, so the program part it builds is split.
    CommandLaunch appdir = ExpandCommand("%appdirtools\\x.exe %file", "a.txt", Context());
    EXPECT_EQ(appdir.Plan.Program, "C:\\Tools\\tabora\\tools\\x.exe");
    EXPECT_EQ(appdir.Plan.Parameters, "a.txt ");
}

TEST(CommandTemplateTest, QuotedProgramIsReadWithoutItsQuotes) {
    CommandLaunch spaced =
        ExpandCommand("\"C:\\Program Files\\Ed\\ed.exe\" -n %file", "C:\\a.txt", Context());
    EXPECT_EQ(spaced.Plan.Call, LaunchCall::ShellExecute);
    EXPECT_EQ(spaced.Plan.Program, "C:\\Program Files\\Ed\\ed.exe");
    EXPECT_EQ(spaced.Plan.Parameters, "-n C:\\a.txt ");
    EXPECT_EQ(spaced.Plan.Folder, "C:\\Program Files\\Ed\\");

    // Alone it is a command line, quoted again so the blank does not end the program.
    CommandLaunch alone = ExpandCommand("\"C:\\Program Files\\Ed\\ed.exe\"", "", Context());
    EXPECT_EQ(alone.Plan.Call, LaunchCall::Exec);
    EXPECT_EQ(alone.Plan.Program, "\"C:\\Program Files\\Ed\\ed.exe\"");
    EXPECT_EQ(alone.Plan.Folder, "C:\\Program Files\\Ed\\");
    EXPECT_EQ(alone.ProgramText, "C:\\Program Files\\Ed\\ed.exe");

    // A ".exe " inside the quotes does not split there.
    CommandLaunch inner = ExpandCommand("\"C:\\a.exe b\\x.exe\" %file", "f", Context());
    EXPECT_EQ(inner.Plan.Program, "C:\\a.exe b\\x.exe");
    EXPECT_EQ(inner.Plan.Parameters, "f ");

    // Only a quoted program is unquoted: a quoted document stays whole.
    CommandLaunch batch = ExpandCommand("\"C:\\a b\\run.bat\" %file", "f", Context());
    EXPECT_EQ(batch.Plan.Program, "\"C:\\a b\\run.bat\" %file");
}

TEST(CommandTemplateTest, FolderMacrosQuotesAndTheDriveList) {
    auto params = [](std::string_view tmpl, std::string folder) {
        return ExpandCommand(tmpl, "", Context(std::move(folder))).Plan.Parameters;
    };
    EXPECT_EQ(params("x.exe %path %dir", "C:\\Work\\"), "\"C:\\Work\\\" \"C:\\Work\" ");
    // A drive root keeps its backslash.
    EXPECT_EQ(params("x.exe %path %dir", "C:\\"), "\"C:\\\" \"C:\\\" ");
    // "%noquote" counts wherever it is written.
    EXPECT_EQ(params("x.exe %path %dir %noquote", "C:\\"), "C:\\ C:\\  ");
    EXPECT_EQ(params("x.exe %path %dir", ""), "\"\" \"\" ");
    // 表 ends in the backslash byte: only a real backslash is dropped.
    EXPECT_EQ(params("x.exe %dir", "C:\\\x95\x5C\\"), "\"C:\\\x95\x5C\" ");
    EXPECT_EQ(params("x.exe %dir", "C:\\a\x95\x5C"), "\"C:\\a\x95\x5C\" ");
}

TEST(CommandTemplateTest, FileNoFilesAndInsertedTextIsNeverExpandedAgain) {
    CommandLaunch both = ExpandCommand("x.exe %file %nofiles", "a.txt", Context());
    EXPECT_EQ(both.Plan.Parameters, "a.txt  ");

    // A file name holding "%file" is inserted once and nothing is appended.
    CommandLaunch named = ExpandCommand("x.exe %file", "\"C:\\%file %name.txt\"", Context());
    EXPECT_EQ(named.Plan.Parameters, "\"C:\\%file %name.txt\" ");

    // Neither is a folder name holding macros: the argument still goes at the end.
    CommandLaunch folder =
        ExpandCommand("x.exe %path", "a.txt", Context("C:\\%file\\%refresh\\", "b.c"));
    EXPECT_EQ(folder.Plan.Parameters, "\"C:\\%file\\%refresh\\\" a.txt");
    EXPECT_FALSE(folder.Refresh);

    // Texts of any length go through whole.
    const std::string longPath = "\"C:\\" + std::string(2000, 'a') + " b\"";
    EXPECT_EQ(ExpandCommand("x.exe -o %file", longPath, Context()).Plan.Parameters,
              "-o " + longPath + ' ');
}

TEST(CommandTemplateTest, NameRefreshAndFoldersToOpenLater) {
    auto launch = [](std::string_view tmpl, std::string selected, std::string folder = "C:\\W\\") {
        return ExpandCommand(tmpl, "", Context(std::move(folder), std::move(selected)));
    };
    EXPECT_EQ(launch("x.exe e %name", "archive.tar.gz").Plan.Parameters, "e archive ");
    EXPECT_EQ(launch("x.exe e %name", ".profile").Plan.Parameters, "e .profile ");
    EXPECT_EQ(launch("x.exe e %name", "").Plan.Parameters, "e  ");

    CommandLaunch plain = launch("x.exe %file", "a.zip");
    EXPECT_FALSE(plain.Refresh);
    EXPECT_FALSE(plain.OpenDir);

    CommandLaunch unpack = launch("unzip.exe %refresh%opendir x", "a.zip");
    EXPECT_TRUE(unpack.Refresh);
    EXPECT_TRUE(unpack.OpenDir);
    EXPECT_FALSE(unpack.OpenDirOnDesktop);
    EXPECT_EQ(unpack.OpenDirPath, "C:\\W\\a");
    EXPECT_EQ(unpack.Plan.Parameters, " x ");

    // With both, the desktop folder is the one opened.
    CommandLaunch desk = launch("unzip.exe %opendeskdir %opendir", "a.zip");
    EXPECT_TRUE(desk.OpenDirOnDesktop);
    EXPECT_EQ(desk.OpenDirPath, "C:\\Users\\me\\Desktop\\a");
}

TEST(CommandTemplateTest, FailuresRetryThroughDefaultAppOnceThenReport) {
    const LaunchResult started{true, 42, 0};
    const LaunchResult noAssociation{false, 31, 1155};
    const LaunchResult wineNoAssociation{false, 31, 193};
    const LaunchResult missing{false, 2, 2};

    CommandLaunch document = ExpandCommand("C:\\My Docs\\a.xyz", "", Context());
    EXPECT_EQ(document.Plan.Call, LaunchCall::ShellExecute);
    EXPECT_EQ(AfterLaunch(document, started), LaunchOutcome::Done);
    EXPECT_EQ(AfterLaunch(document, noAssociation), LaunchOutcome::RetryWithDefaultApp);
    EXPECT_EQ(AfterLaunch(document, wineNoAssociation), LaunchOutcome::RetryWithDefaultApp);
    EXPECT_EQ(AfterLaunch(document, missing), LaunchOutcome::ShowError);

    // With arguments to pass there is no retry.
    CommandLaunch withArgs = ExpandCommand("C:\\Tools\\View.exe", "a.xyz", Context());
    EXPECT_EQ(AfterLaunch(withArgs, noAssociation), LaunchOutcome::ShowError);
    // A command line that did not start is reported.
    CommandLaunch exec = ExpandCommand("C:\\Tools\\View.exe", "", Context());
    EXPECT_EQ(AfterLaunch(exec, LaunchResult{false, 2, 0}), LaunchOutcome::ShowError);

    // The failed path goes to the editor unquoted, followed by a blank.
    std::optional<CommandLaunch> editor =
        DefaultAppLaunch("C:\\Ed\\ed.exe %file", document, Context());
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->Plan.Program, "C:\\Ed\\ed.exe");
    EXPECT_EQ(editor->Plan.Parameters, "C:\\My Docs\\a.xyz ");

    // A DefaultApp that is itself a document is not retried again.
    CommandLaunch empty = ExpandCommand("", "", Context());
    std::optional<CommandLaunch> other = DefaultAppLaunch("C:\\b.xyz", empty, Context());
    ASSERT_TRUE(other);
    EXPECT_EQ(AfterLaunch(*other, noAssociation), LaunchOutcome::ShowError);

    // No DefaultApp: nothing to retry with, the document's own failure is reported.
    EXPECT_FALSE(DefaultAppLaunch("", document, Context()));
    EXPECT_EQ(document.ProgramText, "C:\\My Docs\\a.xyz");
}

}  // namespace
