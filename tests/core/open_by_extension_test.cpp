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
            "Exttxt=C:\\Ed\\ed.exe %file|ignored\r\nExtJPG=D:\\Pictures\\\r\n"
            "Extbat=C:\\T\\run.bat %file\r\nExtwav=Player\r\nExtmid=Player|play.exe %file\r\n");
    }

    // The choice in one line; the window title search answers windowOpen.
    std::string Choose(std::string_view command, std::string_view name, bool isFolder = false,
                       bool windowOpen = false) {
        OpenChoice choice =
            ChooseOpenAction(command, name, isFolder, settings, [&](std::string_view title) {
                askedTitles.emplace_back(title);
                return windowOpen;
            });
        switch (choice.Action) {
            case OpenAction::OpenEach:
                return (choice.EnterFolder ? "enter " : "each ") + choice.Command;
            case OpenAction::Copy: return "copy " + choice.Target;
            case OpenAction::Drop: return "drop " + choice.Target;
            case OpenAction::MissingWindow: return "missing " + MissingWindowText(choice.Target);
        }
        return {};
    }

    PlainCollator collator;
    TSettings settings{collator};
    std::vector<std::string> askedTitles;
};

TEST_F(OpenByExtensionTest, KeysAndAssociationKinds) {
    EXPECT_EQ(AssociationKey("Readme.TXT"), "Exttxt");
    EXPECT_EQ(AssociationKey("archive.tar.gz"), "Extgz");
    EXPECT_EQ(AssociationKey(".profile"), "Extprofile");
    EXPECT_EQ(AssociationKey("a.d\\Makefile"), "Ext");

    auto kind = [](std::string_view value) { return ClassifyAssociation(value).Kind; };
    EXPECT_EQ(kind("|C:\\x.exe"), AssociationKind::None);
    EXPECT_EQ(kind("\\\\server\\share"), AssociationKind::Folder);
    // ソ ends in the backslash byte: "ソ\x" holds no "\\".
    EXPECT_EQ(kind("\x83\x5C\\x"), AssociationKind::WindowTitle);
    Association title = ClassifyAssociation("Player|C:\\play.exe %file|x");
    EXPECT_EQ(title.Target + " / " + title.Fallback, "Player / C:\\play.exe %file|x");
    // ポ ends in the "|" byte and does not split.
    EXPECT_EQ(ClassifyAssociation("\x83\x7C").Target, "\x83\x7C");
}

TEST_F(OpenByExtensionTest, FirstItemDecidesTheActionForTheSelection) {
    // A folder is entered, unless a popup command takes it like a file.
    EXPECT_EQ(Choose("", "sub.txt", true), "enter ");
    EXPECT_EQ(Choose("x.exe %file", "sub", true), "each x.exe %file");
    // A program's text after "|" is ignored.
    EXPECT_EQ(Choose("", "a.TXT"), "each C:\\Ed\\ed.exe %file");
    EXPECT_EQ(Choose("", "Makefile"), "each ");
    EXPECT_EQ(Choose("", "p.jpg"), "copy D:\\Pictures\\");
    EXPECT_EQ(Choose("", "r.bat"), "copy C:\\T\\run.bat %file");
    EXPECT_TRUE(askedTitles.empty());

    EXPECT_EQ(Choose("", "a.wav", false, true), "drop Player");
    EXPECT_EQ(Choose("", "a.wav"), "missing ｳｨﾝﾄﾞｳ:Player\nはありません");
    EXPECT_EQ(Choose("", "a.mid"), "each play.exe %file");
    EXPECT_EQ(Choose("", "a.mid", false, true), "drop Player");
    EXPECT_EQ(askedTitles.size(), 4u);

    EXPECT_EQ(CopyStatusText("D:\\Pictures\\"), "D:\\Pictures\\ へｺﾋﾟｰ");
}

TEST_F(OpenByExtensionTest, ItemsFilesAndShortcutsBecomeCommands) {
    // Only the first item's folder flag counts: a later folder is passed on like a file.
    EXPECT_EQ(OpenItemKind("sub", false), ItemKind::File);
    EXPECT_EQ(OpenItemKind("sub", true), ItemKind::Folder);
    EXPECT_EQ(OpenItemKind("Editor.LNK", false), ItemKind::Shortcut);

    EXPECT_EQ(FileCall("", "C:\\a b").Template, "C:\\a b");
    EXPECT_EQ(FileCall("ed.exe %file", "C:\\a b").Arguments, "\"C:\\a b\"");

    // A shortcut to a program with arguments starts it with them.
    std::optional<CommandCall> program = ShortcutCall("", "C:\\T\\x.exe", "-a \"b c\"");
    ASSERT_TRUE(program);
    LaunchPlan plan = ExpandCommand(program->Template, program->Arguments, {}).Plan;
    EXPECT_EQ(plan.Program + " [" + plan.Parameters + "]", "C:\\T\\x.exe [-a \"b c\"]");
    EXPECT_EQ(ShortcutCall("ed.exe %file", "C:\\a b", "-x")->Arguments, "\"C:\\a b\"");
    // A shortcut whose target could not be read has nothing to start.
    EXPECT_FALSE(ShortcutCall("", "", "-x"));
}

}  // namespace
