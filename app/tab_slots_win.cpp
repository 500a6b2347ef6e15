// The current tab's slot, the list view position kept in it, and the slot entries behind the
// list's rows.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"

int TFrmFile::CurrentSlot() const {
    int tab = TabCtrl_GetCurSel(TabControl1);
    if (tab < 0 || tab >= kMaxTabs) return -1;
    return TabToSlot[tab];
}

std::string TFrmFile::CurrentFolder() const {
    int slot = CurrentSlot();
    return slot < 0 ? std::string() : FolderForAppend(TabSlots[slot].Folder);
}

void TFrmFile::SaveScroll() {
    int slot = CurrentSlot();
    if (slot < 0) return;
    int count = ListView_GetItemCount(ListView1);
    TabSlots[slot].TopIndex = count > 0 ? ListView_GetTopIndex(ListView1) : 0;
    int focused = ListView_GetNextItem(ListView1, -1, LVNI_FOCUSED);
    TabSlots[slot].FocusIndex = focused < 0 ? 0 : focused;
}

void TFrmFile::ResetScroll() {
    int slot = CurrentSlot();
    if (slot < 0) return;
    TabSlots[slot].TopIndex = 0;
    TabSlots[slot].FocusIndex = 0;
}

ShownListing TFrmFile::Shown() {
    return {CurrentListing, ShownPage, ListedSlot >= 0 && TabSlots[ListedSlot].Reverse};
}

std::int32_t TFrmFile::ItemToEntry(std::int32_t item) const {
    // The listed slot's order: the rows are the listed slot's even while another tab is
    // being switched to.
    const bool reverse = ListedSlot >= 0 && TabSlots[ListedSlot].Reverse;
    return ::ItemToEntry(item, reverse, ShownPage.Start, ShownPage.End);
}

std::optional<RowEntry> TFrmFile::ListedEntry(std::int32_t row) const {
    if (ListedSlot < 0) return std::nullopt;
    return EntryOfRow(TabSlots[ListedSlot], CurrentListing, row, ShownPage.Start, ShownPage.End);
}

std::vector<RowEntry> TFrmFile::SelectedEntries(std::size_t most) const {
    std::vector<RowEntry> entries;
    for (int row = ListView_GetNextItem(ListView1, -1, LVNI_SELECTED);
         row >= 0 && entries.size() < most;
         row = ListView_GetNextItem(ListView1, row, LVNI_SELECTED)) {
        if (std::optional<RowEntry> entry = ListedEntry(row)) entries.push_back(*entry);
    }
    return entries;
}

std::vector<std::string> TFrmFile::SelectedNames() const {
    std::vector<std::string> names;
    for (const RowEntry& row : SelectedEntries())
        names.push_back(TabSlots[ListedSlot].Names[static_cast<std::size_t>(row.Entry)]);
    return names;
}
