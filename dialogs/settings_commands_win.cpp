// The six commands of the settings menu that edit an entry family, and what each rebuilds
// once the list was confirmed.
#include "app/file1_win.h"
#include "dialogs/family_edit.h"

bool TFrmFile::EditSettingsFamily(TFamilyKind kind) {
    const std::optional<TFamilyStoreResult> stored =
        EditFamily(Settings, kind, MainMenu1,
                   [&](TFamilyEdit& edit) { return Ui.EditFamilyRows(hwnd_, edit); });
    if (!stored) return false;
    if (stored->SameKeyRows) {
        const auto& [first, second] = *stored->SameKeyRows;
        Ui.Message(hwnd_, SameKeyRowsMessage(first, second), "ｴﾗｰ", MB_OK | MB_ICONERROR);
        return false;
    }
    if (stored->MaxFiles) MaxFilesValue = MaxFilesFromValue(*stored->MaxFiles);
    for (const std::string& value : stored->RefusedMaxFiles)
        Ui.Message(hwnd_, RefusedMaxFilesMessage(value), "ｴﾗｰ", MB_OK | MB_ICONERROR);
    for (const TListRow& row : stored->RefusedIntegers)
        Ui.Message(hwnd_, RefusedIntegerMessage(row), "ｴﾗｰ", MB_OK | MB_ICONERROR);
    return true;
}

void TFrmFile::mnSetExtClick() { EditSettingsFamily(TFamilyKind::Ext); }

void TFrmFile::mnSetPopupClick() {
    if (EditSettingsFamily(TFamilyKind::Pop)) BuildPopupMenu();
}

void TFrmFile::mnSetBookmarkClick() {
    if (!EditSettingsFamily(TFamilyKind::Go)) return;
    BuildBookmarkMenu();
    // The new bookmark items may carry keys of Menu entries.
    ApplyMenuShortcuts();
}

void TFrmFile::mnSetMaskClick() {
    if (EditSettingsFamily(TFamilyKind::Msk)) FillMaskBox();
}

void TFrmFile::mnSetMenuskClick() {
    if (EditSettingsFamily(TFamilyKind::Menu)) ApplyMenuShortcuts();
}

void TFrmFile::mnSetEtcClick() {
    // Icons and the page size show at once.
    if (EditSettingsFamily(TFamilyKind::Other)) mnRefreshClick();
}
