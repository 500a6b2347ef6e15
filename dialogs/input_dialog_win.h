// TfrmInput: the small one-line input dialog. One instance serves the whole run; each caller
// sets the caption and the font, and the text starts out whole-selected so typing replaces it.
#pragma once

#include <windows.h>

#include <string>

#include "dialogs/modal_form_win.h"

class TfrmInput final : public TModalForm {
public:
    TfrmInput();

    // Shows the dialog modally over owner (which is disabled meanwhile), starting from text.
    // Enter or OK: true and text is what was typed; Esc, Cancel or the close box: false and
    // text stays as it was.
    bool Execute(HWND owner, const std::string& caption, HFONT font, std::string& text);

    HWND edtInput = nullptr;
    HWND btnOk = nullptr;
    HWND btnCancel = nullptr;

private:
    // The caret always goes back into the box.
    HWND ActivationFocus() const override { return edtInput; }
    void Layout(HFONT font);
};
