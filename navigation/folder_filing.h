// Filing a folder's entries into a slot on a second thread while the reading goes on: each
// entry's texts and its sort key are made as soon as it is read, so that when the last name
// comes only the sort is left. On two cores the filing costs the reading next to nothing.
#pragma once

#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "app/collator.h"
#include "app/tab_slots.h"
#include "listing/listing_keys.h"
#include "navigation/folder_entries.h"

class FolderFiler {
public:
    // Files into slot (which the filer owns until Finish) in the order of its sort kind.
    FolderFiler(TTabSlot& slot, bool showHidden, const Collator& collator);
    // A reading that stopped or threw: what is still waiting is dropped.
    ~FolderFiler();
    FolderFiler(const FolderFiler&) = delete;
    FolderFiler& operator=(const FolderFiler&) = delete;

    void Add(DirEntry&& entry);
    // Waits until everything added is filed and sorts it: the slot keeps the order of its
    // sort kind. Throws what the filing threw.
    void Finish();

private:
    void File();
    // False once the filing is dropped.
    bool FileEntries(std::vector<DirEntry>& entries);
    void HandOver();
    void Stop(bool drop);

    TTabSlot& slot_;
    const bool showHidden_;
    const Collator& collator_;
    std::vector<DirEntry> batch_;  // the reader's, until it is handed over
    SortKeys keys_;                // the filer's

    std::mutex mutex_;
    std::condition_variable ready_;
    std::vector<DirEntry> waiting_;
    bool closed_ = false;
    std::atomic<bool> dropped_{false};
    std::exception_ptr failure_;
    std::thread filer_;
};
