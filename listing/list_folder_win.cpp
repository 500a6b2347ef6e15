// Showing a slot in the list view: filter, sort, cut the page, fill the items, restore the
// position and write the status line.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"
#include "listing/listing_keys.h"

namespace {

void SetListStyle(HWND list, DWORD view) {
    DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(list, GWL_STYLE));
    if ((style & LVS_TYPEMASK) != view)
        ::SetWindowLongPtrA(list, GWL_STYLE, (style & ~LVS_TYPEMASK) | view);
}

// Scrolls until the item index at the top is at least top, one item step at a time (an item's
// width in list style, its height in details style), stopping when the list cannot go on.
void ScrollToTop(HWND list, int top, bool details) {
    int count = ListView_GetItemCount(list);
    if (count <= top) return;
    int current = ListView_GetTopIndex(list);
    while (current < top) {
        RECT r{};
        if (!ListView_GetItemRect(list, current, &r, LVIR_BOUNDS)) return;
        int step = details ? r.bottom - r.top : r.right - r.left;
        if (details)
            ListView_Scroll(list, 0, step * (top - current));
        else
            ListView_Scroll(list, step, 0);
        int next = ListView_GetTopIndex(list);
        if (next == current) return;
        current = next;
    }
}

// Every column as wide as its longest text; in details view never narrower than its header,
// so 'ｻｲｽﾞ' stays readable over a column of short numbers.
void SizeColumns(HWND list, bool details) {
    if (!details) {
        ListView_SetColumnWidth(list, 0, LVSCW_AUTOSIZE);
        return;
    }
    for (int column = 0; column < 3; ++column) {
        ListView_SetColumnWidth(list, column, LVSCW_AUTOSIZE);
        int contents = ListView_GetColumnWidth(list, column);
        char caption[64] = {};
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT;
        col.pszText = caption;
        col.cchTextMax = sizeof caption;
        ListView_GetColumn(list, column, &col);
        int header = ListView_GetStringWidth(list, caption) + 16;
        if (header > contents) ListView_SetColumnWidth(list, column, header);
    }
}

}  // namespace

void TFrmFile::ListFolder(int slotIndex) {
    if (slotIndex < 0) return;
    TTabSlot& slot = TabSlots[slotIndex];
    ::SetWindowTextA(CmbDir, slot.Folder.c_str());
    ::SendMessageA(ListView1, WM_SETREDRAW, FALSE, 0);
    SetListStyle(ListView1, LVS_LIST);
    ListView_DeleteAllItems(ListView1);

    std::string maskText(static_cast<std::size_t>(::GetWindowTextLengthA(CmbMask)) + 1, '\0');
    maskText.resize(static_cast<std::size_t>(
        ::GetWindowTextA(CmbMask, maskText.data(), static_cast<int>(maskText.size()))));
    ListingFilter filter = MakeListingFilter(maskText, QuickMaskPending, QuickMaskText);
    CurrentListing = BuildListing(slot, filter, WildMatch, Collator);
    QuickMaskPending = false;

    const std::int32_t count = static_cast<std::int32_t>(CurrentListing.size());
    const bool limitOn = MenuItem("mnHyojisu").Checked;
    // A listing that shrank below the tab's page shows its last page, never "-2/3".
    if (limitOn && slot.Page > count / MaxFilesValue) slot.Page = count / MaxFilesValue;
    PageWindow window = ComputePageWindow(count, limitOn, MaxFilesValue, slot.Page);
    PageStart = window.Start;
    PageEnd = window.End;

    ListView_SetItemCount(ListView1, PageEnd - PageStart);
    LVITEMA item{};
    for (std::int32_t d = PageStart; d < PageEnd; ++d) {
        const std::string& key = CurrentListing[slot.Reverse ? PageEnd + PageStart - d - 1 : d];
        std::int32_t entry = EntryIndexOfKey(key);
        if (entry < 0) continue;
        const std::string& name = slot.Names[entry];
        const bool folder = slot.Kinds[entry] == '0';
        int image = folder ? 0 : FileIconIndex(name);
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = d - PageStart;
        item.iSubItem = 0;
        item.pszText = const_cast<char*>(name.c_str());
        item.iImage = image >= 16 ? 1 : image;
        int at = ListView_InsertItem(ListView1, &item);
        std::string size = folder ? std::string() : slot.Sizes[entry];
        std::string time = slot.Times[entry].substr(0, 16);
        ListView_SetItemText(ListView1, at, 1, size.data());
        ListView_SetItemText(ListView1, at, 2, time.data());
    }

    const bool details = MenuItem("mnDetail").Checked;
    if (details) SetListStyle(ListView1, LVS_REPORT);
    SizeColumns(ListView1, details);
    ScrollToTop(ListView1, slot.TopIndex, details);
    ::SendMessageA(ListView1, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(ListView1, nullptr, TRUE);
    if (ListView_GetItemCount(ListView1) > slot.FocusIndex)
        ListView_SetItemState(ListView1, slot.FocusIndex, LVIS_FOCUSED, LVIS_FOCUSED);

    std::string status = ListingStatusText(count, slot.TotalSize,
                                           PageText(count, limitOn, MaxFilesValue, slot.Page));
    ::SendMessageA(StatusBar1, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(status.c_str()));
    DragToNextArmed = false;
}
