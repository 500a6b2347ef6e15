#include "dialogs/list_dialog_win.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>

#include "dialogs/family_edit.h"
#include "platform/dc_win.h"
#include "platform/design_font_win.h"
#include "platform/modal_ui_win.h"

namespace {

enum : int {
    kListId = 100,
    kUpId,
    kDownId,
    kNewId,
    kEditId,
    kDeleteId,
};

constexpr int kWidth = 242;
constexpr int kHeight = 282;
constexpr int kPanelWidth = 65;
constexpr int kButtonWidth = 55;
constexpr int kButtonHeight = 25;
constexpr UINT_PTR kListSubclass = 1;

constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;

// The list, then the panel's buttons from the top; Layout places them.
constexpr TControlDesign<TFrmList> kDesign[] = {
    {&TFrmList::ListBox1, "LISTBOX", "",
     WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, 0,
     0, 177, 248, kListId},
    {&TFrmList::ButUp, "BUTTON", "上へ(&U)", kButton, 0, 0, 0, kButtonWidth, kButtonHeight, kUpId},
    {&TFrmList::ButDown, "BUTTON", "下へ(&B)", kButton, 0, 0, 0, kButtonWidth, kButtonHeight,
     kDownId},
    {&TFrmList::ButNew, "BUTTON", "新規(&N)", kButton, 0, 0, 0, kButtonWidth, kButtonHeight,
     kNewId},
    {&TFrmList::ButEdit, "BUTTON", "編集(&E)", kButton, 0, 0, 0, kButtonWidth, kButtonHeight,
     kEditId},
    {&TFrmList::ButDelete, "BUTTON", "削除(&D)", kButton, 0, 0, 0, kButtonWidth, kButtonHeight,
     kDeleteId},
    {&TFrmList::ButOk, "BUTTON", "&OK", kButton, 0, 0, 0, kButtonWidth, kButtonHeight, IDOK},
    {&TFrmList::ButCancel, "BUTTON", "&Cancel", kButton, 0, 0, 0, kButtonWidth, kButtonHeight,
     IDCANCEL},
};

// Top of each button in the panel: five together, then after a gap OK and Cancel.
constexpr int kButtonTops[] = {6, 34, 62, 90, 118, 166, 194};

void SetListRow(HWND list, int index, const TListRow& row) {
    ::SendMessageA(list, LB_DELETESTRING, index, 0);
    ::SendMessageA(list, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(RowText(row).c_str()));
}

}  // namespace

TFrmList::TFrmList(ModalUi& ui)
    : TModalForm(
          "TFrmList",
          WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN,
          WS_EX_TOOLWINDOW),
      ui_(ui) {
    CreateControls<TFrmList>(*this, kDesign);
    font_.reset(CreateDesignFont());
    SetFont(font_.get());
    // Enter and Delete are the list's own keys.
    ::SetWindowSubclass(ListBox1, &TFrmList::ListProc, kListSubclass,
                        reinterpret_cast<DWORD_PTR>(this));
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    ::SetWindowPos(Handle(), nullptr, work.left + (work.right - work.left - kWidth) / 2,
                   work.top + (work.bottom - work.top - kHeight) / 2, kWidth, kHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
}

void TFrmList::Layout() {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const int panelLeft = client.right - kPanelWidth;
    ::MoveWindow(ListBox1, 0, 0, panelLeft > 0 ? panelLeft : 0, client.bottom, TRUE);
    const HWND buttons[] = {ButUp, ButDown, ButNew, ButEdit, ButDelete, ButOk, ButCancel};
    for (int i = 0; i < 7; ++i)
        ::MoveWindow(buttons[i], panelLeft + (kPanelWidth - kButtonWidth) / 2, kButtonTops[i],
                     kButtonWidth, kButtonHeight, TRUE);
}

void TFrmList::Load(const TFamilyEdit& edit) {
    family_ = edit;
    ::SetWindowTextA(Handle(), edit.Caption.c_str());
    ::SendMessageA(ListBox1, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(ListBox1, LB_RESETCONTENT, 0, 0);
    for (const TListRow& row : family_.Rows)
        ::SendMessageA(ListBox1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(RowText(row).c_str()));
    ::SendMessageA(ListBox1, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(ListBox1, nullptr, TRUE);
    FitScrollWidth();
}

void TFrmList::FitScrollWidth() {
    // Long folders and commands scroll sideways instead of being cut at the buttons.
    WindowDc dc(ListBox1);
    dc.Select(font_.get());
    int widest = 0;
    for (const TListRow& row : family_.Rows) {
        const std::string text = RowText(row);
        SIZE size{};
        ::GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
        widest = std::max<int>(widest, size.cx);
    }
    ::SendMessageA(ListBox1, LB_SETHORIZONTALEXTENT, widest + 8, 0);
}

bool TFrmList::Execute(HWND owner, TFamilyEdit& edit) {
    Load(edit);
    if (ShowModal(owner, ListBox1) != IDOK) return false;
    edit.Rows = family_.Rows;
    return true;
}

int TFrmList::Selected() const {
    return static_cast<int>(::SendMessageA(ListBox1, LB_GETCURSEL, 0, 0));
}

void TFrmList::SelectRow(int index) { ::SendMessageA(ListBox1, LB_SETCURSEL, index, 0); }

void TFrmList::ButUpClick() {
    const int from = Selected();
    const int to = MoveRowUp(family_.Rows, from);
    if (to == from) return;
    SetListRow(ListBox1, to, family_.Rows[to]);
    SetListRow(ListBox1, from, family_.Rows[from]);
    SelectRow(to);
}

void TFrmList::ButDownClick() {
    const int from = Selected();
    const int to = MoveRowDown(family_.Rows, from);
    if (to == from) return;
    SetListRow(ListBox1, to, family_.Rows[to]);
    SetListRow(ListBox1, from, family_.Rows[from]);
    SelectRow(to);
}

void TFrmList::ButNewClick() {
    TEntryEdit entry = EntryForNew(family_);
    if (!ui_.EditEntry(Handle(), entry)) return;
    family_.Rows.push_back({entry.Name, entry.Value});
    ::SendMessageA(ListBox1, LB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(RowText(family_.Rows.back()).c_str()));
    FitScrollWidth();
}

void TFrmList::ButEditClick() {
    const int index = Selected();
    std::optional<TEntryEdit> entry = EntryForRow(family_, index);
    if (!entry || !ui_.EditEntry(Handle(), *entry)) return;
    family_.Rows[index] = {entry->Name, entry->Value};
    SetListRow(ListBox1, index, family_.Rows[index]);
    SelectRow(index);
    FitScrollWidth();
}

void TFrmList::ButDeleteClick() {
    const int index = Selected();
    if (index < 0 || index >= static_cast<int>(family_.Rows.size())) return;
    if (ui_.Message(Handle(), DeleteRowQuestion(family_.Rows[index]), "確認",
                    MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    DeleteRow(family_.Rows, index);
    ::SendMessageA(ListBox1, LB_DELETESTRING, index, 0);
}

void TFrmList::OkClicked() {
    // Rows the settings cannot take stay here, as they are, for the user to mend.
    const std::string refusal = family_.Refusal ? family_.Refusal(family_.Rows) : std::string();
    if (refusal.empty())
        Close(IDOK);
    else
        ui_.Message(Handle(), refusal, "ｴﾗｰ", MB_OK | MB_ICONERROR);
}

LRESULT TFrmList::FormMessage(UINT msg, WPARAM wParam, LPARAM, bool& handled) {
    if (msg == WM_SIZE) {
        Layout();
        return 0;
    }
    if (msg != WM_COMMAND) return 0;
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    handled = true;
    if (id == kListId && code == LBN_DBLCLK) {
        ButEditClick();
    } else if (code != BN_CLICKED) {
        handled = false;
    } else if (id == kUpId) {
        ButUpClick();
    } else if (id == kDownId) {
        ButDownClick();
    } else if (id == kNewId) {
        ButNewClick();
    } else if (id == kEditId) {
        ButEditClick();
    } else if (id == kDeleteId) {
        ButDeleteClick();
    } else {
        handled = false;
    }
    return 0;
}

LRESULT CALLBACK TFrmList::ListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR self) {
    // The keys reach the handlers through the form, whose procedure reports their errors.
    HWND form = reinterpret_cast<TFrmList*>(self)->Handle();
    if (msg == WM_GETDLGCODE && lParam) {
        // Enter edits the row instead of answering the dialog.
        const MSG* m = reinterpret_cast<const MSG*>(lParam);
        if (m->message == WM_KEYDOWN && m->wParam == VK_RETURN)
            return ::DefSubclassProc(hwnd, msg, wParam, lParam) | DLGC_WANTMESSAGE;
    }
    if (msg == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_DELETE)) {
        const int id = wParam == VK_RETURN ? kEditId : kDeleteId;
        ::SendMessageA(form, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        return 0;
    }
    if (msg == WM_NCDESTROY) ::RemoveWindowSubclass(hwnd, &TFrmList::ListProc, kListSubclass);
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
}
