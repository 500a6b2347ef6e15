// How a folder is listed: folders first, then files in the order of the tab's sort kind,
// with their size and time columns, the status line and an image chosen per extension.
// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <cstdio>

#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

const std::vector<std::string> kDetailColumns = {"名前", "ｻｲｽﾞ", "更新日時"};

class Listing : public TaboraTest {
protected:
    // Starts the program on `folder` (below the test folder) with these settings and waits
    // until its list shows `count` items.
    MainWindow StartOn(const IniLines& settings, const std::string& folder, std::size_t count) {
        WriteSettings(settings.Bytes());
        RemoteApp* app = nullptr;
        MainWindow window(StartMainWindow(app, QuoteArgument(Folder.Path() + folder)));
        if (window.Main && window.Complete())
            WaitUntil([&] { return window.Items().size() == count; }, kSettleTimeoutMs);
        return window;
    }

    std::string Path(const std::string& relative) const { return Folder.Path() + relative; }
};

bool IsDetailsView(HWND list) {
    return (::GetWindowLongPtrA(list, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT;
}

TEST_F(Listing, NameSortPutsFoldersFirstAndIgnoresCase) {
    Folder.MakeFolder("names");
    Folder.MakeFolder("names\\z");
    WriteFile("names\\b", 100);
    WriteFile("names\\A", 200);
    WriteFile("names\\a1", 300);
    WriteFile("names\\C", 400);  // byte order would put it before "a1"

    MainWindow window = StartOn(ValidSettings().Set("Sort", "0"), "names", 5);
    ASSERT_TRUE(window.Complete());
    EXPECT_EQ(window.Items(), (std::vector<std::string>{"z", "A", "a1", "b", "C"}));
    EXPECT_FALSE(IsDetailsView(window.List)) << "Detail=0 shows the list style";
    EXPECT_EQ(window.Status(), "5 ﾌｧｲﾙ  合計ｻｲｽﾞ:1000ﾊﾞｲﾄ");
}

TEST_F(Listing, FilesAnotherProgramMakesOrDeletesShowWithoutARefresh) {
    Folder.MakeFolder("watched");
    WriteFile("watched\\a.txt", 1);
    MainWindow window = StartOn(ValidSettings().Set("Watch", "1"), "watched", 1);
    ASSERT_TRUE(window.Complete());
    using Names = std::vector<std::string>;
    const DWORD began = ::GetTickCount();
    WriteFile("watched\\new.txt", 5);
    EXPECT_TRUE(WaitUntil([&] { return window.Items() == Names{"a.txt", "new.txt"}; }, 3000));
    std::printf("[ watch    ] a new file listed after %lu ms\n", ::GetTickCount() - began);
    ::DeleteFileA(Path("watched\\a.txt").c_str());
    EXPECT_TRUE(WaitUntil([&] { return window.Items() == Names{"new.txt"}; }, 3000));
    // A burst too big to patch name by name is listed whole.
    for (int i = 0; i < 300; ++i) WriteFile("watched\\m" + std::to_string(1000 + i), 1);
    EXPECT_TRUE(WaitUntil([&] { return window.Items().size() == 301; }, 5000));
}

TEST_F(Listing, SizeSortIsNumericAndShowsWholeByteCounts) {
    Folder.MakeFolder("sizes");
    Folder.MakeFolder("sizes\\zdir");
    Folder.MakeFolder("sizes\\adir");
    WriteFile("sizes\\d0", 0);
    WriteFile("sizes\\c9", 9);
    WriteFile("sizes\\b10", 10);
    // Beyond 32 bits, and beyond ten digits: only a wide size and key keep these in order.
    ASSERT_TRUE(MakeSparseFile(Path("sizes\\a_big"), 3221225472ull));
    ASSERT_TRUE(MakeSparseFile(Path("sizes\\e_huge"), 12345678901ull));

    MainWindow window = StartOn(ValidSettings().Set("Sort", "1").Set("Detail", "1"), "sizes", 7);
    ASSERT_TRUE(window.Complete());
    EXPECT_EQ(window.Items(),
              (std::vector<std::string>{"adir", "zdir", "d0", "c9", "b10", "a_big", "e_huge"}));
    EXPECT_EQ(window.Items(1),
              (std::vector<std::string>{"", "", "0", "9", "10", "3221225472", "12345678901"}))
        << "size column: empty for folders, the byte count for files";
    EXPECT_TRUE(IsDetailsView(window.List)) << "Detail=1 shows the details view";
    EXPECT_EQ(ListViewColumns(window.List), kDetailColumns);
    // 15,566,904,392 bytes in all.
    EXPECT_EQ(window.Status(), "7 ﾌｧｲﾙ  合計ｻｲｽﾞ:14845MB");
}

TEST_F(Listing, TypeSortGoesByExtensionThenName) {
    Folder.MakeFolder("types");
    Folder.MakeFolder("types\\w.x");
    for (const char* name : {"a.txt", "B.TXT", "k.html", "y.cpp", "z.c", "Makefile"})
        WriteFile(std::string("types\\") + name, 1);

    MainWindow window = StartOn(ValidSettings().Set("Sort", "2"), "types", 7);
    ASSERT_TRUE(window.Complete());
    // No extension first; ".c" before ".cpp"; extensions compare without case.
    EXPECT_EQ(window.Items(), (std::vector<std::string>{"w.x", "Makefile", "z.c", "y.cpp", "k.html",
                                                        "a.txt", "B.TXT"}));
    EXPECT_EQ(window.Status(), "7 ﾌｧｲﾙ  合計ｻｲｽﾞ:6ﾊﾞｲﾄ");
}

TEST_F(Listing, TimeSortIsChronologicalAndTimeColumnShowsMinutes) {
    Folder.MakeFolder("times");
    struct Entry {
        const char* Name;
        bool IsFolder;
        const char* Time;  // local time as set on disk
    };
    const Entry entries[] = {
        {"a.txt", false, "2021/06/15 08:30:00"}, {"b.txt", false, "1999/12/31 23:59:59"},
        {"c.txt", false, "2010/01/02 03:04:50"}, {"f.txt", false, "2010/01/02 03:04:10"},
        {"d", true, "2030/01/01 00:00:00"},      {"e", true, "2000/05/05 05:05:05"},
    };
    for (const Entry& e : entries) {
        const std::string path = Path(std::string("times\\") + e.Name);
        if (e.IsFolder)
            Folder.MakeFolder(std::string("times\\") + e.Name);
        else
            WriteFile(std::string("times\\") + e.Name, 1024);
        ASSERT_TRUE(SetLastWriteTime(path, e.Time)) << path;
    }

    MainWindow window = StartOn(ValidSettings().Set("Sort", "3").Set("Detail", "1"), "times", 6);
    ASSERT_TRUE(window.Complete());
    // Folders first even when newer; seconds order files that share a minute.
    EXPECT_EQ(window.Items(),
              (std::vector<std::string>{"e", "d", "b.txt", "f.txt", "c.txt", "a.txt"}));
    EXPECT_EQ(window.Items(2), (std::vector<std::string>{"2000/05/05 05:05", "2030/01/01 00:00",
                                                         "1999/12/31 23:59", "2010/01/02 03:04",
                                                         "2010/01/02 03:04", "2021/06/15 08:30"}));
    EXPECT_EQ(window.Items(1), (std::vector<std::string>{"", "", "1024", "1024", "1024", "1024"}));
    EXPECT_EQ(ListViewColumns(window.List), kDetailColumns);
    EXPECT_EQ(window.Status(), "6 ﾌｧｲﾙ  合計ｻｲｽﾞ:4KB");
}

TEST_F(Listing, EmptyFolderShowsNoItemsAndZeroTotal) {
    Folder.MakeFolder("empty");
    MainWindow window = StartOn(ValidSettings().Set("Detail", "1"), "empty", 0);
    ASSERT_TRUE(window.Complete());
    EXPECT_EQ(Settle([&] { return window.Status(); }, std::string("0 ﾌｧｲﾙ  合計ｻｲｽﾞ:0ﾊﾞｲﾄ")),
              "0 ﾌｧｲﾙ  合計ｻｲｽﾞ:0ﾊﾞｲﾄ");
    EXPECT_TRUE(window.Items().empty());
    EXPECT_EQ(window.Tabs(), std::vector<std::string>{"empty"});
}

TEST_F(Listing, ItemImagesFollowIcoEntriesOfTheSettings) {
    Folder.MakeFolder("icons");
    Folder.MakeFolder("icons\\k.txt");  // a folder keeps the folder image whatever its name
    Folder.MakeFolder("icons\\sub");
    const std::pair<const char*, int> files[] = {
        {"a.txt", 2},   // Icotxt=2
        {"B.TXT", 2},   // the extension is looked up in lower case
        {"c.htm", 4},   // IcoHTM=4: the key is found whatever its case
        {"d.xyz", 1},   // Icoxyz=20: no such image
        {"e.zzz", 15},  // Icozzz=15: the last image
        {"f.yyy", 1},   // Icoyyy=16: one past the last
        {"g.neg", 1},   // Iconeg=-1
        {"h.bad", 1},   // Icobad=x
        {"i.abc", 1},   // no entry
        {"Makefile", 1},
    };
    for (const auto& [name, image] : files) WriteFile(std::string("icons\\") + name, 1);
    IniLines settings = ValidSettings();
    settings.Set("Icotxt", "2").Set("IcoHTM", "4").Set("Icoxyz", "20").Set("Icozzz", "15");
    settings.Set("Icoyyy", "16").Set("Iconeg", "-1").Set("Icobad", "x");

    MainWindow window = StartOn(settings, "icons", 12);
    ASSERT_TRUE(window.Complete());
    std::vector<std::string> names = {"k.txt", "sub"};
    std::vector<int> images = {0, 0};
    for (const auto& [name, image] : files) {
        names.push_back(name);
        images.push_back(image);
    }
    ASSERT_EQ(window.Items(), names);
    EXPECT_EQ(ListViewImages(window.List), images);
}

}  // namespace
}  // namespace e2e
