#include "navigation/bookmarks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/collator.h"

namespace {

using Items = std::vector<std::string>;

// A bookmark as "caption#tag", a group as "caption[...]", anything else by its name.
std::string DescribeItem(const TMenuItem& item) {
    if (item.Name == kBookmarkGroupName) {
        std::string text = item.Caption + "[";
        for (std::size_t i = 0; i < item.Items.size(); ++i)
            text += (i ? " " : "") + DescribeItem(item.Items[i]);
        return text + "]";
    }
    if (item.Name != kBookmarkItemName) return item.Name;
    return item.Caption + "#" + std::to_string(item.Tag);
}

Items Describe(const TMenuItem& menu) {
    Items out;
    for (const TMenuItem& item : menu.Items) out.push_back(DescribeItem(item));
    return out;
}

class BookmarksTest : public ::testing::Test {
protected:
    TMenuItem Menu(const std::string& file) {
        settings.LoadFromBytes(file);
        TMenuItem design = MainMenuDesign();
        TMenuItem menu = *FindItem(design, "B1");
        BuildBookmarkItems(menu, settings);
        return menu;
    }
    Items Shown(const std::string& file) { return Describe(Menu(file)); }

    PlainCollator collator;
    TSettings settings{collator};
};

TEST_F(BookmarksTest, MenuReadsGoEntriesUpToTheFirstMissingNumberAndGroupsThem) {
    EXPECT_EQ(Shown("Go1=Home,C:\\Users\\me\r\nGo2=Work|D:\\Work\r\nGo4=E:\\\r\n"),
              (Items{"mnDesktop", "Home#1", "Work[D:\\&Work#2]"}));

    // Bookmarks of one group share its submenu, wherever they stand; new groups go last.
    EXPECT_EQ(Shown("Go1=Work|D:\\A\r\nGo2=C:\\x\r\nGo3=Play|E:\\p\r\nGo4=Work|D:\\B\r\n"),
              (Items{"mnDesktop", "Work[D:\\&A#1 D:\\&B#4]", "C:\\&x#2", "Play[E:\\&p#3]"}));

    // Group captions are compared byte for byte; the group lives only in the folder part, and
    // a bookmark labelled like a group stays a bookmark of its own.
    EXPECT_EQ(Shown("Go1=Work,C:\\w\r\nGo2=work|D:\\a\r\nGo3=Work|D:\\b\r\nGo4=A|B,C:\\x\r\n"),
              (Items{"mnDesktop", "Work#1", "work[D:\\&a#2]", "Work[D:\\&b#3]", "A|B#4"}));

    // Rebuilding replaces the earlier items and keeps the desktop.
    TMenuItem menu = Menu("Go1=C:\\a\r\nGo2=C:\\b\r\n");
    settings.LoadFromBytes("Go1=C:\\c\r\n");
    BuildBookmarkItems(menu, settings);
    EXPECT_EQ(Describe(menu), (Items{"mnDesktop", "C:\\&c#1"}));
}

TEST_F(BookmarksTest, MalformedGoLinesStopTheMenuWithoutHarm) {
    EXPECT_EQ(Shown("Go1=\r\nGo2=C:\\x\r\n"), (Items{"mnDesktop"}));
    EXPECT_EQ(Shown("Go1=,\r\nGo2=C:\\x\r\n"), (Items{"mnDesktop"}));
    EXPECT_EQ(Shown("Go1=,,\r\nGo2=C:\\x\r\n"), (Items{"mnDesktop"}));
    EXPECT_EQ(Shown("Go1=Label,\r\nGo2=C:\\x\r\n"), (Items{"mnDesktop"}));
    EXPECT_EQ(Shown("Go2=C:\\x\r\n"), (Items{"mnDesktop"}));
    // An empty label is no label; a third field is ignored.
    EXPECT_EQ(Shown("Go1=,C:\\x\r\nGo2=L,C:\\y,z\r\n"), (Items{"mnDesktop", "C:\\&x#1", "L#2"}));
    // "|" with nothing after it: a group holding an item with nothing to show or open.
    EXPECT_EQ(Shown("Go1=Work|\r\nGo2=|C:\\x\r\n"), (Items{"mnDesktop", "Work[#1]", "[C:\\&x#2]"}));
    EXPECT_EQ(BookmarkFolder("Work|"), "");
    // The key is looked up like every key: without regard to case.
    EXPECT_EQ(Shown("go1=C:\\x\r\n"), (Items{"mnDesktop", "C:\\&x#1"}));
}

TEST_F(BookmarksTest, CaptionMarksTheLastNameOfTheFolder) {
    struct Case {
        const char* folder;
        const char* caption;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"C:\\Users\\Docs", "C:\\Users\\&Docs"},
             {"C:\\Users\\Docs\\", "C:\\Users\\&Docs\\"},  // one trailing backslash dropped
             {"C:\\x\\\\", "C:\\x\\\\"},                   // only one: nothing left to mark
             {"E:\\", "E:\\"},
             {"C:", "C:"},
             {"Docs", "&Docs"},
             {"\\\\server\\share", "\\\\server\\&share"},
             {"C:\\a\\a", "C:\\&a\\a"},  // the first place the name occurs
             {"C:\\Tools(&T)", "C:\\Tools(&T)"},
             {"C:\\x(&y", "C:\\&x(&y"},        // "(&" without ")"
             {"C:\\a)b(&c)", "C:\\&a)b(&c)"},  // ")" before "(&"
             {"D:\\x(&表)", "D:\\&x(&表)"},    // a double-byte "accelerator" is 2 bytes
             {"C:\\表", "C:\\&表"},            // 表 ends in 0x5C: no backslash
             {"C:\\ソ\\", "C:\\&ソ\\"},
             {"C:\\ィ\\B", "C:\\ィ\\&B"},  // ィ ends in 'B': never marked inside it
             {"C:\\ポ", "C:\\&ポ"},
         }) {
        EXPECT_EQ(BookmarkCaption(c.folder, ""), c.caption) << c.folder;
    }
    EXPECT_EQ(BookmarkCaption("C:\\Users\\Docs", "Home"), "Home");
}

TEST_F(BookmarksTest, FolderToOpenDropsLabelGroupAndOwnAccelerator) {
    struct Case {
        const char* value;
        const char* folder;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"Home,C:\\Users\\me", "C:\\Users\\me"},
             {"Work|D:\\Work", "D:\\Work"},
             {"C:\\Tools(&T)", "C:\\Tools"},
             {"L,G|C:\\T(&T)\\sub", "C:\\T\\sub"},
             {"a|b|c", "b|c"},
             {"C:\\x(&y", "C:\\x(&y"},
             {"C:\\a)b(&c)", "C:\\a)b(&c)"},
             {"ポート|C:\\x", "C:\\x"},  // ポ ends in 0x7C: not the group's "|"
             {"C:\\ポート", "C:\\ポート"},
             {"表|C:\\y", "C:\\y"},
             {"", ""},
             {",", ""},
         }) {
        EXPECT_EQ(BookmarkFolder(c.value), c.folder) << c.value;
    }
    GroupedFolder grouped = SplitGroup("ポート|C:\\x");
    EXPECT_TRUE(grouped.HasGroup);
    EXPECT_EQ(grouped.Group, "ポート");
    EXPECT_FALSE(SplitGroup("C:\\ポ").HasGroup);
}

TEST_F(BookmarksTest, AddingTakesTheFirstFreeNumberAndNeverDuplicates) {
    settings.LoadFromBytes("Width=1\r\nGo1=C:\\a\r\nGo3=C:\\c\r\nGo4=Home,C:\\h\r\n");
    EXPECT_EQ(AddBookmarkEntry(settings, "C:\\new"), 2);
    EXPECT_EQ(settings.Value("Go2"), "C:\\new");
    // Already there, byte for byte: nothing is added.
    EXPECT_EQ(AddBookmarkEntry(settings, "C:\\c"), 0);
    EXPECT_EQ(AddBookmarkEntry(settings, "C:\\new"), 0);
    // Other spelling or a labelled entry of the same folder are not the same value.
    EXPECT_EQ(AddBookmarkEntry(settings, "c:\\A"), 5);
    EXPECT_EQ(AddBookmarkEntry(settings, "C:\\h"), 6);
    EXPECT_EQ(settings.Lines(),
              (std::vector<std::string>{"Width=1", "Go1=C:\\a", "Go3=C:\\c", "Go4=Home,C:\\h",
                                        "Go2=C:\\new", "Go5=c:\\A", "Go6=C:\\h"}));
    // Nothing that would not read back as this one folder.
    EXPECT_EQ(AddBookmarkEntry(settings, ""), 0);
    EXPECT_EQ(AddBookmarkEntry(settings, "C:\\a\r\nWidth=9"), 0);
    EXPECT_EQ(settings.Lines().size(), 7u);

    // The item appears in the menu at once, in its group when the folder names one.
    TMenuItem menu = Menu("Go1=G|C:\\a\r\n");
    AddBookmarkItem(menu, "C:\\b", 2, "");
    AddBookmarkItem(menu, "G|C:\\c", 3, "");
    EXPECT_EQ(Describe(menu), (Items{"mnDesktop", "G[C:\\&a#1 C:\\&c#3]", "C:\\&b#2"}));
}

TEST_F(BookmarksTest, ClipboardTextAndDeletableFolders) {
    EXPECT_EQ(TrimBlanks(" \t\r\nC:\\a b\r\n\x01"), "C:\\a b");
    EXPECT_EQ(TrimBlanks(" \r\n\t "), "");
    EXPECT_EQ(TrimBlanks(""), "");
    EXPECT_EQ(TrimBlanks("\xFF表\x7F"), "\xFF表\x7F");  // only bytes 0x20 and below go

    EXPECT_EQ(DeletableFolder("C:\\a\\"), "C:\\a");
    EXPECT_EQ(DeletableFolder("C:\\表\\"), "C:\\表");
    EXPECT_EQ(DeletableFolder("\\\\server\\share\\"), "\\\\server\\share");
    for (const char* none : {"", "C:\\", "A:\\", "\\\\server\\", "\\\\\\", "\\\\s\\"})
        EXPECT_EQ(DeletableFolder(none), "") << none;
}

}  // namespace
