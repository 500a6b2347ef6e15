#include "platform/modal_ui_win.h"

void ShowErrorReport(ModalUi& ui, HWND owner, const std::string& text) {
    ui.Message(owner, text, "tabora", MB_OK | MB_ICONERROR);
}
