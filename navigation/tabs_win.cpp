// Opening, closing, switching and reordering tabs.
#include <windows.h>

#include <commctrl.h>

#include <iterator>

#include "app/file1_win.h"
#include "navigation/path_text.h"
#include "navigation/restore_tabs.h"

int TFrmFile::AppendTab(const std::string& folder) {
    int slot = TabSlots.AllocSlot(DefaultSortKind, DefaultReverse);
    if (slot < 0) return -1;  // 32 tabs: nothing happens, nothing is said
    std::string caption = TabCaption(folder);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    const int index = TabCtrl_InsertItem(TabControl1, TabCtrl_GetItemCount(TabControl1), &item);
    TabToSlot[index] = static_cast<std::int8_t>(slot);
    return index;
}

void TFrmFile::DropTab(int index) {
    const int count = TabCtrl_GetItemCount(TabControl1);
    TabSlots.FreeSlot(TabToSlot[index]);
    TabCtrl_DeleteItem(TabControl1, index);
    RemoveTabPosition(TabToSlot, count, index);
}

void TFrmFile::NewTab(const std::string& folder) {
    const int index = AppendTab(folder);
    if (index < 0) return;
    TabCtrl_SetCurSel(TabControl1, index);
    UpdateSortMenu();
    if (!OpenFolder(folder, true)) mnCloseTabClick();
}

void TFrmFile::mnNewTabClick() {
    SaveScroll();
    const std::vector<RowEntry> selected = SelectedEntries(1);
    if (!selected.empty() && selected.front().Kind == kFolderKind) {
        NewTab(CurrentFolder() + TabSlots[ListedSlot].Names[selected.front().Entry]);
        return;
    }
    int slot = CurrentSlot();
    if (slot >= 0) NewTab(std::string(TabSlots[slot].Folder));
    ::SetFocus(CmbDir);
}

void TFrmFile::mnCloseTabClick() {
    int count = TabCtrl_GetItemCount(TabControl1);
    int index = TabCtrl_GetCurSel(TabControl1);
    if (index < 0 || (count <= 1 && !StartupOpening)) return;
    DropTab(index);
    // The tab that failed at start-up is always the last one: nothing to list.
    if (StartupOpening) return;
    ShowTab(index < count - 1 ? index : index - 1);
}

void TFrmFile::ShowTab(int index) {
    TabCtrl_SetCurSel(TabControl1, index);
    if (!ReadRestoredTab()) return;
    ListFolder(CurrentSlot());
    UpdateHistoryButtons();
    UpdateSortMenu();
}

void TFrmFile::mnNextTabClick() {
    int count = TabCtrl_GetItemCount(TabControl1);
    if (count == 0) return;
    SaveScroll();
    ShowTab((TabCtrl_GetCurSel(TabControl1) + 1) % count);
}

void TFrmFile::mnBackTabClick() {
    int count = TabCtrl_GetItemCount(TabControl1);
    if (count == 0) return;
    SaveScroll();
    ShowTab((TabCtrl_GetCurSel(TabControl1) + count - 1) % count);
}

void TFrmFile::TabControl1Changing() { SaveScroll(); }

void TFrmFile::TabControl1Change() {
    if (!ReadRestoredTab()) return;
    ListFolder(CurrentSlot());
    UpdateHistoryButtons();
    UpdateSortMenu();
}

int TFrmFile::TabAtPoint(POINT point, bool skipCurrent) const {
    int count = TabCtrl_GetItemCount(TabControl1);
    int current = TabCtrl_GetCurSel(TabControl1);
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (skipCurrent && i == current) continue;
        if (TabCtrl_GetItemRect(TabControl1, i, &r) && ::PtInRect(&r, point)) return i;
    }
    return -1;
}

void TFrmFile::TabControl1RightClick(POINT point) {
    int tab = TabAtPoint(point, false);
    if (tab < 0) return;
    if (tab != TabCtrl_GetCurSel(TabControl1)) {
        TabCtrl_SetCurSel(TabControl1, tab);
        TabControl1Change();
    }
    POINT screen = point;
    ::ClientToScreen(TabControl1, &screen);
    ShowPopupMenu(PopupMenu2, screen);
}

void TFrmFile::TabControl1DragDrop(POINT point) {
    int target = TabAtPoint(point, true);
    if (target < 0) return;
    int count = TabCtrl_GetItemCount(TabControl1);
    int current = TabCtrl_GetCurSel(TabControl1);
    wchar_t text[1024] = {};  // the caption as shown, in UTF-16
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = static_cast<int>(std::size(text));
    ::SendMessageW(TabControl1, TCM_GETITEMW, current, reinterpret_cast<LPARAM>(&item));
    TabCtrl_DeleteItem(TabControl1, current);
    ::SendMessageW(TabControl1, TCM_INSERTITEMW, target, reinterpret_cast<LPARAM>(&item));
    MoveTabPosition(TabToSlot, count, current, target);
    // The same slot stays shown: no listing.
    TabCtrl_SetCurSel(TabControl1, target);
}

void TFrmFile::UpdateSortMenu() {
    int slot = CurrentSlot();
    if (slot < 0) return;
    int kind = TabSlots[slot].SortKind;
    if (kind < 0 || kind > 3) return;
    for (const char* submenu : {"S1", "S2"}) {
        for (TMenuItem& item : MenuItem(submenu).Items) item.Checked = item.Tag == kind;
    }
    SyncMenus();
    ShowSortArrows();
}

void TFrmFile::UpdateHistoryButtons() {
    int slot = CurrentSlot();
    if (slot < 0) return;
    ::EnableWindow(spbtnBack, CanGoBack(TabSlots[slot]));
    ::EnableWindow(spbtnNext, CanGoForward(TabSlots[slot]));
}

void TFrmFile::Timer1Timer() {
    if (!OpenDirPending) return;
    OpenDirPending = false;
    ::KillTimer(hwnd_, kTimer1);
    NewTab(OpenDirPath);
}

void TFrmFile::OpenStartupFolders() {
    StartupOpening = true;
    if (RestoreTabsOn(Settings) && NamesNoFolder(args_)) {
        RestoreTabs();
    } else {
        for (const std::string& arg : args_)
            if (arg != "-n") NewTab(arg);
    }
    StartupOpening = false;
    if (TabSlots.UsedCount() == 0) {
        char cwd[MAX_PATH * 4] = {};
        DWORD n = ::GetCurrentDirectoryA(sizeof cwd, cwd);
        NewTab(std::string(cwd, n < sizeof cwd ? n : 0));
    }
    // A last folder that failed took its tab, and the selection, with it: every command works
    // on the current tab, so the last one left is selected and listed.
    int count = TabCtrl_GetItemCount(TabControl1);
    if (count > 0 && TabCtrl_GetCurSel(TabControl1) < 0) ShowTab(count - 1);
}

void TFrmFile::RestoreTabs() {
    // Only the current tab is read now: a slow server or a folder gone since the last run
    // holds nothing up, and is found out when its tab is first shown.
    const SavedTabs saved = ReadSavedTabs(Settings);
    for (const std::string& folder : saved.Folders) {
        const int index = AppendTab(folder);
        if (index < 0) break;
        TTabSlot& slot = TabSlots[TabToSlot[index]];
        slot.Folder = folder;
        slot.Unread = true;
    }
    if (TabCtrl_GetItemCount(TabControl1) > 0) ShowTab(saved.Current);
}

bool TFrmFile::ReadRestoredTab() {
    const int index = TabCtrl_GetCurSel(TabControl1);
    const int slot = CurrentSlot();
    if (slot < 0 || !TabSlots[slot].Unread) return true;
    TTabSlot& restored = TabSlots[slot];
    restored.Unread = false;
    const std::string folder = restored.Folder;
    restored.Folder.clear();
    bool opened = false;
    {
        // Failures say nothing until OpenFolder returns, or throws.
        restoring_ = true;
        struct Quiet {
            bool& restoring;
            ~Quiet() { restoring = false; }
        } quiet{restoring_};
        opened = OpenFolder(folder, true);
    }
    if (opened) return true;
    // A folder that cannot be opened any more leaves quietly; the tab beside it is shown.
    const int count = TabCtrl_GetItemCount(TabControl1);
    DropTab(index);
    if (count > 1) ShowTab(index < count - 1 ? index : index - 1);
    SetStatus("開けません: " + folder);
    return false;
}
