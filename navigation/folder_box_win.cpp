// The folder box's own keys and the completion list laid over it.
#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/file1_win.h"
#include "navigation/completion.h"
#include "navigation/folder_reading_win.h"
#include "navigation/path_text.h"
#include "platform/text_win.h"
#include "platform/window_plumbing_win.h"

namespace {

constexpr UINT_PTR kFolderBoxSubclass = 0x444952;   // 'DIR'
constexpr UINT_PTR kCompletionSubclass = 0x484B4E;  // 'HKN'
constexpr int kCompletionHeight = 113;
constexpr int kBackslashKey = 220;  // the key of the backslash, or of the yen sign in Japan

bool Held(int key) { return ::GetKeyState(key) < 0; }

// The control's place in its parent's client area.
RECT PlaceInParent(HWND control) {
    RECT r{};
    ::GetWindowRect(control, &r);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LRESULT CALLBACK FolderBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
    auto* form = reinterpret_cast<TFrmFile*>(data);
    try {
        switch (msg) {
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN: {
                if (msg == WM_KEYDOWN &&
                    form->MoveFocusByKey(FocusStop::FolderBox, static_cast<int>(wParam)))
                    return 0;
                bool used = form->CmbDirKeyDown(static_cast<int>(wParam));
                // Alt combinations the box used go no further (no menu beep).
                if (wParam == VK_RETURN || (used && msg == WM_SYSKEYDOWN)) return 0;
                break;
            }
            case WM_CHAR:
            case WM_SYSCHAR:
                // A one-line edit beeps at Enter (Ctrl+Enter types a line feed), and at the
                // Tab and Esc that moved the focus.
                if (wParam == '\r' || wParam == '\n' || wParam == '\t' || wParam == VK_ESCAPE)
                    return 0;
                break;
            default: break;
        }
    } catch (...) {
        ShowErrorReport(form->Ui, form->Handle(), CurrentErrorText());
        return 0;
    }
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK CompletionProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR data) {
    auto* form = reinterpret_cast<TFrmFile*>(data);
    try {
        switch (msg) {
            case WM_KEYDOWN:
                if (form->lstHokanKeyDown(static_cast<int>(wParam))) return 0;
                break;
            case WM_CHAR:
                // The characters of the keys the list used would search its lines.
                if (wParam == '\r' || wParam == '\\' || wParam == VK_ESCAPE) return 0;
                break;
            case WM_KILLFOCUS: form->lstHokanExit(); break;
            default: break;
        }
    } catch (...) {
        ShowErrorReport(form->Ui, form->Handle(), CurrentErrorText());
        return 0;
    }
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace

void TFrmFile::HookFolderBox() {
    // The completion list lies over the box and the top of the file list; both must leave
    // it alone when they paint.
    for (HWND below : {CmbDir, ListView1})
        ::SetWindowLongPtrA(below, GWL_STYLE,
                            ::GetWindowLongPtrA(below, GWL_STYLE) | WS_CLIPSIBLINGS);
    subclasses_.emplace_back(CmbDir, &FolderBoxProc, kFolderBoxSubclass,
                             reinterpret_cast<DWORD_PTR>(this));
    subclasses_.emplace_back(lstHokan, &CompletionProc, kCompletionSubclass,
                             reinterpret_cast<DWORD_PTR>(this));
}

bool TFrmFile::CmbDirKeyDown(int key) {
    RECT place = PlaceInParent(CmbDir);
    const int width = place.right - place.left;
    const std::string text = WindowText(CmbDir);
    FolderBoxKeyResult what = FolderBoxKeyDown(key, Held(VK_CONTROL), Held(VK_MENU), text, width);
    if (what.Open) {
        if (text.empty()) ::SetWindowTextA(CmbDir, what.OpenText.c_str());
        if (OpenFolder(what.OpenText, true)) {
            ::SetFocus(ListView1);
        } else {
            ::SetFocus(CmbDir);
            ::SendMessageA(CmbDir, EM_SETSEL, 0, -1);
        }
    }
    if (what.Complete) BuildCompletion();
    if (what.Back) GoBack();
    if (what.Forward) GoForward();
    if (what.Width != width) {
        // The box's width is kept in the settings from the box itself at saving.
        ::MoveWindow(CmbDir, place.left, place.top, what.Width, place.bottom - place.top, TRUE);
        FormResize();
    }
    if (what.Desktop) OpenFolder(DesktopPath, true);
    return what.Open || what.Complete || what.Back || what.Forward || what.Desktop ||
           what.Width != width;
}

void TFrmFile::BuildCompletion() {
    const int slotIndex = CurrentSlot();
    if (slotIndex < 0) return;
    const TTabSlot& slot = TabSlots[slotIndex];
    std::optional<CompletionQuery> query =
        CompletionFor(WindowText(CmbDir), slot.Folder, CurrentFolder());
    if (!query) return;
    if (query->FromTab) {
        completion_ = TabCandidates(slot, query->Prefix, Collator);
    } else {
        if (activeReading_) return;
        // A folder of 100,000 names takes seconds to search: the window answers meanwhile, and
        // Esc stops the search and opens no list.
        std::shared_ptr<FolderReading> search =
            StartCompletionSearch(LongSearchPattern(query->Pattern));
        if (!WaitForReading(*search)) return;
        if (!search->Error.empty()) throw std::runtime_error(search->Error);
        completion_ = std::move(search->Completion);
    }
    completionFolder_ = query->Folder;
    const std::vector<std::string> lines = completion_.Lines();
    // The lines come in their order: the list itself does not sort.
    ::SendMessageA(lstHokan, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(lstHokan, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : lines)
        ::SendMessageA(lstHokan, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    ::SendMessageA(lstHokan, WM_SETREDRAW, TRUE, 0);
    if (!lines.empty()) ::SendMessageA(lstHokan, LB_SETCURSEL, 0, 0);
    // Over the box, as wide as the box is now; the list below it stays behind.
    RECT box = PlaceInParent(CmbDir);
    ::SetWindowPos(lstHokan, HWND_TOP, box.left, box.top, box.right - box.left, kCompletionHeight,
                   SWP_SHOWWINDOW);
    ::SetFocus(lstHokan);
}

bool TFrmFile::lstHokanKeyDown(int key) {
    CompletionKey pressed;
    if (key == VK_RETURN)
        pressed = CompletionKey::Enter;
    else if (key == kBackslashKey)
        pressed = CompletionKey::Backslash;
    else if (key == VK_ESCAPE)
        pressed = CompletionKey::Escape;
    else
        return false;
    std::optional<std::size_t> line;
    const LRESULT index = ::SendMessageA(lstHokan, LB_GETCURSEL, 0, 0);
    if (index != LB_ERR) line = static_cast<std::size_t>(index);
    const CompletionPick pick = PickCompletionLine(pressed, completionFolder_, completion_, line);
    switch (pick.Action) {
        case CompletionAction::None: break;
        case CompletionAction::CompleteFolder:
            ::SetWindowTextA(CmbDir, pick.BoxText.c_str());
            ::SendMessageA(CmbDir, EM_SETSEL, pick.BoxText.size(), pick.BoxText.size());
            break;
        case CompletionAction::OpenFolder: OpenFolder(pick.Path, true); break;
        case CompletionAction::OpenFile: {
            // The typed folder is lent to the tab for the launch only: the list still shows
            // the tab's old rows, and the next delete or rename must act on them. A shortcut
            // to a folder that opens reads the tab anew and keeps its folder.
            const int slotIndex = CurrentSlot();
            if (slotIndex < 0) break;
            TTabSlot& slot = TabSlots[slotIndex];
            const std::string kept = slot.Folder;
            const std::uint64_t reads = folderReads_;
            slot.Folder = pick.Folder;
            try {
                OpenItem(pick.Name, "", false);
            } catch (...) {
                if (folderReads_ == reads) slot.Folder = kept;
                throw;
            }
            if (folderReads_ == reads) slot.Folder = kept;
            break;
        }
    }
    ::SetFocus(pick.FocusBox ? CmbDir : ListView1);
    lstHokanExit();
    return true;
}

void TFrmFile::lstHokanExit() { ::ShowWindow(lstHokan, SW_HIDE); }
