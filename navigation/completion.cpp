#include "navigation/completion.h"

#include <algorithm>

#include "app/sjis.h"
#include "commands/shortcut_text.h"

namespace {

// Folders first, then files, each group in collator order.
std::vector<std::string> Ordered(std::vector<std::string> folders, std::vector<std::string> files,
                                 const Collator& collator) {
    auto less = [&](const std::string& a, const std::string& b) {
        return collator.Compare(a, b) < 0;
    };
    std::stable_sort(folders.begin(), folders.end(), less);
    std::stable_sort(files.begin(), files.end(), less);
    std::vector<std::string> out;
    out.reserve(folders.size() + files.size());
    for (std::string& name : folders) out.push_back(std::move(name) + kFolderMark);
    for (std::string& name : files) out.push_back(std::move(name));
    return out;
}

}  // namespace

std::optional<CompletionQuery> CompletionFor(std::string_view boxText, std::string_view slotFolder,
                                             std::string_view currentFolder) {
    if (boxText == slotFolder) return std::nullopt;
    CompletionQuery query;
    std::size_t separator = sjis::LastSeparator(boxText);
    if (separator == sjis::npos) {
        query.Folder = std::string(currentFolder);
        query.Prefix = std::string(boxText);
    } else {
        query.Folder = std::string(boxText.substr(0, separator + 1));
        query.Prefix = std::string(boxText.substr(separator + 1));
    }
    query.FromTab = query.Folder == currentFolder;
    // 'C:x*' would search the drive's working folder, not the 'C:\' that a pick opens.
    if (!query.FromTab) query.Pattern = FolderForAppend(query.Folder) + query.Prefix + "*";
    return query;
}

std::vector<std::string> TabCandidates(const TTabSlot& slot, std::string_view prefix,
                                       const Collator& collator) {
    std::vector<std::string> folders, files;
    for (std::size_t i = 0; i < slot.Names.size() && i < slot.Kinds.size(); ++i) {
        const std::string& name = slot.Names[i];
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        (slot.Kinds[i] == '0' ? folders : files).push_back(name);
    }
    return Ordered(std::move(folders), std::move(files), collator);
}

std::vector<std::string> DiskCandidates(const std::vector<DirEntry>& found,
                                        const Collator& collator) {
    std::vector<std::string> folders, files;
    for (const DirEntry& entry : found) {
        if (entry.Name == "." || entry.Name == "..") continue;
        (entry.Attributes & kAttrDirectory ? folders : files).push_back(entry.Name);
    }
    return Ordered(std::move(folders), std::move(files), collator);
}

CompletionPick PickCompletion(CompletionKey key, std::string_view typedFolder,
                              const std::optional<std::string>& selected) {
    CompletionPick pick;
    if (key == CompletionKey::Escape) {
        pick.FocusBox = true;
        return pick;
    }
    if (!selected) return pick;
    std::string name = *selected;
    bool isFolder = !name.empty() && name.back() == kFolderMark;
    if (isFolder) name.pop_back();
    pick.Folder = typedFolder.empty() ? std::string(kDrivesFolder) : std::string(typedFolder);
    pick.Name = name;
    std::string base = FolderForAppend(pick.Folder);
    if (key == CompletionKey::Backslash) {
        pick.FocusBox = true;
        if (isFolder) {
            pick.Action = CompletionAction::CompleteFolder;
            // A drive of the drive list ('C:\') already ends in its backslash.
            pick.BoxText = base + name;
            if (!sjis::EndsWithBackslash(pick.BoxText)) pick.BoxText += '\\';
        }
        return pick;
    }
    if (isFolder) {
        pick.Action = CompletionAction::OpenFolder;
        pick.Path = base + name;
    } else {
        pick.Action = CompletionAction::OpenFile;
    }
    return pick;
}

FolderBoxKeyResult FolderBoxKeyDown(int key, bool ctrl, bool alt, std::string_view boxText,
                                    int width) {
    constexpr int kWidthStep = 8;
    constexpr int kNarrowest = 16;
    FolderBoxKeyResult result;
    result.Width = width;
    switch (key) {
        case vk::Return:
            result.Open = true;
            result.OpenText = boxText.empty() ? std::string(kDrivesFolder) : std::string(boxText);
            break;
        case vk::Down:
        case vk::Insert: result.Complete = true; break;
        case vk::Left:
            result.Back = alt;
            if (ctrl && width > kNarrowest) result.Width = width - kWidthStep;
            break;
        case vk::Right:
            result.Forward = alt;
            if (ctrl) result.Width = width + kWidthStep;
            break;
        case vk::F(3): result.Desktop = ctrl; break;
        default: break;
    }
    return result;
}
