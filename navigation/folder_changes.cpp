#include "navigation/folder_changes.h"

#include <unordered_map>

FolderChanges CompareFolder(const TTabSlot& slot, const TTabSlot& fresh) {
    FolderChanges changes;
    auto compare = [&](std::size_t old, std::size_t now) {
        if (slot.Kinds[old] != fresh.Kinds[now] || slot.Sizes[old] != fresh.Sizes[now] ||
            slot.Times[old] != fresh.Times[now])
            changes.Changed.push_back(fresh.Names[now]);
    };
    // A folder read twice comes in the same order: what the two share at the start and at
    // the end is matched name by name, and only the part between goes through a map.
    const std::size_t n = slot.Names.size(), m = fresh.Names.size();
    std::size_t head = 0, tail = 0;
    for (; head < n && head < m && slot.Names[head] == fresh.Names[head]; ++head)
        compare(head, head);
    for (; tail < n - head && tail < m - head &&
           slot.Names[n - 1 - tail] == fresh.Names[m - 1 - tail];
         ++tail)
        compare(n - 1 - tail, m - 1 - tail);
    std::unordered_map<std::string_view, std::size_t> before;
    before.reserve(n - head - tail);
    for (std::size_t i = head; i < n - tail; ++i) before.emplace(slot.Names[i], i);
    for (std::size_t i = head; i < m - tail; ++i) {
        const auto found = before.find(fresh.Names[i]);
        if (found == before.end()) {
            changes.Added.push_back(fresh.Names[i]);
            continue;
        }
        compare(found->second, i);
        before.erase(found);
    }
    for (std::size_t i = head; i < n - tail; ++i)
        if (before.count(slot.Names[i])) changes.Removed.push_back(slot.Names[i]);
    return changes;
}
