// Rename in place, delete, new folder, new file and duplicate in the folder of the current
// tab. Each keeps the slot and the list in step with the disk itself.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"
#include "app/sjis.h"
#include "fileops/file_ops.h"
#include "fileops/slot_patch.h"
#include "navigation/find_entry_win.h"
#include "platform/text_win.h"
#include "platform/unique_handle_win.h"

namespace {

constexpr const char* kNewFolderName = "新しいフォルダ";
constexpr const char* kNewFileName = "新規ファイル";

}  // namespace

void TFrmFile::StartEdit(int row) {
    if (row < 0 || row >= ListView_GetItemCount(ListView1)) return;
    ::SetFocus(ListView1);
    ListView_EnsureVisible(ListView1, row, FALSE);
    ListView_EditLabel(ListView1, row);
}

void TFrmFile::ReopenEdit(int row) {
    StartEdit(row);
    SetStatus(reopenReason_);  // after the edit began: the list's change would write over it
    HWND edit = ListView_GetEditControl(ListView1);
    if (!edit || reopenText_.empty()) return;
    ::SetWindowTextW(edit, WideText(reopenText_).c_str());
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
}

void TFrmFile::mnRenameClick() {
    if (!FileCommandsAllowed(CurrentFolder())) return;
    StartEdit(ListView_GetNextItem(ListView1, -1, LVNI_FOCUSED));
}

bool TFrmFile::ListView1Editing(int row) {
    // The drive list and share lists have no names to change.
    if (!FileCommandsAllowed(CurrentFolder()) || !ListedEntry(row)) return false;
    SetEditShortcuts(false);
    return true;
}

void TFrmFile::ListView1Edited(int row, const char* text) {
    const std::string folder = CurrentFolder();
    std::optional<RowEntry> listed = ListedEntry(row);
    if (text && listed && FileCommandsAllowed(folder)) {
        TTabSlot& slot = TabSlots[ListedSlot];
        const std::string oldName = slot.Names[static_cast<std::size_t>(listed->Entry)];
        const std::string newName = text;
        std::optional<DirEntry> found = FindOnDisk(folder + oldName);
        if (!found || EntryKind(*found) != listed->Kind) {
            // Gone or replaced since it was listed: the list follows the disk, nothing is
            // renamed and the edit is not offered again.
            RefreshSlotEntry(folder + oldName, ListedSlot);
        } else if (newName != oldName) {
            std::string refusal = RenameRefusal(oldName, newName);
            // Another file of that name (the same file in other case is a rename all the same).
            std::optional<DirEntry> taken = FindOnDisk(folder + newName);
            if (refusal.empty() && taken &&
                sjis::UpperCase(taken->Name) != sjis::UpperCase(oldName))
                refusal = "同じ名前があります: " + taken->Name;
            ShellResult result{1, false};
            if (refusal.empty()) {
                ShellPlan plan;
                plan.Function = ShellFunction::Rename;
                plan.Sources = {folder + oldName};
                plan.Destinations = {folder + newName};
                plan.Flags = kShellSilent;
                result = RunShell(plan);
                if (result.Code != 0 || result.Aborted) refusal = "名前を変更できません";
            }
            if (refusal.empty()) {
                for (std::string& name : slot.Names)
                    if (name == oldName) name = newName;
                // The row keeps its place now; the next listing sorts it by its new name.
                ForgetSortedEntries(slot);
                ListView_Update(ListView1, row);
            } else {
                // The old name stays; the user gets the edit back, with the typed text, to
                // correct it, and the reason in the status line.
                reopenText_ = newName;
                reopenReason_ = refusal;
                ::PostMessageA(hwnd_, kReopenEdit, static_cast<WPARAM>(row), 0);
            }
        }
    }
    SetEditShortcuts(true);
}

void TFrmFile::mnDeleteClick(int tag) {
    const std::string folder = CurrentFolder();
    if (!FileCommandsAllowed(folder)) return;
    std::vector<std::string> names, paths;
    for (const ListedName& item : SelectedOnDisk()) {
        names.push_back(item.Name);
        paths.push_back(folder + item.Name);
    }
    if (names.empty()) return;
    // The tab that asked is patched afterwards, whichever tab is shown by then.
    const int slot = ListedSlot;
    // The focus goes on to the first row after the deleted ones, or at the end of the list
    // to the last one before them.
    auto nameOfRow = [&](int row) {
        std::optional<RowEntry> entry = ListedEntry(row);
        return entry ? TabSlots[slot].Names[static_cast<std::size_t>(entry->Entry)] : std::string();
    };
    auto selected = [&](int row) {
        return ListView_GetItemState(ListView1, row, LVIS_SELECTED) != 0;
    };
    const int first = ListView_GetNextItem(ListView1, -1, LVNI_SELECTED);
    int last = first;
    for (int row = first; row >= 0; row = ListView_GetNextItem(ListView1, row, LVNI_SELECTED))
        last = row;
    std::string after;
    for (int row = last + 1; row < ListView_GetItemCount(ListView1) && after.empty(); ++row)
        if (!selected(row)) after = nameOfRow(row);
    for (int row = first - 1; row >= 0 && after.empty(); --row)
        if (!selected(row)) after = nameOfRow(row);
    ShellResult result = RunShell(DeletePlan(paths, tag == 1));
    // Whatever the shell says, a row goes only when its file is gone: declined and failed
    // files keep theirs.
    bool removed = false;
    for (const std::string& name : names) {
        if (!SlotShows(slot, folder) || ExistsOnDisk(folder + name)) continue;
        if (!removed && slot == ListedSlot) ListView_SetItemState(ListView1, -1, 0, LVIS_SELECTED);
        removed = true;
        RemoveSlotEntry(slot, name);
    }
    if (removed && slot == ListedSlot) FocusRowNamed(after);
    if (result.Code == kShellRefusedWildcard) return;  // already said
    if (result.Code != 0 && !result.Aborted)
        Ui.Message(hwnd_, "削除できません", "削除", MB_OK | MB_ICONSTOP);
}

void TFrmFile::mnInsDirClick() {
    // In the folder box the key belongs to the name completion.
    if (::GetFocus() == CmbDir) return;
    const std::string folder = CurrentFolder();
    if (!FileCommandsAllowed(folder)) return;
    if (!::CreateDirectoryW(WidePath(folder + kNewFolderName).c_str(), nullptr)) return;
    StartEdit(AddFileItem(CurrentSlot(), folder, kNewFolderName));
}

void TFrmFile::mnNewFileClick() {
    const std::string folder = CurrentFolder();
    if (!FileCommandsAllowed(folder)) return;
    const std::string path = folder + kNewFileName;
    if (ExistsOnDisk(path)) return;
    UniqueFile file(::CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    file.reset();
    StartEdit(AddFileItem(CurrentSlot(), folder, kNewFileName));
}

void TFrmFile::mnReplicationClick() {
    const std::string folder = CurrentFolder();
    if (!FileCommandsAllowed(folder)) return;
    const int slot = CurrentSlot();
    for (const ListedName& item : SelectedOnDisk()) {
        const std::string& name = item.Name;
        // A folder of that name counts as taken too: the shell would copy into it.
        const std::string copy = DuplicateName(
            name, [&](const std::string& candidate) { return ExistsOnDisk(folder + candidate); });
        ShellCopyMove(false, folder + name, folder + copy);
        AddFileItem(slot, folder, copy);
    }
}

void TFrmFile::mnMakeShortcutClick() {
    const std::string folder = CurrentFolder();
    if (!FileCommandsAllowed(folder)) return;
    const int slot = CurrentSlot();
    for (const ListedName& item : SelectedOnDisk()) {
        const std::string& caption = item.Name;
        // Every property afresh: nothing of a link read earlier is carried over. The name is
        // one that no file takes yet, so no file (nor the link pointed at) is ever replaced.
        SCMake1.SCDir = folder;
        SCMake1.SCName = FreeShortcutName(folder, ShortcutBaseName(caption));
        SCMake1.Argument.clear();
        SCMake1.LinkPath = folder + caption;
        SCMake1.WorkDir.clear();
        SCMake1.IconPath.clear();
        SCMake1.IconNo = 0;
        SCMake1.SetSCKey(0);
        SCMake1.SetWndState(WNDSTATE::Normal);
        if (SCMake1.MakeShortcut() == 0) AddFileItem(slot, folder, SCMake1.SCName + ".lnk");
    }
}
