#include "commands/menu_model.h"

int AssignCommands(TMenuItem& root, int first) {
    for (TMenuItem& item : root.Items) {
        item.Command = first++;
        first = AssignCommands(item, first);
    }
    return first;
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
