// The view commands in process: sort keys and tabs, details, hidden files, the mask box, the
// quick mask, select all, the status of a selected item, the display limit and the edit keys
// that step aside for text boxes.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "app/file1_win.h"
#include "commands/shortcut_text.h"
#include "win_test_support.h"
#include "window_fixture.h"

namespace {

using Names = std::vector<std::string>;

void SetStatus(HWND status, const char* text) {
    ::SendMessageA(status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}

// Last-write time of a file or folder, given in local time.
void SetLocalTime(const std::string& path, WORD year, WORD month, WORD day, WORD hour,
                  WORD minute) {
    SYSTEMTIME st{};
    st.wYear = year;
    st.wMonth = month;
    st.wDay = day;
    st.wHour = hour;
    st.wMinute = minute;
    FILETIME local{}, utc{};
    ::SystemTimeToFileTime(&st, &local);
    ::LocalFileTimeToFileTime(&local, &utc);
    HANDLE file =
        ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    ::SetFileTime(file, nullptr, nullptr, &utc);
    ::CloseHandle(file);
}

// Answers the input dialog from a queue and remembers what it was asked.
class AnsweringUi final : public ModalUi {
public:
    struct Question {
        std::string Caption;
        HFONT Font;
        std::string Text;
    };
    int Message(HWND, const std::string& text, const std::string&, UINT) override {
        Shown.push_back(text);
        return IDOK;
    }
    bool InputText(HWND, const std::string& caption, HFONT font, std::string& text) override {
        Asked.push_back({caption, font, text});
        if (Answers.empty()) return false;
        auto [ok, answer] = Answers.front();
        Answers.pop_front();
        text = answer;  // what the box holds when it closes, answered or not
        return ok;
    }
    std::vector<std::string> Shown;
    std::vector<Question> Asked;
    std::deque<std::pair<bool, std::string>> Answers;
};

class ViewOptions : public WindowFixture<AnsweringUi> {
protected:
    std::unique_ptr<TFrmFile> Start(std::vector<std::string> args) { return Open(std::move(args)); }
    void SetUp() override {
        root = dir.Make("root");
        dir.Make("root\\sub");
        dir.Write("root\\a.txt", std::string(300, 'a'));
        dir.Write("root\\b.log", std::string(100, 'b'));
        dir.Write("root\\c.dat", std::string(200, 'c'));
        SetLocalTime(root + "\\a.txt", 2018, 1, 2, 0, 0);
        SetLocalTime(root + "\\b.log", 2018, 1, 3, 0, 0);
        SetLocalTime(root + "\\c.dat", 2018, 1, 1, 0, 0);
        WriteSettings("");
    }
    void WriteSettings(const std::string& extra) {
        dir.Write("tabora.ini", ValidSettings("*.*", 0) + "HiddenFile=0\r\n" + extra);
    }
    // A key as the message loop sees it, with the modifiers held down.
    static MSG Key(HWND target, int vk, bool shift, bool ctrl) {
        BYTE state[256] = {};
        ::GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        state[VK_MENU] = 0;
        ::SetKeyboardState(state);
        MSG msg{};
        msg.hwnd = target;
        msg.message = WM_KEYDOWN;
        msg.wParam = static_cast<WPARAM>(vk);
        return msg;
    }
    void TearDown() override { Key(nullptr, 0, false, false); }
    static bool MenuChecked(TFrmFile& form, const std::string& name) {
        UINT state =
            ::GetMenuState(::GetMenu(form.Handle()), form.MenuItem(name).Command, MF_BYCOMMAND);
        return state != 0xFFFFFFFF && (state & MF_CHECKED);
    }
    static std::string MenuText(TFrmFile& form, const std::string& name) {
        char text[256] = {};
        ::GetMenuStringA(::GetMenu(form.Handle()), form.MenuItem(name).Command, text, sizeof text,
                         MF_BYCOMMAND);
        return text;
    }

    std::string root;
};

TEST_F(ViewOptions, SortKeysSortThenReverseThenRestoreAndShiftCtrlNIsNewFile) {
    auto form = Start({root});
    HWND list = form->ListView1;
    EXPECT_EQ(ListCaptions(list), (Names{"sub", "a.txt", "b.log", "c.dat"}));

    ASSERT_TRUE(form->HandleShortCut(Key(list, 'S', true, true)));
    EXPECT_EQ(ListCaptions(list), (Names{"sub", "b.log", "c.dat", "a.txt"}));
    EXPECT_TRUE(MenuChecked(*form, "mnSortSize"));
    EXPECT_FALSE(MenuChecked(*form, "mnSortName"));
    EXPECT_TRUE(form->MenuItem("popSortSize").Checked);
    EXPECT_EQ(form->DefaultSortKind, 1);
    // Brought up to date, the item is still a radio item with its shortcut text.
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoA(::GetMenu(form->Handle()), form->MenuItem("mnSortSize").Command, FALSE,
                       &mii);
    EXPECT_TRUE(mii.fType & MFT_RADIOCHECK);
    EXPECT_EQ(MenuText(*form, "mnSortSize"), "ｻｲｽﾞ(&S)\tShift+Ctrl+S");
    ASSERT_TRUE(form->HandleShortCut(Key(list, 'S', true, true)));
    EXPECT_EQ(ListCaptions(list), (Names{"a.txt", "c.dat", "b.log", "sub"}));
    EXPECT_TRUE(form->DefaultReverse);
    ASSERT_TRUE(form->HandleShortCut(Key(list, 'S', true, true)));
    EXPECT_EQ(ListCaptions(list), (Names{"sub", "b.log", "c.dat", "a.txt"}));
    EXPECT_FALSE(form->DefaultReverse);

    // Shift+Ctrl+N is taken by 新規ﾌｧｲﾙ, which comes first in menu order: a new file, and
    // the sort stays.
    EXPECT_TRUE(form->HandleShortCut(Key(list, 'N', true, true)));
    ListView_CancelEditLabel(list);
    EXPECT_EQ(Current(*form).SortKind, 1);
    EXPECT_EQ(form->DefaultSortKind, 1);
    EXPECT_TRUE(MenuChecked(*form, "mnSortSize"));
    const std::string newFile = "新規ファイル";

    ASSERT_TRUE(form->HandleShortCut(Key(list, 'T', true, true)));
    EXPECT_EQ(ListCaptions(list), (Names{"sub", "c.dat", "a.txt", "b.log", newFile}));
    ASSERT_TRUE(form->HandleShortCut(Key(list, 'E', true, true)));
    EXPECT_EQ(ListCaptions(list), (Names{"sub", newFile, "c.dat", "b.log", "a.txt"}));
    // The popup's items do the same, and the main menu follows.
    form->ClickMenu("popSortName");
    EXPECT_EQ(ListCaptions(list), (Names{"sub", "a.txt", "b.log", "c.dat", newFile}));
    EXPECT_TRUE(MenuChecked(*form, "mnSortName"));
    EXPECT_EQ(form->DefaultSortKind, 0);
}

TEST_F(ViewOptions, ReverseInAnotherTabFollowsTheWindowWideFlag) {
    std::string other = dir.Make("other");
    dir.Write("other\\x", "");
    dir.Write("other\\y", "");
    auto form = Start({root, other});
    form->mnBackTabClick();  // tab A: root
    form->ClickMenu("mnSortName");
    EXPECT_TRUE(Current(*form).Reverse);
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"c.dat", "b.log", "a.txt", "sub"}));

    form->mnNextTabClick();  // tab B: by name, not reversed
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"x", "y"}));
    form->ClickMenu("popSortName");
    EXPECT_FALSE(form->DefaultReverse);
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"x", "y"}));
    form->ClickMenu("popSortName");
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"y", "x"}));

    form->mnBackTabClick();  // A keeps its own order
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"c.dat", "b.log", "a.txt", "sub"}));
}

TEST_F(ViewOptions, DetailsSwitchTheViewWithoutListingAgainAndHiddenFilesReadAgain) {
    dir.Write("root\\secret", "s");
    ::SetFileAttributesA((root + "\\secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
    auto form = Start({root});
    HWND list = form->ListView1;
    auto view = [&] { return ::GetWindowLongPtrA(list, GWL_STYLE) & LVS_TYPEMASK; };
    EXPECT_EQ(view(), LVS_LIST);
    ListView_SetItemState(list, 2, LVIS_SELECTED, LVIS_SELECTED);
    SetStatus(form->StatusBar1, "marker");
    ASSERT_TRUE(form->HandleShortCut(Key(list, 'D', true, true)));
    EXPECT_EQ(view(), LVS_REPORT);
    EXPECT_TRUE(MenuChecked(*form, "mnDetail"));
    EXPECT_EQ(StatusText(form->StatusBar1), "marker");  // a new listing would rewrite it
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 2);
    ASSERT_TRUE(form->HandleShortCut(Key(list, 'D', true, true)));
    EXPECT_EQ(view(), LVS_LIST);
    EXPECT_FALSE(MenuChecked(*form, "mnDetail"));
    EXPECT_EQ(StatusText(form->StatusBar1), "marker");

    EXPECT_EQ(ListCaptions(list).size(), 4u);
    form->ClickMenu("mnHiddenFile");
    EXPECT_TRUE(MenuChecked(*form, "mnHiddenFile"));
    EXPECT_EQ(ListCaptions(list), (Names{"sub", "a.txt", "b.log", "c.dat", "secret"}));
    form->ClickMenu("mnHiddenFile");
    EXPECT_EQ(ListCaptions(list).size(), 4u);
}

TEST_F(ViewOptions, MaskBoxListsAtOnceWhenChosenButTypedTextOnlyOnEnter) {
    WriteSettings("Msk1=*.txt\r\nMsk2= *.log;\r\nMsk3=\r\nMsk4=*.dat\r\n");
    auto form = Start({root});
    HWND mask = form->CmbMask;
    ASSERT_EQ(::SendMessageA(mask, CB_GETCOUNT, 0, 0), 2);
    char item[64] = {};
    ::SendMessageA(mask, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(std::string(item), " *.log;");
    EXPECT_EQ(WindowText(mask), "*.*");  // the box's own text is the Mask setting

    // Down in the box chooses the first saved mask, as a user would.
    HWND edit = form->CmbMaskEdit();
    ASSERT_NE(edit, nullptr);
    ::SendMessageA(edit, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(WindowText(mask), "*.txt");
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"sub", "a.txt"}));

    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    for (char c : std::string("*.dat")) ::SendMessageA(edit, WM_CHAR, static_cast<BYTE>(c), 0);
    EXPECT_EQ(WindowText(mask), "*.dat");
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"sub", "a.txt"}));
    ::SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"sub", "c.dat"}));

    form->ClickMenu("mnMask");
    EXPECT_EQ(::GetFocus(), edit);
}

TEST_F(ViewOptions, MaskTextWithLineBreaksIsSavedOnOneLineAndTheFileStillStarts) {
    auto form = Start({root});
    // Another program sets the text; a replace puts more in.
    ::SendMessageA(form->CmbMask, WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>("*.txt\r\nMaxFiles=abc\nExtexe=x"));
    EXPECT_EQ(WindowText(form->CmbMask), "*.txtMaxFiles=abcExtexe=x");
    ::SendMessageA(form->CmbMaskEdit(), EM_SETSEL, 0, 0);
    ::SendMessageA(form->CmbMaskEdit(), EM_REPLACESEL, FALSE,
                   reinterpret_cast<LPARAM>("\r\nWidth=1\r\n"));
    EXPECT_EQ(WindowText(form->CmbMask), "Width=1*.txtMaxFiles=abcExtexe=x");
    ASSERT_TRUE(form->SaveSettings());
    const std::size_t lines = form->Settings.Lines().size();
    form.reset();

    const std::string saved = dir.Read("tabora.ini");
    EXPECT_NE(saved.find("\r\nMask=Width=1*.txtMaxFiles=abcExtexe=x\r\n"), std::string::npos);
    auto again = Start({root});
    EXPECT_FALSE(again->Terminated());
    EXPECT_EQ(again->Settings.Lines().size(), lines);
    EXPECT_EQ(again->Settings.Value("Extexe"), "");
    EXPECT_TRUE(ui.Shown.empty());
}

TEST_F(ViewOptions, QuickMaskListsMatchingNamesForOneListing) {
    dir.Write("root\\README.md", "");
    dir.Make("root\\thread");
    auto form = Start({root});
    HWND list = form->ListView1;
    ui.Answers = {{true, "ReAd"}, {true, ""}, {false, "ignored"}};

    ASSERT_TRUE(form->HandleShortCut(Key(list, 'M', false, true)));
    ASSERT_EQ(ui.Asked.size(), 1u);
    EXPECT_EQ(ui.Asked[0].Caption, "ｸｲｯｸﾏｽｸ");
    EXPECT_EQ(ui.Asked[0].Text, "");
    EXPECT_EQ(ui.Asked[0].Font, reinterpret_cast<HFONT>(::SendMessageA(list, WM_GETFONT, 0, 0)));
    EXPECT_EQ(ListCaptions(list), (Names{"thread", "README.md"}));
    EXPECT_EQ(StatusText(form->StatusBar1).substr(0, 2), "2 ");

    form->mnRefreshClick();  // the next listing shows everything again
    EXPECT_EQ(ListCaptions(list).size(), 6u);

    // The dialog offers the last text; an empty answer lets nothing through.
    ASSERT_TRUE(form->HandleShortCut(Key(list, 'M', false, true)));
    ASSERT_EQ(ui.Asked.size(), 2u);
    EXPECT_EQ(ui.Asked[1].Text, "ReAd");
    EXPECT_TRUE(ListCaptions(list).empty());

    // Cancel changes nothing, and leaves nothing pending for the next listing.
    form->mnRefreshClick();
    ASSERT_TRUE(form->HandleShortCut(Key(list, 'M', false, true)));
    EXPECT_EQ(ui.Asked.size(), 3u);
    EXPECT_EQ(ui.Asked[2].Text, "");
    EXPECT_EQ(ListCaptions(list).size(), 6u);
    EXPECT_FALSE(form->QuickMaskPending);
    // What was typed before Cancel is offered the next time.
    ui.Answers = {{false, ""}};
    ASSERT_TRUE(form->HandleShortCut(Key(list, 'M', false, true)));
    ASSERT_EQ(ui.Asked.size(), 4u);
    EXPECT_EQ(ui.Asked[3].Text, "ignored");
}

TEST_F(ViewOptions, KanaFoldReadsRomajiInQuickMaskAndTypeAhead) {
    const Names kana{"しりょう.txt", "シリョウ.doc", "ｼﾘｮｳ.log"};
    for (const std::string& name : kana) dir.Write("root\\" + name, "");
    dir.Write("root\\じりょう.txt", "");
    WriteSettings("KanaFold=1\r\n");
    auto form = Start({root});
    HWND list = form->ListView1;
    ui.Answers = {{true, "ShiRyou"}};
    form->mnQuickMaskClick();
    EXPECT_EQ(ListCaptions(list).size(), 3u);  // none but the three

    // Letters typed into the list go to a row that begins with what they may still become.
    form->mnRefreshClick();
    for (char c : std::string("shir")) ::SendMessageA(list, WM_CHAR, static_cast<BYTE>(c), 1);
    const int focused = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
    ASSERT_GE(focused, 0);
    EXPECT_NE(std::find(kana.begin(), kana.end(), ListCaptions(list)[focused]), kana.end());
}

TEST_F(ViewOptions, HeaderClicksSortAndTheArrowsFollowEverySortChange) {
    WriteSettings("Detail=1\r\n");
    auto form = Start({root, root});
    HWND list = form->ListView1, header = ListView_GetHeader(list);
    auto arrows = [&] {
        std::string shown;
        for (int column = 0; column < 3; ++column) {
            HDITEMA item{};
            item.mask = HDI_FORMAT;
            Header_GetItem(header, column, &item);
            shown += item.fmt & HDF_SORTUP ? '^' : item.fmt & HDF_SORTDOWN ? 'v' : '-';
        }
        return shown;
    };
    EXPECT_EQ(arrows(), "^--");
    RECT r{};
    Header_GetItemRect(header, 1, &r);
    const LPARAM middle = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    ::SendMessageA(header, WM_LBUTTONUP, 0, middle);
    EXPECT_EQ(ListCaptions(list), (Names{"sub", "b.log", "c.dat", "a.txt"}));
    EXPECT_TRUE(MenuChecked(*form, "mnSortSize"));
    EXPECT_EQ(arrows(), "-^-");
    form->ClickMenu("mnSortSize");
    EXPECT_EQ(arrows(), "-v-");
    form->ClickMenu("mnSortTime");
    EXPECT_EQ(arrows(), "--^");
    form->mnNextTabClick();  // the other tab still sorts by name
    EXPECT_EQ(arrows(), "^--");
}

TEST_F(ViewOptions, SelectAllAndTheStatusOfFilesFoldersAndDrives) {
    SetLocalTime(root + "\\sub", 2018, 9, 3, 12, 34);
    dir.Write("root\\a.txt", std::string(12345, 'a'));
    SetLocalTime(root + "\\a.txt", 2018, 9, 3, 12, 34);
    // Past 4 GB (sparse): a 32-bit read would show 1KB.
    HANDLE file = ::CreateFileA((root + "\\big.bin").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER size;
    size.QuadPart = 4LL * 1024 * 1024 * 1024 + 1024;
    ::SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
    ::SetEndOfFile(file);
    ::CloseHandle(file);
    SetLocalTime(root + "\\big.bin", 2020, 2, 29, 23, 59);

    auto form = Start({root});
    HWND list = form->ListView1;
    ASSERT_EQ(ListCaptions(list), (Names{"sub", "a.txt", "b.log", "big.bin", "c.dat"}));
    ListView_SetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(StatusText(form->StatusBar1), "更新日時:2018/09/03 12:34 ｻｲｽﾞ:12KB");
    ListView_SetItemState(list, 1, 0, LVIS_SELECTED);
    ListView_SetItemState(list, 3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(StatusText(form->StatusBar1), "更新日時:2020/02/29 23:59 ｻｲｽﾞ:4096MB");
    // Nothing selected: the line stays as it was.
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    EXPECT_EQ(StatusText(form->StatusBar1), "更新日時:2020/02/29 23:59 ｻｲｽﾞ:4096MB");

    // Ctrl+A: every row, and the first of them speaks.
    ASSERT_TRUE(form->HandleShortCut(Key(list, 'A', false, true)));
    EXPECT_EQ(ListView_GetSelectedCount(list), 5u);
    EXPECT_EQ(StatusText(form->StatusBar1), "更新日時:2018/09/03 12:34");

    ASSERT_TRUE(form->OpenFolder("ﾄﾞﾗｲﾌﾞ", true));
    ASSERT_GT(ListView_GetItemCount(list), 0);
    ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(StatusText(form->StatusBar1), "更新日時: ");
}

TEST_F(ViewOptions, DisplayLimitToggleListsAgainKeepingTheTabsPageFromTheTop) {
    for (int i = 0; i < 3; ++i) dir.Write("root\\f" + std::to_string(i), "");
    WriteSettings("MaxFiles=3\r\n");
    auto form = Start({root});
    HWND list = form->ListView1;
    EXPECT_EQ(ListCaptions(list).size(), 7u);
    form->ClickMenu("mnHyojisu");
    EXPECT_TRUE(MenuChecked(*form, "mnHyojisu"));
    EXPECT_EQ(ListCaptions(list), (Names{"f0", "f1", "f2"}));
    EXPECT_TRUE(StatusText(form->StatusBar1).ends_with("  3/3"));
    form->ClickMenu("mnHyojisu");
    EXPECT_EQ(ListCaptions(list).size(), 7u);
    EXPECT_FALSE(StatusText(form->StatusBar1).ends_with("/3"));

    Current(*form).Page = 1;
    Current(*form).FocusIndex = 2;
    form->ClickMenu("mnHyojisu");
    EXPECT_EQ(ListCaptions(list), (Names{"a.txt", "b.log", "c.dat"}));
    EXPECT_TRUE(StatusText(form->StatusBar1).ends_with("  2/3"));
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), 0);
}

TEST_F(ViewOptions, EditKeysStepAsideWhileATextBoxHasTheFocus) {
    auto form = Start({root});
    ::ShowWindow(form->Handle(), SW_SHOWNORMAL);
    ::SetForegroundWindow(form->Handle());
    HWND list = form->ListView1;
    HWND maskEdit = form->CmbMaskEdit();
    ::SetFocus(list);
    auto keysOn = [&] {
        return form->MenuItem("mnDelete").ShortCut == VK_DELETE &&
               form->MenuItem("mnCut").ShortCut == (kCtrlFlag | 'X');
    };
    ASSERT_TRUE(keysOn());
    EXPECT_EQ(MenuText(*form, "mnDelete"), "削除(ゴミ箱)\tDel");

    ::SetFocus(form->CmbDir);
    for (const char* name : {"mnDelete", "mnDelete2", "mnCopy", "mnPaste", "mnCut"})
        EXPECT_EQ(form->MenuItem(name).ShortCut, 0) << name;
    EXPECT_EQ(MenuText(*form, "mnDelete"), "削除(ゴミ箱)");
    EXPECT_EQ(MenuText(*form, "mnCopy"), "ｺﾋﾟｰ(&C)");
    EXPECT_FALSE(form->HandleShortCut(Key(form->CmbDir, 'C', false, true)));
    // Other shortcuts still work from the box.
    EXPECT_EQ(form->MenuItem("mnRefresh").ShortCut, VK_F5);

    // Straight from one box to the other: still off. Del there belongs to the text.
    form->ClickMenu("mnMask");
    ASSERT_EQ(::GetFocus(), maskEdit);
    EXPECT_FALSE(keysOn());
    EXPECT_FALSE(form->HandleShortCut(Key(maskEdit, VK_DELETE, false, false)));
    EXPECT_FALSE(form->HandleShortCut(Key(maskEdit, VK_DELETE, true, false)));
    // A change in the list meanwhile does not give the keys back.
    ListView_SetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_FALSE(keysOn());
    ::SetFocus(form->CmbDir);
    EXPECT_FALSE(keysOn());

    ::SetFocus(list);
    EXPECT_TRUE(keysOn());
    EXPECT_EQ(MenuText(*form, "mnDelete"), "削除(ゴミ箱)\tDel");
    EXPECT_EQ(MenuText(*form, "mnCut"), "切り取り(&T)\tCtrl+X");

    // Keys left off without a text box (a caption edit ended by Esc): the next change in
    // the list gives them back.
    form->SetEditShortcuts(false);
    ListView_SetItemState(list, 2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(keysOn());
}

}  // namespace
