// The portable half of the shortcut-file component: the link's own forms of the window state
// and the hotkey, and the names of shortcut files.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

enum class WNDSTATE { Normal = 0, Maximize = 1, Minimize = 2 };

// Show commands as a link stores them; every other value starts a normal window.
inline constexpr std::int32_t kLinkShowNormal = 5;     // SW_SHOW
inline constexpr std::int32_t kLinkShowMaximized = 3;  // SW_SHOWMAXIMIZED
inline constexpr std::int32_t kLinkShowMinimized = 7;  // SW_SHOWMINNOACTIVE

std::int32_t ShowCommandOf(WNDSTATE state);
WNDSTATE WndStateOf(std::int32_t showCommand);

// A link's hotkey: the virtual key in the low byte, the modifiers in the high byte.
inline constexpr std::uint16_t kLinkHotkeyShift = 0x0100;
inline constexpr std::uint16_t kLinkHotkeyControl = 0x0200;
inline constexpr std::uint16_t kLinkHotkeyAlt = 0x0400;

// From and to the menus' shortcut code (key + 0x2000 Shift + 0x4000 Ctrl + 0x8000 Alt).
// Modifiers without a key give no hotkey at all.
std::uint16_t HotkeyOf(std::uint16_t shortCut);
std::uint16_t ShortCutOfHotkey(std::uint16_t hotkey);
// What a link is written with: modifiers without a key (as a read link may hold) are dropped.
std::uint16_t SavedHotkey(std::uint16_t hotkey);

// True when the last name of path ends in ".lnk", in any letter case.
bool IsShortcutFile(std::string_view path);
// The file of a shortcut: dir + "\" + name + ".lnk"; a dir that already ends in a backslash
// gets no second one.
std::string ShortcutFilePath(std::string_view dir, std::string_view name);
// The last name of path without its extension ('C:\w\X.LNK' -> 'X').
std::string ShortcutNameOf(std::string_view path);
// The folder of path without a trailing backslash, but a root keeps its own ('C:\x.lnk' ->
// 'C:\', 'C:\w\x.lnk' -> 'C:\w').
std::string ShortcutDirOf(std::string_view path);

// The name a shortcut to a listed item gets: the caption cut at its last "." ('report.txt' ->
// 'report', 'README' stays, '.profile' becomes empty).
std::string ShortcutBaseName(std::string_view caption);
// The first of base, base(1), base(2) ... whose shortcut file (name + ".lnk") is not taken, so
// that a new shortcut never replaces a file, nor the shortcut it points at. Empty for an empty
// base.
std::string UnusedShortcutName(const std::string& base,
                               const std::function<bool(const std::string& name)>& taken);
