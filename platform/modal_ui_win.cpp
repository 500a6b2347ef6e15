#include "platform/modal_ui_win.h"

#include <commdlg.h>

#include "dialogs/input_dialog_win.h"

SystemModalUi::SystemModalUi() = default;
SystemModalUi::~SystemModalUi() = default;

int SystemModalUi::Message(HWND owner, const std::string& text, const std::string& caption,
                           UINT flags) {
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

void ShowErrorReport(ModalUi& ui, HWND owner, const std::string& text) {
    ui.Message(owner, text, "tabora", MB_OK | MB_ICONERROR);
}

bool SystemModalUi::ChooseFontDialog(HWND owner, LOGFONTA& font, COLORREF& colour) {
    LOGFONTA chosen = font;
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &chosen;
    cf.rgbColors = colour;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    if (!::ChooseFontA(&cf)) return false;
    font = chosen;
    colour = cf.rgbColors;
    return true;
}

bool SystemModalUi::ChooseColourDialog(HWND owner, COLORREF& colour) {
    static COLORREF custom[16] = {};
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner;
    cc.rgbResult = colour;
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!::ChooseColorA(&cc)) return false;
    colour = cc.rgbResult;
    return true;
}

bool SystemModalUi::InputText(HWND owner, const std::string& caption, HFONT font,
                              std::string& text) {
    if (!input_) input_ = std::make_unique<TfrmInput>();
    return input_->Execute(owner, caption, font, text);
}
