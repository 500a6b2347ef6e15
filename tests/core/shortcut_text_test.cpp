#include "commands/shortcut_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ShortcutTextTest, ModifiersInAnyOrderAndCaseBeforeAnyKeyName) {
    struct Case {
        const char* text;
        int code;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"Ctrl+N", ShortCut('N', false, true)},
             {"ctrl+n", ShortCut('N', false, true)},
             {"^N", ShortCut('N', false, true)},
             {"Alt+Shift+x", ShortCut('X', true, false, true)},
             {"alt+CTRL+shift+F12", ShortCut(vk::F(12), true, true, true)},
             {"Ctrl+Ctrl+7", ShortCut('7', false, true)},
             {"F24", vk::F(24)},
             {"del", vk::Delete},
             {"Shift+INS", ShortCut(vk::Insert, true)},
             {"BkSp", vk::Back},
             {"pgdn", vk::Next},
             {"Space", vk::Space},
             // Texts that name no key.
             {"", 0},
             {"(なし)", 0},
             {"Ctrl+", 0},
             {"Ctrl+Foo", 0},
             {"Ctrl+ N", 0},
             {"Ctrl-N", 0},
             {"F25", 0},
             {"F0", 0},
             {"NN", 0},
             {"Ａ", 0},  // a full-width letter
         }) {
        EXPECT_EQ(TextToShortCut(c.text), c.code) << c.text;
    }
}

TEST(ShortcutTextTest, OtherKeysGoByTheSystemsNameAndEveryCodeReadsBackItsText) {
    const SystemKeyName system = [](int key) -> std::string {
        if (key == 0xBB) return "+";
        if (key == 0x6A) return "Num *";
        if (key == 'A') return "Wrong";  // our own names come first
        return {};
    };
    EXPECT_EQ(TextToShortCut("Ctrl++", system), ShortCut(0xBB, false, true));
    EXPECT_EQ(TextToShortCut("num *", system), 0x6A);
    EXPECT_EQ(TextToShortCut("Wrong", system), 0);
    EXPECT_EQ(TextToShortCut("Num *"), 0);

    for (int key = 1; key <= 0xFF; ++key) {
        if (KeyName(key).empty()) continue;
        for (int mods = 0; mods < 8; ++mods) {
            int code = ShortCut(key, mods & 1, mods & 2, mods & 4);
            std::string text = ShortCutToText(code);
            EXPECT_EQ(TextToShortCut(text), code) << text;
        }
    }
}

}  // namespace
