// The user's popup commands and the Menu entries, built from the settings into the window's
// menus, and a chosen popup command run on the selection.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

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

void TFrmFile::ListView1ContextMenu(LPARAM point) {
    // The right button gives the pointer's place; the menu key gives -1, -1: then the menu
    // opens under the focused row.
    POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    if (at.x == -1 && at.y == -1) {
        RECT r{};
        int focused = ListView_GetNextItem(ListView1, -1, LVNI_FOCUSED);
        if (focused < 0 || !ListView_GetItemRect(ListView1, focused, &r, LVIR_LABEL))
            ::GetClientRect(ListView1, &r);
        at = {r.left + 8, r.bottom};
        ::ClientToScreen(ListView1, &at);
    }
    ShowPopupMenu(PopupMenu1, at);
}

HMENU TFrmFile::RenderedPopup(const TMenuItem& menu) const {
    return &menu == &PopupMenu2 ? popup2_.get() : popup1_.get();
}

void TFrmFile::ShowPopupMenu(const TMenuItem& menu, POINT screen) {
    ::TrackPopupMenu(RenderedPopup(menu), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                     hwnd_, nullptr);
}
