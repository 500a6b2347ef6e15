// Paging through a listing that the display limit cuts into windows of MaxFiles entries.
#include <windows.h>

#include "app/file1_win.h"

void TFrmFile::PageForward() {
    int slot = CurrentSlot();
    if (slot < 0 || !MenuItem("mnHyojisu").Checked) return;
    ResetScroll();
    int pages = static_cast<int>(CurrentListing.size()) / MaxFilesValue;
    TTabSlot& s = TabSlots[slot];
    // Wrap at the beginning; ">=" also catches a page left behind by a shrunken listing.
    s.Page = s.Page >= pages ? 0 : s.Page + 1;
    ListFolder(slot);
}

void TFrmFile::PageBack() {
    int slot = CurrentSlot();
    if (slot < 0 || !MenuItem("mnHyojisu").Checked) return;
    ResetScroll();
    int pages = static_cast<int>(CurrentListing.size()) / MaxFilesValue;
    TTabSlot& s = TabSlots[slot];
    s.Page = s.Page > 0 ? s.Page - 1 : pages;
    ListFolder(slot);
}
