// Dragging the selection out: OLE drags from the list, and the drag to the next program the
// user activates, which posts the selection to it as dropped files.
#include "fileops/drag_out_win.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/file1_win.h"
#include "app/wide_escape.h"
#include "fileops/drag_data_object_win.h"
#include "fileops/drag_drop_source_win.h"
#include "fileops/drop_block.h"
#include "platform/clipboard_win.h"
#include "platform/com_ptr_win.h"
#include "platform/text_win.h"

namespace {
bool WideFileLists() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    return ::GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}
}  // namespace

extern "C" int OLE_IDropSource_Start(HWND window, UINT renderMessage, UINT endMessage,
                                     const DWORD* formats, int count, DWORD allowedEffects) {
    std::vector<FORMATETC> table;
    for (int i = 0; formats && i < count; ++i)
        table.push_back({static_cast<CLIPFORMAT>(formats[i] & 0xFFFF), nullptr, DVASPECT_CONTENT,
                         -1, TYMED_HGLOBAL});
    ComPtr<IDataObject> data(DragDataObject::Create(table, window, renderMessage));
    const DWORD button = (::GetKeyState(VK_RBUTTON) & 0x8000) ? MK_RBUTTON : MK_LBUTTON;
    ComPtr<IDropSource> source(DragDropSource::Create(window, endMessage, button));
    if (!data || !source) return -1;
    DWORD effect = 0;
    const HRESULT result = ::DoDragDrop(data.get(), source.get(), allowedEffects, &effect);
    return result == DRAGDROP_S_DROP ? static_cast<int>(effect) : -1;
}

extern "C" HGLOBAL CreateDropFileMem(const char* const* paths, int count) {
    std::vector<std::string> ansi;
    for (int i = 0; paths && i < count; ++i) ansi.emplace_back(paths[i] ? paths[i] : "");
    std::string bytes;
    if (WideFileLists()) {
        std::vector<std::u16string> wide;
        for (const std::string& path : ansi) {
            std::wstring w = WideText(path);
            wide.emplace_back(w.begin(), w.end());
        }
        bytes = WideDropFileMem(wide);
    } else {
        bytes = AnsiDropFileMem(ansi);
    }
    return GlobalBlock(bytes, GMEM_MOVEABLE | GMEM_ZEROINIT);
}

bool PostDropBlock(HWND window, const std::string& ansiBlock) {
    // A name the code page cannot hold goes in the wide form of the block, which every
    // receiver's DragQueryFile reads as well.
    std::string block = ansiBlock;
    if (wide::HasEscapes(block)) {
        std::vector<std::u16string> paths;
        for (const std::string& path : ParseDropBlock(block).value_or(std::vector<std::string>{})) {
            const std::wstring units = WideText(path);
            paths.emplace_back(units.begin(), units.end());
        }
        block = WideDropFileMem(paths);
    }
    UniqueGlobal memory(GlobalBlock(block, GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE));
    if (!memory || !::PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory.get()), 0))
        return false;
    static_cast<void>(memory.release());
    return true;
}

std::vector<std::string> TFrmFile::SelectedPaths() {
    // Taken when the files are handed over, which may be long after the drag began: rows
    // whose files have gone or changed kind since are not handed over.
    std::vector<std::string> paths;
    const std::string folder = CurrentFolder();
    for (const ListedName& item : SelectedOnDisk()) paths.push_back(folder + item.Name);
    return paths;
}

bool TFrmFile::RenderDropFiles(LPARAM target) {
    // Anyone can send this message with any lParam: write only into the handle variable of a
    // live data object of ours that is asking from this thread right now.
    if (::InSendMessage() || !DragDataObject::IsRenderTarget(reinterpret_cast<void*>(target)))
        return false;
    auto* handle = reinterpret_cast<HGLOBAL*>(target);
    const std::vector<std::string> paths = SelectedPaths();
    if (paths.empty()) return true;
    std::vector<const char*> texts;
    for (const std::string& path : paths) texts.push_back(path.c_str());
    *handle = CreateDropFileMem(texts.data(), static_cast<int>(texts.size()));
    return true;
}

void TFrmFile::ListView1MouseMove(WPARAM keys) {
    const bool held = (keys & (MK_LBUTTON | MK_RBUTTON)) != 0;
    if (!dragMoves_.Move(held) || DragToNextArmed) return;
    if (ListView_GetSelectedCount(ListView1) == 0) return;
    const DWORD formats[] = {CF_HDROP};
    // Whatever the target did with the files, the list stays as it is.
    OLE_IDropSource_Start(hwnd_, kRenderDropFiles, 0, formats, 1,
                          DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK | DROPEFFECT_SCROLL);
}

void TFrmFile::mnDragStartClick() {
    if (!DragToNextArmed) {
        StartDragToNext();
        return;
    }
    EndDragToNext();
    ListView1Change();
}

void TFrmFile::StartDragToNext() {
    SetStatus("ﾄﾞﾗｯｸﾞ");
    DragToNextArmed = true;
    ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
}

void TFrmFile::EndDragToNext() {
    DragToNextArmed = false;
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
}

bool TFrmFile::ListView1SetCursor() {
    if (!DragToNextArmed) return false;
    ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
    return true;
}

void TFrmFile::DropOnNextActivated() {
    if (!DragToNextArmed) return;
    // Our own window in front is no target: the activation went back to us or not yet away.
    auto next = [this] {
        HWND front = ::GetForegroundWindow();
        return front == hwnd_ ? nullptr : front;
    };
    HWND target = next();
    if (!target) {
        const DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < 300) ::Sleep(10);
        target = next();
        if (!target) return;  // stays armed
    }
    char title[256] = {};
    ::GetWindowTextA(target, title, sizeof title);
    const std::vector<std::string> paths = SelectedPaths();
    if (paths.empty()) {
        SetStatus("");
        EndDragToNext();
        return;
    }
    std::string block = NewDropBlock();
    for (const std::string& path : paths) {
        if (!AddDropFile(block, path)) {
            EndDragToNext();
            return;
        }
    }
    if (!PostDropBlock(target, block)) {
        EndDragToNext();
        return;
    }
    SetStatus(std::string("ﾄﾞﾛｯﾌﾟ: ") + title);
    EndDragToNext();
}
