// Paging through a listing that the display limit cuts into windows of MaxFiles entries.
#include <windows.h>

#include "app/file1_win.h"

void TFrmFile::PageForward() {
    int slot = CurrentSlot();
    if (slot < 0 || !DisplayLimit) return;
    ResetScroll();
    TTabSlot& s = TabSlots[slot];
    s.Page = NextPage(s.Page, static_cast<std::int32_t>(CurrentListing.size()), MaxFilesValue);
    ListFolder(slot);
}

void TFrmFile::PageBack() {
    int slot = CurrentSlot();
    if (slot < 0 || !DisplayLimit) return;
    ResetScroll();
    TTabSlot& s = TabSlots[slot];
    s.Page = PreviousPage(s.Page, static_cast<std::int32_t>(CurrentListing.size()), MaxFilesValue);
    ListFolder(slot);
}
