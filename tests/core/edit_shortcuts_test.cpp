#include "commands/edit_shortcuts.h"

#include <gtest/gtest.h>

#include "commands/shortcut_text.h"

namespace {

TEST(EditShortcutsTest, OffFreesTheEditKeysAndOnGivesBackTheSavedOnes) {
    TMenuItem menu = MainMenuDesign();
    const int del = vk::Delete;
    const int shiftDel = ShortCut(vk::Delete, true);
    const int ctrlC = ShortCut('C', false, true);
    const int ctrlV = ShortCut('V', false, true);
    const int ctrlX = ShortCut('X', false, true);
    const int ctrlA = ShortCut('A', false, true);
    ASSERT_EQ(FindShortCut(menu, del)->Name, "mnDelete");

    ApplyEditShortcuts(menu, {del, shiftDel, ctrlC, ctrlV, ctrlX, ctrlA}, false);
    for (int key : {del, shiftDel, ctrlC, ctrlV, ctrlX, ctrlA})
        EXPECT_EQ(FindShortCut(menu, key), nullptr) << key;
    // Every other item keeps its key.
    EXPECT_EQ(FindShortCut(menu, vk::F(2))->Name, "mnRename");

    // On: the saved values, whatever the items had meanwhile.
    const int f9 = vk::F(9);
    FindItem(menu, "mnCopy")->ShortCut = ShortCut('K', false, true);
    ApplyEditShortcuts(menu, {f9, shiftDel, ctrlC, 0, ctrlX, ctrlA}, true);
    EXPECT_EQ(FindShortCut(menu, f9)->Name, "mnDelete");
    EXPECT_EQ(FindShortCut(menu, del), nullptr);
    EXPECT_EQ(FindShortCut(menu, ctrlC)->Name, "mnCopy");
    EXPECT_EQ(FindShortCut(menu, ShortCut('K', false, true)), nullptr);
    EXPECT_EQ(FindItem(menu, "mnPaste")->ShortCut, 0);
    EXPECT_EQ(FindShortCut(menu, shiftDel)->Name, "mnDelete2");
    EXPECT_EQ(FindShortCut(menu, ctrlX)->Name, "mnCut");
    EXPECT_EQ(FindShortCut(menu, ctrlA)->Name, "mnSelectAll");
}

}  // namespace
