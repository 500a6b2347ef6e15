#include "platform/menu_render_win.h"

#include <algorithm>

#include "commands/shortcut_text.h"
#include "platform/shell_ops_win.h"

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
// The most items on one level below root.
std::size_t WidestLevel(const TMenuItem& root) {
    std::size_t widest = root.Items.size();
    for (const TMenuItem& item : root.Items) widest = std::max(widest, WidestLevel(item));
    return widest;
}

// Wine grows a menu by a fresh copy of all its items per insertion, taken from its C
// library's heap; above that heap's mapping threshold every copy is mapped and unmapped
// anew. Measured: the first menu of 30,000 items in a process took 25 s, a second one 2.8 s.
// One freed block of the final size raises the threshold, and the copies then stay in the
// heap (1.6 s); a long item text is such a block (Wine keeps it in UTF-16).
void PrepareWineForItems(std::size_t items) {
    constexpr std::size_t kManyItems = 1000, kBytesPerItem = 192;
    static std::size_t prepared = 0;
    if (items < kManyItems || items <= prepared || !RunningUnderWine()) return;
    const std::string text(items * kBytesPerItem / 2, 'x');
    HMENU scratch = ::CreatePopupMenu();
    ::AppendMenuA(scratch, MF_STRING, 0, text.c_str());
    ::DestroyMenu(scratch);
    prepared = items;
}

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
    PrepareWineForItems(WidestLevel(root));
    HMENU menu = popup ? ::CreatePopupMenu() : ::CreateMenu();
    AppendItems(menu, root);
    return menu;
}

namespace {
void SyncMenuItem(HMENU menu, UINT position, const TMenuItem& item) {
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
    ::SetMenuItemInfoA(menu, position, TRUE, &mii);
}
}  // namespace

// By position: a lookup by id searches the whole menu, once per item.
void SyncMenuItems(HMENU menu, const TMenuItem& root, bool (*keep)(const TMenuItem&)) {
    UINT position = 0;
    for (const TMenuItem& item : root.Items) {
        if (!item.Visible) continue;  // never rendered
        const UINT at = position++;
        if (keep && keep(item)) continue;
        SyncMenuItem(menu, at, item);
        if (HMENU sub = item.Items.empty() ? nullptr : ::GetSubMenu(menu, static_cast<int>(at)))
            SyncMenuItems(sub, item, keep);
    }
}

void RenumberMenu(HMENU menu, const TMenuItem& root) {
    UINT position = 0;
    for (const TMenuItem& item : root.Items) {
        if (!item.Visible) continue;
        MENUITEMINFOA mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_ID;
        mii.wID = static_cast<UINT>(item.Command);
        ::SetMenuItemInfoA(menu, position, TRUE, &mii);
        if (HMENU sub =
                item.Items.empty() ? nullptr : ::GetSubMenu(menu, static_cast<int>(position)))
            RenumberMenu(sub, item);
        ++position;
    }
}

void RenderMenuInto(HMENU menu, const TMenuItem& root) {
    while (::GetMenuItemCount(menu) > 0) ::DeleteMenu(menu, 0, MF_BYPOSITION);
    PrepareWineForItems(WidestLevel(root));
    AppendItems(menu, root);
}
