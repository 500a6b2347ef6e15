#include "tests/e2e/test_folder_win.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>

namespace e2e {

namespace {

std::string& ProgramFolderText() {
    static std::string folder;
    return folder;
}

// True when the last character is a backslash of its own, not the second byte of a
// double-byte character such as 表.
bool EndsWithBackslash(const std::string& path) {
    bool last = false;
    for (std::size_t i = 0; i < path.size(); ++i) {
        last = path[i] == '\\';
        if (::IsDBCSLeadByte(static_cast<BYTE>(path[i]))) ++i;
    }
    return last;
}

std::string WithBackslash(std::string path) {
    if (!EndsWithBackslash(path)) path += '\\';
    return path;
}

// Folder part (with backslash) of the running test program, used when no program folder
// was given: the test program lives in <build>\tests\e2e, tabora.exe in <build>\bin.
std::string DefaultProgramFolder() {
    char module[MAX_PATH * 2] = {};
    ::GetModuleFileNameA(nullptr, module, sizeof module);
    std::string path = module;
    for (int up = 0; up < 3; ++up) path = path.substr(0, path.find_last_of('\\'));
    return path + "\\bin\\";
}

}  // namespace

void SetProgramFolder(const std::string& folder) {
    std::string path = ToWindowsPath(folder);
    for (char& c : path)
        if (c == '/') c = '\\';
    // A relative folder ("build/windows/bin") is taken from the current folder, so that the
    // build folder above it is known too.
    char full[MAX_PATH * 2] = {};
    const DWORD n = ::GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    if (n > 0 && n < sizeof full) path = full;
    ProgramFolderText() = WithBackslash(path);
}

const std::string& ProgramFolder() {
    if (ProgramFolderText().empty()) ProgramFolderText() = DefaultProgramFolder();
    return ProgramFolderText();
}

std::string BuildFolder() {
    std::string bin = ProgramFolder();
    bin.pop_back();
    return bin.substr(0, bin.find_last_of('\\') + 1);
}

std::string ScreenshotPath(const std::string& name) {
    const std::string folder = BuildFolder() + "screenshots";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\" + name + ".bmp";
}

std::string ToWindowsPath(const std::string& path) {
    if (path.empty() || path.front() != '/') return path;
    std::string windows = "Z:" + path;
    for (char& c : windows)
        if (c == '/') c = '\\';
    return windows;
}

std::optional<std::string> ReadBytes(const std::string& path) {
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return std::nullopt;
    std::string bytes;
    char chunk[4096];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, in)) > 0) bytes.append(chunk, n);
    std::fclose(in);
    return bytes;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && ok;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data{};
    HANDLE find = ::FindFirstFileA((WithBackslash(folder) + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return names;
}

void RemoveTree(const std::string& path) {
    if (FolderExists(path)) {
        for (const std::string& name : FolderEntries(path)) RemoveTree(WithBackslash(path) + name);
        ::RemoveDirectoryA(path.c_str());
    } else {
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(path.c_str());
    }
}

bool MakeSparseFile(const std::string& path, unsigned long long size) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    const bool ok = ::SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file);
    return ::CloseHandle(file) && ok;
}

bool SetLastWriteTime(const std::string& path, const std::string& localTime) {
    SYSTEMTIME local{};
    if (std::sscanf(localTime.c_str(), "%hu/%hu/%hu %hu:%hu:%hu", &local.wYear, &local.wMonth,
                    &local.wDay, &local.wHour, &local.wMinute, &local.wSecond) != 6)
        return false;
    FILETIME localFile{}, utc{};
    if (!::SystemTimeToFileTime(&local, &localFile) || !::LocalFileTimeToFileTime(&localFile, &utc))
        return false;
    // FILE_FLAG_BACKUP_SEMANTICS lets a folder be opened too.
    HANDLE file =
        ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool ok = ::SetFileTime(file, nullptr, nullptr, &utc) != 0;
    return ::CloseHandle(file) && ok;
}

TestFolder::TestFolder() {
    char temp[MAX_PATH + 1] = {};
    if (!::GetTempPathA(sizeof temp, temp)) throw std::runtime_error("no temporary folder");
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = WithBackslash(temp) + "tabora-e2e-" +
                                std::to_string(::GetCurrentProcessId()) + "-" +
                                std::to_string(++counter);
        if (::CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate + "\\";
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TestFolder::~TestFolder() {
    std::string folder = path_;
    folder.pop_back();
    RemoveTree(folder);
}

std::string TestFolder::MakeFolder(const std::string& relative) const {
    const std::string full = path_ + relative;
    if (!::CreateDirectoryA(full.c_str(), nullptr) && !FolderExists(full))
        throw std::runtime_error("cannot create folder " + full);
    return full;
}

}  // namespace e2e
