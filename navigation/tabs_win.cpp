// Opening, closing and switching tabs.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"
#include "navigation/path_text.h"

void TFrmFile::NewTab(const std::string& folder) {
    int slot = TabSlots.AllocSlot(DefaultSortKind, DefaultReverse);
    if (slot < 0) return;  // 32 tabs: nothing happens, nothing is said
    std::string caption = TabCaption(folder);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    int index = TabCtrl_GetItemCount(TabControl1);
    index = TabCtrl_InsertItem(TabControl1, index, &item);
    TabToSlot[index] = static_cast<std::int8_t>(slot);
    TabCtrl_SetCurSel(TabControl1, index);
    UpdateSortMenu();
    if (!OpenFolder(folder, true)) mnCloseTabClick();
}

void TFrmFile::mnCloseTabClick() {
    int count = TabCtrl_GetItemCount(TabControl1);
    int index = TabCtrl_GetCurSel(TabControl1);
    if (index < 0 || (count <= 1 && !StartupOpening)) return;
    TabSlots.FreeSlot(TabToSlot[index]);
    TabCtrl_DeleteItem(TabControl1, index);
    if (StartupOpening) return;
    RemoveTabPosition(TabToSlot, count, index);
    SelectTab(index < count - 1 ? index : index - 1);
}

void TFrmFile::SelectTab(int index) {
    TabCtrl_SetCurSel(TabControl1, index);
    int slot = CurrentSlot();
    if (slot >= 0) ::SetWindowTextA(CmbDir, TabSlots[slot].Folder.c_str());
    UpdateHistoryButtons();
    UpdateSortMenu();
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
}

void TFrmFile::UpdateHistoryButtons() {
    int slot = CurrentSlot();
    if (slot < 0) return;
    ::EnableWindow(spbtnBack, CanGoBack(TabSlots[slot]));
    ::EnableWindow(spbtnNext, CanGoForward(TabSlots[slot]));
}
