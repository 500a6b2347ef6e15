// Files dropped on the window: from the shell (WM_DROPFILES) and from a second instance of the
// program, which hands its command line over as a drop block inside WM_COPYDATA.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "app/file1_win.h"
#include "app/sjis.h"
#include "fileops/drop_block.h"
#include "fileops/system_clip_win.h"
#include "platform/text_win.h"
#include "platform/unique_handle_win.h"

namespace {
bool HasLinkExtension(const std::string& name) {
    return name.size() >= 4 &&
           sjis::UpperCase(std::string_view(name).substr(name.size() - 4)) == ".LNK";
}
}  // namespace

bool TFrmFile::WMCopyData(HWND /*sender*/, const COPYDATASTRUCT& data) {
    if (data.dwData != kHandOverCopyData || !data.lpData) return false;
    std::optional<std::vector<std::string>> names =
        ParseDropBlock(std::string_view(static_cast<const char*>(data.lpData), data.cbData));
    if (!names) return false;
    // The sender waits for this message to return: open the folders afterwards, so that a
    // message box here never holds up the other process.
    pendingHandOvers_.push_back(std::move(*names));
    ::PostMessageA(hwnd_, kProcessHandOver, 0, 0);
    return true;
}

void TFrmFile::ProcessPendingHandOver() {
    std::vector<std::vector<std::string>> pending;
    pending.swap(pendingHandOvers_);
    for (const auto& names : pending) DropFiles(names);
}

namespace {
// Any program can post WM_DROPFILES with any value, even that of one of our own memory blocks.
// A handle is taken only when it is a live global block of this process whose drop header and
// name list lie inside it; anything else is left alone, neither read nor freed.
bool IsDropHandle(HDROP handle) {
    auto* memory = reinterpret_cast<HGLOBAL>(handle);
    if (!memory) return false;
    const UINT flags = ::GlobalFlags(memory);
    if (flags == GMEM_INVALID_HANDLE || (flags & GMEM_DISCARDED)) return false;
    const SIZE_T size = ::GlobalSize(memory);
    if (size < kSystemDropHeaderSize) return false;
    GlobalLockGuard lock(memory);
    if (!lock.Data()) return false;
    return DropListInside(std::string_view(static_cast<const char*>(lock.Data()), size));
}
}  // namespace

void TFrmFile::WMDropFiles(HDROP handle) {
    if (!IsDropHandle(handle)) return;
    std::vector<std::string> names;
    {
        UniqueDrop drop(handle);
        if (DragToNextArmed) return;
        names = DropListNames(reinterpret_cast<HGLOBAL>(drop.get()));
    }
    DropFiles(names);
}

void TFrmFile::DropFiles(const std::vector<std::string>& names) {
    if (DragToNextArmed) return;
    ClipFiles.clear();
    for (std::string name : names) {
        // A shortcut stands for its target; one that cannot be read gives an empty target,
        // which the folder opening reports.
        if (HasLinkExtension(name)) {
            SCMake1.LinkPath.clear();
            SCMake1.Argument.clear();
            SCMake1.ReadShortcut(name);
            name = SCMake1.LinkPath;
        }
        DWORD attributes = ::GetFileAttributesW(WidePath(name).c_str());
        bool folder =
            attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        if (folder || name.size() < 4)
            OpenFromMenu(name);
        else
            ClipFiles.push_back(kFileKind + name);
    }
    if (ClipFiles.empty()) return;
    const std::string count = "ｺﾋﾟｰ " + std::to_string(ClipFiles.size()) + "個";
    SetStatus(count);
    ClipCut = false;
    mnPasteClick();
    // The paste selects the new rows, whose details would replace the count.
    SetStatus(count);
}
