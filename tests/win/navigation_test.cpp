// Listing folders and moving around: the list view, tabs and history, in process.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/file1_win.h"
#include "platform/unique_handle_win.h"
#include "win_test_support.h"
#include "window_fixture.h"

namespace {

// The common settings with every file listed.
std::string ListAllSettings() { return ValidSettings("*.*"); }

using Names = std::vector<std::string>;

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                              static_cast<int>(wide.size()))));
    return wide;
}

class Navigation : public WindowFixture<> {
protected:
    std::unique_ptr<TFrmFile> Start(std::vector<std::string> args) { return Open(std::move(args)); }
    void SetUp() override {
        dir.Write("tabora.ini", ListAllSettings() + "HiddenFile=0\r\n");
        root = dir.Make("root");
        dir.Make("root\\z");
        for (const char* name : {"b", "A", "a1"}) dir.Write(std::string("root\\") + name, "12345");
    }

    std::string root;
};

TEST_F(Navigation, RestoredTabsComeBackReadOnlyWhenShownAndAGoneFolderLeavesQuietly) {
    const std::string gone = root + "\\gone";
    dir.Write("tabora.ini", ListAllSettings() + "RestoreTabs=1\r\nOpenTab1=" + root +
                                "\r\nOpenTab2=" + gone + "\r\nOpenTab3=" + root +
                                "\\z\r\nOpenTabIndex=3\r\n");
    auto form = Start({"-n"});
    EXPECT_EQ(TabCaptions(form->TabControl1), (Names{"root", "gone", "z"}));
    EXPECT_EQ(form->CurrentFolder(), root + "\\z\\");
    EXPECT_TRUE(form->TabSlots[form->TabToSlot[1]].Unread);  // not looked at yet
    form->ShowTab(1);
    EXPECT_TRUE(ui.Shown.empty());
    EXPECT_EQ(TabCaptions(form->TabControl1), (Names{"root", "z"}));
    EXPECT_EQ(StatusText(form->StatusBar1), "開けません: " + gone);
    form->ShowTab(0);
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"z", "A", "a1", "b"}));
    ASSERT_TRUE(form->SaveSettings());
    const std::string saved = dir.Read("tabora.ini");
    EXPECT_NE(saved.find("OpenTab1=" + root + "\r\nOpenTab2=" + root + "\\z\r\nOpenTabIndex=1\r\n"),
              std::string::npos);
    // A folder on the command line opens alone.
    EXPECT_EQ(TabCaptions(Start({root})->TabControl1), Names{"root"});
}

TEST_F(Navigation, ListsFoldersFirstThenNamesWithoutCaseAndSumsUp) {
    auto form = Start({root});
    Current(*form).SortKind = 0;
    form->ListFolder(form->CurrentSlot());
    EXPECT_EQ(ListCaptions(form->ListView1), (std::vector<std::string>{"z", "A", "a1", "b"}));
    EXPECT_EQ(StatusText(form->StatusBar1), "4 ﾌｧｲﾙ  合計ｻｲｽﾞ:15ﾊﾞｲﾄ");
    // Sizes: empty for folders, bytes for files; times cut to minutes.
    EXPECT_EQ(ListCaptions(form->ListView1, 1), (std::vector<std::string>{"", "5", "5", "5"}));
    std::string time = ListCaptions(form->ListView1, 2)[1];
    ASSERT_EQ(time.size(), 16u);
    EXPECT_EQ(time[4], '/');
    EXPECT_EQ(time[13], ':');

    Current(*form).Reverse = true;
    form->ListFolder(form->CurrentSlot());
    EXPECT_EQ(ListCaptions(form->ListView1), (std::vector<std::string>{"b", "a1", "A", "z"}));

    // Switching to details without listing again sizes the columns as a listing would.
    form->ClickMenu("mnDetail");
    int toggled[3], listed[3];
    for (int c = 0; c < 3; ++c) toggled[c] = ListView_GetColumnWidth(form->ListView1, c);
    form->ListFolder(form->CurrentSlot());
    for (int c = 0; c < 3; ++c) listed[c] = ListView_GetColumnWidth(form->ListView1, c);
    EXPECT_EQ(std::vector<int>(toggled, toggled + 3), std::vector<int>(listed, listed + 3));
    EXPECT_GE(listed[2], ListView_GetStringWidth(form->ListView1, time.c_str()));
}

TEST_F(Navigation, SortKindsMasksAndHiddenFiles) {
    std::string f = dir.Make("kinds");
    dir.Write("kinds\\c.txt", std::string(10, 'x'));
    dir.Write("kinds\\a.c", std::string(9, 'x'));
    dir.Write("kinds\\Makefile", std::string(100, 'x'));
    dir.Write("kinds\\b.cpp", "");
    dir.Write("kinds\\secret.txt", "s");
    std::string secret = f + "\\secret.txt";
    ::SetFileAttributesA(secret.c_str(), FILE_ATTRIBUTE_HIDDEN);
    dir.Make("kinds\\sub.d");
    auto form = Start({f});
    TTabSlot& slot = Current(*form);
    EXPECT_EQ(slot.SortKind, 1);  // Sort=1 from the settings
    EXPECT_EQ(ListCaptions(form->ListView1),
              (std::vector<std::string>{"sub.d", "b.cpp", "a.c", "c.txt", "Makefile"}));
    slot.SortKind = 2;
    form->ListFolder(form->CurrentSlot());
    EXPECT_EQ(ListCaptions(form->ListView1),
              (std::vector<std::string>{"sub.d", "Makefile", "a.c", "b.cpp", "c.txt"}));

    // The mask box filters files, never folders.
    ::SetWindowTextA(form->CmbMask, "*.txt");
    form->ListFolder(form->CurrentSlot());
    EXPECT_EQ(ListCaptions(form->ListView1), (std::vector<std::string>{"sub.d", "c.txt"}));
    ::SetWindowTextA(form->CmbMask, "*.txt;*");
    form->ListFolder(form->CurrentSlot());
    EXPECT_EQ(ListCaptions(form->ListView1).size(), 5u);

    form->ShowHidden = true;
    form->mnRefreshClick();
    EXPECT_EQ(ListCaptions(form->ListView1).size(), 6u);
}

TEST_F(Navigation, EmptyFolderAndHugeFileSizes) {
    std::string empty = dir.Make("empty");
    std::string big = dir.Make("big");
    HANDLE file = ::CreateFileA((big + "\\huge.bin").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER size;
    size.QuadPart = 5LL * 1024 * 1024 * 1024 + 7;
    ::SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
    ::SetEndOfFile(file);
    ::CloseHandle(file);
    dir.Write("big\\small.bin", std::string(9, 'x'));
    auto form = Start({empty, big});
    EXPECT_EQ(StatusText(form->StatusBar1), "2 ﾌｧｲﾙ  合計ｻｲｽﾞ:5120MB");
    EXPECT_EQ(ListCaptions(form->ListView1, 1), (std::vector<std::string>{"9", "5368709127"}));
    form->mnBackTabClick();
    EXPECT_EQ(ListView_GetItemCount(form->ListView1), 0);
    EXPECT_EQ(StatusText(form->StatusBar1), "0 ﾌｧｲﾙ  合計ｻｲｽﾞ:0ﾊﾞｲﾄ");
}

TEST_F(Navigation, FolderThatCannotBeOpenedLeavesTheTabAsItWas) {
    auto form = Start({root});
    int before = ListView_GetItemCount(form->ListView1);
    EXPECT_FALSE(form->OpenFolder(dir.Path() + "gone", true));
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text, "開けません");
    EXPECT_EQ(ui.Shown[0].Caption, "ｴﾗｰ");
    EXPECT_EQ(Current(*form).Folder, root);
    EXPECT_EQ(Current(*form).History, std::vector<std::string>{root});
    EXPECT_EQ(ListView_GetItemCount(form->ListView1), before);
    EXPECT_EQ(WindowText(form->CmbDir), root);
}

TEST_F(Navigation, NamesWithAwkwardBytesAndOverlongPaths) {
    // Second bytes 0x5C and 0x7C, half-width katakana and a leading dot.
    std::string f = dir.Make("表示");
    dir.Make("表示\\ソース");
    dir.Make("表示\\ﾊﾝｶｸ");
    dir.Write("表示\\.profile", "p");
    dir.Write("表示\\ポ.txt", "x");
    auto form = Start({f});
    form->ShowHidden = true;  // Wine marks dot files hidden
    form->mnRefreshClick();
    EXPECT_EQ(ListCaptions(form->ListView1),
              (std::vector<std::string>{"ソース", "ﾊﾝｶｸ", ".profile", "ポ.txt"}));
    EXPECT_EQ(TabCaptions(form->TabControl1), std::vector<std::string>{"表示"});
    form->OpenFolder(f + "\\ソース", true);
    form->GoUp();
    EXPECT_EQ(Current(*form).Folder, f);

    // Where the system does not take paths that long, the folder is refused cleanly.
    std::string deep = f;
    while (deep.size() < 300) deep += "\\" + std::string(40, 'd');
    EXPECT_FALSE(form->OpenFolder(deep, true));
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text, "開けません");
    EXPECT_EQ(Current(*form).Folder, f);
}

TEST_F(Navigation, FolderWhoseSearchPatternPassesMaxPathStillLists) {
    // The folder itself can be entered; its name, a backslash and "*.*" pass 260 characters.
    const std::string folder = dir.Path() + std::string(258 - dir.Path().size(), 'a');
    ASSERT_LE(258 - dir.Path().size(), 255u);
    // Made through the wide functions: the A ones take no more than MAX_PATH under Wine.
    ASSERT_TRUE(::CreateDirectoryW(Wide("\\\\?\\" + folder).c_str(), nullptr));
    UniqueFile file(::CreateFileW(Wide("\\\\?\\" + folder + "\\f.txt").c_str(), GENERIC_WRITE, 0,
                                  nullptr, CREATE_NEW, 0, nullptr));
    ASSERT_TRUE(file);
    file.reset();
    auto form = Start({folder});
    EXPECT_EQ(Current(*form).Folder, folder);
    EXPECT_EQ(ListCaptions(form->ListView1), std::vector<std::string>{"f.txt"});
    EXPECT_TRUE(ui.Shown.empty());
    form.reset();
    ::SetCurrentDirectoryA(dir.Path().c_str());
    ::DeleteFileW(Wide("\\\\?\\" + folder + "\\f.txt").c_str());
    ::RemoveDirectoryW(Wide("\\\\?\\" + folder).c_str());
}

TEST_F(Navigation, HistoryBackForwardAndNewVisitDropsForwardEntries) {
    std::string a = dir.Make("a"), b = dir.Make("b"), c = dir.Make("c"), d = dir.Make("d");
    auto form = Start({a});
    EXPECT_FALSE(::IsWindowEnabled(form->spbtnBack));
    form->OpenFolder(b, true);
    form->OpenFolder(c, true);
    EXPECT_TRUE(::IsWindowEnabled(form->spbtnBack));
    EXPECT_FALSE(::IsWindowEnabled(form->spbtnNext));
    form->GoBack();
    form->GoBack();
    EXPECT_EQ(Current(*form).Folder, a);
    EXPECT_FALSE(::IsWindowEnabled(form->spbtnBack));
    EXPECT_TRUE(::IsWindowEnabled(form->spbtnNext));
    form->GoBack();  // nothing before the first visit
    EXPECT_EQ(Current(*form).HistoryPos, 1);
    form->GoForward();
    EXPECT_EQ(Current(*form).Folder, b);
    form->OpenFolder(d, true);
    EXPECT_EQ(Current(*form).History, (std::vector<std::string>{a, b, d}));
    EXPECT_FALSE(::IsWindowEnabled(form->spbtnNext));
    // Opening the folder shown again only re-reads it.
    dir.Write("d\\new.txt", "n");
    form->OpenFolder(d, true);
    EXPECT_EQ(Current(*form).History.size(), 3u);
    EXPECT_EQ(ListCaptions(form->ListView1), std::vector<std::string>{"new.txt"});
}

TEST_F(Navigation, UpClimbsToTheDriveListAndStops) {
    auto form = Start({"C:\\"});
    form->GoUp();
    EXPECT_EQ(Current(*form).Folder, "ﾄﾞﾗｲﾌﾞ");
    EXPECT_EQ(TabCaptions(form->TabControl1), std::vector<std::string>{"ﾄﾞﾗｲﾌﾞ"});
    EXPECT_EQ(WindowText(form->CmbDir), "ﾄﾞﾗｲﾌﾞ");
    std::vector<std::string> drives = ListCaptions(form->ListView1);
    EXPECT_NE(std::find(drives.begin(), drives.end(), "C:\\"), drives.end());
    EXPECT_NE(std::find(drives.begin(), drives.end(), "Z:\\"), drives.end());
    form->GoUp();
    EXPECT_EQ(Current(*form).History.size(), 2u);
    // Backspace in the list goes up too.
    dir.Make("root\\z\\aaa");
    std::string sub = dir.Make("root\\z\\deep");
    form->OpenFolder(sub, true);
    form->ListView1KeyDown(VK_BACK);
    EXPECT_EQ(Current(*form).Folder, root + "\\z");
    // The folder we came out of has the focus.
    EXPECT_EQ(ListView_GetNextItem(form->ListView1, -1, LVNI_FOCUSED), 1);
    EXPECT_EQ(ListCaptions(form->ListView1)[1], "deep");
}

TEST_F(Navigation, EnterOnAFolderOpensIt) {
    auto form = Start({root});
    ListView_SetItemState(form->ListView1, 0, LVIS_SELECTED, LVIS_SELECTED);  // folder z
    form->ListView1KeyDown(VK_RETURN);
    EXPECT_EQ(Current(*form).Folder, root + "\\z");
    EXPECT_EQ(TabCaptions(form->TabControl1), std::vector<std::string>{"z"});
}

TEST_F(Navigation, ServerListWithoutNetworkReportsAndStaysEmpty) {
    auto form = Start({root});
    EXPECT_TRUE(form->OpenFolder("\\\\server", true));
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text, "ﾈｯﾄﾜｰｸｴﾗｰ");
    EXPECT_EQ(TabCaptions(form->TabControl1), std::vector<std::string>{"server"});
    EXPECT_EQ(ListView_GetItemCount(form->ListView1), 0);
}

TEST_F(Navigation, TabsSwitchWrapCloseAndMoveWithTheirFolders) {
    std::string a = dir.Make("ta"), b = dir.Make("tb"), c = dir.Make("tc");
    dir.Write("tc\\only.txt", "1");
    auto form = Start({a, b, c});
    EXPECT_EQ(TabCtrl_GetCurSel(form->TabControl1), 2);
    form->mnNextTabClick();
    EXPECT_EQ(TabCtrl_GetCurSel(form->TabControl1), 0);
    EXPECT_EQ(WindowText(form->CmbDir), a);
    form->mnBackTabClick();
    EXPECT_EQ(TabCtrl_GetCurSel(form->TabControl1), 2);
    EXPECT_EQ(ListCaptions(form->ListView1), std::vector<std::string>{"only.txt"});

    // Drag the third tab onto the first: it becomes the first, the others move right.
    RECT first{};
    TabCtrl_GetItemRect(form->TabControl1, 0, &first);
    form->TabControl1DragDrop({first.left + 2, first.top + 2});
    EXPECT_EQ(TabCaptions(form->TabControl1), (std::vector<std::string>{"tc", "ta", "tb"}));
    EXPECT_EQ(TabCtrl_GetCurSel(form->TabControl1), 0);
    EXPECT_EQ(Current(*form).Folder, c);
    form->mnNextTabClick();
    EXPECT_EQ(Current(*form).Folder, a);
    EXPECT_EQ(Current(*form).History, std::vector<std::string>{a});

    // Closing the last tab selects its left neighbour; closing another selects its successor.
    form->mnBackTabClick();
    form->mnBackTabClick();  // wraps to "tb"
    form->mnCloseTabClick();
    EXPECT_EQ(TabCaptions(form->TabControl1), (std::vector<std::string>{"tc", "ta"}));
    EXPECT_EQ(Current(*form).Folder, a);
    form->mnBackTabClick();
    form->mnCloseTabClick();
    EXPECT_EQ(TabCaptions(form->TabControl1), std::vector<std::string>{"ta"});
    EXPECT_EQ(Current(*form).Folder, a);
    EXPECT_EQ(form->TabSlots.UsedCount(), 1);
}

TEST_F(Navigation, NewTabCopiesTheTabOrOpensTheSelectedFolder) {
    auto form = Start({root});
    form->mnNewTabClick();
    EXPECT_EQ(TabCaptions(form->TabControl1), (std::vector<std::string>{"root", "root"}));
    EXPECT_EQ(Current(*form).History, std::vector<std::string>{root});
    ListView_SetItemState(form->ListView1, 0, LVIS_SELECTED, LVIS_SELECTED);
    form->mnNewTabClick();
    EXPECT_EQ(TabCaptions(form->TabControl1), (std::vector<std::string>{"root", "root", "z"}));
}

TEST_F(Navigation, DisplayLimitShowsPagesFromTheEnd) {
    std::string many = dir.Make("many");
    for (int i = 0; i < 5; ++i) dir.Write("many\\f" + std::to_string(i), "");
    dir.Write("tabora.ini", ListAllSettings() + "Hyojisu=1\r\nMaxFiles=2\r\n");
    auto form = Start({many});
    Current(*form).SortKind = 0;
    form->ListFolder(form->CurrentSlot());
    EXPECT_EQ(ListCaptions(form->ListView1), (std::vector<std::string>{"f3", "f4"}));
    EXPECT_EQ(StatusText(form->StatusBar1), "5 ﾌｧｲﾙ  合計ｻｲｽﾞ:0ﾊﾞｲﾄ  3/3");
    form->PageForward();
    form->PageForward();
    EXPECT_EQ(ListCaptions(form->ListView1), (std::vector<std::string>{"f0", "f1"}));
    EXPECT_TRUE(StatusText(form->StatusBar1).ends_with("  1/3"));
    form->PageForward();  // wraps to the end
    EXPECT_EQ(ListCaptions(form->ListView1), (std::vector<std::string>{"f3", "f4"}));
    form->PageBack();  // wraps to the beginning
    EXPECT_EQ(ListCaptions(form->ListView1), (std::vector<std::string>{"f0", "f1"}));
    // Reverse order turns each page upside down; it does not change which entries it holds.
    Current(*form).Reverse = true;
    form->ListFolder(form->CurrentSlot());
    EXPECT_EQ(ListCaptions(form->ListView1), (std::vector<std::string>{"f1", "f0"}));
    form->PageBack();
    EXPECT_EQ(ListCaptions(form->ListView1), (std::vector<std::string>{"f2", "f1"}));
    form->PageBack();
    EXPECT_EQ(ListCaptions(form->ListView1), (std::vector<std::string>{"f4", "f3"}));
    // The entry behind each row follows the reversed window.
    EXPECT_EQ(form->ItemToEntry(0), 4);
}

TEST_F(Navigation, PendingFolderOpensInANewTabOnTheTimer) {
    auto form = Start({root});
    form->OpenDirPath = dir.Make("later");
    form->OpenDirPending = true;
    form->Timer1Timer();
    EXPECT_EQ(TabCaptions(form->TabControl1), (std::vector<std::string>{"root", "later"}));
    form->Timer1Timer();  // consumed
    EXPECT_EQ(TabCaptions(form->TabControl1).size(), 2u);
}

TEST_F(Navigation, RefreshOfAFolderDeletedWhileShownKeepsTheTabAsItWas) {
    const std::string gone = dir.Make("root\\gone");
    dir.Write("root\\gone\\f", "f");
    auto form = Start({gone});
    // The process's current folder would hold it (as on Windows).
    ::SetCurrentDirectoryA(dir.Path().c_str());
    ::DeleteFileA((gone + "\\f").c_str());
    ASSERT_TRUE(::RemoveDirectoryA(gone.c_str()));
    form->ClickMenu("mnRefresh");
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text + ui.Shown[0].Caption, "開けませんｴﾗｰ");
    EXPECT_EQ(form->CurrentFolder(), gone + "\\");
    EXPECT_EQ(ListCaptions(form->ListView1), std::vector<std::string>{"f"});
    // The tab still goes elsewhere; the drive list refreshes without a question.
    EXPECT_TRUE(form->OpenFolder(root, true));
    EXPECT_TRUE(form->OpenFolder(kDrivesFolder, true));
    form->ClickMenu("mnRefresh");
    EXPECT_EQ(ui.Shown.size(), 1u);
    // A drive is no file to look for: Enter still opens it.
    const std::vector<std::string> drives = ListCaptions(form->ListView1);
    const auto drive = std::find(drives.begin(), drives.end(), "C:\\") - drives.begin();
    ListView_SetItemState(form->ListView1, static_cast<int>(drive), LVIS_SELECTED, LVIS_SELECTED);
    form->ListView1KeyDown(VK_RETURN);
    EXPECT_EQ(form->CurrentFolder(), "C:\\");
}

// A drive that goes away while shown, as when a medium is pulled: ctest maps the drive to a
// host folder, and the test takes that folder away through Z:.
TEST_F(Navigation, ADriveGoneWhileShownKeepsTheTabAndItsRowsFollow) {
    const char* drive = std::getenv("TABORA_TEST_DRIVE");
    const char* host = std::getenv("TABORA_TEST_DRIVE_ROOT");
    if (!drive || !host) GTEST_SKIP() << "run through ctest: its fixture maps the drive";
    const std::string shown = std::string(drive) + "\\", hostRoot = host;
    auto form = Start({shown});
    ASSERT_EQ(form->CurrentFolder(), shown);
    ASSERT_EQ(ListCaptions(form->ListView1), (std::vector<std::string>{"sub", "listed.txt"}));
    ::SetCurrentDirectoryA(dir.Path().c_str());
    ASSERT_TRUE(::DeleteFileA((hostRoot + "\\listed.txt").c_str()));
    ASSERT_TRUE(::RemoveDirectoryA((hostRoot + "\\sub").c_str()));
    ASSERT_TRUE(::RemoveDirectoryA(hostRoot.c_str()));

    form->ClickMenu("mnRefresh");
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text, "開けません");
    EXPECT_EQ(form->CurrentFolder(), shown);
    EXPECT_EQ(ListCaptions(form->ListView1), (std::vector<std::string>{"sub", "listed.txt"}));
    // A command on the stale rows takes nothing and the rows leave the list.
    SelectCaptions(form->ListView1, {"listed.txt"});
    form->ClickMenu("mnCopy");
    EXPECT_TRUE(form->ClipFiles.empty());
    EXPECT_EQ(ListCaptions(form->ListView1), std::vector<std::string>{"sub"});
}

bool FolderReadable(const std::string& folder) {
    WIN32_FIND_DATAA data;
    const HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return false;
    ::FindClose(search);
    return true;
}

// Gives or takes the rights on a folder of ours through the host's chmod (Wine starts host
// programs, and has no rights of its own to change), then waits until the folder opens or
// stays shut as asked; false when it does not within 5 s. Wine hands back no handle of a
// host program to wait on.
bool HostChmod(const std::string& mode, const std::string& folder, bool readable) {
    FARPROC found = ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    if (!found) return false;
    char*(CDECL * unixName)(LPCWSTR) = nullptr;
    std::memcpy(&unixName, &found, sizeof unixName);
    char* path = unixName(Wide(folder).c_str());
    if (!path) return false;
    std::string command = "/bin/chmod " + mode + " \"" + path + "\"";
    ::HeapFree(::GetProcessHeap(), 0, path);
    STARTUPINFOA start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA("Z:\\bin\\chmod", command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &start, &process))
        return false;
    UniqueKernelHandle thread(process.hThread), child(process.hProcess);
    for (const DWORD begin = ::GetTickCount(); ::GetTickCount() - begin < 5000; ::Sleep(20))
        if (FolderReadable(folder) == readable) return true;
    return false;
}

TEST_F(Navigation, RefreshOfAFolderMadeUnreadableWhileShownKeepsTheTab) {
    if (!std::getenv("TABORA_NO_READ_OVERRIDE"))
        GTEST_SKIP() << "run by ctest as win_unreadable: root reads any folder";
    const std::string shut = dir.Make("root\\shut");
    dir.Write("root\\shut\\f", "f");
    auto form = Start({shut});
    ::SetCurrentDirectoryA(dir.Path().c_str());
    const bool madeUnreadable = HostChmod("000", shut, false);
    if (madeUnreadable) {
        form->ClickMenu("mnRefresh");
        ASSERT_EQ(ui.Shown.size(), 1u);
        EXPECT_EQ(ui.Shown[0].Text, "開けません");
        EXPECT_EQ(form->CurrentFolder(), shut + "\\");
        EXPECT_EQ(ListCaptions(form->ListView1), std::vector<std::string>{"f"});
    }
    EXPECT_TRUE(HostChmod("755", shut, true));  // for the scratch folder's removal
    ASSERT_TRUE(madeUnreadable) << "the folder stayed readable: the Wine server reads anything";
}

// The list asks for the rows it draws only: a list view that measured every row at its first
// paint with rows froze the window for seconds on the first big folder of a session.
int rowsAsked = 0;
WNDPROC mainProc = nullptr;
LRESULT CALLBACK CountingRowRequests(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NOTIFY) {
        const UINT code = reinterpret_cast<const NMHDR*>(lp)->code;
        if (code == LVN_GETDISPINFOW || code == LVN_GETDISPINFOA) ++rowsAsked;
    }
    return ::CallWindowProcA(mainProc, hwnd, msg, wp, lp);
}

TEST_F(Navigation, FirstPaintOfABigFolderAsksOnlyForTheRowsShown) {
    const std::string big = dir.Make("big");
    for (int i = 0; i < 600; ++i) dir.Write("big\\f" + std::to_string(i), "");
    auto form = Start({dir.Make("empty")});
    ::ShowWindow(form->Handle(), SW_SHOW);
    ::UpdateWindow(form->Handle());
    mainProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
        form->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingRowRequests)));
    rowsAsked = 0;
    ASSERT_TRUE(form->OpenFolder(big, true));
    ::UpdateWindow(form->ListView1);
    ::SetWindowLongPtrA(form->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(mainProc));
    EXPECT_GT(rowsAsked, 0);
    EXPECT_LT(rowsAsked, 300);
}

}  // namespace
