// Tab, Shift+Tab and Esc between the file list and its two text boxes.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"
#include "navigation/focus_stops.h"
#include "platform/text_win.h"

bool TFrmFile::MoveFocusByKey(FocusStop at, int key) {
    const std::optional<FocusStop> next = FocusAfterKey(at, key, ::GetKeyState(VK_SHIFT) < 0);
    if (!next) return false;
    // Esc undoes the typing: the folder box shows the tab's folder again, the mask box the
    // mask it had when it got the keys.
    if (key == VK_ESCAPE && at == FocusStop::FolderBox && CurrentSlot() >= 0)
        ::SetWindowTextW(CmbDir, WideText(TabSlots[CurrentSlot()].Folder).c_str());
    if (key == VK_ESCAPE && at == FocusStop::MaskBox)
        ::SetWindowTextA(CmbMask, maskBeforeEdit_.c_str());
    switch (*next) {
        case FocusStop::List: ::SetFocus(ListView1); break;
        case FocusStop::FolderBox:
            ::SetFocus(CmbDir);
            ::SendMessageA(CmbDir, EM_SETSEL, 0, -1);
            break;
        case FocusStop::MaskBox:
            ::SetFocus(CmbMask);
            ::SendMessageA(CmbMask, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
            break;
    }
    return true;
}
