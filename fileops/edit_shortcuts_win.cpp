// The edit keys step aside while a text box has the focus: the folder box, the mask box or a
// caption being renamed in the list.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"
#include "commands/edit_shortcuts.h"
#include "platform/text_win.h"

void TFrmFile::SetEditShortcuts(bool on) {
    EditShortcutsOn = on;
    ApplyEditShortcuts(MainMenu1, SavedShortCuts, on);
    SyncMenus();
}

bool TFrmFile::TextBoxHasFocus() const {
    HWND focus = ::GetFocus();
    if (!focus) return false;
    return focus == CmbDir || focus == CmbMask || focus == CmbMaskEdit() ||
           focus == ListView_GetEditControl(ListView1);
}

void TFrmFile::CmbDirEnter() { SetEditShortcuts(false); }
void TFrmFile::CmbDirExit() { SetEditShortcuts(true); }
void TFrmFile::CmbMaskEnter() {
    maskBeforeEdit_ = WindowText(CmbMask);
    SetEditShortcuts(false);
}
void TFrmFile::CmbMaskExit() { SetEditShortcuts(true); }
