// Menu entries: the input is a settings file, its first byte choosing whether the edit keys
// are on. Applying never fails on any line and changes nothing but shortcuts; an item whose
// key changed is named by some Menu line; edit items held by a text box keep their live keys.
#include <string>

#include "app/collator.h"
#include "app/settings_store.h"
#include "commands/menu_shortcuts.h"
#include "fuzz/fuzz_target.h"

const char* const kFuzzTargetName = "menu_shortcuts";

namespace {

bool NamedByAMenuLine(const TMenuItem& item, const TSettings& settings) {
    for (const std::string& line : settings.Lines()) {
        std::optional<MenuLine> menu = ParseMenuLine(line);
        if (menu && item.Caption.compare(0, menu->Name.size(), menu->Name) == 0) return true;
    }
    return false;
}

bool IsEditItem(const TMenuItem& item) {
    for (std::string_view name : kEditShortcutItems)
        if (item.Name == name) return true;
    return false;
}

void Compare(const TMenuItem& before, const TMenuItem& after, const TSettings& settings,
             bool editShortcutsOn) {
    FUZZ_CHECK(before.Name == after.Name && before.Caption == after.Caption);
    FUZZ_CHECK(before.Tag == after.Tag && before.Checked == after.Checked);
    FUZZ_CHECK(before.Enabled == after.Enabled && before.Visible == after.Visible);
    FUZZ_CHECK(before.Items.size() == after.Items.size());
    if (before.ShortCut != after.ShortCut) {
        FUZZ_CHECK(NamedByAMenuLine(before, settings));
        FUZZ_CHECK(editShortcutsOn || !IsEditItem(before));
    }
    for (std::size_t i = 0; i < before.Items.size(); ++i)
        Compare(before.Items[i], after.Items[i], settings, editShortcutsOn);
}

}  // namespace

void FuzzOne(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return;
    const bool editShortcutsOn = (data[0] & 1) != 0;
    PlainCollator collator;
    TSettings settings(collator);
    settings.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    const TMenuItem design = MainMenuDesign();
    TMenuItem menu = design;
    EditShortcuts saved{};
    ApplyMenuShortcuts(menu, settings, saved, editShortcutsOn);
    Compare(design, menu, settings, editShortcutsOn);
    // Top-level menus and submenu holders never get a key.
    for (std::size_t i = 0; i < menu.Items.size(); ++i) {
        FUZZ_CHECK(menu.Items[i].ShortCut == design.Items[i].ShortCut);
        for (std::size_t j = 0; j < menu.Items[i].Items.size(); ++j)
            if (!menu.Items[i].Items[j].Items.empty())
                FUZZ_CHECK(menu.Items[i].Items[j].ShortCut == design.Items[i].Items[j].ShortCut);
    }
}
