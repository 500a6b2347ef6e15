// The menu 栞(&B), bookmarks, desktop and drive list, the clipboard's folder and deleting a
// tab's folder, in process.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include "app/file1_win.h"
#include "win_test_support.h"
#include "window_fixture.h"

namespace {

HMENU BookmarkMenu(TFrmFile& form) {
    HMENU bar = ::GetMenu(form.Handle());
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i) {
        char text[64] = {};
        ::GetMenuStringA(bar, i, text, sizeof text, MF_BYPOSITION);
        if (std::string(text) == "栞(&B)") return ::GetSubMenu(bar, i);
    }
    return nullptr;
}

// The rows of a rendered menu; a submenu as "caption[row|row]".
std::vector<std::string> MenuRows(HMENU menu) {
    std::vector<std::string> rows;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        char text[1024] = {};
        ::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        std::string row = text;
        if (HMENU sub = ::GetSubMenu(menu, i)) {
            row += "[";
            std::vector<std::string> inner = MenuRows(sub);
            for (std::size_t j = 0; j < inner.size(); ++j) row += (j ? "|" : "") + inner[j];
            row += "]";
        }
        rows.push_back(row);
    }
    return rows;
}

// Chooses the item at position pos of menu as a user would: through its command id.
void Choose(TFrmFile& form, HMENU menu, int pos) {
    UINT id = ::GetMenuItemID(menu, pos);
    ASSERT_NE(id, static_cast<UINT>(-1));
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

MSG KeyFor(HWND target, int vk) {
    MSG msg{};
    msg.hwnd = target;
    msg.message = WM_KEYDOWN;
    msg.wParam = static_cast<WPARAM>(vk);
    return msg;
}

void PutOnClipboard(const std::string* text) {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    if (text) {
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text->size() + 1);
        char* bytes = static_cast<char*>(::GlobalLock(block));
        memcpy(bytes, text->c_str(), text->size() + 1);
        ::GlobalUnlock(block);
        ::SetClipboardData(CF_TEXT, block);
    }
    ::CloseClipboard();
}

bool FolderExists(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Wine keeps the recycle bin in $XDG_DATA_HOME/Trash; empty when unknown.
std::string TrashFolder() {
    char unixPath[1024] = {};
    DWORD n = ::GetEnvironmentVariableA("XDG_DATA_HOME", unixPath, sizeof unixPath);
    if (n == 0 || n >= sizeof unixPath || unixPath[0] != '/') return {};
    std::string path = std::string("Z:") + unixPath + "/Trash/";
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

void RemoveFromTrash(const std::string& trash, const std::string& name) {
    std::string from = trash + "files\\" + name;
    from.append(2, '\0');
    SHFILEOPSTRUCTA op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    ::SHFileOperationA(&op);
    ::DeleteFileA((trash + "info\\" + name + ".trashinfo").c_str());
}

class Bookmarks : public WindowFixture<> {
protected:
    void SetUp() override {
        // Japanese names: they never occur in the temp path, so each caption's "&" has one
        // place to go; 表 and ソ end in the byte 0x5C.
        for (const char* name : {"栞一", "表", "ソ", "栞三", "栞四", "栞五"}) {
            folders.push_back(dir.Make(name));
        }
        dir.Write("栞一\\a.txt", "a");
        dir.Write("栞一\\b.txt", "b");
    }
    std::unique_ptr<TFrmFile> Start(const std::string& bookmarks,
                                    std::vector<std::string> args = {}) {
        if (args.empty()) args.push_back(folders[5]);
        return Open(ValidSettings() + "Mask=*.*\r\n" + bookmarks, std::move(args));
    }
    int Tabs(TFrmFile& form) { return TabCtrl_GetItemCount(form.TabControl1); }

    std::vector<std::string> folders;
};

TEST_F(Bookmarks, MenuShowsTheDesktopThenBookmarksAndGroupsInStoreOrder) {
    const std::string& p = dir.Path();
    auto form =
        Start("Go1=Home," + folders[0] + "\r\nGo2=表|" + folders[2] + "\r\nGo3=" + folders[3] +
              "(&K)\r\nGo4=表|" + folders[1] + "\r\nGo6=" + folders[4] + "\r\n");
    HMENU menu = BookmarkMenu(*form);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(MenuRows(menu),
              (std::vector<std::string>{"ﾃﾞｽｸﾄｯﾌﾟ\tF3", "Home", "表[" + p + "&ソ|" + p + "&表]",
                                        folders[3] + "(&K)"}));

    // Rebuilt from a changed store: the old items go, the other menus keep their states.
    ASSERT_TRUE(form->MenuItem("mnHiddenFile").Checked);
    form->Settings.DeleteFamily("Go");
    form->Settings.Set("Go1", folders[4]);
    form->BuildBookmarkMenu();
    menu = BookmarkMenu(*form);
    EXPECT_EQ(MenuRows(menu), (std::vector<std::string>{"ﾃﾞｽｸﾄｯﾌﾟ\tF3", p + "&栞四"}));
    UINT state = ::GetMenuState(::GetMenu(form->Handle()), form->MenuItem("mnHiddenFile").Command,
                                MF_BYCOMMAND);
    EXPECT_TRUE(state != 0xFFFFFFFF && (state & MF_CHECKED));
    // Commands still reach their items after the renumbering.
    int before = Tabs(*form);
    ::SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(form->MenuItem("mnNewTab").Command, 0),
                   0);
    EXPECT_EQ(Tabs(*form), before + 1);
}

TEST_F(Bookmarks, BookmarkOpensInANewTabOrWithCtrlInTheCurrentOne) {
    auto form = Start("Go1=Home," + folders[0] + "\r\nGo2=G|" + folders[1] +
                      "\r\nGo3=" + folders[3] + "(&K)\r\n");
    HMENU menu = BookmarkMenu(*form);
    ASSERT_NE(menu, nullptr);

    ::SetFocus(form->CmbDir);
    Choose(*form, menu, 1);
    EXPECT_EQ(Tabs(*form), 2);
    EXPECT_EQ(Current(*form).Folder, folders[0]);
    EXPECT_EQ(::GetFocus(), form->ListView1);

    Choose(*form, ::GetSubMenu(menu, 2), 0);  // inside the group
    EXPECT_EQ(Tabs(*form), 3);
    EXPECT_EQ(Current(*form).Folder, folders[1]);

    {
        HeldKeys ctrl(false, true);
        Choose(*form, menu, 3);  // its own accelerator is no part of the folder
    }
    EXPECT_EQ(Tabs(*form), 3);
    EXPECT_EQ(Current(*form).Folder, folders[3]);
    EXPECT_EQ(Current(*form).History, (std::vector<std::string>{folders[1], folders[3]}));
    EXPECT_TRUE(ui.Shown.empty());

    // The store is read again at the click.
    form->Settings.Set("Go1", folders[4]);
    Choose(*form, menu, 1);
    EXPECT_EQ(Tabs(*form), 4);
    EXPECT_EQ(Current(*form).Folder, folders[4]);

    // A bookmark that no longer opens: the message, and the new tab is gone again.
    form->Settings.Set("Go1", dir.Path() + "gone");
    Choose(*form, menu, 1);
    EXPECT_EQ(Tabs(*form), 4);
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text, "開けません");
}

TEST_F(Bookmarks, DesktopAndDriveListOpenLikeBookmarks) {
    auto form = Start("");
    form->DesktopPath = folders[0] + "\\";
    EXPECT_TRUE(form->HandleShortCut(KeyFor(form->ListView1, VK_F3)));
    EXPECT_EQ(Tabs(*form), 2);
    EXPECT_EQ(Current(*form).Folder, folders[0] + "\\");

    form->ClickMenu("N11");
    EXPECT_EQ(Tabs(*form), 3);
    EXPECT_EQ(Current(*form).Folder, kDrivesFolder);
    EXPECT_EQ(TabCaptions(form->TabControl1).back(), "ﾄﾞﾗｲﾌﾞ");
    EXPECT_EQ(WindowText(form->CmbDir), "ﾄﾞﾗｲﾌﾞ");

    form->ClickMenu("KN1");  // a copy of the drive tab, then the drive list in it with Ctrl
    {
        HeldKeys ctrl(false, true);
        form->ClickMenu("mnDesktop");
        form->ClickMenu("D1");
    }
    EXPECT_EQ(Tabs(*form), 4);
    EXPECT_EQ(Current(*form).History,
              (std::vector<std::string>{kDrivesFolder, folders[0] + "\\", kDrivesFolder}));
}

TEST_F(Bookmarks, AddingFillsTheFirstFreeNumberOnceAndShowsAtOnce) {
    auto form = Start("Go1=" + folders[0] + "\r\nGo3=" + folders[1] + "\r\n", {folders[2]});
    HMENU menu = BookmarkMenu(*form);
    ASSERT_EQ(::GetMenuItemCount(menu), 2);  // Go3 waits behind the missing Go2

    MSG ctrlD = KeyFor(form->ListView1, 'D');
    {
        HeldKeys ctrl(false, true);
        EXPECT_TRUE(form->HandleShortCut(ctrlD));
    }
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text, folders[2] + "\nを栞に追加しますか?");
    EXPECT_EQ(ui.Shown[0].Caption, "確認");
    EXPECT_EQ(form->Settings.Value("Go2"), folders[2]);
    menu = BookmarkMenu(*form);
    EXPECT_EQ(MenuRows(menu),
              (std::vector<std::string>{"ﾃﾞｽｸﾄｯﾌﾟ\tF3", dir.Path() + "&栞一", dir.Path() + "&ソ"}));
    Choose(*form, menu, 2);
    EXPECT_EQ(Tabs(*form), 2);
    EXPECT_EQ(Current(*form).Folder, folders[2]);

    // Again: asked, but it is a bookmark already.
    std::size_t lines = form->Settings.Lines().size();
    form->ClickMenu("mnAddBookmark");
    EXPECT_EQ(ui.Shown.size(), 2u);
    EXPECT_EQ(form->Settings.Lines().size(), lines);
    EXPECT_EQ(::GetMenuItemCount(BookmarkMenu(*form)), 3);

    // Declined: nothing is added. The box's text counts, as typed.
    ui.Answer = IDCANCEL;
    ::SetWindowTextA(form->CmbDir, folders[4].c_str());
    form->ClickMenu("mnAddBookmark");
    EXPECT_EQ(ui.Shown.size(), 3u);
    EXPECT_EQ(form->Settings.Value("Go4"), "");
    EXPECT_EQ(::GetMenuItemCount(BookmarkMenu(*form)), 3);

    ui.Answer = IDOK;
    form->ClickMenu("mnAddBookmark");
    EXPECT_EQ(form->Settings.Value("Go4"), folders[4]);
    ASSERT_TRUE(form->SaveSettings());
    std::string file = dir.Read("tabora.ini");
    EXPECT_NE(file.find("\r\nGo2=" + folders[2] + "\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nGo4=" + folders[4] + "\r\n"), std::string::npos);
}

TEST_F(Bookmarks, ClipboardFolderOpensATabOnlyForAFolder) {
    auto form = Start("");
    int tabs = Tabs(*form);
    std::string text = " \r\n\t" + folders[0] + " \r\n";
    PutOnClipboard(&text);
    ::SetFocus(form->CmbDir);
    form->ClickMenu("mnOpenClipDir");
    EXPECT_EQ(Tabs(*form), ++tabs);
    EXPECT_EQ(Current(*form).Folder, folders[0]);
    EXPECT_EQ(::GetFocus(), form->ListView1);

    // The tool button and Ctrl+F4 do the same.
    PutOnClipboard(&folders[1]);
    ::SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                   reinterpret_cast<LPARAM>(form->spbtnDirPaste));
    EXPECT_EQ(Tabs(*form), ++tabs);
    EXPECT_EQ(Current(*form).Folder, folders[1]);
    {
        HeldKeys ctrl(false, true);
        EXPECT_TRUE(form->HandleShortCut(KeyFor(form->ListView1, VK_F4)));
    }
    EXPECT_EQ(Tabs(*form), ++tabs);

    // A relative folder is taken from where the process stands, and kept whole.
    ::SetCurrentDirectoryA(dir.Path().c_str());
    text = "栞三";
    PutOnClipboard(&text);
    form->ClickMenu("mnOpenClipDir");
    EXPECT_EQ(Tabs(*form), ++tabs);
    EXPECT_EQ(Current(*form).Folder, folders[3]);
    EXPECT_TRUE(ui.Shown.empty());

    // Nothing, or only blanks: nothing happens.
    text = " \r\n\t ";
    const std::string* nothings[] = {nullptr, &text};
    for (const std::string* nothing : nothings) {
        PutOnClipboard(nothing);
        form->ClickMenu("mnOpenClipDir");
        EXPECT_EQ(Tabs(*form), tabs);
        EXPECT_TRUE(ui.Shown.empty());
    }

    // No folder, a file, a megabyte of lines: the message and no tab.
    std::string big;
    while (big.size() < (1u << 20)) big += folders[0] + "\\a.txt\r\n";
    std::string file = folders[0] + "\\a.txt";
    std::string missing = dir.Path() + "gone";
    for (const std::string* bad : {&missing, &file, &big}) {
        ui.Shown.clear();
        PutOnClipboard(bad);
        form->ClickMenu("mnOpenClipDir");
        EXPECT_EQ(Tabs(*form), tabs);
        ASSERT_EQ(ui.Shown.size(), 1u);
        EXPECT_EQ(ui.Shown[0].Text, "開けません");
        EXPECT_EQ(ui.Shown[0].Caption, "ｴﾗｰ");
    }
}

// Wine's shell asks before every delete (as Windows does); the answerer gives the answer.
TEST_F(Bookmarks, DeletingTheTabsFolder) {
    std::string trash = TrashFolder();
    std::string parent = dir.Path().substr(0, dir.Path().size() - 1);
    // Names of their own: the recycle bin outlives the test.
    const std::string unique =
        std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(::GetTickCount64());
    const std::string gone = "消す一" + unique, recycled = "消す二" + unique;
    {
        // The only tab, Shift held: gone for good, the tab shows the parent.
        std::string victim = dir.Make(gone);
        dir.Write(gone + "\\x.txt", "x");
        auto form = Start("", {victim});
        ShellPromptAnswerer yes(IDYES);
        {
            HeldKeys shift(true, false);
            form->ClickMenu("popDirDelete");
        }
        EXPECT_EQ(yes.Answered(), 1);
        EXPECT_FALSE(FolderExists(victim));
        if (!trash.empty()) {
            EXPECT_FALSE(FolderExists(trash + "files\\" + gone));
        }
        EXPECT_EQ(Tabs(*form), 1);
        EXPECT_EQ(Current(*form).Folder, parent);
    }
    {
        // One of two tabs, no Shift: to the recycle bin, and the tab closes.
        std::string victim = dir.Make(recycled);
        auto form = Start("", {folders[0], victim});
        ShellPromptAnswerer yes(IDYES);
        form->ClickMenu("popDirDelete");
        EXPECT_EQ(yes.Answered(), 1);
        EXPECT_FALSE(FolderExists(victim));
        if (!trash.empty()) {
            EXPECT_TRUE(FolderExists(trash + "files\\" + recycled));
            RemoveFromTrash(trash, recycled);
        }
        EXPECT_EQ(TabCaptions(form->TabControl1), std::vector<std::string>{"栞一"});
        EXPECT_EQ(Current(*form).Folder, folders[0]);
    }
    {
        // Declined: everything stays.
        std::string victim = dir.Make("消す三");
        auto form = Start("", {folders[0], victim});
        ShellPromptAnswerer no(IDNO);
        form->ClickMenu("popDirDelete");
        EXPECT_EQ(no.Answered(), 1);
        EXPECT_TRUE(FolderExists(victim));
        EXPECT_EQ(Tabs(*form), 2);
        EXPECT_EQ(Current(*form).Folder, victim);
    }
    {
        // A drive root, the drive list and a server's shares are never offered to the shell.
        auto form = Start("", {"C:\\"});
        ShellPromptAnswerer no(IDNO);
        form->ClickMenu("popDirDelete");
        form->ClickMenu("N11");
        form->ClickMenu("popDirDelete");
        form->OpenFolder("\\\\server", true);
        form->ClickMenu("popDirDelete");
        EXPECT_EQ(no.Answered(), 0);
        EXPECT_EQ(Tabs(*form), 2);
        EXPECT_EQ(Current(*form).Folder, "\\\\server");
        EXPECT_TRUE(FolderExists("C:\\"));
    }
}

// What the shell is asked, and what the tab does with each answer.
TEST_F(Bookmarks, DeletingTheTabsFolderByPlan) {
    const std::string parent = dir.Path().substr(0, dir.Path().size() - 1);
    const std::string victim = dir.Make("消す表");
    auto form = Start("", {folders[0], victim});
    auto& shell = Install<RecordingShellOps>(form->Shell);
    std::string whereAtCall;
    shell.OnRun = [&](const ShellPlan&) { whereAtCall = CurrentDirectory(); };

    // Reported done, yet the folder is still there (the user said no): the tab stays.
    ::SetCurrentDirectoryA(victim.c_str());
    form->ClickMenu("popDirDelete");
    ASSERT_EQ(shell.Plans.size(), 1u);
    EXPECT_EQ(shell.Plans[0].Function, ShellFunction::Delete);
    EXPECT_EQ(shell.Plans[0].Sources, std::vector<std::string>{victim});
    EXPECT_TRUE(shell.Plans[0].Destinations.empty());
    EXPECT_EQ(shell.Plans[0].Flags, kShellAllowUndo | kShellSilent);
    EXPECT_EQ(whereAtCall, parent);  // the folder was left before the shell came
    EXPECT_EQ(Tabs(*form), 2);

    // Shift: for good. A failure leaves the tab.
    shell.Answer = {0x402, false};
    {
        HeldKeys shift(true, false);
        form->ClickMenu("popDirDelete");
    }
    ASSERT_EQ(shell.Plans.size(), 2u);
    EXPECT_EQ(shell.Plans[1].Flags, kShellSilent);
    EXPECT_EQ(Tabs(*form), 2);
    EXPECT_EQ(Current(*form).Folder, victim);

    // Done and gone: the tab closes.
    shell.Answer = {};
    shell.OnRun = [&](const ShellPlan& plan) { ::RemoveDirectoryA(plan.Sources[0].c_str()); };
    form->ClickMenu("popDirDelete");
    EXPECT_FALSE(FolderExists(victim));
    EXPECT_EQ(TabCaptions(form->TabControl1), std::vector<std::string>{"栞一"});
    EXPECT_TRUE(ui.Shown.empty());
}

}  // namespace
