// Help, the version box, property sheets, the system's search and the update aid.
#include "app/file1_win.h"
#include "commands/command_template.h"
#include "commands/program_version.h"
#include "commands/small_commands.h"
#include "platform/clipboard_win.h"

namespace {

std::string ProgramPath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

void TFrmFile::mnHelpClick() { RunCommand(HelpFilePath(SettingsPath), ""); }

void TFrmFile::mnAboutClick() {
    Ui.Message(hwnd_, AboutText(TABORA_VERSION_TEXT, BuildDateText(__DATE__)), kAboutCaption,
               MB_OK | MB_ICONINFORMATION);
}

void TFrmFile::mnPropertyClick() {
    const std::string folder = CurrentFolder();
    for (const ListedName& row : SelectedOnDisk()) Launch->Run(PropertiesPlan(folder + row.Name));
}

void TFrmFile::Find1Click() {
    const std::vector<RowEntry> first = SelectedEntries(1);
    std::string firstFolder;
    if (!first.empty() && first.front().Kind == kFolderKind)
        firstFolder = TabSlots[ListedSlot].Names[first.front().Entry];
    Launch->Run(FindPlan(FindStartFolder(CurrentFolder(), firstFolder)));
}

void TFrmFile::mnSetUpdateClick() {
    // Saved first: the program ends without its close handling, and the bookmarks and view
    // changes since the last save would otherwise be lost.
    SaveSettings();
    SetClipboardText(hwnd_, UpdateCommandText(CurrentFolder(), ProgramPath()));
    Ui.Message(hwnd_, kUpdateMessage, kUpdateCaption, MB_OK);
    ::PostQuitMessage(0);
}
