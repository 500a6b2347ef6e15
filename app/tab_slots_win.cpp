// The current tab's slot and the list view position kept in it.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"

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

std::int32_t TFrmFile::ItemToEntry(std::int32_t item) const {
    int slot = CurrentSlot();
    bool reverse = slot >= 0 && TabSlots[slot].Reverse;
    return ::ItemToEntry(item, reverse, PageStart, PageEnd);
}
