#include "commands/edit_shortcuts.h"

void ApplyEditShortcuts(TMenuItem& root, const EditShortcuts& saved, bool on) {
    for (std::size_t i = 0; i < kEditShortcutItems.size(); ++i) {
        if (TMenuItem* item = FindItem(root, kEditShortcutItems[i]))
            item->ShortCut = on ? saved[i] : 0;
    }
}
