#include "commands/shortcut_text.h"

std::string KeyName(int key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
    if (key >= vk::F1 && key <= vk::F(24)) return "F" + std::to_string(key - vk::F1 + 1);
    switch (key) {
        case vk::Back: return "BkSp";
        case vk::Tab: return "Tab";
        case vk::Escape: return "Esc";
        case vk::Return: return "Enter";
        case vk::Space: return "Space";
        case vk::Prior: return "PgUp";
        case vk::Next: return "PgDn";
        case vk::End: return "End";
        case vk::Home: return "Home";
        case vk::Left: return "Left";
        case vk::Up: return "Up";
        case vk::Right: return "Right";
        case vk::Down: return "Down";
        case vk::Insert: return "Ins";
        case vk::Delete: return "Del";
        default: return {};
    }
}

std::string ShortCutToText(int code) {
    std::string name = KeyName(code & 0xFF);
    if (name.empty()) return {};
    std::string text;
    if (code & kShiftFlag) text += "Shift+";
    if (code & kCtrlFlag) text += "Ctrl+";
    if (code & kAltFlag) text += "Alt+";
    return text + name;
}
