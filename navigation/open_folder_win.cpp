// Changing the folder of the current tab.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"
#include "navigation/path_text.h"
#include "platform/text_win.h"

int TFrmFile::CurrentSlot() const {
    int tab = TabCtrl_GetCurSel(TabControl1);
    if (tab < 0 || tab >= kMaxTabs) return -1;
    return TabToSlot[tab];
}

std::string TFrmFile::CurrentFolder() const {
    int slot = CurrentSlot();
    return slot < 0 ? std::string() : FolderForAppend(TabSlots[slot].Folder);
}

bool TFrmFile::OpenFolder(const std::string& requested, bool addToHistory) {
    int slotIndex = CurrentSlot();
    if (slotIndex < 0) return false;
    TTabSlot& slot = TabSlots[slotIndex];
    std::string path = requested;
    bool accepted = IsServerPath(path) || path == kDrivesFolder;
    if (!accepted && !path.empty() && ::SetCurrentDirectoryA(path.c_str())) {
        accepted = true;
        // A relative folder would follow the process's current folder around; keep the
        // folder that was actually entered.
        if (!IsAbsolutePath(path)) path = CurrentDirectory();
    }
    if (!accepted) {
        Ui.Message(hwnd_, "開けません", "ｴﾗｰ", MB_OK | MB_ICONERROR);
        return false;
    }
    bool firstOfNewTab = slot.History.empty() && slot.HistoryPos == 0;
    if (!firstOfNewTab && path == slot.Folder) {
        mnRefreshClick();
        return true;
    }
    ResetScroll();
    slot.Page = 0;
    ::SetWindowTextA(CmbDir, path.c_str());
    slot.Folder = path;
    ReadFolder(CurrentFolder(), slotIndex);
    std::string caption = TabCaption(path);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    TabCtrl_SetItem(TabControl1, TabCtrl_GetCurSel(TabControl1), &item);
    ListFolder(slotIndex);
    if (addToHistory) {
        slot.History.resize(static_cast<std::size_t>(slot.HistoryPos));
        slot.History.push_back(path);
        ++slot.HistoryPos;
        UpdateHistoryButtons();
    }
    return true;
}
