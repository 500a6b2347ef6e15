#include "commands/menu_shortcuts.h"

namespace {

constexpr std::string_view kMenuPrefix = "Menu";

void Apply(TMenuItem& item, const MenuLine& line, EditShortcuts& saved, bool editShortcutsOn) {
    if (item.IsSeparator() || item.Caption.compare(0, line.Name.size(), line.Name) != 0) return;
    for (std::size_t i = 0; i < kEditShortcutItems.size(); ++i) {
        if (item.Name != kEditShortcutItems[i]) continue;
        saved[i] = line.ShortCut;
        if (!editShortcutsOn) return;
    }
    item.ShortCut = line.ShortCut;
}

}  // namespace

std::optional<MenuLine> ParseMenuLine(std::string_view line, const SystemKeyName& systemName) {
    if (!TSettings::InFamily(line, kMenuPrefix) || !TSettings::HasName(line)) return std::nullopt;
    MenuLine menu;
    menu.Name = std::string(TSettings::NameOf(line).substr(kMenuPrefix.size()));
    if (menu.Name.empty()) return std::nullopt;
    std::string_view value = TSettings::ValueOf(line);
    menu.ShortCut = TextToShortCut(value.substr(0, value.find('=')), systemName);
    return menu;
}

void ApplyMenuShortcuts(TMenuItem& mainMenu, const TSettings& settings, EditShortcuts& saved,
                        bool editShortcutsOn, const SystemKeyName& systemName) {
    for (const std::string& text : settings.Lines()) {
        std::optional<MenuLine> line = ParseMenuLine(text, systemName);
        if (!line) continue;
        for (TMenuItem& top : mainMenu.Items) {
            for (TMenuItem& item : top.Items) {
                if (item.Items.empty()) {
                    Apply(item, *line, saved, editShortcutsOn);
                    continue;
                }
                for (TMenuItem& sub : item.Items) Apply(sub, *line, saved, editShortcutsOn);
            }
        }
    }
}
