#include "commands/shortcut_text.h"

#include "app/sjis.h"

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

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           sjis::UpperCase(text.substr(0, prefix.size())) == sjis::UpperCase(prefix);
}

}  // namespace

int TextToShortCut(std::string_view text, const SystemKeyName& systemName) {
    struct Modifier {
        std::string_view Text;
        int Flag;
    };
    static constexpr Modifier kModifiers[] = {
        {"Shift+", kShiftFlag}, {"Ctrl+", kCtrlFlag}, {"^", kCtrlFlag}, {"Alt+", kAltFlag}};
    int flags = 0;
    for (bool more = true; more;) {
        more = false;
        for (const Modifier& m : kModifiers) {
            if (!StartsWithNoCase(text, m.Text)) continue;
            flags |= m.Flag;
            text.remove_prefix(m.Text.size());
            more = true;
        }
    }
    if (text.empty()) return 0;
    const std::string wanted = sjis::UpperCase(text);
    for (int key = 1; key <= 0xFF; ++key) {
        std::string name = KeyName(key);
        if (!name.empty() && sjis::UpperCase(name) == wanted) return key | flags;
    }
    if (!systemName) return 0;
    for (int key = 1; key <= 0xFF; ++key) {
        if (!KeyName(key).empty()) continue;
        std::string name = systemName(key);
        if (!name.empty() && sjis::UpperCase(name) == wanted) return key | flags;
    }
    return 0;
}
