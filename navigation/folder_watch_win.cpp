#include "navigation/folder_watch_win.h"

#include <commctrl.h>

#include "app/file1_win.h"
#include "fileops/slot_patch.h"
#include "listing/listing_keys.h"
#include "navigation/find_entry_win.h"
#include "navigation/folder_changes.h"
#include "navigation/path_text.h"
#include "platform/text_win.h"

namespace {
// A copy of many files is one burst: the folder is read once it has been quiet this long,
// or once the burst has lasted the longest wait (a file written on and on).
constexpr DWORD kQuietMs = 150;
constexpr DWORD kLongestWaitMs = 800;
// Each patched name walks the slot once: beyond this many, the read is listed whole instead.
constexpr std::size_t kPatchAtMost = 256;
constexpr DWORD kWatched = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
                           FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE |
                           FILE_NOTIFY_CHANGE_ATTRIBUTES;
}  // namespace

bool WatchableFolder(const std::string& folder) {
    // A drive letter: a server's folders and the drive list have none.
    if (folder.size() < 3 || folder[1] != ':') return false;
    const std::string root = folder.substr(0, 3);
    return ::GetDriveTypeA(root.c_str()) != DRIVE_REMOTE;
}

FolderWatch::FolderWatch(std::string folder, bool showHidden, HWND window, UINT message)
    : folder_(std::move(folder)),
      showHidden_(showHidden),
      window_(window),
      message_(message),
      stop_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    if (stop_) thread_ = std::thread([this] { Run(); });
}

FolderWatch::~FolderWatch() {
    if (stop_) ::SetEvent(stop_.get());
    if (thread_.joinable()) thread_.join();
}

std::optional<TTabSlot> FolderWatch::Take() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::exchange(latest_, std::nullopt);
}

bool FolderWatch::Stopped() const { return ::WaitForSingleObject(stop_.get(), 0) == WAIT_OBJECT_0; }

void FolderWatch::Run() {
    HANDLE change = ::FindFirstChangeNotificationW(WideText(folder_).c_str(), FALSE, kWatched);
    if (change == INVALID_HANDLE_VALUE) return;
    const HANDLE waits[] = {stop_.get(), change};
    while (::WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        const DWORD began = ::GetTickCount();
        bool armed = true;
        do {
            armed = ::FindNextChangeNotification(change) != FALSE;
        } while (armed && ::GetTickCount() - began < kLongestWaitMs &&
                 ::WaitForMultipleObjects(2, waits, FALSE, kQuietMs) == WAIT_OBJECT_0 + 1);
        if (!armed || Stopped()) break;
        TTabSlot read;
        SearchDisk(FolderSearchPattern(folder_), [&](DirEntry& entry) {
            AddFolderEntry(read, std::move(entry), showHidden_);
            return !Stopped();
        });
        if (Stopped()) break;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            latest_ = std::move(read);
        }
        ::PostMessageA(window_, message_, 0, 0);
    }
    ::FindCloseChangeNotification(change);
}

void TFrmFile::WatchShownFolder() {
    const std::string folder = ListedSlot >= 0 ? FolderForAppend(TabSlots[ListedSlot].Folder) : "";
    if (!WatchFolders || !WatchableFolder(folder)) {
        watch_.reset();
        return;
    }
    if (watch_ && watch_->Folder() == folder && watch_->ShowsHidden() == ShowHidden) return;
    watch_.reset();  // one thread at a time: the old one ends before the new one starts
    watch_ = std::make_unique<FolderWatch>(folder, ShowHidden, hwnd_, kFolderChanged);
}

void TFrmFile::FolderChanged() {
    if (!watch_ || activeReading_ || ListedSlot < 0) return;
    std::optional<TTabSlot> now = watch_->Take();
    const std::string folder = watch_->Folder();
    if (!now || FolderForAppend(TabSlots[ListedSlot].Folder) != folder) return;
    const int slot = ListedSlot;
    const FolderChanges changes = CompareFolder(TabSlots[slot], *now);
    if (changes.Added.size() + changes.Removed.size() + changes.Changed.size() > kPatchAtMost) {
        // Another program emptied or filled the folder: its read is the slot now, listed where
        // the list stood.
        SaveScroll();
        TTabSlot& listed = TabSlots[slot];
        listed.Names.swap(now->Names);
        listed.Sizes.swap(now->Sizes);
        listed.Times.swap(now->Times);
        listed.Kinds.swap(now->Kinds);
        listed.TotalSize = now->TotalSize;
        ForgetSortedEntries(listed);
        ListFolder(slot);
        return;
    }
    // As a paste patches its tab: rows go and come, the others keep their selection, the
    // focus, the page and the scroll.
    for (const std::string& name : changes.Removed) RemoveSlotEntry(slot, name);
    for (const std::string& name : changes.Changed) RefreshSlotEntry(folder + name, slot);
    // A new name shows only when it passes the masks, as a listing would show it.
    const ListingFilter filter =
        MakeListingFilter(WindowText(CmbMask), QuickMaskPending, QuickMaskText, NameFolder());
    for (const std::string& name : changes.Added) {
        const std::int32_t entry = AppendSlotEntry(folder + name, slot);
        if (entry < 0) continue;
        const TTabSlot& patched = TabSlots[slot];
        if (PassesFilter(filter, WildMatch, name, patched.Kinds[static_cast<std::size_t>(entry)]))
            ShowAsLastRow(patched, entry, Shown());
    }
    ListView_SetItemCountEx(ListView1, ShownPage.End - ShownPage.Start, LVSICF_NOSCROLL);
    if (!changes.Added.empty()) SizeColumns(TabSlots[slot], DetailView);
    if (changes.Empty()) return;
    ::InvalidateRect(ListView1, nullptr, TRUE);
    // The count and the sum follow, unless the line speaks of the selection.
    if (ListView_GetSelectedCount(ListView1) == 0) {
        const auto count = static_cast<std::int32_t>(CurrentListing.size());
        SetStatus(
            ListingStatusText(count, TabSlots[slot].TotalSize,
                              PageText(count, DisplayLimit, MaxFilesValue, TabSlots[slot].Page)));
    }
}
