#include "fileops/file_ops.h"

#include "app/sjis.h"
#include "app/tab_slots.h"
#include "app/wide_escape.h"
#include "navigation/path_text.h"

std::vector<std::string> SplitSourceText(std::string_view text) {
    std::vector<std::string> paths;
    std::string current;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = sjis::CharLength(text, i);
        if (n == 1 && text[i] == '|') {
            if (!current.empty()) paths.push_back(std::move(current));
            current.clear();
        } else {
            current.append(text.substr(i, n));
        }
        i += n;
    }
    if (!current.empty()) paths.push_back(std::move(current));
    return paths;
}

ShellPlan CopyMovePlan(bool move, std::string_view sources, const std::string& destination) {
    ShellPlan plan;
    plan.Function = move ? ShellFunction::Move : ShellFunction::Copy;
    plan.Sources = SplitSourceText(sources);
    plan.Destinations = {destination};
    return plan;
}

std::string FolderOf(std::string_view path) {
    std::size_t separator = sjis::LastSeparator(path);
    return std::string(separator == sjis::npos ? std::string_view()
                                               : path.substr(0, separator + 1));
}

std::optional<PastePlan> MakePastePlan(const std::vector<std::string>& clipFiles,
                                       std::string_view destination, bool move) {
    PastePlan plan;
    std::string fileList;
    std::vector<std::string> folders;
    for (const std::string& entry : clipFiles) {
        if (entry.empty()) continue;
        std::string path = entry.substr(1);
        const std::string from = FolderOf(path);
        if (SameFolder(from, destination)) continue;
        plan.SourceFolder = from;
        plan.Names.push_back(LastName(path));
        plan.Paths.push_back(path);
        if (entry[0] == kFolderKind)
            folders.push_back(std::move(path));
        else
            fileList += path + "|";
    }
    if (plan.Paths.empty()) return std::nullopt;
    const std::string to(destination);
    if (!fileList.empty()) plan.Calls.push_back(CopyMovePlan(move, fileList, to));
    for (const std::string& folder : folders) plan.Calls.push_back(CopyMovePlan(move, folder, to));
    return plan;
}

std::string DuplicateName(std::string_view name,
                          const std::function<bool(const std::string&)>& taken) {
    std::string candidate = "コピー " + std::string(name);
    for (int n = 1; taken(candidate); ++n)
        candidate = "コピー(" + std::to_string(n) + ") " + std::string(name);
    return candidate;
}

bool IsAcceptableNewName(std::string_view oldName, std::string_view newName) {
    if (newName.empty() || newName == oldName) return false;
    for (std::size_t i = 0; i < newName.size(); i += sjis::CharLength(newName, i)) {
        // A character typed that the code page cannot hold is one of the name's own.
        if (wide::EscapeAt(newName, i)) {
            i += wide::kEscapeLength - 1;
            continue;
        }
        if (sjis::CharLength(newName, i) != 1) continue;
        const unsigned char c = static_cast<unsigned char>(newName[i]);
        if (c < 0x20 ||
            std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos)
            return false;
    }
    return true;
}

std::string RenameRefusal(std::string_view oldName, std::string_view newName) {
    if (newName == oldName || IsAcceptableNewName(oldName, newName)) return {};
    if (newName.empty()) return "名前がありません";
    return "ﾌｧｲﾙ名に \\ / : * ? \" < > | は使えません";
}

std::string ClipboardLines(const std::vector<std::string>& names, std::string_view folder) {
    std::string prefix(folder);
    if (!prefix.empty() && !sjis::EndsWithBackslash(prefix)) prefix += '\\';
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += prefix + names[i];
    }
    return text;
}
