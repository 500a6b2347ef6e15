#include "navigation/completion.h"

#include <algorithm>
#include <numeric>

#include "app/sjis.h"
#include "commands/shortcut_text.h"

namespace {

struct Candidate {
    std::string_view Name;
    bool Folder;
};

// Folders first, then files, each group in collator order; only the first most are placed.
// One sort key per name: comparing keys bytewise is far cheaper than asking the locale at
// every comparison.
CompletionList Ordered(const std::vector<Candidate>& found, const Collator& collator,
                       std::size_t most) {
    std::string keys;
    std::vector<std::size_t> ends;
    ends.reserve(found.size());
    for (const Candidate& candidate : found) {
        collator.AppendSortKey(candidate.Name, keys);
        ends.push_back(keys.size());
    }
    auto key = [&](std::size_t i) {
        const std::size_t from = i == 0 ? 0 : ends[i - 1];
        return std::string_view(keys).substr(from, ends[i] - from);
    };
    std::vector<std::size_t> order(found.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // Equal names keep the order they were found in.
    auto less = [&](std::size_t a, std::size_t b) {
        if (found[a].Folder != found[b].Folder) return found[a].Folder;
        const int c = key(a).compare(key(b));
        return c != 0 ? c < 0 : a < b;
    };
    const std::size_t shown = std::min(most, order.size());
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(shown),
                      order.end(), less);
    CompletionList list;
    list.More = order.size() - shown;
    list.Names.reserve(shown);
    for (std::size_t i = 0; i < shown; ++i) {
        const Candidate& candidate = found[order[i]];
        list.Names.emplace_back(candidate.Name);
        if (candidate.Folder) list.Names.back() += kFolderMark;
    }
    return list;
}

}  // namespace

std::vector<std::string> CompletionList::Lines() const {
    std::vector<std::string> lines = Names;
    if (More > 0) lines.push_back("…他 " + std::to_string(More) + " 件");
    return lines;
}

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

CompletionList TabCandidates(const TTabSlot& slot, std::string_view prefix,
                             const Collator& collator, std::size_t most) {
    std::vector<Candidate> found;
    for (std::size_t i = 0; i < slot.Names.size() && i < slot.Kinds.size(); ++i) {
        const std::string& name = slot.Names[i];
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        found.push_back({name, slot.Kinds[i] == kFolderKind});
    }
    return Ordered(found, collator, most);
}

CompletionList DiskCandidates(const std::vector<DirEntry>& found, const Collator& collator,
                              std::size_t most) {
    std::vector<Candidate> candidates;
    candidates.reserve(found.size());
    for (const DirEntry& entry : found) {
        if (entry.Name == "." || entry.Name == "..") continue;
        candidates.push_back({entry.Name, (entry.Attributes & kAttrDirectory) != 0});
    }
    return Ordered(candidates, collator, most);
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

CompletionPick PickCompletionLine(CompletionKey key, std::string_view typedFolder,
                                  const CompletionList& list, std::optional<std::size_t> index) {
    if (index && *index >= list.Names.size()) return PickCompletion(CompletionKey::Escape, "", {});
    return PickCompletion(key, typedFolder,
                          index ? std::optional<std::string>(list.Names[*index]) : std::nullopt);
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
