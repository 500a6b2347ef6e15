// Opening the selection by the associations of its first item: each item opened, all copied
// into a folder, or all dropped onto a program's window found by its title.

#include "app/file1_win.h"
#include "app/sjis.h"
#include "commands/command_template.h"
#include "commands/open_by_extension.h"
#include "fileops/drag_out_win.h"
#include "fileops/drop_block.h"
#include "platform/text_win.h"

namespace {

bool IsExistingFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

HWND TFrmFile::FindWindowByTitle(const std::string& text) const {
    // Every top-level window, hidden ones and our own included, in Z order.
    for (HWND window = ::GetWindow(hwnd_, GW_HWNDFIRST); window;
         window = ::GetWindow(window, GW_HWNDNEXT)) {
        char title[256] = {};
        ::GetWindowTextA(window, title, sizeof title);
        if (sjis::Find(title, text) != sjis::npos) return window;
    }
    return nullptr;
}

void TFrmFile::OpenSelection(const std::string& command) {
    // Taken now: entering a folder or a launch may change the list under the walk. Rows
    // whose files are gone or replaced are not opened.
    OpenRows(SelectedOnDisk(), command);
}

void TFrmFile::OpenRows(const std::vector<ListedName>& rows, const std::string& command) {
    if (rows.empty()) return;
    std::vector<std::string> names;
    for (const ListedName& row : rows) names.push_back(row.Name);
    const std::string folder = CurrentFolder();

    HWND window = nullptr;
    const OpenChoice choice =
        ChooseOpenAction(command, names.front(), rows.front().Kind == kFolderKind, Settings,
                         [&](std::string_view title) {
                             window = FindWindowByTitle(std::string(title));
                             return window != nullptr;
                         });
    switch (choice.Action) {
        case OpenAction::OpenEach:
            for (const std::string& name : names) {
                if (!OpenItem(name, choice.Command, choice.EnterFolder)) break;
            }
            return;
        case OpenAction::Copy: {
            std::string sources;
            for (const std::string& name : names) sources += folder + name + '|';
            ShellCopyMove(::GetKeyState(VK_CONTROL) < 0, sources, choice.Target);
            SetStatus(CopyStatusText(choice.Target));
            return;
        }
        case OpenAction::Drop: {
            std::string block = NewDropBlock();
            for (const std::string& name : names) {
                if (!AddDropFile(block, folder + name)) return;
            }
            PostDropBlock(window, block);
            return;
        }
        case OpenAction::MissingWindow:
            Ui.Message(hwnd_, MissingWindowText(choice.Target), "ｴﾗｰ", MB_OK);
            return;
    }
}

bool TFrmFile::OpenItem(const std::string& name, const std::string& command, bool isFolder) {
    const std::string path = CurrentFolder() + name;
    switch (OpenItemKind(name, isFolder)) {
        case ItemKind::Folder: OpenFolder(path, true); return false;
        case ItemKind::Shortcut: {
            SCMake1.LinkPath.clear();
            SCMake1.Argument.clear();
            SCMake1.ReadShortcut(path);
            if (!SCMake1.LinkPath.empty() && IsExistingFolder(SCMake1.LinkPath)) {
                OpenFolder(SCMake1.LinkPath, true);
                return false;
            }
            if (auto call = ShortcutCall(command, SCMake1.LinkPath, SCMake1.Argument))
                RunCommand(call->Template, call->Arguments);
            else
                Ui.Message(hwnd_, path, kLaunchErrorCaption, MB_OK);  // nothing to start
            return true;
        }
        case ItemKind::File: {
            const CommandCall call = FileCall(command, path);
            RunCommand(call.Template, call.Arguments);
            return true;
        }
    }
    return true;
}
