// The view keys typed into the list: Shift+Ctrl+S, E and T sort by size, type and time, the
// same key again reverses and a third time sorts ascending again; Shift+Ctrl+N is the key of
// a new file, not of the name sort; Shift+Ctrl+D switches the details view on and off.
// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <algorithm>
#include <functional>

#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

using Names = std::vector<std::string>;

class ViewKeys : public TaboraTest {
protected:
    // Types a key and waits until the list shows `expected`.
    static void TypeAndExpectItems(const MainWindow& window, WORD key, const Names& expected) {
        TypeKey(key, {VK_SHIFT, VK_CONTROL});
        EXPECT_EQ(Settle([&] { return window.Items(); }, expected), expected);
    }
};

bool IsDetailsView(HWND list) {
    return (::GetWindowLongPtrA(list, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT;
}

TEST_F(ViewKeys, SortKeysReverseOnSecondPressAndDetailsKeyToggles) {
    // Each kind puts the three files in another order:
    //   name a b c, size a c b, type b c a, time b a c.
    const std::string folder = Folder.MakeFolder("view");
    Folder.MakeFolder("view\\sub");
    const struct {
        const char* Name;
        std::size_t Size;
        const char* Time;
    } files[] = {{"a.txt", 100, "2021/01/01 10:00:00"},
                 {"b.c", 300, "2019/01/01 10:00:00"},
                 {"c.log", 200, "2023/01/01 10:00:00"}};
    for (const auto& f : files) {
        WriteFile(std::string("view\\") + f.Name, f.Size);
        ASSERT_TRUE(SetLastWriteTime(folder + "\\" + f.Name, f.Time));
    }
    WriteSettings(ValidSettings().Set("Sort", "0").Bytes());
    RemoteApp* app = nullptr;
    MainWindow window(StartMainWindow(app, QuoteArgument(folder)));
    ASSERT_TRUE(window.Main && window.Complete());
    ASSERT_TRUE(BringToFront(window.Main));
    // No click: the window hands the keys to the list when it becomes active.
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindowOf(window.Main) == window.List; }, 3000))
        << "the list does not have the focus after start-up";
    const Names byName = {"sub", "a.txt", "b.c", "c.log"};
    ASSERT_EQ(Settle([&] { return window.Items(); }, byName), byName);

    const Names bySize = {"sub", "a.txt", "c.log", "b.c"};
    TypeAndExpectItems(window, 'S', bySize);
    // Reversed: files from the largest, then the folders.
    TypeAndExpectItems(window, 'S', {"b.c", "c.log", "a.txt", "sub"});
    TypeAndExpectItems(window, 'S', bySize);
    TypeAndExpectItems(window, 'E', {"sub", "b.c", "c.log", "a.txt"});
    TypeAndExpectItems(window, 'E', {"a.txt", "c.log", "b.c", "sub"});
    // Another kind starts ascending, whatever the reverse state was.
    const Names byTime = {"sub", "b.c", "a.txt", "c.log"};
    TypeAndExpectItems(window, 'T', byTime);
    EXPECT_EQ(window.Status(), "4 ﾌｧｲﾙ  合計ｻｲｽﾞ:600ﾊﾞｲﾄ") << "sorting keeps the count and total";

    // Shift+Ctrl+N goes to "新規ﾌｧｲﾙ": the entries keep the time order.
    TypeKey('N', {VK_SHIFT, VK_CONTROL});
    ::Sleep(400);
    TypeKey(VK_ESCAPE);  // ends a caption edit a new file may have started
    Names known = window.Items();
    std::erase_if(known, [&](const std::string& name) {
        return std::find(byTime.begin(), byTime.end(), name) == byTime.end();
    });
    EXPECT_EQ(known, byTime) << "Shift+Ctrl+N sorted the list";

    // The details view comes and goes; the rows stay as they are.
    EXPECT_FALSE(IsDetailsView(window.List));
    const Names shown = window.Items();
    TypeKey('D', {VK_SHIFT, VK_CONTROL});
    EXPECT_TRUE(WaitUntil([&] { return IsDetailsView(window.List); }, kSettleTimeoutMs))
        << "Shift+Ctrl+D did not show the details view";
    EXPECT_EQ(ListViewColumns(window.List), (Names{"名前", "ｻｲｽﾞ", "更新日時"}));
    EXPECT_EQ(window.Items(), shown);
    EXPECT_EQ(window.Items(2).at(1), "2019/01/01 10:00") << "time column of b.c";
    TypeKey('D', {VK_SHIFT, VK_CONTROL});
    EXPECT_TRUE(WaitUntil([&] { return !IsDetailsView(window.List); }, kSettleTimeoutMs))
        << "Shift+Ctrl+D did not go back to the list";
    EXPECT_EQ(window.Items(), shown);
    EXPECT_TRUE(app->IsRunning());
}

TEST_F(ViewKeys, ListMenuSortsByRightClickAndByTheMenuKey) {
    const std::string folder = Folder.MakeFolder("menu");
    WriteFile("menu\\a.txt", 300);
    WriteFile("menu\\b.txt", 100);
    WriteSettings(ValidSettings().Set("Sort", "0").Bytes());
    RemoteApp* app = nullptr;
    MainWindow window(StartMainWindow(app, QuoteArgument(folder)));
    ASSERT_TRUE(window.Main && window.Complete());
    ASSERT_TRUE(BringToFront(window.Main));
    ASSERT_EQ(Settle([&] { return window.Items(); }, Names{"a.txt", "b.txt"}),
              (Names{"a.txt", "b.txt"}));
    std::function<bool()> menuOpen = [] { return !VisibleTopLevelWindows("#32768").empty(); };

    // Right button on a row: the list's menu; ｿｰﾄ(&S) then ｻｲｽﾞ(&S).
    RightClickAt(CenterOf(ListItemScreenRect(window.List, 0, LVIR_LABEL)));
    ASSERT_TRUE(WaitUntil(menuOpen, 3000)) << "no menu after the right button";
    TypeKey('S');
    TypeKey('S');
    EXPECT_EQ(Settle([&] { return window.Items(); }, Names{"b.txt", "a.txt"}),
              (Names{"b.txt", "a.txt"}));
    EXPECT_TRUE(WaitUntil([&] { return !menuOpen(); }, 3000));

    // The menu key opens the same menu from the keyboard; 名前(&N) sorts by name again.
    TypeKey(VK_APPS);
    ASSERT_TRUE(WaitUntil(menuOpen, 3000)) << "no menu after the menu key";
    TypeKey('S');
    TypeKey('N');
    EXPECT_EQ(Settle([&] { return window.Items(); }, Names{"a.txt", "b.txt"}),
              (Names{"a.txt", "b.txt"}));
}

}  // namespace
}  // namespace e2e
