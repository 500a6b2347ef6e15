// The folder box's keys and its completion list, in process: real folders, the real list box.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "app/file1_win.h"
#include "win_test_support.h"
#include "window_fixture.h"

namespace {

using Names = std::vector<std::string>;

constexpr int kBackslashKey = 220;

class FolderBox : public WindowFixture<> {
protected:
    void SetUp() override {
        dir.Write("tabora.ini", ValidSettings("*.*") + "HiddenFile=0\r\n");
        root = dir.Make("root");
        dir.Make("root\\red");
        dir.Make("root\\z");
        for (const char* name : {"re.txt", "Report", "rb"})
            dir.Write("root\\" + std::string(name), "x");
    }
    std::unique_ptr<TFrmFile> Start(std::vector<std::string> args) {
        return WindowFixture::Open(std::move(args), true);
    }
    // Types text into the box and presses Down there.
    static void Complete(TFrmFile& form, const std::string& text) {
        ::SetFocus(form.CmbDir);
        ::SetWindowTextA(form.CmbDir, text.c_str());
        form.CmbDirKeyDown(VK_DOWN);
    }
    static Names Lines(TFrmFile& form) {
        Names lines;
        LRESULT count = ::SendMessageA(form.lstHokan, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char line[MAX_PATH * 2] = {};
            ::SendMessageA(form.lstHokan, LB_GETTEXT, static_cast<WPARAM>(i),
                           reinterpret_cast<LPARAM>(line));
            lines.push_back(line);
        }
        return lines;
    }
    static bool Open(TFrmFile& form) { return ::IsWindowVisible(form.lstHokan) != FALSE; }
    static void Pick(TFrmFile& form, const std::string& line, int key) {
        Names lines = Lines(form);
        auto at = std::find(lines.begin(), lines.end(), line);
        ASSERT_NE(at, lines.end()) << line;
        ::SendMessageA(form.lstHokan, LB_SETCURSEL, static_cast<WPARAM>(at - lines.begin()), 0);
        form.lstHokanKeyDown(key);
    }
    static int Width(HWND control) {
        RECT r{};
        ::GetWindowRect(control, &r);
        return r.right - r.left;
    }

    std::string root;
};

TEST_F(FolderBox, CompletionFromTheTabsOwnEntries) {
    auto form = Start({root});
    // Made after the tab was read: the tab's entries are offered, not the disk's.
    dir.Write("root\\rex", "x");

    Complete(*form, root);  // the box still shows the tab's folder
    EXPECT_FALSE(Open(*form));

    Complete(*form, root + "\\re");
    ASSERT_TRUE(Open(*form));
    EXPECT_EQ(Lines(*form), (Names{"red ", "re.txt"}));  // "Report": the case counts
    EXPECT_EQ(::GetFocus(), form->lstHokan);
    EXPECT_EQ(::SendMessageA(form->lstHokan, LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Width(form->lstHokan), Width(form->CmbDir));

    form->lstHokanKeyDown(VK_ESCAPE);
    EXPECT_FALSE(Open(*form));
    EXPECT_EQ(::GetFocus(), form->CmbDir);

    // Only a backslash added: everything, folders first, each group in order.
    Complete(*form, root + "\\");
    EXPECT_EQ(Lines(*form), (Names{"red ", "z ", "rb", "re.txt", "Report"}));
    // Leaving the list closes it.
    ::SetFocus(form->ListView1);
    EXPECT_FALSE(Open(*form));
}

TEST_F(FolderBox, CompletionFromTheDiskForAnotherFolder) {
    std::string other = dir.Make("other");
    dir.Make("other\\Data");
    dir.Write("other\\data2", "x");
    ::SetFileAttributesA((other + "\\data2").c_str(), FILE_ATTRIBUTE_HIDDEN);
    dir.Write("other\\nodata", "x");
    dir.Make("other\\表");
    dir.Write("other\\表\\ソ.txt", "x");
    dir.Write("other\\表\\ソース", "x");
    auto form = Start({root});

    // The disk matches without case; hidden entries are offered although the tab hides them.
    Complete(*form, other + "\\Da");
    EXPECT_EQ(Lines(*form), (Names{"Data ", "data2"}));
    Complete(*form, other + "\\表");
    EXPECT_EQ(Lines(*form), (Names{"表 "}));
    // The trail byte of 表 is no backslash: the folder is 表, the name begins with ソ.
    Complete(*form, other + "\\表\\ソ.");
    EXPECT_EQ(Lines(*form), (Names{"ソ.txt"}));

    // A folder that is not there: an empty list, shown.
    Complete(*form, dir.Path() + "nowhere\\x");
    EXPECT_TRUE(Open(*form));
    EXPECT_EQ(Lines(*form), Names{});
    EXPECT_EQ(::SendMessageA(form->lstHokan, LB_GETCURSEL, 0, 0), LB_ERR);
    // Enter with nothing to pick closes the list and changes nothing.
    form->lstHokanKeyDown(VK_RETURN);
    EXPECT_FALSE(Open(*form));
    EXPECT_EQ(::GetFocus(), form->ListView1);
    EXPECT_EQ(Current(*form).Folder, root);
}

TEST_F(FolderBox, BackslashKeyCompletesAFolderAndGoesOn) {
    auto form = Start({root});
    dir.Write("root\\red\\inner.txt", "x");
    Complete(*form, root + "\\r");
    Pick(*form, "red ", kBackslashKey);
    EXPECT_FALSE(Open(*form));
    EXPECT_EQ(::GetFocus(), form->CmbDir);
    EXPECT_EQ(WindowText(form->CmbDir), root + "\\red\\");
    EXPECT_EQ(Current(*form).Folder, root);  // nothing was read into the tab

    form->CmbDirKeyDown(VK_DOWN);
    EXPECT_EQ(Lines(*form), (Names{"inner.txt"}));
}

TEST_F(FolderBox, DriveListCompletesDrives) {
    auto form = Start({root});
    ::SetFocus(form->CmbDir);
    ::SetWindowTextA(form->CmbDir, "");
    form->CmbDirKeyDown(VK_RETURN);  // an empty box opens the drive list
    EXPECT_EQ(Current(*form).Folder, kDrivesFolder);
    EXPECT_EQ(WindowText(form->CmbDir), kDrivesFolder);
    EXPECT_EQ(::GetFocus(), form->ListView1);

    Complete(*form, "C");
    EXPECT_EQ(Lines(*form), (Names{"C:\\ "}));
    Pick(*form, "C:\\ ", kBackslashKey);
    EXPECT_EQ(WindowText(form->CmbDir), "C:\\");
    EXPECT_EQ(Current(*form).Folder, kDrivesFolder);
}

TEST_F(FolderBox, AFileOpenedFromTheListLeavesTheTabOnTheFolderItShows) {
    // Both folders hold a.txt: a later delete must hit the listed one.
    dir.Write("root\\a.txt", "listed");
    std::string other = dir.Make("other");
    dir.Write("other\\a.txt", "typed");
    auto form = Start({root});
    RecordingLauncher& launcher = Install<RecordingLauncher>(form->Launch);
    RecordingShellOps& shell = Install<RecordingShellOps>(form->Shell);

    Complete(*form, other + "\\a");
    Pick(*form, "a.txt", VK_RETURN);
    ASSERT_EQ(launcher.Plans.size(), 1u);
    EXPECT_EQ(launcher.Plans[0].Program, other + "\\a.txt");
    EXPECT_EQ(Current(*form).Folder, root);
    EXPECT_EQ(::GetFocus(), form->ListView1);

    Names rows = ListCaptions(form->ListView1);
    auto row = std::find(rows.begin(), rows.end(), "a.txt");
    ASSERT_NE(row, rows.end());
    ListView_SetItemState(form->ListView1, -1, 0, LVIS_SELECTED);
    ListView_SetItemState(form->ListView1, static_cast<int>(row - rows.begin()), LVIS_SELECTED,
                          LVIS_SELECTED);
    form->ClickMenu("mnDelete");
    ASSERT_EQ(shell.Plans.size(), 1u);
    EXPECT_EQ(shell.Plans[0].Sources, (Names{root + "\\a.txt"}));

    // A folder that went away since it was offered: the message, and the tab stays.
    dir.Make("other\\gone");
    Complete(*form, other + "\\g");
    ::RemoveDirectoryA((other + "\\gone").c_str());
    Pick(*form, "gone ", VK_RETURN);
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text, "開けません");
    EXPECT_EQ(Current(*form).Folder, root);
}

TEST_F(FolderBox, BoxKeysOpenCompleteAndResize) {
    auto form = Start({root});
    // Ins is the new-folder key elsewhere; in the box it completes.
    ::SetFocus(form->CmbDir);
    ::SetWindowTextA(form->CmbDir, (root + "\\r").c_str());
    MSG ins{form->CmbDir, WM_KEYDOWN, VK_INSERT, 0, 0, {}};
    if (!form->HandleShortCut(ins)) ::DispatchMessageA(&ins);
    EXPECT_TRUE(Open(*form));
    EXPECT_EQ(Lines(*form), (Names{"red ", "rb", "re.txt"}));
    EXPECT_FALSE(::GetFileAttributesA((root + "\\新しいフォルダ").c_str()) !=
                 INVALID_FILE_ATTRIBUTES);
    // Del in the open list is no file command: the file list's selection stays on disk.
    RecordingShellOps& shell = Install<RecordingShellOps>(form->Shell);
    form->SelectRow(0, true);
    MSG del{form->lstHokan, WM_KEYDOWN, VK_DELETE, 0, 0, {}};
    EXPECT_FALSE(form->HandleShortCut(del));
    EXPECT_TRUE(shell.Plans.empty());

    // A folder that fails to open: the message, the text selected for typing over.
    ::SetFocus(form->CmbDir);
    ::SetWindowTextA(form->CmbDir, (root + "\\none").c_str());
    MSG enter{form->CmbDir, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    ::DispatchMessageA(&enter);
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(::GetFocus(), form->CmbDir);
    DWORD from = 0, to = 0;
    ::SendMessageA(form->CmbDir, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                   reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, (root + "\\none").size());
    EXPECT_EQ(Current(*form).Folder, root);

    // Ctrl+Right widens the box and the buttons beside it move along.
    RECT before{}, after{};
    ::GetWindowRect(form->spbtnBack, &before);
    int width = Width(form->CmbDir);
    {
        HeldKeys ctrl(false, true);
        form->CmbDirKeyDown(VK_RIGHT);
    }
    EXPECT_EQ(Width(form->CmbDir), width + 8);
    ::GetWindowRect(form->spbtnBack, &after);
    EXPECT_EQ(after.left, before.left + 8);
}

}  // namespace
