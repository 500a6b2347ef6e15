#include "fileops/scmake.h"

#include "app/sjis.h"

std::int32_t ShowCommandOf(WNDSTATE state) {
    switch (state) {
        case WNDSTATE::Maximize: return kLinkShowMaximized;
        case WNDSTATE::Minimize: return kLinkShowMinimized;
        default: return kLinkShowNormal;
    }
}

WNDSTATE WndStateOf(std::int32_t showCommand) {
    switch (showCommand) {
        case kLinkShowMaximized: return WNDSTATE::Maximize;
        case kLinkShowMinimized: return WNDSTATE::Minimize;
        default: return WNDSTATE::Normal;
    }
}

namespace {

constexpr std::uint16_t kShift = 0x2000, kCtrl = 0x4000, kAlt = 0x8000;

std::string_view LastNameOf(std::string_view path) {
    std::size_t sep = sjis::LastSeparator(path);
    return sep == sjis::npos ? path : path.substr(sep + 1);
}

// Everything before the last "."; the whole text when it has none.
std::string_view WithoutExtension(std::string_view name) {
    std::size_t dot = sjis::FindLast(name, '.');
    return dot == sjis::npos ? name : name.substr(0, dot);
}

}  // namespace

std::uint16_t HotkeyOf(std::uint16_t shortCut) {
    std::uint16_t key = shortCut & 0xFF;
    if (key == 0) return 0;
    if (shortCut & kShift) key |= kLinkHotkeyShift;
    if (shortCut & kCtrl) key |= kLinkHotkeyControl;
    if (shortCut & kAlt) key |= kLinkHotkeyAlt;
    return key;
}

std::uint16_t ShortCutOfHotkey(std::uint16_t hotkey) {
    std::uint16_t code = hotkey & 0xFF;
    if (hotkey & kLinkHotkeyShift) code |= kShift;
    if (hotkey & kLinkHotkeyControl) code |= kCtrl;
    if (hotkey & kLinkHotkeyAlt) code |= kAlt;
    return code;
}

std::uint16_t SavedHotkey(std::uint16_t hotkey) { return (hotkey & 0xFF) == 0 ? 0 : hotkey; }

bool IsShortcutFile(std::string_view path) {
    std::string_view name = LastNameOf(path);
    std::size_t dot = sjis::FindLast(name, '.');
    return dot != sjis::npos && sjis::LowerCase(name.substr(dot)) == ".lnk";
}

std::string ShortcutFilePath(std::string_view dir, std::string_view name) {
    std::string path(dir);
    if (!sjis::EndsWithBackslash(path)) path += '\\';
    path += name;
    path += ".lnk";
    return path;
}

std::string ShortcutNameOf(std::string_view path) {
    return std::string(WithoutExtension(LastNameOf(path)));
}

std::string ShortcutDirOf(std::string_view path) {
    std::size_t sep = sjis::LastSeparator(path);
    if (sep == sjis::npos) return {};
    std::string_view dir = path.substr(0, sep);
    // 'C:x.lnk', 'C:\x.lnk' and '\x.lnk' name a root: it keeps its separator.
    if (path[sep] == ':' || dir.empty() || dir.back() == ':') dir = path.substr(0, sep + 1);
    return std::string(dir);
}

std::string ShortcutBaseName(std::string_view caption) {
    return std::string(WithoutExtension(caption));
}

std::string UnusedShortcutName(const std::string& base,
                               const std::function<bool(const std::string& name)>& taken) {
    if (base.empty()) return {};
    std::string name = base;
    for (int n = 1; taken(name); ++n) name = base + "(" + std::to_string(n) + ")";
    return name;
}
