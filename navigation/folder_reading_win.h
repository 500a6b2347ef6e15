// Reading a folder, the drive list or a server's shares on a thread of its own, so that the
// window goes on painting and answering while a huge folder or a slow server is read.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "app/tab_slots.h"
#include "navigation/completion.h"
#include "platform/unique_handle_win.h"

// One reading. The worker fills Entries (names, sizes, times, kinds, the total and the order
// of the sort kind) and then sets Done; the window's thread touches Entries only after that.
struct FolderReading {
    std::atomic<bool> Stop{false};
    std::atomic<std::int64_t> Count{0};  // entries found so far
    TTabSlot Entries;
    CompletionList Completion;  // what a completion search found, in order
    bool NetworkError = false;  // the share list could not be opened
    std::string Error;          // what went wrong on the worker, to be reported by the window
    UniqueKernelHandle Done{::CreateEventA(nullptr, TRUE, FALSE, nullptr)};
};

// Fills reading.Entries on the calling thread from folder (ending in a backslash; "" is the
// drive list, a server path its shares) and sorts them for sortKind. Stops early, leaving
// the entries incomplete, once reading.Stop is set.
void ReadFolderEntries(const std::string& folder, bool showHidden, std::int8_t sortKind,
                       FolderReading& reading);

// The same on a new thread, which sets Done when it ends, stopped or not. The reading lives
// as long as either side holds it.
std::shared_ptr<FolderReading> StartFolderReading(const std::string& folder, bool showHidden,
                                                  std::int8_t sortKind);
// A search of the disk for pattern (as LongSearchPattern makes it) on a new thread like a
// reading: it fills Completion and sets Done. A folder of 100,000 names takes seconds.
std::shared_ptr<FolderReading> StartCompletionSearch(const std::string& pattern);
