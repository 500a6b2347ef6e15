// Menu shortcut codes, as the settings file stores them: the virtual key plus 0x2000 for
// Shift, 0x4000 for Ctrl and 0x8000 for Alt.
#pragma once

#include <functional>
#include <string>
#include <string_view>

inline constexpr int kShiftFlag = 0x2000;
inline constexpr int kCtrlFlag = 0x4000;
inline constexpr int kAltFlag = 0x8000;

// Virtual keys named by the menus (the platform's values).
namespace vk {
inline constexpr int Back = 0x08, Tab = 0x09, Return = 0x0D, Escape = 0x1B, Space = 0x20,
                     Prior = 0x21, Next = 0x22, End = 0x23, Home = 0x24, Left = 0x25, Up = 0x26,
                     Right = 0x27, Down = 0x28, Insert = 0x2D, Delete = 0x2E, F1 = 0x70;
constexpr int F(int n) { return F1 + n - 1; }
}  // namespace vk

constexpr int ShortCut(int key, bool shift = false, bool ctrl = false, bool alt = false) {
    return key | (shift ? kShiftFlag : 0) | (ctrl ? kCtrlFlag : 0) | (alt ? kAltFlag : 0);
}

// The name of a key without modifiers ('A', 'F5', 'Del' ...); empty when the key has no name
// of our own (the shell then asks the system).
std::string KeyName(int key);
// 'Shift+Ctrl+N', 'Alt+F3', 'Del'; empty for 0 or a key without a name.
std::string ShortCutToText(int code);

// The system's name of a key that has none of our own ("" when it has none either).
using SystemKeyName = std::function<std::string(int key)>;

// A shortcut text as the settings file writes it: any number of "Shift+", "Ctrl+" (or "^") and
// "Alt+" in any order and case, then a key name in any case: our own names first, then the
// system's. 0 for the empty text, "(なし)" and any text that names no key.
int TextToShortCut(std::string_view text, const SystemKeyName& systemName = {});
