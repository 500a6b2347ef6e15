#include "navigation/folder_reading_win.h"

#include <winnetwk.h>

#include <exception>
#include <functional>
#include <stdexcept>
#include <vector>

#include "listing/listing_keys.h"
#include "navigation/find_entry_win.h"
#include "navigation/folder_entries.h"
#include "navigation/folder_filing.h"
#include "navigation/path_text.h"
#include "platform/collator_win.h"
#include "platform/text_win.h"

namespace {

struct EnumCloser {
    using Type = HANDLE;
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { ::WNetCloseEnum(h); }
};

// False when the enumeration could not be opened.
bool ReadShares(const std::string& folder, FolderReading& reading) {
    TTabSlot& slot = reading.Entries;
    std::string remote = folder.substr(0, folder.size() - 1);  // without the trailing backslash
    std::string provider = "Microsoft Windows Network";
    NETRESOURCEA root{};
    root.dwScope = RESOURCE_GLOBALNET;
    root.dwType = RESOURCETYPE_DISK;
    root.lpRemoteName = remote.data();
    root.lpProvider = provider.data();
    HANDLE handle = nullptr;
    if (::WNetOpenEnumA(RESOURCE_GLOBALNET, RESOURCETYPE_DISK, 0, &root, &handle) != NO_ERROR)
        return false;
    UniqueHandle<EnumCloser> enumeration(handle);
    std::vector<char> buffer(320);
    while (!reading.Stop.load(std::memory_order_relaxed)) {
        DWORD count = 1;
        DWORD size = static_cast<DWORD>(buffer.size());
        DWORD result = ::WNetEnumResourceA(handle, &count, buffer.data(), &size);
        if (result == ERROR_MORE_DATA && size > buffer.size()) {
            buffer.resize(size);  // a share with a long name is fetched again, not dropped
            continue;
        }
        if (result != NO_ERROR || count == 0) break;
        const auto* resource = reinterpret_cast<const NETRESOURCEA*>(buffer.data());
        if (resource->lpRemoteName) AddShareEntry(slot, resource->lpRemoteName);
        reading.Count.store(static_cast<std::int64_t>(slot.Names.size()),
                            std::memory_order_relaxed);
    }
    return true;
}

void ReadDisk(const std::string& folder, bool showHidden, FolderReading& reading) {
    std::int64_t found = 0;
    const WinCollator collator;
    FolderFiler filer(reading.Entries, showHidden, collator);
    // A folder that cannot be searched lists empty.
    SearchDisk(FolderSearchPattern(folder), [&](DirEntry& entry) {
        filer.Add(std::move(entry));
        reading.Count.store(++found, std::memory_order_relaxed);
        return !reading.Stop.load(std::memory_order_relaxed);
    });
    if (!reading.Stop.load()) filer.Finish();
}

}  // namespace

void SearchDisk(const std::string& pattern, const std::function<bool(DirEntry&)>& found) {
    // Through the wide functions: the ANSI ones stop at MAX_PATH even in the long form, and
    // give a name the code page cannot hold with '?' in its place.
    WIN32_FIND_DATAW data{};
    UniqueFind find(::FindFirstFileW(WideText(pattern).c_str(), &data));
    if (!find) return;
    const std::int64_t bias = LocalTimeBias();
    for (;;) {
        DirEntry entry = EntryOfFindData(data, bias);
        if (!found(entry) || !::FindNextFileW(find.get(), &data)) return;
    }
}

void ReadFolderEntries(const std::string& folder, bool showHidden, std::int8_t sortKind,
                       FolderReading& reading) {
    TTabSlot& slot = reading.Entries;
    ClearEntries(slot);
    slot.SortKind = sortKind;
    if (IsServerPath(folder))
        reading.NetworkError = !ReadShares(folder, reading);
    else if (folder.empty())
        FillDriveList(slot, ::GetLogicalDrives());
    else
        ReadDisk(folder, showHidden, reading);
    // The order of the listing too (a folder has it already): the window should not wait for
    // the sort either.
    if (reading.Stop.load()) return;
    SortedEntries(slot, WinCollator(), &reading.Stop);
}

namespace {

struct ReadingJob {
    std::shared_ptr<FolderReading> Reading;
    std::function<void(FolderReading&)> Work;
};

DWORD WINAPI RunReading(void* parameter) {
    std::unique_ptr<ReadingJob> job(static_cast<ReadingJob*>(parameter));
    FolderReading& reading = *job->Reading;
    try {
        job->Work(reading);
    } catch (const std::exception& e) {
        reading.Error = e.what();
    } catch (...) {
        reading.Error = "不明なｴﾗｰ";
    }
    ::SetEvent(reading.Done.get());
    return 0;
}

std::shared_ptr<FolderReading> StartReading(std::function<void(FolderReading&)> work) {
    auto reading = std::make_shared<FolderReading>();
    if (!reading->Done) throw std::runtime_error("読込を始められません");
    auto job = std::make_unique<ReadingJob>(ReadingJob{reading, std::move(work)});
    // A plain system thread, left to end on its own: a stopped reading that hangs in the file
    // system (a server that does not answer) must not hold up the window, and nobody waits
    // for it. It runs below the window's priority, so the window answers at once.
    UniqueKernelHandle thread(
        ::CreateThread(nullptr, 0, &RunReading, job.get(), CREATE_SUSPENDED, nullptr));
    if (!thread) throw std::runtime_error("読込を始められません");
    job.release();  // the thread owns it now
    ::SetThreadPriority(thread.get(), THREAD_PRIORITY_BELOW_NORMAL);
    ::ResumeThread(thread.get());
    return reading;
}

}  // namespace

std::shared_ptr<FolderReading> StartFolderReading(const std::string& folder, bool showHidden,
                                                  std::int8_t sortKind) {
    return StartReading(
        [=](FolderReading& reading) { ReadFolderEntries(folder, showHidden, sortKind, reading); });
}

std::shared_ptr<FolderReading> StartCompletionSearch(const std::string& pattern) {
    return StartReading([pattern](FolderReading& reading) {
        std::vector<DirEntry> found;
        SearchDisk(pattern, [&](DirEntry& entry) {
            found.push_back(std::move(entry));
            reading.Count.store(static_cast<std::int64_t>(found.size()), std::memory_order_relaxed);
            return !reading.Stop.load(std::memory_order_relaxed);
        });
        if (!reading.Stop.load()) reading.Completion = DiskCandidates(found, WinCollator());
    });
}
