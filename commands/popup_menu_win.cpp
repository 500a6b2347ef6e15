// The user's popup commands and the Menu entries, built from the settings into the window's
// menus, and a chosen popup command run on the selection.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"
#include "commands/menu_shortcuts.h"
#include "commands/popup_menu.h"
#include "platform/menu_render_win.h"

void TFrmFile::BuildPopupMenu() {
    ::BuildPopupMenu(PopupMenu1, Settings, &SystemKeyNameText);
    RefreshMainMenu();
}

void TFrmFile::ApplyMenuShortcuts() {
    ::ApplyMenuShortcuts(MainMenu1, Settings, SavedShortCuts, EditShortcutsOn, &SystemKeyNameText);
    // Only shortcuts changed: the shown texts follow, the ids stay.
    SyncMenus();
}
