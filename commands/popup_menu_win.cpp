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
    popup1_.reset();  // rendered anew by the refresh
    RefreshMainMenu();
}

void TFrmFile::ApplyMenuShortcuts() {
    ::ApplyMenuShortcuts(MainMenu1, Settings, SavedShortCuts, EditShortcutsOn, &SystemKeyNameText);
    // Only shortcuts changed: the shown texts follow, the ids stay.
    SyncMenus();
}

void TFrmFile::RunPopupEntry(const TMenuItem& item) {
    const TMenuItem* group = nullptr;
    for (const TMenuItem& top : PopupMenu1.Items)
        for (const TMenuItem& sub : top.Items)
            if (&sub == &item) group = &top;
    // The store, not the menu, holds the command: it may have changed since the menu was built.
    std::optional<PopValue> value =
        ParsePopValue(Settings.Value("Pop" + PopupEntryName(item, group)));
    if (!value) return;
    const bool chosen = ListView_GetSelectedCount(ListView1) > 0;
    const std::vector<ListedName> rows = SelectedOnDisk();
    if (chosen && rows.empty()) return;  // every chosen file has gone: nothing to run on
    std::vector<std::string> names;
    for (const ListedName& row : rows) names.push_back(row.Name);
    const PopupRun run = PlanPopupRun(*value, CurrentFolder(), names);
    switch (run.Action) {
        case PopupAction::OpenSelection: OpenRows(rows, run.Command); break;
        case PopupAction::Run: RunCommand(run.Command, run.Arguments); break;
        case PopupAction::DragThenRun:
            StartDragToNext();
            RunCommand(run.Command, "");
            break;
        case PopupAction::TooManyFiles:
            Ui.Message(hwnd_, kTooManyFilesText, "ｴﾗｰ", MB_OK | MB_ICONERROR);
            break;
        case PopupAction::Nothing: break;
    }
}

void TFrmFile::mnPopupClick() {
    POINT at{};
    RECT row{}, frame{};
    const int selected = ListView_GetNextItem(ListView1, -1, LVNI_SELECTED);
    if (selected >= 0 && ListView_GetItemRect(ListView1, selected, &row, LVIR_BOUNDS) &&
        ::GetWindowRect(hwnd_, &frame))
        at = {row.left + frame.left + 64, row.top + frame.top};
    else
        ::GetCursorPos(&at);
    ShowPopupMenu(PopupMenu1, at);
}
