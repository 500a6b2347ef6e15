#include "commands/open_by_extension.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/collator.h"
#include "commands/command_template.h"

namespace {

class OpenByExtensionTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.LoadFromBytes(
            "Exttxt=C:\\Ed\\ed.exe %file|ignored\r\n"
            "ExtJPG=D:\\Pictures\\\r\n"
            "Extbat=C:\\Tools\\run.bat %file\r\n"
            "Extwav=Player\r\n"
            "Extmid=Player|C:\\Tools\\play.exe %file\r\n");
    }

    // Asks for a window title as the shell would, recording what was asked.
    OpenChoice Choose(std::string_view command, std::string_view name, bool isFolder = false,
                      bool windowOpen = false) {
        return ChooseOpenAction(command, name, isFolder, settings, [&](std::string_view title) {
            askedTitles.emplace_back(title);
            return windowOpen;
        });
    }

    PlainCollator collator;
    TSettings settings{collator};
    std::vector<std::string> askedTitles;
};

TEST_F(OpenByExtensionTest, KeysComeFromTheLastDotOfTheName) {
    EXPECT_EQ(AssociationKey("Readme.TXT"), "Exttxt");
    EXPECT_EQ(AssociationKey("archive.tar.gz"), "Extgz");
    EXPECT_EQ(AssociationKey(".profile"), "Extprofile");
    EXPECT_EQ(AssociationKey("Makefile"), "Ext");
    EXPECT_EQ(AssociationKey("a.d\\Makefile"), "Ext");
}

TEST_F(OpenByExtensionTest, AssociationValuesAreClassifiedInOrder) {
    auto kind = [](std::string_view value) { return ClassifyAssociation(value).Kind; };
    EXPECT_EQ(kind(""), AssociationKind::None);
    EXPECT_EQ(kind("|C:\\x.exe"), AssociationKind::None);
    EXPECT_EQ(kind("C:\\Tools\\View.EXE /v"), AssociationKind::Program);
    EXPECT_EQ(kind("D:\\Backup"), AssociationKind::Folder);
    EXPECT_EQ(kind("\\\\server\\share"), AssociationKind::Folder);
    EXPECT_EQ(kind("C:\\Tools\\run.bat %file"), AssociationKind::Folder);
    EXPECT_EQ(kind("Player"), AssociationKind::WindowTitle);
    // ソ ends in the backslash byte: "ソ\x" holds no "\\".
    EXPECT_EQ(kind("\x83\x5C\\x"), AssociationKind::WindowTitle);

    Association title = ClassifyAssociation("Player|C:\\play.exe %file|x");
    EXPECT_EQ(title.Target, "Player");
    EXPECT_EQ(title.Fallback, "C:\\play.exe %file|x");
    // ポ ends in the "|" byte and does not split.
    EXPECT_EQ(ClassifyAssociation("\x83\x7C").Target, "\x83\x7C");
}

TEST_F(OpenByExtensionTest, FirstItemDecidesTheActionForTheSelection) {
    // A folder is entered; other items are not looked at and no window is searched.
    OpenChoice folder = Choose("", "sub.txt", true);
    EXPECT_EQ(folder.Action, OpenAction::OpenEach);
    EXPECT_TRUE(folder.EnterFolder);
    EXPECT_EQ(folder.Command, "");

    // A popup command passes a folder to the command like a file.
    OpenChoice popup = Choose("C:\\Tools\\x.exe %file", "sub", true);
    EXPECT_FALSE(popup.EnterFolder);
    EXPECT_EQ(popup.Command, "C:\\Tools\\x.exe %file");

    // A program's text after "|" is ignored; later folders go to it like files.
    OpenChoice text = Choose("", "a.TXT");
    EXPECT_EQ(text.Action, OpenAction::OpenEach);
    EXPECT_EQ(text.Command, "C:\\Ed\\ed.exe %file");
    EXPECT_EQ(OpenItemKind("sub", text.EnterFolder), ItemKind::File);

    OpenChoice none = Choose("", "Makefile");
    EXPECT_EQ(none.Action, OpenAction::OpenEach);
    EXPECT_EQ(none.Command, "");

    OpenChoice copy = Choose("", "p.jpg");
    EXPECT_EQ(copy.Action, OpenAction::Copy);
    EXPECT_EQ(copy.Target, "D:\\Pictures\\");
    EXPECT_EQ(Choose("", "r.bat").Action, OpenAction::Copy);
    EXPECT_TRUE(askedTitles.empty());
}

TEST_F(OpenByExtensionTest, WindowTitlesDropOrFallBack) {
    OpenChoice drop = Choose("", "a.wav", false, true);
    EXPECT_EQ(drop.Action, OpenAction::Drop);
    EXPECT_EQ(drop.Target, "Player");

    OpenChoice missing = Choose("", "a.wav");
    EXPECT_EQ(missing.Action, OpenAction::MissingWindow);
    EXPECT_EQ(MissingWindowText(missing.Target), "ｳｨﾝﾄﾞｳ:Player\nはありません");

    OpenChoice fallback = Choose("", "a.mid");
    EXPECT_EQ(fallback.Action, OpenAction::OpenEach);
    EXPECT_EQ(fallback.Command, "C:\\Tools\\play.exe %file");

    OpenChoice found = Choose("", "a.mid", false, true);
    EXPECT_EQ(found.Action, OpenAction::Drop);
    EXPECT_EQ(askedTitles, (std::vector<std::string>{"Player", "Player", "Player", "Player"}));

    EXPECT_EQ(CopyStatusText("D:\\Pictures\\"), "D:\\Pictures\\ へｺﾋﾟｰ");
}

TEST_F(OpenByExtensionTest, FilesAndShortcutsBecomeCommands) {
    EXPECT_EQ(OpenItemKind("sub", true), ItemKind::Folder);
    EXPECT_EQ(OpenItemKind("Editor.LNK", false), ItemKind::Shortcut);
    EXPECT_EQ(OpenItemKind("lnk", false), ItemKind::File);

    CommandCall plain = FileCall("", "C:\\W\\a b.txt");
    EXPECT_EQ(plain.Template, "C:\\W\\a b.txt");
    EXPECT_EQ(plain.Arguments, "");
    CommandCall command = FileCall("ed.exe %file", "C:\\W\\a b.txt");
    EXPECT_EQ(command.Arguments, "\"C:\\W\\a b.txt\"");

    // A shortcut to a program with arguments starts it with them.
    std::optional<CommandCall> program = ShortcutCall("", "C:\\Tools\\x.exe", "-a \"b c\"");
    ASSERT_TRUE(program);
    CommandLaunch launch = ExpandCommand(program->Template, program->Arguments, {});
    EXPECT_EQ(launch.Plan.Program, "C:\\Tools\\x.exe");
    EXPECT_EQ(launch.Plan.Parameters, "-a \"b c\"");

    std::optional<CommandCall> associated = ShortcutCall("ed.exe %file", "C:\\a b\\t.txt", "-x");
    ASSERT_TRUE(associated);
    EXPECT_EQ(associated->Arguments, "\"C:\\a b\\t.txt\"");

    // A shortcut whose target could not be read has nothing to start.
    EXPECT_FALSE(ShortcutCall("", "", ""));
    EXPECT_FALSE(ShortcutCall("ed.exe %file", "", "-x"));
}

}  // namespace
