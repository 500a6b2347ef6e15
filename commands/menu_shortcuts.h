// Menu entries of the settings ("Menu" + the beginning of a caption = shortcut text) give the
// items of the main menu other shortcut keys.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/settings_store.h"
#include "commands/edit_shortcuts.h"
#include "commands/menu_model.h"
#include "commands/shortcut_text.h"

struct MenuLine {
    std::string Name;  // the beginning of the captions it changes
    int ShortCut = 0;  // 0 when the text names no key
};
// A store line read as a Menu entry. Nothing for other lines and for malformed ones: no "=",
// or an empty name (which would begin every caption).
std::optional<MenuLine> ParseMenuLine(std::string_view line, const SystemKeyName& systemName = {});

// Applies every Menu line in store order (a later line wins) to the items of the top-level
// menus, and to the sub-items instead of an item that has them; deeper levels are left alone.
// Shortcuts are only ever set: an item no line names keeps its key. The five edit items keep
// their new keys in saved; their live keys change only while editShortcutsOn, so a text box
// holding the keys gives back the new ones when it lets go.
void ApplyMenuShortcuts(TMenuItem& mainMenu, const TSettings& settings, EditShortcuts& saved,
                        bool editShortcutsOn, const SystemKeyName& systemName = {});
