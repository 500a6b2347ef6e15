#include "dialogs/input_dialog_win.h"

#include <algorithm>

#include "platform/text_win.h"

namespace {

constexpr int kEditId = 100;
constexpr int kMargin = 4;
constexpr int kEditMinWidth = 161;
constexpr int kEditMinHeight = 20;

// The designed places; Layout fits them to the caller's font.
constexpr TControlDesign<TfrmInput> kDesign[] = {
    {&TfrmInput::edtInput, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 4, 4, 161, 20,
     kEditId},
    {&TfrmInput::btnOk, "BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 4, 28, 64, 22, IDOK},
    {&TfrmInput::btnCancel, "BUTTON", "ｷｬﾝｾﾙ", WS_TABSTOP | BS_PUSHBUTTON, 0, 72, 28, 64, 22,
     IDCANCEL},
};

}  // namespace

TfrmInput::TfrmInput()
    : TModalForm("TfrmInput", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                 WS_EX_DLGMODALFRAME) {
    ::SetWindowTextA(Handle(), "input");
    CreateControls<TfrmInput>(*this, kDesign);
}

void TfrmInput::Layout(HFONT font) {
    if (!font) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    SetFont(font);
    // The boxes grow with the font, never below their designed size.
    const TEXTMETRICA tm = Metrics(font);
    const int editHeight = std::max<int>(kEditMinHeight, tm.tmHeight + 8);
    const int editWidth = std::max<int>(kEditMinWidth, tm.tmAveCharWidth * 28);
    const int buttonWidth = std::max<int>(64, tm.tmAveCharWidth * 10);
    const int buttonHeight = editHeight + 2;
    const int clientWidth = editWidth + 2 * kMargin;
    const int clientHeight = 3 * kMargin + editHeight + buttonHeight;
    ::MoveWindow(edtInput, kMargin, kMargin, editWidth, editHeight, TRUE);
    const int buttonTop = 2 * kMargin + editHeight;
    ::MoveWindow(btnCancel, clientWidth - kMargin - buttonWidth, buttonTop, buttonWidth,
                 buttonHeight, TRUE);
    ::MoveWindow(btnOk, clientWidth - 2 * kMargin - 2 * buttonWidth, buttonTop, buttonWidth,
                 buttonHeight, TRUE);
    SetClientSizeCentred(clientWidth, clientHeight);
}

bool TfrmInput::Execute(HWND owner, const std::string& caption, HFONT font, std::string& text) {
    if (Running()) return false;  // one question at a time
    ::SetWindowTextA(Handle(), caption.c_str());
    Layout(font);
    ::SetWindowTextA(edtInput, text.c_str());
    ::SendMessageA(edtInput, EM_SETSEL, 0, -1);
    const int result = ShowModal(owner, edtInput);
    // The box keeps what was typed also after Cancel: the next question starts from it.
    text = WindowText(edtInput);
    return result == IDOK;
}
