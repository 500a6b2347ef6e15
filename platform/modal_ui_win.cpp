#include "platform/modal_ui_win.h"

int SystemModalUi::Message(HWND owner, const std::string& text, const std::string& caption,
                           UINT flags) {
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

void ShowErrorReport(ModalUi& ui, HWND owner, const std::string& text) {
    ui.Message(owner, text, "tabora", MB_OK | MB_ICONERROR);
}
