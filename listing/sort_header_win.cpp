// Sorting from the column headers of the details view, and the arrow that shows the order.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"
#include "listing/view_options.h"

void TFrmFile::ListView1ColumnClick(int column) {
    // The sort command itself: the radio items, the defaults and the arrows follow it.
    const int kind = SortKindOfColumn(column);
    if (kind >= 0) mnSortNameClick(kind);
}

void TFrmFile::ShowSortArrows() {
    const int slot = CurrentSlot();
    HWND header = ListView_GetHeader(ListView1);
    if (slot < 0 || !header) return;
    const TTabSlot& s = TabSlots[slot];
    const int count = Header_GetItemCount(header);
    for (int column = 0; column < count; ++column) {
        HDITEMA item{};
        item.mask = HDI_FORMAT;
        if (!Header_GetItem(header, column, &item)) continue;
        int format = item.fmt & ~(HDF_SORTUP | HDF_SORTDOWN);
        switch (ColumnArrow(column, s.SortKind, s.Reverse)) {
            case HeaderArrow::Up: format |= HDF_SORTUP; break;
            case HeaderArrow::Down: format |= HDF_SORTDOWN; break;
            case HeaderArrow::None: break;
        }
        if (format == item.fmt) continue;
        item.fmt = format;
        Header_SetItem(header, column, &item);
    }
}
