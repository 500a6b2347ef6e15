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
