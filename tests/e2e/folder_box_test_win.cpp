// Typing a path into the folder box and completing it with the keys, as a user would.
// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

using FolderBox = TaboraTest;

constexpr WORD kBackslashKey = 220;

LRESULT Ask(HWND control, UINT message) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(control, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

TEST_F(FolderBox, TypedPathCompletesWithArrowsAndBackslashThenOpens) {
    const std::string root = Folder.MakeFolder("hk");
    Folder.MakeFolder("hk\\alpha");
    Folder.MakeFolder("hk\\alpine");
    Folder.MakeFolder("hk\\alpine\\deep");
    Folder.MakeFolder("hk\\beta");
    WriteFile("hk\\alps.txt", 3);
    WriteSettings(ValidSettings().Bytes());
    RemoteApp* app = nullptr;
    MainWindow window(StartMainWindow(app, QuoteArgument(root)));
    ASSERT_TRUE(window.Main && window.Complete());
    HWND completion = FindControl(window.Main, "ListBox");
    ASSERT_NE(completion, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return window.Items().size() == 4; }, 5000));
    ASSERT_TRUE(BringToFront(window.Main));
    RECT r{};
    ::GetWindowRect(window.FolderBox, &r);
    const POINT box = CenterOf(r);

    ClickAt(box);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindowOf(window.Main) == window.FolderBox; }));
    TypeKey(VK_END);
    TypeText("\\al");
    ASSERT_EQ(Settle([&] { return window.FolderText(); }, root + "\\al"), root + "\\al");

    TypeKey(VK_DOWN);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(completion) != FALSE; }));
    EXPECT_EQ(Ask(completion, LB_GETCOUNT), 3);  // alpha, alpine, alps.txt; not beta
    EXPECT_EQ(FocusedWindowOf(window.Main), completion);
    EXPECT_EQ(Ask(completion, LB_GETCURSEL), 0);
    ::Sleep(300);  // let it paint
    EXPECT_TRUE(SaveScreenshot(ScreenshotPath("completion")));

    TypeKey(VK_DOWN);  // to alpine
    EXPECT_EQ(Settle([&] { return Ask(completion, LB_GETCURSEL); }, LRESULT{1}), 1);
    TypeKey(kBackslashKey);
    const std::string alpine = root + "\\alpine\\";
    EXPECT_EQ(Settle([&] { return window.FolderText(); }, alpine), alpine);
    EXPECT_FALSE(::IsWindowVisible(completion));
    EXPECT_EQ(FocusedWindowOf(window.Main), window.FolderBox);
    EXPECT_EQ(window.Items().size(), 4u);  // the tab still lists its own folder

    TypeKey(VK_DOWN);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(completion) != FALSE; }));
    EXPECT_EQ(Ask(completion, LB_GETCOUNT), 1);  // deep
    TypeKey(VK_RETURN);
    const std::string deep = root + "\\alpine\\deep";
    EXPECT_EQ(Settle([&] { return window.FolderText(); }, deep), deep);
    EXPECT_EQ(Settle([&] { return window.Tabs(); }, std::vector<std::string>{"deep"}),
              std::vector<std::string>{"deep"});
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindowOf(window.Main) == window.List; }));

    // An emptied box opens the drive list.
    ClickAt(box);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindowOf(window.Main) == window.FolderBox; }));
    TypeKey(VK_END);
    TypeKey(VK_HOME, {VK_SHIFT});
    TypeKey(VK_DELETE);
    ASSERT_EQ(Settle([&] { return window.FolderText(); }, std::string()), "");
    TypeKey(VK_RETURN);
    EXPECT_EQ(Settle([&] { return window.FolderText(); }, std::string("ﾄﾞﾗｲﾌﾞ")), "ﾄﾞﾗｲﾌﾞ");
    EXPECT_TRUE(WaitUntil([&] {
        for (const std::string& item : window.Items())
            if (item == "C:\\") return true;
        return false;
    }));
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindowOf(window.Main) == window.List; }));
    EXPECT_TRUE(app->MessageBoxes().empty());
}

// Tab and Shift+Tab walk the list, the folder box and the mask box; Esc in a box goes back to
// the list and undoes the typing; Ctrl+A in a box selects its text, not the files.
TEST_F(FolderBox, TabEscAndCtrlAWalkTheListAndBothBoxesFromTheKeyboard) {
    const std::string root = Folder.MakeFolder("walk");
    WriteFile("walk\\a.txt", 1);
    WriteFile("walk\\b.txt", 1);
    WriteSettings(ValidSettings().Set("Mask", "*.*").Bytes());
    RemoteApp* app = nullptr;
    MainWindow window(StartMainWindow(app, QuoteArgument(root)));
    ASSERT_TRUE(window.Main && window.Complete());
    ASSERT_TRUE(BringToFront(window.Main));
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindowOf(window.Main) == window.List; }));
    const LRESULT selected = Ask(window.List, LVM_GETSELECTEDCOUNT);
    auto focused = [&](HWND expected) {
        return Settle([&] { return FocusedWindowOf(window.Main); }, expected) == expected;
    };
    for (HWND box : {window.FolderBox, window.MaskEdit}) {
        TypeKey(VK_TAB);
        if (box == window.MaskEdit) TypeKey(VK_TAB);
        ASSERT_TRUE(focused(box));
        TypeText("zz");
        TypeKey(VK_HOME);
        TypeKey('A', {VK_CONTROL});
        EXPECT_EQ(Settle([&] { return Ask(box, EM_GETSEL); }, LRESULT{MAKELONG(0, 2)}),
                  MAKELONG(0, 2));
        EXPECT_EQ(Ask(window.List, LVM_GETSELECTEDCOUNT), selected);
        TypeKey(VK_ESCAPE);
        EXPECT_TRUE(focused(window.List));
    }
    EXPECT_EQ(window.FolderText(), root);
    EXPECT_EQ(window.MaskText(), "*.*");
    TypeKey(VK_TAB, {VK_SHIFT});
    EXPECT_TRUE(focused(window.MaskEdit));
    TypeKey(VK_TAB, {VK_SHIFT});
    EXPECT_TRUE(focused(window.FolderBox));
}

}  // namespace
}  // namespace e2e
