// Watching the shown folder for what other programs do in it: a thread waits for the system's
// change notification, lets a burst of changes settle, reads the folder and tells the window,
// which compares the read with its slot and patches what changed.
#pragma once

#include <windows.h>

#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/tab_slots.h"
#include "platform/unique_handle_win.h"

class FolderWatch {
public:
    // folder ends with a backslash; its reads are filed as a read of the folder with
    // showHidden files them; message is posted to window after each.
    FolderWatch(std::string folder, bool showHidden, HWND window, UINT message);
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    const std::string& Folder() const { return folder_; }
    bool ShowsHidden() const { return showHidden_; }
    // The latest read, once; nothing when no read came since.
    std::optional<TTabSlot> Take();

private:
    void Run();
    bool Stopped() const;

    const std::string folder_;
    const bool showHidden_;
    const HWND window_;
    const UINT message_;
    UniqueKernelHandle stop_;
    std::mutex mutex_;
    std::optional<TTabSlot> latest_;
    std::thread thread_;
};

// Folders that are not watched: the drive list, servers and network drives.
bool WatchableFolder(const std::string& folder);
