#include "commands/shortcut_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ShortcutTextTest, ModifiersInAnyOrderAndCaseBeforeAnyKeyName) {
    EXPECT_EQ(TextToShortCut("ctrl+n"), ShortCut('N', false, true));
    EXPECT_EQ(TextToShortCut("^N"), ShortCut('N', false, true));
    EXPECT_EQ(TextToShortCut("alt+CTRL+shift+F12"), ShortCut(vk::F(12), true, true, true));
    EXPECT_EQ(TextToShortCut("Ctrl+Ctrl+7"), ShortCut('7', false, true));
    EXPECT_EQ(TextToShortCut("Shift+pgdn"), ShortCut(vk::Next, true));
    for (const char* none :
         {"", "(なし)", "Ctrl+", "Ctrl+Foo", "Ctrl+ N", "Ctrl-N", "F25", "F0", "NN", "Ａ"})
        EXPECT_EQ(TextToShortCut(none), 0) << none;
}

TEST(ShortcutTextTest, OtherKeysGoByTheSystemsNameAndEveryCodeReadsBackItsText) {
    const SystemKeyName system = [](int key) -> std::string {
        if (key == 0xBB) return "+";
        if (key == 0x6A) return "Num *";
        return key == 'A' ? "Wrong" : "";  // keys with names of our own are never asked
    };
    EXPECT_EQ(TextToShortCut("Ctrl++", system), ShortCut(0xBB, false, true));
    EXPECT_EQ(TextToShortCut("num *", system), 0x6A);
    EXPECT_EQ(TextToShortCut("Wrong", system), 0);
    EXPECT_EQ(TextToShortCut("Num *"), 0);

    for (int key = 1; key <= 0xFF; ++key) {
        if (KeyName(key).empty()) continue;
        for (int mods = 0; mods < 8; ++mods) {
            int code = ShortCut(key, mods & 1, mods & 2, mods & 4);
            EXPECT_EQ(TextToShortCut(ShortCutToText(code)), code) << ShortCutToText(code);
        }
    }
}

}  // namespace
