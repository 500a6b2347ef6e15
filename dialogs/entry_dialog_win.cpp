#include "dialogs/entry_dialog_win.h"

#include <string_view>

#include "app/sjis.h"
#include "dialogs/entry_edit.h"
#include "platform/design_font_win.h"
#include "platform/modal_ui_win.h"
#include "platform/text_win.h"

namespace {

enum : int {
    kBrowseId = 101,
    kHintId,
    kListId,
    kMenuId,
};

constexpr int kClientWidth = 384;
constexpr int kClosedHeight = 102;
constexpr int kOpenHeight = 264;
constexpr int kTitleBuffer = 200;

constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL;

// The design; table order is Tab order, the labels ahead of it.
// clang-format off
constexpr TControlDesign<TFrmEdExt> kDesign[] = {
    {&TFrmEdExt::LblName, "STATIC", "", kLabel, 0, 7, 9, 41, 13, 0},
    {&TFrmEdExt::LblPeriod, "STATIC", "(ﾋﾟﾘｵﾄﾞなし)", kLabel, 0, 112, 9, 80, 13, 0},
    {&TFrmEdExt::LblShortcut, "STATIC", "ｼｮｰﾄｶｯﾄ ", kLabel, 0, 205, 8, 55, 13, 0},
    {&TFrmEdExt::LblValue, "STATIC", "", kLabel, 0, 8, 33, 40, 13, 0},
    {&TFrmEdExt::LblExeHint, "STATIC", "(EXEﾌｧｲﾙか開くｱﾌﾟﾘｹｰｼｮﾝのﾀｲﾄﾙﾊﾞｰを入力します。)", kLabel, 0, 52, 53, 300, 13, 0},
    {&TFrmEdExt::LblOpenMode, "STATIC", "開き方", kLabel, 0, 8, 67, 38, 13, 0},
    {&TFrmEdExt::EdtExt, "EDIT", "", kEdit, WS_EX_CLIENTEDGE, 49, 4, 56, 20, 0},
    {&TFrmEdExt::CmbShortcut, "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, 261, 4, 85, 240, 0},
    {&TFrmEdExt::EdtCmd, "EDIT", "", kEdit, WS_EX_CLIENTEDGE, 49, 29, 296, 20, 0},
    {&TFrmEdExt::ButBrowse, "BUTTON", "...", WS_TABSTOP | BS_PUSHBUTTON, 0, 348, 28, 27, 21, kBrowseId},
    {&TFrmEdExt::CmbOpenMode, "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 48, 64, 105, 120, 0},
    {&TFrmEdExt::ButOk, "BUTTON", "&OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 262, 74, 55, 23, IDOK},
    {&TFrmEdExt::Button2, "BUTTON", "&Cancel", WS_TABSTOP | BS_PUSHBUTTON, 0, 324, 74, 55, 23, IDCANCEL},
    {&TFrmEdExt::btnHint, "BUTTON", "▼ﾋﾝﾄ", WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 86, 51, 16, kHintId},
    {&TFrmEdExt::ListBox1, "LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE,
     0, 104, 385, 161, kListId},
    // 12 rows drop down.
    {&TFrmEdExt::CmbMenu, "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 48, 4, 149, 20 + 12 * 14, kMenuId},
};
// clang-format on

const char* const kShortcutItems[] = {"Ctrl+",     "Shift+", "Alt+", "Shift+Ctrl+", "Shift+Alt+",
                                      "Ctrl+Alt+", "F4",     "F6",   "F7",          "F8",
                                      "F9",        "F10",    "F11",  "F12",         "(なし)"};
const char* const kOpenModeItems[] = {"個々に開く", "1つのｺﾏﾝﾄﾞﾗｲﾝ", "起動後ﾄﾞﾗｯｸﾞ"};

void Show(HWND control, bool shown) { ::ShowWindow(control, shown ? SW_SHOWNA : SW_HIDE); }

void AddItems(HWND combo, const std::vector<std::string>& items) {
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items)
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

}  // namespace

TFrmEdExt::TFrmEdExt(ModalUi& ui)
    : TModalForm("TFrmEdExt", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                 WS_EX_DLGMODALFRAME),
      ui_(ui) {
    CreateControls<TFrmEdExt>(*this, kDesign);
    font_.reset(CreateDesignFont(12));
    smallFont_.reset(CreateDesignFont(11));
    SetFont(font_.get());
    for (HWND small : {LblPeriod, LblExeHint, btnHint})
        ::SendMessageA(small, WM_SETFONT, reinterpret_cast<WPARAM>(smallFont_.get()), FALSE);
    AddItems(CmbShortcut, {std::begin(kShortcutItems), std::end(kShortcutItems)});
    AddItems(CmbOpenMode, {std::begin(kOpenModeItems), std::end(kOpenModeItems)});
    SetClientSizeCentred(kClientWidth, kClosedHeight);
}

void TFrmEdExt::SetKind(TFamilyKind kind, const std::vector<std::string>& menuRows) {
    const TEntryLayout& layout = EntryLayout(kind);
    edit_.Kind = kind;
    edit_.MenuRows = menuRows;
    ::SetWindowTextA(LblName, layout.NameLabel);
    RECT name{};
    ::GetWindowRect(EdtExt, &name);
    ::SetWindowPos(EdtExt, nullptr, 0, 0, layout.NameWidth, name.bottom - name.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The menu box lies over the name field, which takes the chosen caption on OK.
    Show(EdtExt, !layout.Menu);
    Show(CmbMenu, layout.Menu);
    Show(LblPeriod, layout.Period);
    Show(LblShortcut, layout.Shortcut);
    Show(CmbShortcut, layout.Shortcut);
    ::SetWindowTextA(LblValue, layout.ValueLabel ? layout.ValueLabel : "");
    Show(LblValue, layout.ValueLabel != nullptr);
    Show(EdtCmd, layout.Command);
    Show(ButBrowse, layout.Browse);
    Show(LblExeHint, layout.ExeHint);
    Show(LblOpenMode, layout.OpenMode);
    Show(CmbOpenMode, layout.OpenMode);
    Show(btnHint, layout.Hint);
    if (layout.Menu) AddItems(CmbMenu, menuRows);
}

void TFrmEdExt::LoadEntry(const TEntryEdit& edit) {
    edit_.Caption = edit.Caption;
    edit_.Name = edit.Name;
    edit_.Value = edit.Value;
    ::SetWindowTextA(Handle(), edit.Caption.c_str());
    SetClientHeight(kClosedHeight);
    Show(ListBox1, false);
    const TEntryFields fields = ::LoadEntry(edit_);
    ::SetWindowTextA(EdtExt, fields.Name.c_str());
    ::SetWindowTextA(CmbShortcut, fields.Shortcut.c_str());
    ::SendMessageA(CmbOpenMode, CB_SETCURSEL, fields.OpenMode, 0);
    ::SendMessageA(CmbMenu, CB_SETCURSEL, fields.MenuIndex, 0);
    ::SetWindowTextA(EdtCmd, fields.Command.c_str());
    if (edit_.Kind == TFamilyKind::Other) Show(ButBrowse, BrowseShown(edit_.Kind, edit.Name));
}

bool TFrmEdExt::Execute(HWND owner, TEntryEdit& edit) {
    SetKind(edit.Kind, edit.MenuRows);
    LoadEntry(edit);
    HWND focus = EntryLayout(edit.Kind).Menu ? CmbMenu : EdtExt;
    const int result = ShowModal(owner, focus);
    ::SendMessageA(ListBox1, LB_RESETCONTENT, 0, 0);
    if (result != IDOK) return false;
    edit.Name = accepted_.Name;
    edit.Value = accepted_.Value;
    return true;
}

void TFrmEdExt::ButOkClick() {
    TEntryFields fields;
    fields.Name = WindowText(EdtExt);
    fields.MenuIndex = static_cast<int>(::SendMessageA(CmbMenu, CB_GETCURSEL, 0, 0));
    fields.Shortcut = WindowText(CmbShortcut);
    fields.Command = WindowText(EdtCmd);
    fields.OpenMode = static_cast<int>(::SendMessageA(CmbOpenMode, CB_GETCURSEL, 0, 0));
    const TEntryCheck check = CheckEntry(edit_, fields);
    if (!check.Message.empty()) {
        ui_.Message(Handle(), check.Message, kEntryErrorCaption, MB_OK | MB_ICONERROR);
        return;
    }
    if (EntryLayout(edit_.Kind).Menu) {
        ::SetWindowTextA(EdtExt, check.Row.Name.c_str());
        ::SetWindowTextA(EdtCmd, check.Row.Value.c_str());
    }
    accepted_ = check.Row;
    Close(IDOK);
}

int TFrmEdExt::ClientHeight() const {
    RECT r{};
    ::GetClientRect(Handle(), &r);
    return r.bottom - r.top;
}

void TFrmEdExt::SetClientHeight(int height) {
    RECT frame{0, 0, kClientWidth, height};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrA(Handle(), GWL_STYLE)),
                         FALSE, static_cast<DWORD>(::GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
    ::SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<std::string> TFrmEdExt::WindowTitles() const {
    std::vector<std::string> titles;
    for (HWND w = ::GetWindow(Handle(), GW_HWNDFIRST); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        char title[kTitleBuffer] = {};
        if (::GetWindowTextA(w, title, kTitleBuffer) > 0) titles.emplace_back(title);
    }
    return titles;
}

void TFrmEdExt::btnHintClick() {
    if (::IsWindowVisible(ListBox1)) {
        Show(ListBox1, false);
        SetClientHeight(kClosedHeight);
        return;
    }
    SetClientHeight(kOpenHeight);
    hintRows_ = HintRows(
        edit_.Kind, edit_.Kind == TFamilyKind::Other ? std::vector<std::string>{} : WindowTitles());
    ::SendMessageA(ListBox1, LB_RESETCONTENT, 0, 0);
    for (const std::string& row : hintRows_)
        ::SendMessageA(ListBox1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    Show(ListBox1, true);
}

void TFrmEdExt::ListBox1DblClick() {
    const int index = static_cast<int>(::SendMessageA(ListBox1, LB_GETCURSEL, 0, 0));
    DWORD selStart = 0, selEnd = 0;
    ::SendMessageA(EdtCmd, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
                   reinterpret_cast<LPARAM>(&selEnd));
    const std::string command = WindowText(EdtCmd);
    const THintPick pick =
        HintPick(edit_.Kind, hintRows_, index, command, sjis::ByteOffset(command, selStart),
                 sjis::ByteOffset(command, selEnd));
    if (!pick.Changed) return;
    ::SetWindowTextA(EdtCmd, pick.Command.c_str());
    const std::size_t caret = sjis::CharOffset(pick.Command, pick.Caret);
    ::SendMessageA(EdtCmd, EM_SETSEL, caret, caret);
}

void TFrmEdExt::ButBrowseClick() {
    std::string path;
    if (ui_.OpenFileDialog(Handle(), "*.exe|*.exe", path)) ::SetWindowTextA(EdtCmd, path.c_str());
}

LRESULT TFrmEdExt::FormMessage(UINT msg, WPARAM wParam, LPARAM, bool& handled) {
    if (msg != WM_COMMAND) return 0;
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == kBrowseId && code == BN_CLICKED) {
        ButBrowseClick();
    } else if (id == kHintId && code == BN_CLICKED) {
        btnHintClick();
    } else if (id == kListId && code == LBN_DBLCLK) {
        ListBox1DblClick();
    } else {
        return 0;
    }
    handled = true;
    return 0;
}
