// Reading a folder, the drive list or a server's shares into a slot: the reading runs on a
// worker thread (navigation/folder_reading_win.cpp) while the window goes on answering.
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/file1_win.h"
#include "app/wide_escape.h"
#include "navigation/find_entry_win.h"
#include "navigation/folder_entries.h"
#include "navigation/folder_reading_win.h"
#include "navigation/path_text.h"
#include "platform/text_win.h"
#include "platform/unique_handle_win.h"

namespace {

std::int64_t TicksOf(const FILETIME& time) {
    return static_cast<std::int64_t>((std::uint64_t{time.dwHighDateTime} << 32) |
                                     time.dwLowDateTime);
}

// Messages that wait until the reading ends: input, commands and the program's own posted
// work, so that no handler runs on a slot that is being replaced.
bool WaitsForReading(const MSG& msg, HWND main) {
    const UINT m = msg.message;
    if (m >= WM_KEYFIRST && m <= WM_KEYLAST) return true;
    if (m >= WM_LBUTTONDOWN && m <= WM_MOUSELAST) return true;
    if (m >= WM_NCLBUTTONDOWN && m <= WM_NCXBUTTONDBLCLK) return true;
    if (m == WM_COMMAND || m == WM_SYSCOMMAND || m == WM_CLOSE || m == WM_DROPFILES || m == WM_QUIT)
        return true;
    if (m == WM_TIMER && msg.hwnd == main) return true;
    return m >= WM_USER && msg.hwnd == main;
}

// Pointer input is dropped rather than kept: a click lands where the pointer is now.
bool IsPointerButton(UINT m) {
    return (m >= WM_LBUTTONDOWN && m <= WM_MOUSELAST) ||
           (m >= WM_NCLBUTTONDOWN && m <= WM_NCXBUTTONDBLCLK);
}

}  // namespace

std::int64_t LocalTimeBias() {
    // FileTimeToLocalFileTime applies the zone's present bias to every time alike, so one
    // call per folder gives each entry the same text as a call of its own.
    FILETIME utc{}, local{};
    ::GetSystemTimeAsFileTime(&utc);
    if (!::FileTimeToLocalFileTime(&utc, &local)) return 0;
    return TicksOf(local) - TicksOf(utc);
}

DirEntry EntryOfFindData(const WIN32_FIND_DATAW& data, std::int64_t bias) {
    DirEntry entry;
    entry.Name = NarrowText(data.cFileName);
    entry.Attributes = data.dwFileAttributes;
    entry.Size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    const std::int64_t ticks = TicksOf(data.ftLastWriteTime);
    if (ticks >= 0 && ticks <= INT64_MAX - (bias > 0 ? bias : 0))
        entry.Time = LocalTimeOfTicks(ticks + bias);
    return entry;
}

DirEntry EntryOfFindData(const WIN32_FIND_DATAW& data) {
    return EntryOfFindData(data, LocalTimeBias());
}

// Both look a name up as the listing found it: through the wide functions, in the long form
// when the path is too long for the plain one, and never as a pattern (a search for 'a?.txt'
// would report some other file).
bool ExistsOnDisk(const std::string& path) {
    return wide::NamesOneFile(path) &&
           ::GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<DirEntry> FindOnDisk(const std::string& path) {
    if (!wide::NamesOneFile(path)) return std::nullopt;
    WIN32_FIND_DATAW data{};
    UniqueFind find(::FindFirstFileW(WidePath(path).c_str(), &data));
    if (!find) return std::nullopt;
    return EntryOfFindData(data);
}

bool TFrmFile::ReadFolder(const std::string& folder, int slotIndex) {
    if (activeReading_) return false;  // never a second reading inside the first
    TTabSlot& slot = TabSlots[slotIndex];
    std::shared_ptr<FolderReading> reading = StartFolderReading(folder, ShowHidden, slot.SortKind);
    if (!WaitForReading(*reading)) return false;
    if (!reading->Error.empty()) throw std::runtime_error(reading->Error);
    if (reading->NetworkError && !restoring_)
        Ui.Message(hwnd_, "ﾈｯﾄﾜｰｸｴﾗｰ", "ｴﾗｰ", MB_OK | MB_ICONERROR);
    TTabSlot& read = reading->Entries;
    slot.Names.swap(read.Names);
    slot.Sizes.swap(read.Sizes);
    slot.Times.swap(read.Times);
    slot.Kinds.swap(read.Kinds);
    slot.Sorted.swap(read.Sorted);
    slot.TotalSize = read.TotalSize;
    ++folderReads_;
    return true;
}

bool TFrmFile::WaitForReading(FolderReading& reading) {
    activeReading_ = &reading;
    struct Clear {
        FolderReading*& active;
        ~Clear() { active = nullptr; }
    } clear{activeReading_};
    return WaitForWorker(reading.Done.get(), &reading.Stop,
                         [&] { return "読込中 " + std::to_string(reading.Count.load()); });
}

bool TFrmFile::WaitForWorker(HANDLE done, std::atomic<bool>* stopOnEscape,
                             const std::function<std::string()>& busyText) {
    std::atomic<bool> never{false};
    std::atomic<bool>& stop = stopOnEscape ? *stopOnEscape : never;
    // A quick one ends here, as a plain call would: only messages sent to the window
    // (another process asking it something) are answered meanwhile.
    constexpr DWORD kQuietMs = 50, kCountAfterMs = 300, kCountEveryMs = 100;
    const DWORD start = ::GetTickCount();
    for (DWORD elapsed = 0; elapsed < kQuietMs; elapsed = ::GetTickCount() - start) {
        const DWORD woke =
            ::MsgWaitForMultipleObjectsEx(1, &done, kQuietMs - elapsed, QS_SENDMESSAGE, 0);
        if (woke == WAIT_OBJECT_0) return !stop.load();
        if (woke != WAIT_OBJECT_0 + 1) break;
        MSG peeked;
        ::PeekMessageA(&peeked, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    // A long one: the window paints and answers, the status line tells of the work, Esc
    // stops it where it can be stopped, and everything else waits for the end.
    const std::string status = StatusBarText(StatusBar1);
    bool counting = false;
    DWORD counted = 0;
    std::vector<MSG> held;
    while (!stop.load()) {
        // The worker's event ends the wait: a posted word would be lost when the queue is
        // full (a flood of posted keys), and the window would hang.
        if (::WaitForSingleObject(done, 0) == WAIT_OBJECT_0) break;
        MSG msg;
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            const DWORD now = ::GetTickCount();
            if (now - start >= kCountAfterMs && (!counting || now - counted >= kCountEveryMs)) {
                SetStatus(busyText());
                counting = true;
                counted = now;
            }
            ::MsgWaitForMultipleObjectsEx(1, &done, kCountEveryMs, QS_ALLINPUT,
                                          MWMO_INPUTAVAILABLE);
            continue;
        }
        if (stopOnEscape && msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            stop = true;
            break;
        }
        if (WaitsForReading(msg, hwnd_)) {
            if (!IsPointerButton(msg.message)) held.push_back(msg);
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    const bool stopped = stop.load();
    // The count goes: a stopped reading leaves the list as it was, a search for the completion
    // list lists nothing, and the shell's work ends in the status its caller writes.
    if (counting) SetStatus(status);
    for (const MSG& msg : held) {
        if (msg.message == WM_QUIT)
            ::PostQuitMessage(static_cast<int>(msg.wParam));
        else if (msg.hwnd)
            ::PostMessageA(msg.hwnd, msg.message, msg.wParam, msg.lParam);
        else
            ::PostThreadMessageA(::GetCurrentThreadId(), msg.message, msg.wParam, msg.lParam);
    }
    return !stopped;
}

void TFrmFile::mnRefreshClick() {
    int slot = CurrentSlot();
    if (slot < 0) return;
    // A folder deleted, made unreadable or on a drive that went away since it was listed is
    // treated as one that cannot be opened: the tab keeps its folder, list and history.
    const std::string folder = CurrentFolder();
    if (!folder.empty() && !IsServerPath(folder) &&
        !::SetCurrentDirectoryW(WideText(folder).c_str())) {
        Ui.Message(hwnd_, "開けません", "ｴﾗｰ", MB_OK | MB_ICONERROR);
        return;
    }
    SaveScroll();
    if (!ReadFolder(folder, slot)) return;  // stopped: the list stays as it was
    ListFolder(slot);
}
