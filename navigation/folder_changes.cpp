#include "navigation/folder_changes.h"

#include <unordered_map>

FolderChanges CompareFolder(const TTabSlot& slot, const std::vector<DirEntry>& now,
                            bool showHidden) {
    // The fresh read filed as a read files it, so that names, kinds, sizes and times compare
    // in the slot's own form.
    TTabSlot fresh;
    for (const DirEntry& entry : now) AddFolderEntry(fresh, entry, showHidden);
    std::unordered_map<std::string_view, std::size_t> before;
    before.reserve(slot.Names.size());
    for (std::size_t i = 0; i < slot.Names.size(); ++i) before.emplace(slot.Names[i], i);
    FolderChanges changes;
    for (std::size_t i = 0; i < fresh.Names.size(); ++i) {
        const auto found = before.find(fresh.Names[i]);
        if (found == before.end()) {
            changes.Added.push_back(fresh.Names[i]);
            continue;
        }
        const std::size_t j = found->second;
        if (slot.Kinds[j] != fresh.Kinds[i] || slot.Sizes[j] != fresh.Sizes[i] ||
            slot.Times[j] != fresh.Times[i])
            changes.Changed.push_back(fresh.Names[i]);
        before.erase(found);
    }
    for (std::size_t i = 0; i < slot.Names.size(); ++i)
        if (before.count(slot.Names[i])) changes.Removed.push_back(slot.Names[i]);
    return changes;
}
