// Up, Back and Forward within the current tab.
#include <windows.h>

#include "app/file1_win.h"
#include "app/history.h"
#include "navigation/path_text.h"
#include "platform/text_win.h"

void TFrmFile::FocusRowCameFrom(const std::string& name) {
    // The folder we came out of gets the focus, as in the shell's own windows; the status
    // line goes on telling of the folder just listed.
    const std::string status = StatusBarText(StatusBar1);
    if (FocusRowNamed(name)) SetStatus(status);
}

void TFrmFile::GoUp() {
    int slot = CurrentSlot();
    if (slot < 0) return;
    const std::string folder = TabSlots[slot].Folder;
    if (folder.size() == 3 && folder.compare(1, 2, ":\\") == 0) {
        if (OpenFolder(kDrivesFolder, true)) FocusRowCameFrom(folder);
        return;
    }
    std::string parent = ParentPath(folder);
    if (parent != folder && OpenFolder(parent, true)) FocusRowCameFrom(TabCaption(folder));
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
