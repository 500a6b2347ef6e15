// Folder texts and the Shift-JIS searches under them.
#include <algorithm>
#include <string>

#include "app/sjis.h"
#include "app/tab_slots.h"
#include "fuzz/fuzz_target.h"
#include "navigation/path_text.h"

const char* const kFuzzTargetName = "path_text";

namespace {
bool StartsCharacter(std::string_view text, std::size_t pos) {
    for (std::size_t i = 0; i < text.size(); i += sjis::CharLength(text, i))
        if (i == pos) return true;
    return false;
}
// A search result is npos or a single-byte character at a character boundary.
void CheckFound(std::string_view text, std::size_t at, char c) {
    if (at == sjis::npos) return;
    FUZZ_CHECK(at < text.size() && text[at] == c);
    FUZZ_CHECK(StartsCharacter(text, at) && sjis::CharLength(text, at) == 1);
}
}  // namespace

void FuzzOne(const std::uint8_t* data, std::size_t size) {
    const std::string_view path(reinterpret_cast<const char*>(data), size);
    CheckFound(path, sjis::Find(path, '\\'), '\\');
    CheckFound(path, sjis::Find(path, '\\', size / 2), '\\');
    CheckFound(path, sjis::FindLast(path, '.'), '.');
    const std::size_t separator = sjis::LastSeparator(path);
    if (separator != sjis::npos) FUZZ_CHECK(path[separator] == '\\' || path[separator] == ':');
    CheckFound(path, separator, path.empty() || separator == sjis::npos ? '\\' : path[separator]);
    FUZZ_CHECK(sjis::UpperCase(path).size() == size && sjis::LowerCase(path).size() == size);

    const std::string parent = ParentPath(path);
    FUZZ_CHECK(path.substr(0, parent.size()) == parent);
    const std::string caption = TabCaption(path);
    FUZZ_CHECK(caption.size() <= size + 1);
    IsServerPath(path);
    IsAbsolutePath(path);

    const std::string pattern = FolderSearchPattern(path);
    // The folder stays (a server path's first backslash goes into the "UNC" prefix).
    const std::string_view tail = path.substr(std::min<std::size_t>(size, 1));
    FUZZ_CHECK(pattern.size() >= tail.size() + 3 &&
               pattern.compare(pattern.size() - tail.size() - 3, std::string::npos,
                               std::string(tail) + "*.*") == 0);

    const std::string folder = FolderForAppend(path);
    if (path != kDrivesFolder) {
        FUZZ_CHECK(sjis::EndsWithBackslash(folder));
        FUZZ_CHECK(FolderForAppend(folder) == folder);
    }
}
