// Files and folders for the end-to-end tests: where tabora.exe was built, a private
// temporary folder per test, and byte-exact file access.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace e2e {

// The folder that holds the built tabora.exe, given on the command line (a Unix path is
// taken as seen through Wine's Z: drive, a relative one from the current folder). Ends
// with a backslash.
void SetProgramFolder(const std::string& folder);
const std::string& ProgramFolder();
// The build folder: the parent of the program folder. Ends with a backslash.
std::string BuildFolder();
// <build folder>\screenshots\<name>.bmp; the folder is created.
std::string ScreenshotPath(const std::string& name);

// "/a/b" → "Z:\a\b"; Windows paths stay as they are.
std::string ToWindowsPath(const std::string& path);

std::optional<std::string> ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Names in a folder, without "." and "..", in the order the file system gives them.
std::vector<std::string> FolderEntries(const std::string& folder);
void RemoveTree(const std::string& path);
// A file of `size` bytes that takes no room on disk (its end set past an empty start).
bool MakeSparseFile(const std::string& path, unsigned long long size);
// Sets the last-write time of a file or folder to a local time given as
// "yyyy/mm/dd hh:nn:ss".
bool SetLastWriteTime(const std::string& path, const std::string& localTime);

// A new empty folder under the temporary folder, removed with everything in it on
// destruction.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // Ends with a backslash.
    const std::string& Path() const { return path_; }
    // Creates a folder below this one (its parent must exist); returns its full path
    // without a trailing backslash.
    std::string MakeFolder(const std::string& relative) const;

private:
    std::string path_;
};

}  // namespace e2e
