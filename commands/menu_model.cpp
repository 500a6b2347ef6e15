#include "commands/menu_model.h"

namespace {
int CountCommands(const TMenuItem& item) {
    if (item.Items.empty()) return 1;
    int count = 0;
    for (const TMenuItem& sub : item.Items) count += CountCommands(sub);
    return count;
}
}  // namespace

MenuNumbering AssignCommands(TMenuItem& root, int first, int end) {
    MenuNumbering numbering{first, 0};
    std::vector<TMenuItem>& items = root.Items;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        TMenuItem& item = items[i];
        bool keep = numbering.Next < end;
        if (keep) {
            const bool submenu = !item.Items.empty();
            item.Command = numbering.Next;
            const MenuNumbering inner = AssignCommands(item, numbering.Next + 1, end);
            numbering.LeftOut += inner.LeftOut;
            // A submenu none of whose items fit gives its own id back.
            keep = !submenu || !item.Items.empty();
            if (keep) numbering.Next = inner.Next;
        } else {
            numbering.LeftOut += CountCommands(item);
        }
        if (keep && kept++ != i) items[kept - 1] = std::move(item);
    }
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(kept), items.end());
    return numbering;
}

TMenuItem* FindItem(TMenuItem& root, std::string_view name) {
    for (TMenuItem& item : root.Items) {
        if (item.Name == name) return &item;
        if (TMenuItem* found = FindItem(item, name)) return found;
    }
    return nullptr;
}

const TMenuItem* FindItem(const TMenuItem& root, std::string_view name) {
    return FindItem(const_cast<TMenuItem&>(root), name);
}

TMenuItem* FindCommand(TMenuItem& root, int command) {
    for (TMenuItem& item : root.Items) {
        if (item.Command == command) return &item;
        if (TMenuItem* found = FindCommand(item, command)) return found;
    }
    return nullptr;
}

const TMenuItem* FindShortCut(const TMenuItem& root, int code) {
    if (code == 0) return nullptr;
    for (const TMenuItem& item : root.Items) {
        if (item.ShortCut == code) return &item;
        if (const TMenuItem* found = FindShortCut(item, code)) return found;
    }
    return nullptr;
}

TMenuItem& GroupItem(TMenuItem& parent, std::size_t first, const char* groupName,
                     const std::string& caption) {
    for (std::size_t i = first; i < parent.Items.size(); ++i) {
        TMenuItem& item = parent.Items[i];
        if (item.Name == groupName && item.Caption == caption) return item;
    }
    TMenuItem group;
    group.Name = groupName;
    group.Caption = caption;
    parent.Items.push_back(std::move(group));
    return parent.Items.back();
}
