// Reading a folder, the drive list or a server's shares into a slot.
#include <windows.h>

#include <winnetwk.h>

#include <string>

#include "app/file1_win.h"
#include "navigation/find_entry_win.h"
#include "navigation/folder_entries.h"
#include "navigation/path_text.h"
#include "platform/unique_handle_win.h"

namespace {

LocalTime ToLocalTime(const FILETIME& utc) {
    FILETIME local{};
    SYSTEMTIME st{};
    LocalTime t;
    if (::FileTimeToLocalFileTime(&utc, &local) && ::FileTimeToSystemTime(&local, &st))
        t = {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
    return t;
}

struct EnumCloser {
    using Type = HANDLE;
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { ::WNetCloseEnum(h); }
};

// A long pattern: Wine's A functions stop at MAX_PATH even in the "\\?\" form, so it is
// searched through the wide functions and each result brought back to the ANSI form.
void ToAnsi(const WIN32_FIND_DATAW& wide, WIN32_FIND_DATAA& data) {
    data.dwFileAttributes = wide.dwFileAttributes;
    data.ftLastWriteTime = wide.ftLastWriteTime;
    data.nFileSizeHigh = wide.nFileSizeHigh;
    data.nFileSizeLow = wide.nFileSizeLow;
    const int n = ::WideCharToMultiByte(CP_ACP, 0, wide.cFileName, -1, data.cFileName,
                                        sizeof data.cFileName, nullptr, nullptr);
    if (n == 0) data.cFileName[0] = '\0';
}

HANDLE FindFirstLong(const std::string& pattern, WIN32_FIND_DATAA& data) {
    const int n = ::MultiByteToWideChar(CP_ACP, 0, pattern.c_str(), -1, nullptr, 0);
    if (n <= 0) return INVALID_HANDLE_VALUE;
    std::wstring widePattern(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, pattern.c_str(), -1, widePattern.data(), n);
    WIN32_FIND_DATAW wide{};
    HANDLE find = ::FindFirstFileW(widePattern.c_str(), &wide);
    if (find != INVALID_HANDLE_VALUE) ToAnsi(wide, data);
    return find;
}

bool FindNextLong(HANDLE find, WIN32_FIND_DATAA& data) {
    WIN32_FIND_DATAW wide{};
    if (!::FindNextFileW(find, &wide)) return false;
    ToAnsi(wide, data);
    return true;
}

}  // namespace

DirEntry EntryOfFindData(const WIN32_FIND_DATAA& data) {
    DirEntry entry;
    entry.Name = data.cFileName;
    entry.Attributes = data.dwFileAttributes;
    entry.Size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    entry.Time = ToLocalTime(data.ftLastWriteTime);
    return entry;
}

bool ExistsOnDisk(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void SearchDisk(const std::string& pattern, const std::function<void(const DirEntry&)>& found) {
    WIN32_FIND_DATAA data{};
    const bool longForm = pattern.rfind("\\\\?\\", 0) == 0;
    UniqueFind find(longForm ? FindFirstLong(pattern, data)
                             : ::FindFirstFileA(pattern.c_str(), &data));
    if (!find) return;
    do {
        found(EntryOfFindData(data));
    } while (longForm ? FindNextLong(find.get(), data) : ::FindNextFileA(find.get(), &data));
}

std::optional<DirEntry> FindOnDisk(const std::string& path) {
    WIN32_FIND_DATAA data{};
    UniqueFind find(::FindFirstFileA(path.c_str(), &data));
    if (!find) return std::nullopt;
    return EntryOfFindData(data);
}

void TFrmFile::ReadFolder(const std::string& folder, int slotIndex) {
    ++folderReads_;
    TTabSlot& slot = TabSlots[slotIndex];
    ClearEntries(slot);
    if (IsServerPath(folder)) {
        ReadShares(folder, slot);
        return;
    }
    if (folder.empty()) {
        FillDriveList(slot, ::GetLogicalDrives());
        return;
    }
    // A folder that cannot be searched lists empty.
    SearchDisk(FolderSearchPattern(folder),
               [&](const DirEntry& entry) { AddFolderEntry(slot, entry, ShowHidden); });
}

void TFrmFile::ReadShares(const std::string& folder, TTabSlot& slot) {
    std::string remote = folder.substr(0, folder.size() - 1);  // without the trailing backslash
    std::string provider = "Microsoft Windows Network";
    NETRESOURCEA root{};
    root.dwScope = RESOURCE_GLOBALNET;
    root.dwType = RESOURCETYPE_DISK;
    root.lpRemoteName = remote.data();
    root.lpProvider = provider.data();
    HANDLE handle = nullptr;
    if (::WNetOpenEnumA(RESOURCE_GLOBALNET, RESOURCETYPE_DISK, 0, &root, &handle) != NO_ERROR) {
        Ui.Message(hwnd_, "ﾈｯﾄﾜｰｸｴﾗｰ", "ｴﾗｰ", MB_OK | MB_ICONERROR);
        return;
    }
    UniqueHandle<EnumCloser> enumeration(handle);
    std::vector<char> buffer(320);
    for (;;) {
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
    }
}

void TFrmFile::mnRefreshClick() {
    int slot = CurrentSlot();
    if (slot < 0) return;
    // A folder deleted, made unreadable or on a drive that went away since it was listed is
    // treated as one that cannot be opened: the tab keeps its folder, list and history.
    const std::string folder = CurrentFolder();
    if (!folder.empty() && !IsServerPath(folder) && !::SetCurrentDirectoryA(folder.c_str())) {
        Ui.Message(hwnd_, "開けません", "ｴﾗｰ", MB_OK | MB_ICONERROR);
        return;
    }
    SaveScroll();
    ReadFolder(folder, slot);
    ListFolder(slot);
}
