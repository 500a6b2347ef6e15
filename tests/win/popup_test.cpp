// The user's popup commands and Menu entries in the window: the menus built at start-up from
// the settings, and the three ways a chosen command runs, seen by a recording launcher.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "app/file1_win.h"
#include "commands/popup_menu.h"
#include "win_test_support.h"
#include "window_fixture.h"

namespace {

using Names = std::vector<std::string>;

class PopupCommands : public WindowFixture<> {
protected:
    void SetUp() override {
        work = dir.Make("work") + "\\";
        dir.Write("work\\a.txt", "a");
        dir.Write("work\\my doc.txt", "b");
    }
    std::unique_ptr<TFrmFile> Start(const std::string& extra) {
        auto form = Open(ValidSettings("*.*") + extra, {work});
        launcher = &Install<RecordingLauncher>(form->Launch);
        return form;
    }
    // A popup command by its caption, inside group when one is given.
    static const TMenuItem& Command(TFrmFile& form, const std::string& caption,
                                    const std::string& group = "") {
        const TMenuItem* parent = &form.PopupMenu1;
        if (!group.empty()) {
            auto it = std::find_if(parent->Items.begin(), parent->Items.end(),
                                   [&](const TMenuItem& i) { return i.Caption == group; });
            if (it == parent->Items.end()) throw std::logic_error("no group " + group);
            parent = &*it;
        }
        for (const TMenuItem& item : parent->Items)
            if (item.Name == kPopupCommandName && item.Caption == caption) return item;
        throw std::logic_error("no popup command " + caption);
    }
    static Names Captions(const TMenuItem& menu) {
        Names captions;
        for (const TMenuItem& item : menu.Items) captions.push_back(item.Caption);
        return captions;
    }

    RecordingLauncher* launcher = nullptr;
    std::string work;
};

TEST_F(PopupCommands, StartUpBuildsTheGroupsAndAppliesMenuKeysWhichWorkFromTheList) {
    auto form = Start(
        "Pop圧縮|zip=Ctrl+Z,C:\\t\\zip.exe %file,1\r\n"
        "Popbroken=Ctrl+B\r\n"
        "Poptar=,C:\\t\\other.exe,2\r\n"
        "Pop圧縮|tar=,C:\\t\\tar.exe,2\r\n"
        "Menu新規ﾀﾌﾞ=Ctrl+N\r\n"
        "Go1=C:\\windows\\\r\n"
        "MenuC:\\=F9\r\n");
    EXPECT_EQ(Captions(form->PopupMenu1),
              (Names{"ｿｰﾄ(&S)", "-", "圧縮", "tar", "-", kPropertyCaption}));
    const TMenuItem& zip = Command(*form, "zip", "圧縮");
    EXPECT_EQ(zip.ShortCut, ShortCut('Z', false, true));
    EXPECT_EQ(Captions(form->PopupMenu1.Items[2]), (Names{"zip", "tar"}));

    // The Menu entries came after the bookmarks, and the main menu shows the new keys.
    auto shownText = [&](const TMenuItem& item) {
        char text[256] = {};
        ::GetMenuStringA(::GetMenu(form->Handle()), item.Command, text, sizeof text, MF_BYCOMMAND);
        return std::string(text);
    };
    EXPECT_EQ(shownText(form->MenuItem("mnNewTab")), "新規ﾀﾌﾞ(&N)\tCtrl+N");
    const TMenuItem& bookmark = form->MenuItem("B1").Items.back();
    EXPECT_EQ(bookmark.ShortCut, vk::F(9)) << bookmark.Caption;

    // A popup command's key works while the list has the keys; a group's item runs its own
    // entry, not the top-level one of the same caption.
    SelectCaptions(form->ListView1, {"a.txt"});
    MSG key{};
    key.hwnd = form->ListView1;
    key.message = WM_KEYDOWN;
    key.wParam = 'Z';
    {
        HeldKeys ctrl(false, true);
        EXPECT_TRUE(form->HandleShortCut(key));
    }
    ASSERT_EQ(launcher->Plans.size(), 1u);
    EXPECT_EQ(launcher->Plans[0].Program, "C:\\t\\zip.exe");
    form->ClickMenuItem(Command(*form, "tar", "圧縮"));
    form->ClickMenuItem(Command(*form, "tar"));
    ASSERT_EQ(launcher->Plans.size(), 3u);
    EXPECT_EQ(launcher->Plans[1].Program, "C:\\t\\tar.exe");
    EXPECT_EQ(launcher->Plans[2].Program, "C:\\t\\other.exe");
    EXPECT_TRUE(ui.Shown.empty());
}

TEST_F(PopupCommands, TheShownPopupFollowsNewIdsAndChecksAndIsRenderedAgainOnlyForPopLines) {
    auto form = Start("Popa=,C:\\t\\a.exe,2\r\nPopg|b=,C:\\t\\b.exe,2\r\n");
    auto expectInStep = [](HMENU menu, const TMenuItem& root, auto& self) -> void {
        ASSERT_EQ(::GetMenuItemCount(menu), static_cast<int>(root.Items.size()));
        for (std::size_t i = 0; i < root.Items.size(); ++i) {
            MENUITEMINFOA mii{};
            mii.cbSize = sizeof mii;
            mii.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU;
            ::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &mii);
            EXPECT_EQ(static_cast<int>(mii.wID), root.Items[i].Command) << root.Items[i].Caption;
            EXPECT_EQ((mii.fState & MFS_CHECKED) != 0, root.Items[i].Checked);
            if (mii.hSubMenu) self(mii.hSubMenu, root.Items[i], self);
        }
    };
    const HMENU shown = form->RenderedPopup(form->PopupMenu1);
    const int before = Command(*form, "a").Command;
    // A bookmark grows the main menu, and every id after it moves on; a sort moves the check.
    form->AddBookmarkItem("C:\\", 1, "");
    form->mnSortNameClick(2);
    EXPECT_GT(Command(*form, "a").Command, before);
    EXPECT_EQ(form->RenderedPopup(form->PopupMenu1), shown);
    expectInStep(shown, form->PopupMenu1, expectInStep);
    SelectCaptions(form->ListView1, {"a.txt"});
    ::SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(Command(*form, "b", "g").Command, 0), 0);
    ASSERT_EQ(launcher->Plans.size(), 1u);
    EXPECT_EQ(launcher->Plans[0].Program, "C:\\t\\b.exe");

    // Changed Pop lines are shown.
    form->Settings.Set("Popc", ",C:\\t\\c.exe,2");
    form->BuildPopupMenu();
    Command(*form, "c");
    expectInStep(form->RenderedPopup(form->PopupMenu1), form->PopupMenu1, expectInStep);
}

TEST_F(PopupCommands, OpenEachOpensEverySelectedFileOrStartsAProgramOnItsOwn) {
    auto form = Start(
        "Popview=,C:\\t\\view.exe %file,1\r\n"
        "Popwrite=,wordpad %file,1\r\n"
        "Popempty=,,1\r\n");
    SelectCaptions(form->ListView1, {"a.txt", "my doc.txt"});
    form->ClickMenuItem(Command(*form, "view"));
    ASSERT_EQ(launcher->Plans.size(), 2u);
    EXPECT_EQ(launcher->Plans[0].Program, "C:\\t\\view.exe");
    EXPECT_EQ(launcher->Plans[0].Parameters, work + "a.txt ");
    EXPECT_EQ(launcher->Plans[1].Parameters, "\"" + work + "my doc.txt\" ");

    // Nothing selected: a program starts without arguments, anything else does nothing.
    launcher->Plans.clear();
    SelectCaptions(form->ListView1, {});
    form->ClickMenuItem(Command(*form, "view"));
    form->ClickMenuItem(Command(*form, "write"));
    ASSERT_EQ(launcher->Plans.size(), 1u);
    EXPECT_EQ(launcher->Plans[0].Program, "C:\\t\\view.exe");
    EXPECT_EQ(launcher->Plans[0].Parameters, " ");

    // An empty command runs nothing, with or without a selection.
    SelectCaptions(form->ListView1, {"a.txt"});
    form->ClickMenuItem(Command(*form, "empty"));
    EXPECT_EQ(launcher->Plans.size(), 1u);
    EXPECT_TRUE(ui.Shown.empty());
}

TEST_F(PopupCommands, OneCommandLineQuotesEveryPathOrRefusesATooLongOne) {
    auto form = Start("Popall=,C:\\t\\all.exe %file,2\r\n");
    SelectCaptions(form->ListView1, {"a.txt", "my doc.txt"});
    form->ClickMenuItem(Command(*form, "all"));
    ASSERT_EQ(launcher->Plans.size(), 1u);
    EXPECT_EQ(launcher->Plans[0].Parameters, "\"" + work + "a.txt\" \"" + work + "my doc.txt\" ");

    // Enough long names to pass 511 bytes: a message, and nothing starts.
    for (char c = 'p'; c <= 't'; ++c) dir.Write("work\\" + std::string(110, c) + ".txt", "x");
    form->mnRefreshClick();
    form->mnSelectAllClick();
    form->ClickMenuItem(Command(*form, "all"));
    EXPECT_EQ(launcher->Plans.size(), 1u);
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text, "選択ﾌｧｲﾙが多すぎます");
    EXPECT_EQ(ui.Shown[0].Caption, "ｴﾗｰ");
}

TEST_F(PopupCommands, DragToNextArmsTheDragAndStartsTheProgram) {
    auto form = Start("Popdrag=,C:\\t\\paint.exe,3\r\nPopodd=,C:\\t\\odd.exe,7\r\n");
    SelectCaptions(form->ListView1, {"a.txt"});
    form->ClickMenuItem(Command(*form, "odd"));
    EXPECT_FALSE(form->DragToNextArmed);
    EXPECT_TRUE(launcher->Plans.empty());
    form->ClickMenuItem(Command(*form, "drag"));
    EXPECT_TRUE(form->DragToNextArmed);
    ASSERT_EQ(launcher->Plans.size(), 1u);
    EXPECT_EQ(launcher->Plans[0].Program, "C:\\t\\paint.exe");
    form->EndDragToNext();
}

}  // namespace
