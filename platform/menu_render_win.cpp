#include "platform/menu_render_win.h"

#include "commands/shortcut_text.h"

std::string SystemKeyNameText(int key) {
    char name[64] = {};
    LONG scan = static_cast<LONG>(::MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC)) << 16;
    // Keys without a scan code would all be named after scan code 0.
    if (scan == 0 || ::GetKeyNameTextA(scan, name, sizeof name) <= 0) return {};
    return name;
}

std::string MenuItemText(const TMenuItem& item) {
    std::string text = item.Caption;
    int key = item.ShortCut & 0xFF;
    std::string shortcut = ShortCutToText(item.ShortCut);
    if (shortcut.empty() && key != 0) {
        // A key without a name of our own: ask the system for its name.
        std::string name = SystemKeyNameText(key);
        if (!name.empty()) {
            if (item.ShortCut & kShiftFlag) shortcut += "Shift+";
            if (item.ShortCut & kCtrlFlag) shortcut += "Ctrl+";
            if (item.ShortCut & kAltFlag) shortcut += "Alt+";
            shortcut += name;
        }
    }
    if (!shortcut.empty()) text += "\t" + shortcut;
    return text;
}

namespace {
void AppendItems(HMENU menu, const TMenuItem& parent) {
    for (const TMenuItem& item : parent.Items) {
        if (!item.Visible) continue;
        if (item.IsSeparator()) {
            ::AppendMenuA(menu, MF_SEPARATOR, item.Command, nullptr);
            continue;
        }
        std::string text = MenuItemText(item);
        MENUITEMINFOA mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
        mii.fType = item.RadioItem ? MFT_RADIOCHECK : MFT_STRING;
        mii.wID = item.Command;
        mii.dwTypeData = text.data();
        mii.fState = (item.Checked ? MFS_CHECKED : 0) | (item.Enabled ? MFS_ENABLED : MFS_DISABLED);
        if (!item.Items.empty()) {
            mii.fMask |= MIIM_SUBMENU;
            mii.hSubMenu = ::CreatePopupMenu();
            AppendItems(mii.hSubMenu, item);
        }
        ::InsertMenuItemA(menu, ::GetMenuItemCount(menu), TRUE, &mii);
    }
}
}  // namespace

HMENU RenderMenu(const TMenuItem& root, bool popup) {
    HMENU menu = popup ? ::CreatePopupMenu() : ::CreateMenu();
    AppendItems(menu, root);
    return menu;
}

void SyncMenuItem(HMENU menu, const TMenuItem& item) {
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_STATE;
    mii.fState = (item.Checked ? MFS_CHECKED : 0) | (item.Enabled ? MFS_ENABLED : MFS_DISABLED);
    // Shortcuts change at run time; the shown text follows them.
    std::string text;
    if (!item.IsSeparator()) {
        text = MenuItemText(item);
        mii.fMask |= MIIM_STRING;
        mii.dwTypeData = text.data();
    }
    ::SetMenuItemInfoA(menu, item.Command, FALSE, &mii);
}

void RenderMenuInto(HMENU menu, const TMenuItem& root) {
    while (::GetMenuItemCount(menu) > 0) ::DeleteMenu(menu, 0, MF_BYPOSITION);
    AppendItems(menu, root);
}
