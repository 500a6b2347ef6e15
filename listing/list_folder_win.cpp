// Showing a slot in the list view: filter, sort, cut the page, fill the items, restore the
// position and write the status line.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "app/file1_win.h"
#include "app/sjis.h"
#include "app/wide_escape.h"
#include "listing/listing_keys.h"
#include "listing/view_options.h"
#include "platform/dc_win.h"
#include "platform/text_win.h"
#include "platform/unique_handle_win.h"

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

// A list view measures its rows when it first paints with rows in it, and some list views
// (Wine's) measure every row then, asking the text of each: two seconds for the first big
// folder of a session, with the window frozen. Painting one row into a memory DC first lets
// it take its measures from that row; the real rows follow.
void MeasureRowsOnOne(HWND list) {
    ListView_SetItemCountEx(list, 1, LVSICF_NOSCROLL);
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (dc) ::SendMessageA(list, WM_PAINT, reinterpret_cast<WPARAM>(dc.get()), 0);
    ListView_SetItemCountEx(list, 0, LVSICF_NOSCROLL);
}

int TextWidth(HDC dc, std::string_view text) {
    SIZE size{};
    ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// The longest texts by bytes, gathered as they are offered without keeping the others: the
// widest is measured on these only, since measuring every row of a big folder would cost more
// than listing it.
class LongestTexts {
public:
    void Offer(std::string_view text) {
        auto shorter = [](std::string_view a, std::string_view b) { return a.size() > b.size(); };
        if (top_.size() < kMeasured) {
            top_.push_back(text);
            std::push_heap(top_.begin(), top_.end(), shorter);
        } else if (text.size() > top_.front().size()) {
            std::pop_heap(top_.begin(), top_.end(), shorter);
            top_.back() = text;
            std::push_heap(top_.begin(), top_.end(), shorter);
        }
    }
    int Widest(HDC dc) const {
        int widest = 0;
        for (std::string_view text : top_) widest = std::max(widest, TextWidth(dc, text));
        return widest;
    }

private:
    static constexpr std::size_t kMeasured = 32;
    std::vector<std::string_view> top_;  // a heap with the shortest on top
};

int HeaderWidth(HWND list, int column) {
    char caption[64] = {};
    LVCOLUMNA col{};
    col.mask = LVCF_TEXT;
    col.pszText = caption;
    col.cchTextMax = sizeof caption;
    ListView_GetColumn(list, column, &col);
    return ListView_GetStringWidth(list, caption) + 16;
}

}  // namespace

void TFrmFile::ListFolder(int slotIndex) {
    if (slotIndex < 0) return;
    TTabSlot& slot = TabSlots[slotIndex];
    ::SetWindowTextA(CmbDir, slot.Folder.c_str());
    // While it still redraws: a list view that does not redraw does not paint either.
    if (slot.Names.size() > 1) MeasureRowsOnOne(ListView1);
    ::SendMessageA(ListView1, WM_SETREDRAW, FALSE, 0);
    SetListStyle(ListView1, LVS_LIST);
    ListView_SetItemCountEx(ListView1, 0, 0);  // drops the old rows with their states
    CutNames.clear();

    ListingFilter filter =
        MakeListingFilter(WindowText(CmbMask), QuickMaskPending, QuickMaskText, NameFolder());
    CurrentListing = ListingOfOrder(slot, SortedEntries(slot, Collator), filter, WildMatch);
    QuickMaskPending = false;

    const std::int32_t count = static_cast<std::int32_t>(CurrentListing.size());
    const bool limitOn = DisplayLimit;
    if (limitOn) slot.Page = ClampPage(slot.Page, count, MaxFilesValue);
    ShownPage = ComputePageWindow(count, limitOn, MaxFilesValue, slot.Page);

    // The list holds no items of its own: it asks for each row it draws (ListView1GetDispInfo), so
    // a listing of any size costs one count here.
    ListedSlot = slotIndex;
    ListView_SetItemCountEx(ListView1, ShownPage.End - ShownPage.Start, 0);

    const bool details = DetailView;
    if (details) SetListStyle(ListView1, LVS_REPORT);
    SizeColumns(slot, details);
    ScrollToTop(ListView1, slot.TopIndex, details);
    ::SendMessageA(ListView1, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(ListView1, nullptr, TRUE);
    if (ListView_GetItemCount(ListView1) > slot.FocusIndex)
        ListView_SetItemState(ListView1, slot.FocusIndex, LVIS_FOCUSED, LVIS_FOCUSED);

    SetStatus(ListingStatusText(count, slot.TotalSize,
                                PageText(count, limitOn, MaxFilesValue, slot.Page)));
    EndDragToNext();
    WatchShownFolder();
}

void TFrmFile::ListView1GetDispInfo(NMLVDISPINFOA& info) {
    LVITEMA& item = info.item;
    std::optional<RowEntry> row = ListedEntry(item.iItem);
    if (!row) return;
    const TTabSlot& slot = TabSlots[ListedSlot];
    const std::int32_t entry = row->Entry;
    const bool folder = row->Kind == kFolderKind;
    if (item.mask & LVIF_IMAGE) {
        int image = folder ? 0 : FileIconIndex(slot.Names[entry]);
        item.iImage = image >= 16 ? 1 : image;
    }
    if (item.mask & LVIF_STATE) {
        const std::string& name = slot.Names[entry];
        const bool cut = CutNames.count(name) != 0;
        item.state = (item.state & ~LVIS_CUT) | (cut ? LVIS_CUT : 0);
        item.stateMask |= LVIS_CUT;
    }
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        std::string_view text;
        switch (item.iSubItem) {
            case 0: text = slot.Names[entry]; break;
            case 1: text = folder ? std::string_view() : std::string_view(slot.Sizes[entry]); break;
            case 2: text = std::string_view(slot.Times[entry]).substr(0, 16); break;
            default: break;
        }
        std::size_t n =
            std::min<std::size_t>(text.size(), static_cast<std::size_t>(item.cchTextMax) - 1);
        std::memcpy(item.pszText, text.data(), n);
        item.pszText[n] = '\0';
    }
}

void TFrmFile::ListView1GetDispInfoW(NMLVDISPINFOW& info) {
    LVITEMW& wideItem = info.item;
    // A name of 255 units, each an escape of 5 bytes at the most, fits: no allocation per
    // row drawn.
    char text[2048];
    text[0] = '\0';
    NMLVDISPINFOA narrow{};
    narrow.hdr = info.hdr;
    LVITEMA& item = narrow.item;
    item.mask = wideItem.mask;
    item.iItem = wideItem.iItem;
    item.iSubItem = wideItem.iSubItem;
    item.state = wideItem.state;
    item.stateMask = wideItem.stateMask;
    item.pszText = text;
    item.cchTextMax = static_cast<int>(sizeof text);
    ListView1GetDispInfo(narrow);
    wideItem.iImage = item.iImage;
    wideItem.state = item.state;
    wideItem.stateMask = item.stateMask;
    if ((wideItem.mask & LVIF_TEXT) && wideItem.pszText && wideItem.cchTextMax > 0) {
        const std::wstring shown = WideText(text);
        const std::size_t n =
            std::min<std::size_t>(shown.size(), static_cast<std::size_t>(wideItem.cchTextMax) - 1);
        std::wmemcpy(wideItem.pszText, shown.data(), n);
        wideItem.pszText[n] = L'\0';
    }
}

int TFrmFile::ListView1FindItem(const NMLVFINDITEMA& find) {
    // Searching by name: what ListView_FindItem and typing the first letters of a name ask.
    if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz || ListedSlot < 0)
        return -1;
    return FindRowByName(TabSlots[ListedSlot], Shown(),
                         {find.lvfi.psz, (find.lvfi.flags & LVFI_PARTIAL) != 0,
                          (find.lvfi.flags & LVFI_WRAP) != 0, find.iStart, NameFolder()});
}

void TFrmFile::SizeColumns(const TTabSlot& slot, bool details) {
    // Every column as wide as its longest text; in details view never narrower than its
    // header with its sort arrow, so 'ｻｲｽﾞ' stays readable over a column of short numbers.
    LongestTexts names, sizes;
    // A window of every entry is walked in the slot's own order, straight through memory.
    const bool everyEntry =
        ShownPage.Start == 0 && static_cast<std::size_t>(ShownPage.End) == slot.Names.size();
    for (std::int32_t d = ShownPage.Start; d < ShownPage.End; ++d) {
        const auto entry =
            static_cast<std::size_t>(everyEntry ? d : CurrentListing[static_cast<std::size_t>(d)]);
        names.Offer(slot.Names[entry]);
        if (slot.Kinds[entry] == kFileKind) sizes.Offer(slot.Sizes[entry]);
    }
    const int padding = 12;
    const int imageWidth = 16 + 4;
    int nameWidth = 0, sizeWidth = 0, timeWidth = 0;
    {
        WindowDc dc(ListView1);
        dc.Select(reinterpret_cast<HGDIOBJ>(::SendMessageA(ListView1, WM_GETFONT, 0, 0)));
        nameWidth = names.Widest(dc.get()) + imageWidth + padding;
        sizeWidth = sizes.Widest(dc.get()) + padding;
        timeWidth = TextWidth(dc.get(), "0000/00/00 00:00") + padding;
    }
    if (!details) {
        ListView_SetColumnWidth(ListView1, 0, nameWidth);
        return;
    }
    const int widths[3] = {nameWidth, sizeWidth, timeWidth};
    // The column that sorts shows its arrow beside the caption.
    const int arrowWidth = 20;
    for (int column = 0; column < 3; ++column) {
        const bool arrow = ColumnArrow(column, slot.SortKind, slot.Reverse) != HeaderArrow::None;
        ListView_SetColumnWidth(
            ListView1, column,
            std::max(widths[column], HeaderWidth(ListView1, column) + (arrow ? arrowWidth : 0)));
    }
}

void TFrmFile::SetStatus(const std::string& text) {
    // In UTF-16 only when the text holds a character the code page cannot.
    if (wide::HasEscapes(text))
        ::SendMessageW(StatusBar1, SB_SETTEXTW, 0,
                       reinterpret_cast<LPARAM>(WideText(text).c_str()));
    else
        ::SendMessageA(StatusBar1, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
