// The list editor and the entry editor for real, answered from inside their modal loops, and
// the settings commands of the main window driven through a recording ModalUi.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "app/file1_win.h"
#include "commands/popup_menu.h"
#include "dialogs/entry_dialog_win.h"
#include "dialogs/family_edit.h"
#include "dialogs/list_dialog_win.h"
#include "win_test_support.h"
#include "window_fixture.h"

namespace {

using Rows = std::vector<TListRow>;
using Texts = std::vector<std::string>;

// Answers every question through scripts and records what it was asked.
class ScriptedUi final : public ModalUi {
public:
    int Message(HWND, const std::string& text, const std::string& caption, UINT) override {
        Shown.push_back({text, caption});
        return Answer;
    }
    bool EditFamilyRows(HWND, TFamilyEdit& edit) override {
        Families.push_back(edit);
        return OnFamily && OnFamily(edit);
    }
    bool EditEntry(HWND, TEntryEdit& edit) override {
        Entries.push_back(edit);
        return OnEntry && OnEntry(edit);
    }
    bool OpenFileDialog(HWND, const std::string& filter, std::string& path) override {
        Filters.push_back(filter);
        path = Chosen;
        return !Chosen.empty();
    }
    std::vector<ShownMessage> Shown;
    int Answer = IDOK;
    std::vector<TFamilyEdit> Families;
    std::vector<TEntryEdit> Entries;
    std::vector<std::string> Filters;
    std::string Chosen;
    std::function<bool(TFamilyEdit&)> OnFamily;
    std::function<bool(TEntryEdit&)> OnEntry;
};

std::function<void()>* onTick = nullptr;
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (onTick) (*onTick)();
}

// Runs show (which shows form modally), with act run once from inside the modal loop as soon
// as the form is visible; a form act leaves open is closed after two seconds.
template <typename Show>
bool RunModal(HWND form, const std::function<void()>& act, Show show) {
    bool acted = false;
    int waited = 0;
    std::function<void()> tick = [&] {
        if (!::IsWindowVisible(form)) return;
        if (!acted) {
            acted = true;
            act();
        } else if (++waited > 200) {
            ::SendMessageA(form, WM_CLOSE, 0, 0);
        }
    };
    onTick = &tick;
    UINT_PTR timer = ::SetTimer(nullptr, 0, 10, &Tick);
    const bool ok = show();
    ::KillTimer(nullptr, timer);
    onTick = nullptr;
    EXPECT_TRUE(acted);
    return ok;
}

bool Shown(HWND control) { return (::GetWindowLongPtrA(control, GWL_STYLE) & WS_VISIBLE) != 0; }

int Width(HWND control) {
    RECT r{};
    ::GetWindowRect(control, &r);
    return r.right - r.left;
}

void Click(HWND button) { ::SendMessageA(button, BM_CLICK, 0, 0); }

Texts ListRows(HWND list) {
    Texts rows;
    const int n = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        std::string text(::SendMessageA(list, LB_GETTEXTLEN, i, 0), '\0');
        ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        rows.push_back(text);
    }
    return rows;
}

void DoubleClickRow(HWND form, HWND list, int index, int id) {
    ::SendMessageA(list, LB_SETCURSEL, index, 0);
    ::SendMessageA(form, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
}

int IdOf(HWND control) { return ::GetDlgCtrlID(control); }

class SettingsDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        owner =
            ::CreateWindowExA(0, "STATIC", "持ち主の窓", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                              300, 200, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override { ::DestroyWindow(owner); }

    // The entry editor on edit, act run inside; edit holds the accepted row on OK.
    bool RunEntry(TEntryEdit& edit, const std::function<void(TFrmEdExt&)>& act) {
        TFrmEdExt form(ui);
        return RunModal(
            form.Handle(), [&] { act(form); }, [&] { return form.Execute(owner, edit); });
    }
    bool RunList(TFamilyEdit& edit, const std::function<void(TFrmList&)>& act) {
        TFrmList form(ui);
        return RunModal(
            form.Handle(), [&] { act(form); }, [&] { return form.Execute(owner, edit); });
    }

    ScriptedUi ui;
    HWND owner = nullptr;
};

TEST_F(SettingsDialogs, EntryEditorLaysOutEachFamily) {
    TFrmEdExt form(ui);
    form.SetKind(TFamilyKind::Ext, {});
    EXPECT_EQ(WindowText(form.LblName), "拡張子");
    EXPECT_EQ(Width(form.EdtExt), 56);
    EXPECT_TRUE(Shown(form.LblPeriod) && Shown(form.ButBrowse) && Shown(form.LblExeHint) &&
                Shown(form.btnHint));
    EXPECT_FALSE(Shown(form.CmbShortcut) || Shown(form.CmbOpenMode) || Shown(form.CmbMenu));

    form.SetKind(TFamilyKind::Pop, {});
    EXPECT_EQ(Width(form.EdtExt), 145);
    EXPECT_TRUE(Shown(form.CmbShortcut) && Shown(form.LblOpenMode) && Shown(form.CmbOpenMode));
    EXPECT_FALSE(Shown(form.LblPeriod));

    // The mask is stored alone: no second field.
    form.SetKind(TFamilyKind::Msk, {});
    EXPECT_EQ(WindowText(form.LblName), "ﾏｽｸ");
    EXPECT_FALSE(Shown(form.EdtCmd) || Shown(form.LblValue) || Shown(form.btnHint));
    form.SetKind(TFamilyKind::Go, {});
    EXPECT_EQ(WindowText(form.LblValue), "ﾌｫﾙﾀﾞ");
    EXPECT_TRUE(Shown(form.EdtCmd));
    EXPECT_FALSE(Shown(form.ButBrowse));

    form.SetKind(TFamilyKind::Menu, {"----- ﾌｧｲﾙ", "終了"});
    EXPECT_TRUE(Shown(form.CmbMenu) && Shown(form.CmbShortcut));
    EXPECT_FALSE(Shown(form.EdtCmd) || Shown(form.EdtExt));
    EXPECT_EQ(::SendMessageA(form.CmbMenu, CB_GETCOUNT, 0, 0), 2);

    // The browse button follows the row for the other settings.
    form.SetKind(TFamilyKind::Other, {});
    EXPECT_EQ(WindowText(form.LblValue), "値");
    form.LoadEntry({"編集", TFamilyKind::Other, "DefaultApp", "notepad.exe", {}});
    EXPECT_TRUE(Shown(form.ButBrowse));
    form.LoadEntry({"編集", TFamilyKind::Other, "MaxFiles", "200", {}});
    EXPECT_FALSE(Shown(form.ButBrowse));
    EXPECT_EQ(WindowText(form.Handle()), "編集");
    EXPECT_EQ(form.ClientHeight(), 102);
}

TEST_F(SettingsDialogs, EntryEditorChecksItsFieldsOnOk) {
    // A new association: empty fields, and OK with an empty command refused; the form stays.
    TEntryEdit edit{"新規", TFamilyKind::Ext, "", "", {}};
    EXPECT_TRUE(RunEntry(edit, [&](TFrmEdExt& f) {
        EXPECT_EQ(WindowText(f.EdtExt) + WindowText(f.EdtCmd), "");
        EXPECT_EQ(::GetFocus(), f.EdtExt);
        ::SetWindowTextA(f.EdtExt, "txt");
        Click(f.ButOk);
        EXPECT_TRUE(::IsWindowVisible(f.Handle()));
        ::SetWindowTextA(f.EdtCmd, "notepad.exe %file");
        ::PostMessageA(f.EdtCmd, WM_KEYDOWN, VK_RETURN, 0);
    }));
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text, "空欄があります");
    EXPECT_EQ(ui.Shown[0].Caption, "ｴﾗｰ");
    EXPECT_EQ(edit.Name + "=" + edit.Value, "txt=notepad.exe %file");

    // A popup value: shortcut, command and mode in their boxes, and composed again on OK.
    edit = {"編集", TFamilyKind::Pop, "一覧", ",cmd /c dir,2", {}};
    EXPECT_TRUE(RunEntry(edit, [&](TFrmEdExt& f) {
        EXPECT_EQ(WindowText(f.CmbShortcut), "");
        EXPECT_EQ(WindowText(f.EdtCmd), "cmd /c dir");
        EXPECT_EQ(WindowText(f.CmbOpenMode), "1つのｺﾏﾝﾄﾞﾗｲﾝ");
        ::SetWindowTextA(f.CmbShortcut, "Ctrl+D");
        ::SendMessageA(f.CmbOpenMode, CB_SETCURSEL, 2, 0);
        Click(f.ButOk);
    }));
    EXPECT_EQ(edit.Value, "Ctrl+D,cmd /c dir,3");

    // Escape cancels and leaves the row as it was.
    EXPECT_FALSE(RunEntry(edit, [&](TFrmEdExt& f) {
        ::SetWindowTextA(f.EdtCmd, "changed");
        ::PostMessageA(f.EdtExt, WM_KEYDOWN, VK_ESCAPE, 0);
    }));
    EXPECT_EQ(edit.Value, "Ctrl+D,cmd /c dir,3");

    // A menu heading cannot be chosen; an item can, with its shortcut as the value.
    ui.Shown.clear();
    edit = {"新規", TFamilyKind::Menu, "", "", {"----- ﾌｧｲﾙ", "新規ﾀﾌﾞ", "-"}};
    EXPECT_TRUE(RunEntry(edit, [&](TFrmEdExt& f) {
        EXPECT_EQ(::GetFocus(), f.CmbMenu);
        ::SendMessageA(f.CmbMenu, CB_SETCURSEL, 0, 0);
        Click(f.ButOk);
        ::SendMessageA(f.CmbMenu, CB_SETCURSEL, 1, 0);
        ::SetWindowTextA(f.CmbShortcut, "Ctrl+T");
        Click(f.ButOk);
    }));
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text, "選べません");
    EXPECT_EQ(edit.Name + "=" + edit.Value, "新規ﾀﾌﾞ=Ctrl+T");
}

TEST_F(SettingsDialogs, HintListOpensWithTitlesAndDoubleClicksFillTheCommand) {
    // A second window of the same title is listed once.
    HWND twin = ::CreateWindowExA(0, "STATIC", "持ち主の窓", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, ::GetModuleHandleA(nullptr), nullptr);
    TEntryEdit edit{"編集", TFamilyKind::Ext, "txt", "編集.exe", {}};
    Texts rows;
    int openHeight = 0, closedHeight = 0;
    std::string afterMacro, afterTitle, afterSecondTitle;
    DWORD caret = 0;
    EXPECT_TRUE(RunEntry(edit, [&](TFrmEdExt& f) {
        Click(f.btnHint);
        openHeight = f.ClientHeight();
        rows = ListRows(f.ListBox1);
        const int id = IdOf(f.ListBox1);
        // "%file" at the caret, after the program's Japanese name.
        ::SendMessageA(f.EdtCmd, EM_SETSEL, 2, 2);
        DoubleClickRow(f.Handle(), f.ListBox1, 4, id);
        afterMacro = WindowText(f.EdtCmd);
        ::SendMessageA(f.EdtCmd, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
        DoubleClickRow(f.Handle(), f.ListBox1, 13, id);  // "・今出ているﾀｲﾄﾙﾊﾞｰ": nothing
        DoubleClickRow(f.Handle(), f.ListBox1, 12, id);  // the empty row: nothing
        const auto title =
            std::find(rows.begin(), rows.end(), std::string("持ち主の窓")) - rows.begin();
        DoubleClickRow(f.Handle(), f.ListBox1, static_cast<int>(title), id);
        afterTitle = WindowText(f.EdtCmd);
        DoubleClickRow(f.Handle(), f.ListBox1, static_cast<int>(title), id);
        afterSecondTitle = WindowText(f.EdtCmd);
        Click(f.btnHint);
        closedHeight = f.ClientHeight();
        Click(f.ButOk);
    }));
    ::DestroyWindow(twin);
    EXPECT_EQ(openHeight, 264);
    EXPECT_EQ(closedHeight, 102);
    ASSERT_GT(rows.size(), 14u);
    EXPECT_EQ(rows[0], " ﾀﾞﾌﾞﾙｸﾘｯｸでｺﾏﾝﾄﾞに設定");
    EXPECT_EQ(std::count(rows.begin(), rows.end(), std::string("持ち主の窓")), 1);
    EXPECT_EQ(afterMacro, "編集%file.exe");
    EXPECT_EQ(caret, 7u);  // after the macro, in characters
    EXPECT_EQ(afterTitle, "持ち主の窓|編集%file.exe");
    EXPECT_EQ(afterSecondTitle, "持ち主の窓");  // it held "|": the title alone
    EXPECT_EQ(edit.Value, "持ち主の窓");

    // The other settings list names and icons, no window titles, and take no double-click.
    edit = {"編集", TFamilyKind::Other, "DefaultApp", "a.exe", {}};
    ui.Chosen = "C:\\Tools\\ed.exe";
    EXPECT_TRUE(RunEntry(edit, [&](TFrmEdExt& f) {
        Click(f.btnHint);
        rows = ListRows(f.ListBox1);
        DoubleClickRow(f.Handle(), f.ListBox1, 2, IdOf(f.ListBox1));
        EXPECT_EQ(WindowText(f.EdtCmd), "a.exe");
        Click(f.ButBrowse);
        Click(f.ButOk);
    }));
    EXPECT_EQ(rows.size(), 22u);
    EXPECT_EQ(rows.back(), "15:杖");
    EXPECT_EQ(ui.Filters, Texts{"*.exe|*.exe"});
    EXPECT_EQ(edit.Value, "C:\\Tools\\ed.exe");
}

TEST_F(SettingsDialogs, ListEditorEditsRowsAndOnlyOkHandsThemBack) {
    TFamilyEdit family{
        "拡張子別ｱﾌﾟﾘｹｰｼｮﾝ", TFamilyKind::Ext, {{"a", "1"}, {"b", "2"}, {"c", "3"}}, {}};
    ui.OnEntry = [](TEntryEdit& e) {
        e.Name = e.Name.empty() ? "new" : e.Name + "!";
        e.Value = "v";
        return true;
    };
    Texts shown;
    std::string caption;
    EXPECT_TRUE(RunList(family, [&](TFrmList& f) {
        caption = WindowText(f.Handle());
        EXPECT_EQ(::GetFocus(), f.ListBox1);
        Click(f.ButUp);  // nothing selected: nothing
        ::SendMessageA(f.ListBox1, LB_SETCURSEL, 0, 0);
        Click(f.ButUp);  // the first row stays
        ::SendMessageA(f.ListBox1, LB_SETCURSEL, 2, 0);
        Click(f.ButDown);  // the last row stays
        Click(f.ButUp);    // c above b
        EXPECT_EQ(f.Selected(), 1);
        ui.Answer = IDCANCEL;
        ::SendMessageA(f.ListBox1, WM_KEYDOWN, VK_DELETE, 0);  // asked, kept
        ui.Answer = IDOK;
        ::SendMessageA(f.ListBox1, LB_SETCURSEL, 0, 0);
        Click(f.ButDelete);  // a goes
        ::SendMessageA(f.ListBox1, LB_SETCURSEL, 1, 0);
        ::PostMessageA(f.ListBox1, WM_KEYDOWN, VK_RETURN, 0);  // Enter edits b, not OK
        PumpMessages();
        Click(f.ButNew);
        shown = ListRows(f.ListBox1);
        Click(f.ButOk);
    }));
    EXPECT_EQ(caption, "拡張子別ｱﾌﾟﾘｹｰｼｮﾝ");
    ASSERT_EQ(ui.Shown.size(), 2u);
    EXPECT_EQ(ui.Shown[0].Text, "c\nを削除してよろしいですか?");
    EXPECT_EQ(ui.Shown[1].Caption, "確認");
    ASSERT_EQ(ui.Entries.size(), 2u);
    EXPECT_EQ(ui.Entries[0].Caption + ui.Entries[0].Name + ui.Entries[0].Value, "編集b2");
    EXPECT_EQ(ui.Entries[1].Caption + ui.Entries[1].Name, "新規");
    EXPECT_EQ(family.Rows, (Rows{{"c", "3"}, {"b!", "v"}, {"new", "v"}}));
    EXPECT_EQ(shown, (Texts{"c　3", "b!　v", "new　v"}));

    // Cancel after deleting every row hands nothing back.
    EXPECT_FALSE(RunList(family, [&](TFrmList& f) {
        while (::SendMessageA(f.ListBox1, LB_GETCOUNT, 0, 0) > 0) {
            ::SendMessageA(f.ListBox1, LB_SETCURSEL, 0, 0);
            Click(f.ButDelete);
        }
        EXPECT_TRUE(f.Rows().empty());
        Click(f.ButCancel);
    }));
    EXPECT_EQ(family.Rows.size(), 3u);

    // A row wider than the list scrolls sideways.
    TFrmList wide(ui);
    wide.Load({"栞の編集", TFamilyKind::Go, {{"", "C:\\" + std::string(200, 'x')}}, {}});
    RECT client{};
    ::GetClientRect(wide.ListBox1, &client);
    EXPECT_GT(::SendMessageA(wide.ListBox1, LB_GETHORIZONTALEXTENT, 0, 0), client.right);
}

TEST_F(SettingsDialogs, ListEditorStaysOpenOnRowsTheStoreTakesForOne) {
    WinCollator collator;
    TSettings store{collator};
    store.LoadFromBytes("Popzip=,a,1\r\nPopZIP=,b,1\r\n");
    EXPECT_FALSE(EditFamily(store, TFamilyKind::Pop, {}, [&](TFamilyEdit& edit) {
        return RunList(edit, [](TFrmList& f) { Click(f.ButOk); });  // open until cancelled
    }));
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text + ui.Shown[0].Caption, "同じ名前の行があります: zip と ZIPｴﾗｰ");
}

class SettingsCommands : public WindowFixture<ScriptedUi> {
protected:
    std::unique_ptr<TFrmFile> Start(const std::string& extra) {
        return Open(ValidSettings() + extra, {dir.Path()});
    }
};

TEST_F(SettingsCommands, EachCommandEditsItsFamilyAndRebuildsWhatUsesIt) {
    auto form = Start("Msk1=*.txt\r\nGo1=Docs,C:\\Docs\r\nMaxFiles=200\r\n");
    const std::string before = form->Settings.SaveToBytes();
    // Cancel leaves every family as it was.
    for (const char* name :
         {"mnSetExt", "mnSetPopup", "mnSetBookmark", "mnSetMask", "mnSetMenusk", "mnSetEtc"})
        form->ClickMenu(name);
    EXPECT_EQ(form->Settings.SaveToBytes(), before);
    ASSERT_EQ(ui.Families.size(), 6u);
    EXPECT_EQ(ui.Families[2].Caption, "栞の編集");
    EXPECT_EQ(ui.Families[2].Rows, (Rows{{"Docs", "C:\\Docs"}}));
    EXPECT_FALSE(ui.Families[4].MenuRows.empty());

    ui.OnFamily = [&](TFamilyEdit& edit) {
        if (edit.Kind == TFamilyKind::Go) edit.Rows.push_back({"Temp", dir.Path()});
        if (edit.Kind == TFamilyKind::Msk) edit.Rows.push_back({"*.log", ""});
        if (edit.Kind == TFamilyKind::Other) edit.Rows = {{"MaxFiles", "7"}, {"Width", "wide"}};
        if (edit.Kind == TFamilyKind::Pop) edit.Rows = {{"一覧", ",cmd /c dir,2"}};
        if (edit.Kind == TFamilyKind::Menu) edit.Rows = {{"新規ﾀﾌﾞ", "Ctrl+Y"}};
        return true;
    };
    form->ClickMenu("mnSetPopup");
    const TMenuItem* command = FindItem(form->PopupMenu1, kPopupCommandName);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->Caption, "一覧");
    const int newTabKey = form->MenuItem("mnNewTab").ShortCut;
    form->ClickMenu("mnSetMenusk");
    EXPECT_NE(form->MenuItem("mnNewTab").ShortCut, newTabKey);
    form->ClickMenu("mnSetBookmark");
    EXPECT_EQ(form->Settings.Value("Go2"), "Temp," + dir.Path());
    EXPECT_EQ(form->MenuItem("B1").Items.back().Caption, "Temp");
    form->ClickMenu("mnSetMask");
    EXPECT_EQ(::SendMessageA(form->CmbMask, CB_GETCOUNT, 0, 0), 2);
    form->ClickMenu("mnSetEtc");
    EXPECT_EQ(form->MaxFilesValue, 7);
    EXPECT_EQ(form->Settings.Value("Width"), "640");
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_NE(ui.Shown[0].Text.find("Width"), std::string::npos);
}

}  // namespace
