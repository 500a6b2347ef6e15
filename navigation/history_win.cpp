// Up, Back and Forward within the current tab.
#include <windows.h>

#include "app/file1_win.h"
#include "navigation/path_text.h"

void TFrmFile::GoUp() {
    int slot = CurrentSlot();
    if (slot < 0) return;
    const std::string folder = TabSlots[slot].Folder;
    if (folder.size() == 3 && folder.compare(1, 2, ":\\") == 0) {
        OpenFolder(kDrivesFolder, true);
        return;
    }
    std::string parent = ParentPath(folder);
    if (parent != folder) OpenFolder(parent, true);
}

void TFrmFile::GoBack() {
    int slot = CurrentSlot();
    if (slot < 0 || TabSlots[slot].HistoryPos < 2) return;
    TTabSlot& s = TabSlots[slot];
    --s.HistoryPos;
    OpenFolder(std::string(s.History[s.HistoryPos - 1]), false);
    UpdateHistoryButtons();
}

void TFrmFile::GoForward() {
    int slot = CurrentSlot();
    if (slot < 0) return;
    TTabSlot& s = TabSlots[slot];
    if (s.HistoryPos >= static_cast<std::int32_t>(s.History.size())) return;
    ++s.HistoryPos;
    OpenFolder(std::string(s.History[s.HistoryPos - 1]), false);
    UpdateHistoryButtons();
}
