// The main window in process: start-up with good and bad settings, the menus, the shortcut
// rule, saving, and the first tabs.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/file1_win.h"
#include "app/integer_text.h"
#include "navigation/bookmarks.h"
#include "win_test_support.h"
#include "window_fixture.h"

namespace {

class MainWindow : public WindowFixture<> {
protected:
    std::unique_ptr<TFrmFile> Start(std::vector<std::string> args = {}) {
        if (args.empty()) args.push_back(dir.Make("start"));
        return Open(std::move(args));
    }
    // A key as the message loop sees it, with the modifiers held down.
    static MSG Key(HWND target, int vk, bool shift, bool ctrl, bool alt) {
        BYTE state[256] = {};
        ::GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        state[VK_MENU] = alt ? 0x80 : 0;
        ::SetKeyboardState(state);
        MSG msg{};
        msg.hwnd = target;
        msg.message = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
        msg.wParam = static_cast<WPARAM>(vk);
        return msg;
    }
    static void ReleaseModifiers() { Key(nullptr, 0, false, false, false); }
    std::string MenuText(TFrmFile& form, const std::string& name) {
        char text[256] = {};
        ::GetMenuStringA(::GetMenu(form.Handle()), form.MenuItem(name).Command, text, sizeof text,
                         MF_BYCOMMAND);
        return text;
    }
    bool MenuChecked(TFrmFile& form, const std::string& name) {
        UINT state =
            ::GetMenuState(::GetMenu(form.Handle()), form.MenuItem(name).Command, MF_BYCOMMAND);
        return state != 0xFFFFFFFF && (state & MF_CHECKED);
    }
};

TEST_F(MainWindow, RefusesToStartWithoutValidSettingsAndWritesNothing) {
    auto form = Start();
    EXPECT_TRUE(form->Terminated());
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text, "tabora.iniがないか不正です");
    EXPECT_EQ(ui.Shown[0].Caption, "ｴﾗｰ");
    form.reset();
    EXPECT_EQ(dir.Read("tabora.ini"), "<missing>");  // never created at start-up

    for (const char* bad : {"Width=80x\r\n", "Width= 800\r\n", "Width=1e3\r\n",
                            "Width=2147483648\r\n", "Width=\r\n"}) {
        ui.Shown.clear();
        std::string settings = std::string(bad) + ValidSettings();
        // The first Width line is the one that counts.
        dir.Write("tabora.ini", settings);
        form = Start();
        EXPECT_TRUE(form->Terminated()) << bad;
        ASSERT_EQ(ui.Shown.size(), 1u) << bad;
        EXPECT_EQ(ui.Shown[0].Text, "tabora.iniがないか不正です");
        form.reset();
        EXPECT_EQ(dir.Read("tabora.ini"), settings) << bad;
    }
}

TEST_F(MainWindow, FontValueThatIsNoIntegerStopsStartWithItsConversionError) {
    std::string settings = ValidSettings() + "FSize=abc\r\n";
    settings.replace(settings.find("FSize=9\r\n"), 9, "");
    dir.Write("tabora.ini", settings);
    try {
        Start();
        FAIL() << "start-up went on with FSize=abc";
    } catch (const ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("'abc'"), std::string::npos) << e.what();
    }
    EXPECT_EQ(dir.Read("tabora.ini"), settings);
}

TEST_F(MainWindow, LoadsWindowKeysIntoWindowControlsAndMenus) {
    dir.Write("tabora.ini", ValidSettings() + "Detail=1\r\nHiddenFile=0\r\nHyojisu=1\r\n");
    auto form = Start();
    ASSERT_FALSE(form->Terminated());
    RECT r{};
    ::GetWindowRect(form->Handle(), &r);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right - r.left, 640);
    EXPECT_EQ(r.bottom - r.top, 400);
    RECT dirBox{};
    ::GetWindowRect(form->CmbDir, &dirBox);
    EXPECT_EQ(dirBox.right - dirBox.left, 222);
    EXPECT_EQ(WindowText(form->CmbMask), "*.txt;*.doc");
    EXPECT_EQ(::GetWindowLongPtrA(form->ListView1, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(MenuChecked(*form, "mnDetail"));
    EXPECT_FALSE(MenuChecked(*form, "mnHiddenFile"));
    EXPECT_TRUE(MenuChecked(*form, "mnHyojisu"));
    // Sort=1: the first tab sorts by size, and the sort menu says so.
    EXPECT_TRUE(MenuChecked(*form, "mnSortSize"));
    EXPECT_FALSE(MenuChecked(*form, "mnSortName"));
    // The store got its defaults.
    EXPECT_EQ(form->Settings.Value("MaxFiles"), "200");
    EXPECT_EQ(form->Settings.Value("DefaultApp"), "notepad.exe");
}

TEST_F(MainWindow, MenusShowJapaneseCaptionsWithShortcutTexts) {
    dir.Write("tabora.ini", ValidSettings());
    auto form = Start();
    EXPECT_EQ(MenuText(*form, "mnNewTab"), "新規ﾀﾌﾞ(&N)\tCtrl+T");
    EXPECT_EQ(MenuText(*form, "mnCloseTab"), "ﾀﾌﾞを閉じる(&C)\tAlt+F3");
    EXPECT_EQ(MenuText(*form, "mnDelete2"), "削除\tShift+Del");
    EXPECT_EQ(MenuText(*form, "mnNewFile"), "新規ﾌｧｲﾙ\tShift+Ctrl+N");
    EXPECT_EQ(MenuText(*form, "mnSetSave"), "設定を保存\tCtrl+S");
    EXPECT_EQ(MenuText(*form, "mnDesktop"), "ﾃﾞｽｸﾄｯﾌﾟ\tF3");
    EXPECT_EQ(MenuText(*form, "mnAbout"), "ﾊﾞｰｼﾞｮﾝ(&A)");
    HMENU bar = ::GetMenu(form->Handle());
    ASSERT_EQ(::GetMenuItemCount(bar), 4);
    const char* top[] = {"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "栞(&B)"};
    for (int i = 0; i < 4; ++i) {
        char text[64] = {};
        ::GetMenuStringA(bar, i, text, sizeof text, MF_BYPOSITION);
        EXPECT_EQ(std::string(text), top[i]);
    }
}

TEST_F(MainWindow, ShortcutKeysReachTheirMenuItems) {
    dir.Write("tabora.ini", ValidSettings());
    auto form = Start({dir.Make("a"), dir.Make("b")});
    ASSERT_EQ(TabCaptions(form->TabControl1).size(), 2u);

    // Ctrl+S saves and says so.
    EXPECT_TRUE(form->HandleShortCut(Key(form->ListView1, 'S', false, true, false)));
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text, "iniを保存した");
    EXPECT_EQ(ui.Shown[0].Caption, "save");
    EXPECT_NE(dir.Read("tabora.ini").find("Hyojisu=0\r\n"), std::string::npos);

    // Alt+F3 closes the current tab.
    EXPECT_TRUE(form->HandleShortCut(Key(form->ListView1, VK_F3, false, false, true)));
    EXPECT_EQ(TabCaptions(form->TabControl1), std::vector<std::string>{"a"});
    // The last tab stays.
    EXPECT_TRUE(form->HandleShortCut(Key(form->ListView1, VK_F3, false, false, true)));
    EXPECT_EQ(TabCaptions(form->TabControl1).size(), 1u);

    // A plain letter and keys of other windows are not shortcuts.
    EXPECT_FALSE(form->HandleShortCut(Key(form->ListView1, 'S', false, false, false)));
    EXPECT_FALSE(form->HandleShortCut(Key(::GetDesktopWindow(), 'S', false, true, false)));
    ReleaseModifiers();
}

TEST_F(MainWindow, CtrlQClosesAndSavesKeysInPlaceKeepingEveryOtherLine) {
    const std::string odd = "no equals sign\r\n\r\nWidth=999\r\n" + std::string(700, 'x') +
                            "\r\n\x81\x7f\xfd\xff broken=\x81\r\nGo1=ﾃﾞｽｸ,C:\\\r\n" +
                            std::string("nul\0inside=1\r\n", 14);
    dir.Write("tabora.ini", "Width=640\rHeight=400\nLeft=30\n\rTop=20\r\n" + odd +
                                "Sort=0\r\nDirWidth=200\r\nFCharset=128\r\nFColor=0\r\n"
                                "FHeight=-12\r\nFName=MS UI Gothic\r\nFSize=9\r\nBGColor=0\r\n");
    auto form = Start();
    ASSERT_FALSE(form->Terminated());
    ::MoveWindow(form->Handle(), 11, 12, 500, 300, TRUE);
    EXPECT_TRUE(form->HandleShortCut(Key(form->ListView1, 'Q', false, true, false)));
    ReleaseModifiers();
    EXPECT_FALSE(::IsWindow(form->ListView1));
    const std::string expected =
        "Width=500\r\nHeight=300\r\nLeft=11\r\n\r\nTop=12\r\n" + odd +
        "Sort=0\r\nDirWidth=200\r\nFCharset=128\r\nFColor=0\r\nFHeight=-12\r\n"
        "FName=MS UI Gothic\r\nFSize=9\r\nBGColor=0\r\n"
        "MaxFiles=200\r\nDefaultApp=notepad.exe\r\nDetail=0\r\nHiddenFile=1\r\nHyojisu=0\r\n";
    EXPECT_EQ(dir.Read("tabora.ini"), expected);
}

TEST_F(MainWindow, SavingOntoReadOnlyFileIsReportedAndLeavesItIntact) {
    dir.Write("tabora.ini", ValidSettings());
    auto form = Start();
    std::string path = dir.Path() + "tabora.ini";
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    form->ClickMenu("mnSetSave");
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Caption, "ｴﾗｰ");
    EXPECT_NE(ui.Shown[0].Text.find("tabora.ini"), std::string::npos);
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(dir.Read("tabora.ini"), ValidSettings());
    EXPECT_EQ(dir.Read("tabora.ini.tmp"), "<missing>");
}

TEST_F(MainWindow, SavesRestoredBoundsWhileMaximizedOrMinimized) {
    dir.Write("tabora.ini", ValidSettings());
    auto form = Start();
    ::ShowWindow(form->Handle(), SW_SHOWNORMAL);
    ::MoveWindow(form->Handle(), 40, 50, 600, 350, TRUE);
    for (int show : {SW_MAXIMIZE, SW_MINIMIZE}) {
        ::ShowWindow(form->Handle(), show);
        PumpMessages();
        ASSERT_TRUE(form->SaveSettings());
        EXPECT_EQ(form->Settings.Value("Width"), "600") << show;
        EXPECT_EQ(form->Settings.Value("Height"), "350") << show;
        EXPECT_EQ(form->Settings.Value("Left"), "40") << show;
        EXPECT_EQ(form->Settings.Value("Top"), "50") << show;
        ::ShowWindow(form->Handle(), SW_RESTORE);
    }
}

TEST_F(MainWindow, CommandLineFoldersOpenAsTabsAndBadOnesAreReported) {
    dir.Write("tabora.ini", ValidSettings());
    std::string a = dir.Make("表示");  // trail byte 0x5C in the last name
    std::string b = dir.Make("ﾊﾝｶｸ");
    auto form = Start({a, dir.Path() + "missing", "-n", b});
    EXPECT_EQ(TabCaptions(form->TabControl1), (std::vector<std::string>{"表示", "ﾊﾝｶｸ"}));
    EXPECT_EQ(TabCtrl_GetCurSel(form->TabControl1), 1);
    EXPECT_EQ(WindowText(form->CmbDir), b);
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text, "開けません");
    EXPECT_EQ(ui.Shown[0].Caption, "ｴﾗｰ");
    EXPECT_EQ(form->TabSlots.UsedCount(), 2);
}

TEST_F(MainWindow, LastCommandLineFolderFailingLeavesTheLastGoodTabCurrentAndListed) {
    dir.Write("tabora.ini", ValidSettings());
    std::string a = dir.Make("a"), b = dir.Make("b");
    auto form = Start({a, b, dir.Path() + "missing"});
    EXPECT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(TabCaptions(form->TabControl1), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(TabCtrl_GetCurSel(form->TabControl1), 1);
    // The keys work on that tab at once: F5 reads it again, Backspace goes up.
    dir.Write("b\\new.txt", "n");
    EXPECT_TRUE(form->HandleShortCut(Key(form->ListView1, VK_F5, false, false, false)));
    EXPECT_EQ(ListCaptions(form->ListView1), std::vector<std::string>{"new.txt"});
    EXPECT_TRUE(form->ListView1KeyDown(VK_BACK));
    EXPECT_EQ(form->CurrentFolder(), dir.Path());
}

TEST_F(MainWindow, EveryMenuCommandHasAHandlerOrIsStillToComeAndOthersThrow) {
    dir.Write("tabora.ini", ValidSettings());
    auto form = Start();
    auto check = [&](const TMenuItem& root, auto& self) -> void {
        for (const TMenuItem& item : root.Items) {
            if (!item.Items.empty()) self(item, self);
            if (item.IsSeparator() || !item.Items.empty() || item.Name == kBookmarkItemName ||
                TFrmFile::HasMenuHandler(item.Name))
                continue;
            EXPECT_NO_THROW(form->ClickMenu(item.Name)) << item.Name;  // to come: does nothing
        }
    };
    for (const TMenuItem* menu : {&form->MainMenu1, &form->PopupMenu1, &form->PopupMenu2})
        check(*menu, check);
    EXPECT_TRUE(ui.Shown.empty());
    EXPECT_THROW(form->ClickMenu("mnNoSuchItem"), std::logic_error);
    EXPECT_THROW(form->ClickMenu("V1"), std::logic_error);
    form->ClickMenuItem(form->MenuItem("V1"));  // a submenu given a key does nothing
}

TEST_F(MainWindow, SaveWritesTheFaceInUseWhenTheFileNamedNone) {
    std::string settings = ValidSettings();
    settings.erase(settings.find("FName="), 20);
    dir.Write("tabora.ini", settings);
    ASSERT_TRUE(Start()->SaveSettings());
    const std::string saved = dir.Read("tabora.ini");
    const std::size_t at = saved.find("\r\nFName=");
    ASSERT_NE(at, std::string::npos) << saved;
    EXPECT_NE(saved[at + 8], '\r');  // a face, not an empty value
}

TEST_F(MainWindow, OnlyBadFolderGivenOpensTheWorkingFolder) {
    dir.Write("tabora.ini", ValidSettings());
    std::string work = dir.Make("work");
    ::SetCurrentDirectoryA(work.c_str());
    auto form = Start({"Q:\\no\\such\\folder"});
    EXPECT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(TabCaptions(form->TabControl1), std::vector<std::string>{"work"});
}

TEST_F(MainWindow, RelativeFolderIsKeptAsTheFullPathThatWasEntered) {
    dir.Write("tabora.ini", ValidSettings());
    dir.Make("rel");
    ::SetCurrentDirectoryA(dir.Path().c_str());
    auto form = Start({"rel"});
    int slot = form->CurrentSlot();
    ASSERT_GE(slot, 0);
    EXPECT_EQ(form->TabSlots[slot].Folder, dir.Path() + "rel");
    EXPECT_EQ(form->CurrentFolder(), dir.Path() + "rel\\");
}

TEST_F(MainWindow, ThirtyThirdTabIsRefusedSilently) {
    dir.Write("tabora.ini", ValidSettings());
    std::string folder = dir.Make("many");
    auto form = Start({folder});
    for (int i = 0; i < 40; ++i) form->NewTab(folder);
    EXPECT_EQ(TabCaptions(form->TabControl1).size(), 32u);
    EXPECT_EQ(form->TabSlots.UsedCount(), 32);
    EXPECT_TRUE(ui.Shown.empty());
}

TEST_F(MainWindow, LargeSettingsFileStartsAndSurvivesSave) {
    std::string big = ValidSettings();
    std::string filler;
    for (int i = 0; filler.size() < 5 * 1024 * 1024; ++i)
        filler += "Extx" + std::to_string(i) + "=c:\\tools\\viewer.exe %file\r\n";
    dir.Write("tabora.ini", big + filler);
    auto form = Start();
    ASSERT_FALSE(form->Terminated());
    ASSERT_TRUE(form->SaveSettings());
    std::string saved = dir.Read("tabora.ini");
    EXPECT_NE(saved.find(filler), std::string::npos);
}

}  // namespace
