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
    TMenuItem& item = MenuItem("mnDetail");
    item.Checked = !item.Checked;
    SyncMenus();
    // Only the view changes: the rows, the selection and the status line stay.
    SetDetailView(item.Checked);
}

void TFrmFile::mnHiddenFileClick() {
    TMenuItem& item = MenuItem("mnHiddenFile");
    item.Checked = !item.Checked;
    SyncMenus();
    // Hidden entries are left out while reading, so the folder is read again.
    mnRefreshClick();
}

void TFrmFile::mnHyojisuClick() {
    TMenuItem& item = MenuItem("mnHyojisu");
    item.Checked = !item.Checked;
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

    int item = ListView_GetNextItem(ListView1, -1, LVNI_SELECTED);
    if (item < 0 || DragToNextArmed || ListedSlot < 0) return;
    std::int32_t index = ItemToEntry(item);
    if (index < 0 || index >= static_cast<std::int32_t>(CurrentListing.size())) return;
    const TTabSlot& slot = TabSlots[ListedSlot];
    std::int32_t entry = EntryIndexOfKey(CurrentListing[index]);
    if (entry < 0 || entry >= static_cast<std::int32_t>(slot.Names.size())) return;
    std::string status = SelectionStatusText(std::string_view(slot.Times[entry]).substr(0, 16),
                                             slot.Kinds[entry] == '1', slot.Sizes[entry]);
    ::SendMessageA(StatusBar1, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(status.c_str()));
}
