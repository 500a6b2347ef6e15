#include "fileops/system_clip_win.h"

#include <shellapi.h>
#include <shlobj.h>

#include "fileops/drop_block.h"
#include "platform/clipboard_win.h"
#include "platform/text_win.h"
#include "platform/unique_handle_win.h"

namespace {
UINT DropEffectFormat() { return ::RegisterClipboardFormatA(CFSTR_PREFERREDDROPEFFECT); }

std::string EffectBytes(DWORD effect) {
    return std::string(reinterpret_cast<const char*>(&effect), sizeof effect);
}
}  // namespace

bool PutFilesOnClipboard(HWND owner, const std::vector<std::string>& paths, bool move) {
    std::vector<std::u16string> wide;
    for (const std::string& path : paths) {
        const std::wstring units = WideText(path);
        wide.emplace_back(units.begin(), units.end());
    }
    Clipboard clipboard(owner);
    return clipboard.SetBlocks(
        {{CF_HDROP, WideDropFileMem(wide)},
         {DropEffectFormat(), EffectBytes(move ? DROPEFFECT_MOVE : DROPEFFECT_COPY)}});
}

std::optional<ClipboardFiles> FilesOnClipboard(HWND owner) {
    Clipboard clipboard(owner);
    HGLOBAL list = clipboard.Block(CF_HDROP);
    if (!list) return std::nullopt;
    ClipboardFiles files{DropListNames(list), false};
    // A program that says nothing asks for a copy, as Explorer takes it.
    if (HGLOBAL effect = clipboard.Block(DropEffectFormat())) {
        GlobalLockGuard lock(effect);
        if (lock.Data() && lock.Size() >= sizeof(DWORD))
            files.Move = (*static_cast<const DWORD*>(lock.Data()) & DROPEFFECT_MOVE) != 0;
    }
    return files;
}

void EmptyClipboardOf(HWND owner) { Clipboard(owner).Empty(); }

std::vector<std::string> DropListNames(HGLOBAL block) {
    std::vector<std::string> names;
    {
        GlobalLockGuard lock(block);
        if (!lock.Data() ||
            !DropListInside(std::string_view(static_cast<const char*>(lock.Data()), lock.Size())))
            return names;
    }
    auto* drop = static_cast<HDROP>(block);
    const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        // The length first: a long path is never cut short. In UTF-16, so that a name the code
        // page cannot hold arrives exactly.
        UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(length + 1, L'\0');
        length = ::DragQueryFileW(drop, i, name.data(), length + 1);
        names.push_back(NarrowText(name.c_str(), length));
    }
    return names;
}
