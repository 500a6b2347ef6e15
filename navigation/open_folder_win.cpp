// Changing the folder of the current tab.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"
#include "app/history.h"
#include "navigation/path_text.h"
#include "platform/text_win.h"

bool TFrmFile::OpenFolder(const std::string& requested, bool addToHistory) {
    int slotIndex = CurrentSlot();
    if (slotIndex < 0) return false;
    TTabSlot& slot = TabSlots[slotIndex];
    std::string path = requested;
    const std::string before = CurrentDirectory();
    bool accepted = IsServerPath(path) || path == kDrivesFolder;
    if (!accepted && !path.empty() && ::SetCurrentDirectoryW(WideText(path).c_str())) {
        accepted = true;
        // A relative folder would follow the process's current folder around; keep the
        // folder that was actually entered.
        if (!IsAbsolutePath(path)) path = CurrentDirectory();
    }
    if (!accepted) {
        if (!restoring_) Ui.Message(hwnd_, "開けません", "ｴﾗｰ", MB_OK | MB_ICONERROR);
        return false;
    }
    if (!NothingVisitedYet(slot) && path == slot.Folder) {
        mnRefreshClick();
        return true;
    }
    // Read before anything of the tab changes: a reading stopped with Esc leaves the tab as a
    // folder that cannot be opened does, without the message.
    if (!ReadFolder(FolderForAppend(path), slotIndex)) {
        ::SetCurrentDirectoryW(WideText(before).c_str());
        return false;
    }
    ResetScroll();
    slot.Page = 0;
    ::SetWindowTextA(CmbDir, path.c_str());
    slot.Folder = path;
    // In UTF-16: a folder the code page cannot hold shows its own characters.
    std::wstring caption = WideText(TabCaption(path));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    ::SendMessageW(TabControl1, TCM_SETITEMW, TabCtrl_GetCurSel(TabControl1),
                   reinterpret_cast<LPARAM>(&item));
    ListFolder(slotIndex);
    if (addToHistory) {
        VisitFolder(slot, path);
        UpdateHistoryButtons();
    }
    return true;
}
