// Shortcut texts: whatever code a text gives reads back, as the menus show it, to the same
// code; and a code never carries bits beyond a key and the three modifiers.
#include <string>
#include <string_view>

#include "commands/shortcut_text.h"
#include "fuzz/fuzz_target.h"

const char* const kFuzzTargetName = "shortcut_text";

namespace {

// Names a system might give keys we have no name for, some of them awkward: one that is a
// modifier's text, two keys sharing a name, a blank and a double-byte name.
std::string SystemName(int key) {
    switch (key) {
        case 0x10: return "Shift";
        case 0xA0: return "Shift";
        case 0x6A: return "Num *";
        case 0xBA: return ";";
        case 0xBB: return "+";
        case 0xDE: return "^";
        case 0xC0: return "@";
        case 0x1C: return "変換";
        default: return {};
    }
}

// The text the menus show for a code: modifiers, then our name or the system's.
std::string ShownText(int code) {
    std::string text = ShortCutToText(code);
    if (!text.empty()) return text;
    const std::string name = SystemName(code & 0xFF);
    if (name.empty()) return {};
    if (code & kShiftFlag) text += "Shift+";
    if (code & kCtrlFlag) text += "Ctrl+";
    if (code & kAltFlag) text += "Alt+";
    return text + name;
}

}  // namespace

void FuzzOne(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int code = TextToShortCut(text, &SystemName);
    FUZZ_CHECK((code & ~(0xFF | kShiftFlag | kCtrlFlag | kAltFlag)) == 0);
    FUZZ_CHECK(code == 0 || (code & 0xFF) != 0);
    if (code == 0) return;
    const std::string shown = ShownText(code);
    FUZZ_CHECK(!shown.empty());
    FUZZ_CHECK(TextToShortCut(shown, &SystemName) == code);
    // Without the system's names only our own keys read back.
    FUZZ_CHECK(TextToShortCut(shown) == (KeyName(code & 0xFF).empty() ? 0 : code));
}
