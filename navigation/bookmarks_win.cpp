// The menu 栞(&B) and the folders it opens, the desktop and the drive list, the folder whose
// path is on the clipboard, and deleting the folder a tab shows.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"
#include "fileops/shell_plan.h"
#include "navigation/bookmarks.h"
#include "navigation/path_text.h"
#include "platform/clipboard_win.h"
#include "platform/text_win.h"

namespace {

// A path this long cannot be a folder; the system need not be asked.
constexpr std::size_t kLongestPath = 32767;

}  // namespace

void TFrmFile::BuildBookmarkMenu() {
    BuildBookmarkItems(MenuItem("B1"), Settings);
    RefreshMainMenu();
}

void TFrmFile::AddBookmarkItem(const std::string& folder, int n, const std::string& label) {
    ::AddBookmarkItem(MenuItem("B1"), folder, n, label);
    RefreshMainMenu();
}

void TFrmFile::BookmarkClick(int n) {
    // The store, not the menu, says where the bookmark goes: it may have changed since.
    OpenFromMenu(BookmarkFolder(Settings.Value("Go" + std::to_string(n))));
}

void TFrmFile::mnDesktopClick() { OpenFromMenu(DesktopPath); }

void TFrmFile::mnDrive() { OpenFromMenu(kDrivesFolder); }

void TFrmFile::mnAddBookmarkClick() {
    std::string folder = WindowText(CmbDir);
    if (folder.empty()) return;
    if (Ui.Message(hwnd_, folder + "\nを栞に追加しますか?", "確認",
                   MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    int n = AddBookmarkEntry(Settings, folder);
    if (n > 0) AddBookmarkItem(folder, n, "");
}

void TFrmFile::mnOpenClipDirClick() {
    std::string folder = TrimBlanks(ClipboardText(hwnd_));
    if (folder.empty()) return;
    if (folder.size() > kLongestPath || !::SetCurrentDirectoryW(WideText(folder).c_str())) {
        Ui.Message(hwnd_, "開けません", "ｴﾗｰ", MB_OK | MB_ICONERROR);
        return;
    }
    // The tab opens it again from the new current directory: a relative text would miss.
    if (!IsAbsolutePath(folder)) folder = CurrentDirectory();
    SaveScroll();
    NewTab(folder);
    FocusListTop();
}

void TFrmFile::popDirDeleteClick() {
    const std::string folder = DeletableFolder(CurrentFolder());
    if (folder.empty()) return;
    // Leave the folder first: the process's current directory cannot be deleted. Its parent
    // releases it even when the current directory is another tab's folder inside it.
    ::SetCurrentDirectoryW(WideText(ParentPath(folder)).c_str());
    // The shell still asks its own question; Shift deletes for good.
    if (RunShell(DeletePlan({folder}, ::GetKeyState(VK_SHIFT) < 0)).Code != 0) return;
    if (::SetCurrentDirectoryW(WideText(folder).c_str()))
        return;  // refused or cancelled: still there
    if (TabCtrl_GetItemCount(TabControl1) <= 1)
        GoUp();
    else
        mnCloseTabClick();
}
