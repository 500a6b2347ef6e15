// Up, Back and Forward within the current tab.
#include <windows.h>

#include "app/file1_win.h"
#include "app/history.h"
#include "navigation/path_text.h"

void TFrmFile::GoUp() {
    int slot = CurrentSlot();
    if (slot < 0) return;
    const std::string folder = TabSlots[slot].Folder;
    if (folder.size() == 3 && folder.compare(1, 2, ":\\") == 0) {
        if (OpenFolder(kDrivesFolder, true)) FocusRowNamed(folder);
        return;
    }
    std::string parent = ParentPath(folder);
    // The folder we came out of keeps the focus, as in the shell's own windows.
    if (parent != folder && OpenFolder(parent, true)) FocusRowNamed(TabCaption(folder));
}

void TFrmFile::GoBack() {
    int slot = CurrentSlot();
    if (slot < 0) return;
    if (std::optional<std::string> folder = HistoryBack(TabSlots[slot])) {
        OpenFolder(*folder, false);
        UpdateHistoryButtons();
    }
}

void TFrmFile::GoForward() {
    int slot = CurrentSlot();
    if (slot < 0) return;
    if (std::optional<std::string> folder = HistoryForward(TabSlots[slot])) {
        OpenFolder(*folder, false);
        UpdateHistoryButtons();
    }
}
