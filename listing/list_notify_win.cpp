// What the file list tells its parent: rows to draw, searches by name, caption edits, double
// clicks and selection changes. Wine sends several of these in UTF-16 even to an ANSI parent,
// so both forms arrive here and go on as one.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"
#include "platform/text_win.h"

LRESULT TFrmFile::ListView1Notify(const NMHDR& nm) {
    switch (nm.code) {
        case LVN_GETDISPINFOA:
            ListView1GetDispInfo(
                const_cast<NMLVDISPINFOA&>(reinterpret_cast<const NMLVDISPINFOA&>(nm)));
            return 0;
        case LVN_GETDISPINFOW:
            ListView1GetDispInfoW(
                const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(nm)));
            return 0;
        case LVN_ODFINDITEMA: return ListView1FindItem(reinterpret_cast<const NMLVFINDITEMA&>(nm));
        case LVN_ODFINDITEMW: {
            const auto& wide = reinterpret_cast<const NMLVFINDITEMW&>(nm);
            const std::string name =
                (wide.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) && wide.lvfi.psz
                    ? NarrowText(wide.lvfi.psz)
                    : std::string();
            NMLVFINDITEMA find{};
            find.hdr = nm;
            find.iStart = wide.iStart;
            find.lvfi.flags = wide.lvfi.flags;
            find.lvfi.psz = name.c_str();
            return ListView1FindItem(find);
        }
        case LVN_BEGINLABELEDITA:
            return ListView1Editing(reinterpret_cast<const NMLVDISPINFOA&>(nm).item.iItem) ? FALSE
                                                                                           : TRUE;
        case LVN_BEGINLABELEDITW:
            return ListView1Editing(reinterpret_cast<const NMLVDISPINFOW&>(nm).item.iItem) ? FALSE
                                                                                           : TRUE;
        case LVN_ENDLABELEDITA: {
            const LVITEMA& item = reinterpret_cast<const NMLVDISPINFOA&>(nm).item;
            ListView1Edited(item.iItem, item.pszText);
            return FALSE;  // the caption is the slot's name, whatever the edit held
        }
        case LVN_ENDLABELEDITW: {
            const LVITEMW& item = reinterpret_cast<const NMLVDISPINFOW&>(nm).item;
            const std::string text = item.pszText ? NarrowText(item.pszText) : std::string();
            ListView1Edited(item.iItem, item.pszText ? text.c_str() : nullptr);
            return FALSE;
        }
        case NM_DBLCLK: ListView1DblClick(); return 0;
        case LVN_COLUMNCLICK:
            ListView1ColumnClick(reinterpret_cast<const NMLISTVIEW&>(nm).iSubItem);
            return 0;
        // Single rows report LVN_ITEMCHANGED; ranges of an owner-data list (shift-click) come
        // as LVN_ODSTATECHANGED.
        case LVN_ITEMCHANGED:
        case LVN_ODSTATECHANGED: ListView1Change(); return 0;
        default: return 0;
    }
}
