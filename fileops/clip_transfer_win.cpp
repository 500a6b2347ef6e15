// Cut, copy and paste of files between folders and tabs, the text commands that fill the
// system clipboard, and the patching of a slot and the list after a file command.
#include <windows.h>

#include <commctrl.h>

#include "app/file1_win.h"
#include "fileops/file_ops.h"
#include "fileops/slot_patch.h"
#include "fileops/system_clip_win.h"
#include "navigation/find_entry_win.h"
#include "navigation/path_text.h"
#include "platform/clipboard_win.h"
#include "platform/text_win.h"

bool TFrmFile::FileCommandsAllowed(const std::string& folder) const {
    return !folder.empty() && !IsServerPath(folder);
}

void TFrmFile::mnCopyClick(int tag) {
    const std::string folder = CurrentFolder();
    if (!FileCommandsAllowed(folder) || ListedSlot < 0) return;
    ClipFiles.clear();
    ClipCut = tag == 1;
    CutNames.clear();
    const std::vector<ListedName> selected = SelectedOnDisk();
    for (const ListedName& item : selected) {
        ClipFiles.push_back(item.Kind + folder + item.Name);
        if (ClipCut) CutNames.insert(item.Name);
    }
    // Other programs can paste them too; our own paste keeps to ClipFiles.
    std::vector<std::string> paths;
    for (const std::string& entry : ClipFiles) paths.push_back(entry.substr(1));
    if (!paths.empty() && PutFilesOnClipboard(hwnd_, paths, ClipCut))
        OwnClipboardSequence = ::GetClipboardSequenceNumber();
    // The ghosted look is the list's to draw: it asks for the state of every row it shows.
    ::InvalidateRect(ListView1, nullptr, TRUE);
    SetStatus((ClipCut ? "切り取り " : "ｺﾋﾟｰ ") + std::to_string(selected.size()) + "個");
    UpdatePasteItem();
}

bool TFrmFile::OthersFilesOnClipboard() const {
    // What we put there ourselves is in ClipFiles, or has been pasted.
    return ::GetClipboardSequenceNumber() != OwnClipboardSequence &&
           ::IsClipboardFormatAvailable(CF_HDROP);
}

void TFrmFile::UpdatePasteItem() {
    MenuItem("mnPaste").Enabled = !ClipFiles.empty() || OthersFilesOnClipboard();
    SyncMenus();
}

namespace {
// The kind of a clip entry another program gave: whatever the disk holds at the paste.
constexpr char kKindOnDisk = '*';
}  // namespace

std::vector<std::string> TFrmFile::OthersClipEntries(bool& move) {
    std::vector<std::string> entries;
    if (!OthersFilesOnClipboard()) return entries;
    std::optional<ClipboardFiles> files = FilesOnClipboard(hwnd_);
    if (!files) return entries;
    for (const std::string& path : files->Paths) entries.push_back(kKindOnDisk + path);
    move = files->Move;
    return entries;
}

void TFrmFile::mnPasteClick() {
    const std::string destination = CurrentFolder();
    if (!FileCommandsAllowed(destination)) return;
    // Our own cut or copy first; without one, the files another program put there.
    bool move = ClipCut;
    const bool fromOthers = ClipFiles.empty();
    const std::vector<std::string> entries = fromOthers ? OthersClipEntries(move) : ClipFiles;
    if (entries.empty()) return;
    // A source gone since the cut or copy, or now of the other kind, is left out (the shell
    // would fail on it, or carry a folder the user never chose); its tabs follow the disk.
    std::vector<std::string> clip;
    for (const std::string& entry : entries) {
        const std::string path = entry.substr(1);
        std::optional<DirEntry> found = FindOnDisk(path);
        if (found && (entry[0] == kKindOnDisk || EntryKind(*found) == entry[0])) {
            clip.push_back(EntryKind(*found) + path);
            continue;
        }
        for (int tab = 0; tab < TabCtrl_GetItemCount(TabControl1); ++tab)
            if (SameFolder(TabSlots[TabToSlot[tab]].Folder, FolderOf(path)))
                RefreshSlotEntry(path, TabToSlot[tab]);
    }
    std::optional<PastePlan> plan = MakePastePlan(clip, destination, move);
    if (!plan && !clip.empty()) return;  // pasting into the folder the files came from
    // The tab that asked is patched afterwards, whichever tab is shown by then.
    const int target = CurrentSlot();
    if (plan)
        for (const ShellPlan& call : plan->Calls) RunShell(call);
    if (plan && SlotShows(target, destination)) ShowArrivals(target, destination, plan->Names);
    // Other tabs of a source folder lose the names that really left it.
    if (plan && move) {
        const int tabs = TabCtrl_GetItemCount(TabControl1);
        for (std::size_t i = 0; i < plan->Paths.size(); ++i) {
            const std::string& path = plan->Paths[i];
            if (ExistsOnDisk(path)) continue;
            for (int tab = 0; tab < tabs; ++tab) {
                const int other = TabToSlot[tab];
                if (other != target && SameFolder(TabSlots[other].Folder, FolderOf(path)))
                    RemoveSlotEntry(other, plan->Names[i]);
            }
        }
    }
    // Moved files are no longer where the other program said.
    if (fromOthers && move && plan) EmptyClipboardOf(hwnd_);
    ClipFiles.clear();
    UpdatePasteItem();
}

bool TFrmFile::SlotShows(int slot, const std::string& folder) const {
    return slot >= 0 && TabSlots[slot].Used && FolderForAppend(TabSlots[slot].Folder) == folder;
}

void TFrmFile::ShowArrivals(int slotIndex, const std::string& folder,
                            const std::vector<std::string>& names) {
    TTabSlot& slot = TabSlots[slotIndex];
    bool first = true;
    for (const std::string& name : names) {
        // By the name the disk gives: a.txt pasted as A.TXT onto an existing a.txt is one file.
        std::optional<DirEntry> found = FindOnDisk(folder + name);
        if (!found) continue;
        const std::string& onDisk = found->Name;
        std::int32_t row = -1;
        if (FindEntry(slot, onDisk) >= 0) {
            const std::int32_t entry = RefreshSlotEntry(folder + onDisk, slotIndex);
            if (entry >= 0 && slotIndex == ListedSlot)
                row = RowOfEntry(Shown(), entry).value_or(-1);
            if (row >= 0) ListView_Update(ListView1, row);
        } else {
            row = AddFileItem(slotIndex, folder, onDisk);
        }
        if (row < 0) continue;
        SelectRow(row, first);
        first = false;
    }
}

ShellResult TFrmFile::RunShell(const ShellPlan& plan) {
    // A name that could stand for several files never reaches the shell.
    if (!NamesOneFileEach(plan)) {
        Ui.Message(hwnd_, "ﾌｧｲﾙ名に ? か * があるため処理できません", "ｴﾗｰ", MB_OK | MB_ICONERROR);
        return {kShellRefusedWildcard, true};
    }
    if (!Shell->RunsOnWorker()) return Shell->Run(plan);
    // Copying gigabytes takes a while: the window goes on painting and says so, and every
    // other command waits for the end, in order.
    std::shared_ptr<ShellJob> job = StartShellJob(*Shell, plan);
    WaitForWorker(job->Done.get(), nullptr, [] { return std::string("処理中…"); });
    return job->Result;
}

void TFrmFile::ShellCopyMove(bool move, const std::string& sources,
                             const std::string& destination) {
    RunShell(CopyMovePlan(move, sources, destination));
}

void TFrmFile::mnCopyDirnClick() {
    const std::string text = WindowText(CmbDir);
    SetClipboardText(hwnd_, text);
    SetStatus(text);
}

void TFrmFile::mnCopyFilenClick() {
    const std::vector<std::string> names = SelectedNames();
    SetClipboardText(hwnd_, ClipboardLines(names));
    if (!names.empty()) SetStatus(names.front());
}

void TFrmFile::mnCopyFullpathClick() {
    const std::vector<std::string> names = SelectedNames();
    SetClipboardText(hwnd_, ClipboardLines(names, WindowText(CmbDir)));
    if (!names.empty()) SetStatus(names.front());
}

std::int32_t TFrmFile::AppendSlotEntry(const std::string& path, int slot) {
    std::optional<DirEntry> found = FindOnDisk(path);
    return found ? AppendEntry(TabSlots[slot], *found) : -1;
}

std::int32_t TFrmFile::AddFileItem(int slotIndex, const std::string& folder,
                                   const std::string& name) {
    const std::int32_t entry = AppendSlotEntry(folder + name, slotIndex);
    if (entry < 0 || slotIndex != ListedSlot) return -1;
    TTabSlot& slot = TabSlots[slotIndex];
    ShowAsLastRow(slot, entry, Shown());
    const std::int32_t row = ShownPage.End - ShownPage.Start - 1;
    ListView_SetItemCountEx(ListView1, ShownPage.End - ShownPage.Start, LVSICF_NOSCROLL);
    SizeColumns(slot, DetailView);
    return row;
}

std::int32_t TFrmFile::RefreshSlotEntry(const std::string& path, int slot) {
    const std::string name = LastName(path);
    const std::int32_t entry = FindEntry(TabSlots[slot], name);
    std::optional<DirEntry> found = FindOnDisk(path);
    if (entry >= 0 && found && EntryKind(*found) == TabSlots[slot].Kinds[entry]) {
        RefreshEntry(TabSlots[slot], entry, *found);
        return entry;
    }
    // Gone, or the name now belongs to the other kind: the old row goes, and what stands
    // there now is listed afresh.
    if (entry >= 0) RemoveSlotEntry(slot, name);
    if (!found) return -1;
    AddFileItem(slot, path.substr(0, path.size() - name.size()), name);
    return FindEntry(TabSlots[slot], name);
}

std::vector<ListedName> TFrmFile::SelectedOnDisk() {
    std::vector<ListedName> listed, kept;
    if (ListedSlot < 0) return kept;
    const int slot = ListedSlot;
    for (const RowEntry& row : SelectedEntries())
        listed.push_back({TabSlots[slot].Names[static_cast<std::size_t>(row.Entry)], row.Kind});
    const std::string folder = CurrentFolder();
    if (!FileCommandsAllowed(folder)) return listed;  // drives and shares are not searched
    bool changed = false;
    for (const ListedName& item : listed) {
        std::optional<DirEntry> found = FindOnDisk(folder + item.Name);
        if (found && EntryKind(*found) == item.Kind) {
            kept.push_back(item);
            continue;
        }
        // Rows move up as others leave: the selection is set again from the names.
        if (!changed) ListView_SetItemState(ListView1, -1, 0, LVIS_SELECTED);
        changed = true;
        RefreshSlotEntry(folder + item.Name, slot);
    }
    if (changed) {
        std::vector<std::string> names;
        for (const ListedName& item : kept) names.push_back(item.Name);
        for (std::int32_t row : RowsOfNames(TabSlots[slot], Shown(), names)) SelectRow(row, false);
    }
    return kept;
}

void TFrmFile::RemoveSlotEntry(int slotIndex, const std::string& name) {
    TTabSlot& slot = TabSlots[slotIndex];
    if (slotIndex != ListedSlot) {
        RemoveEntries(slot, name, std::nullopt);
        return;
    }
    const std::int32_t before = ShownPage.End - ShownPage.Start;
    RemoveEntries(slot, name, Shown());
    if (ShownPage.End - ShownPage.Start != before)
        ListView_SetItemCountEx(ListView1, ShownPage.End - ShownPage.Start, LVSICF_NOSCROLL);
    ::InvalidateRect(ListView1, nullptr, TRUE);
}

bool TFrmFile::FocusRowNamed(const std::string& name) {
    if (ListedSlot < 0) return false;
    const TTabSlot& slot = TabSlots[ListedSlot];
    std::optional<std::int32_t> row = RowOfEntry(Shown(), FindEntry(slot, name));
    if (!row) return false;
    ListView_SetItemState(ListView1, -1, 0, LVIS_SELECTED);
    SelectRow(*row, true);
    return true;
}

void TFrmFile::SelectRow(std::int32_t row, bool focus) {
    ListView_SetItemState(ListView1, row, LVIS_SELECTED, LVIS_SELECTED);
    if (!focus) return;
    ListView_SetItemState(ListView1, row, LVIS_FOCUSED, LVIS_FOCUSED);
    ListView_EnsureVisible(ListView1, row, FALSE);
}
