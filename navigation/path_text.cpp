#include "navigation/path_text.h"

#include <vector>

#include "app/sjis.h"

namespace {
// One walk: the text up to the end of its last character that is not a single-byte
// backslash. Cutting trailing backslashes never changes how the characters before them read.
std::string_view DropTrailingBackslashes(std::string_view path) {
    std::size_t keep = 0;
    for (std::size_t i = 0; i < path.size();) {
        std::size_t len = sjis::CharLength(path, i);
        i += len;
        if (len != 1 || path[i - 1] != '\\') keep = i;
    }
    return path.substr(0, keep);
}
}  // namespace

bool IsServerPath(std::string_view path) {
    if (path.size() < 2 || path[0] != '\\' || path[1] != '\\') return false;
    // No backslash from the third byte up to the one before the last.
    std::size_t found = sjis::Find(path, '\\', 2);
    return found == sjis::npos || found + 1 >= path.size();
}

std::string ParentPath(std::string_view path) {
    std::string_view trimmed = DropTrailingBackslashes(path);
    // The last backslash between the second byte and the one before the last. Walking by
    // characters keeps a trailing half-width katakana (a single byte above 0x80) in place.
    std::size_t found = sjis::npos;
    for (std::size_t i = 0; i + 1 < trimmed.size(); i += sjis::CharLength(trimmed, i)) {
        if (i >= 1 && trimmed[i] == '\\' && sjis::CharLength(trimmed, i) == 1) found = i;
    }
    if (found == sjis::npos) return std::string(path);
    std::size_t keep = (trimmed[found - 1] == ':') ? found + 1 : found;
    if (keep <= 1) return std::string(path);
    return std::string(trimmed.substr(0, keep));
}

std::string TabCaption(std::string_view path) {
    std::string_view trimmed = DropTrailingBackslashes(path);
    std::size_t last = sjis::FindLast(trimmed, '\\');
    if (last != sjis::npos) return std::string(trimmed.substr(last + 1));
    std::string caption(trimmed);
    if (trimmed.size() < path.size()) caption += '\\';
    return caption;
}

bool IsAbsolutePath(std::string_view path) {
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') return true;
    return path.size() >= 3 && path[1] == ':' && path[2] == '\\' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

std::string FolderSearchPattern(std::string_view folder) {
    return LongSearchPattern(std::string(folder) + "*.*");
}

std::string LongSearchPattern(std::string_view text) {
    constexpr std::size_t kMaxPath = 260;  // characters, with the terminating NUL
    std::string pattern(text);
    if (pattern.size() < kMaxPath || !IsAbsolutePath(pattern)) return pattern;
    if (pattern[0] != '\\') return "\\\\?\\" + pattern;
    // A device or long form already ('\\?\', '\\.\') is left as it is.
    if (pattern.size() > 3 && (pattern[2] == '?' || pattern[2] == '.') && pattern[3] == '\\')
        return pattern;
    return "\\\\?\\UNC" + pattern.substr(1);
}

namespace {
// A folder text in one form for comparing: upper case, steps resolved, no trailing backslash.
std::string FolderKey(std::string_view path) {
    std::string text = sjis::UpperCase(path);
    for (std::size_t i = 0; i < text.size(); i += sjis::CharLength(text, i))
        if (text[i] == '/') text[i] = '\\';
    // A server path keeps its two leading backslashes as its root.
    const std::size_t rootEnd = text.rfind("\\\\", 0) == 0 ? 2 : 0;
    std::vector<std::string> steps;
    for (std::size_t start = rootEnd; start <= text.size();) {
        std::size_t end = sjis::Find(text, '\\', start);
        if (end == sjis::npos) end = text.size();
        const std::string step = text.substr(start, end - start);
        if (step == "..") {
            if (steps.size() > 1) steps.pop_back();  // never above the drive or the server
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
        start = end + 1;
    }
    std::string key = text.substr(0, rootEnd);
    for (std::size_t i = 0; i < steps.size(); ++i) key += (i ? "\\" : "") + steps[i];
    return key;
}
}  // namespace

bool SameFolder(std::string_view a, std::string_view b) { return FolderKey(a) == FolderKey(b); }
