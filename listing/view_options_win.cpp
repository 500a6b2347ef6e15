// Commands of the view menu and the file list's popup: sort, details, hidden files, quick
// mask, select all, display limit; and the status line of the selected item.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"
#include "app/sjis.h"
#include "listing/listing_keys.h"
#include "listing/view_options.h"

void TFrmFile::mnSortNameClick(int tag) {
    int slot = CurrentSlot();
    if (slot < 0 || tag < 0 || tag > 3) return;
    TTabSlot& s = TabSlots[slot];
    SortState next =
        ApplySortCommand({s.SortKind, s.Reverse, DefaultSortKind, DefaultReverse}, tag);
    s.SortKind = next.SortKind;
    s.Reverse = next.Reverse;
    DefaultSortKind = next.DefaultSortKind;
    DefaultReverse = next.DefaultReverse;
    // Both sort menus at once: the popup's copy would otherwise lag until the next tab switch.
    UpdateSortMenu();
    ListFolder(slot);
}

void TFrmFile::mnDetailClick() {
    DetailView = !DetailView;
    SyncMenus();
    // Only the view changes: the rows, the selection and the status line stay.
    SetDetailView(DetailView);
}

void TFrmFile::mnHiddenFileClick() {
    ShowHidden = !ShowHidden;
    SyncMenus();
    // Hidden entries are left out while reading, so the folder is read again.
    mnRefreshClick();
}

void TFrmFile::mnHyojisuClick() {
    DisplayLimit = !DisplayLimit;
    SyncMenus();
    ResetScroll();
    ListFolder(CurrentSlot());
}

void TFrmFile::mnQuickMaskClick() {
    int slot = CurrentSlot();
    if (slot < 0) return;
    std::string text = QuickMaskInput;
    HFONT font = reinterpret_cast<HFONT>(::SendMessageA(ListView1, WM_GETFONT, 0, 0));
    const bool ok = Ui.InputText(hwnd_, "ｸｲｯｸﾏｽｸ", font, text);
    QuickMaskInput = text;  // what was typed stays in the box, answered or not
    if (!ok) return;
    QuickMaskText = sjis::LowerCase(text);
    QuickMaskPending = true;
    ListFolder(slot);
}

void TFrmFile::mnSelectAllClick() {
    // -1: every row at once, which an owner-data list keeps as one range.
    ListView_SetItemState(ListView1, -1, LVIS_SELECTED, LVIS_SELECTED);
}

void TFrmFile::ListView1Change() {
    // An edit cancelled with Esc ends without an event of its own; the next change gives the
    // keys back, unless the focus has gone to a text box meanwhile.
    if (!EditShortcutsOn && !TextBoxHasFocus()) SetEditShortcuts(true);

    if (DragToNextArmed) return;
    const std::vector<RowEntry> selected = SelectedEntries(1);
    if (selected.empty()) return;
    const TTabSlot& slot = TabSlots[ListedSlot];
    const std::int32_t entry = selected.front().Entry;
    SetStatus(SelectionStatusText(std::string_view(slot.Times[entry]).substr(0, 16),
                                  selected.front().Kind == kFileKind, slot.Sizes[entry]));
}

void TFrmFile::SetDetailView(bool on) {
    DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(ListView1, GWL_STYLE));
    style = (style & ~LVS_TYPEMASK) | (on ? LVS_REPORT : LVS_LIST);
    ::SetWindowLongPtrA(ListView1, GWL_STYLE, style);
    // Switching views lists nothing again, but the details columns need their widths.
    if (ListedSlot >= 0) SizeColumns(TabSlots[ListedSlot], on);
    // A list may make its header only when it first shows the details.
    if (on) ShowSortArrows();
}
