// TfrmInput: the small one-line input dialog. One instance serves the whole run; each caller
// sets the caption and the font, and the text starts out whole-selected so typing replaces it.
#pragma once

#include <windows.h>

#include <string>

class TfrmInput {
public:
    TfrmInput();
    ~TfrmInput();
    TfrmInput(const TfrmInput&) = delete;
    TfrmInput& operator=(const TfrmInput&) = delete;

    // Shows the dialog modally over owner (which is disabled meanwhile), starting from text.
    // Enter or OK: true and text is what was typed; Esc, Cancel or the close box: false and
    // text stays as it was.
    bool Execute(HWND owner, const std::string& caption, HFONT font, std::string& text);

    HWND Handle() const { return hwnd_; }
    HWND edtInput = nullptr;
    HWND btnOk = nullptr;
    HWND btnCancel = nullptr;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Layout(HFONT font);

    HWND hwnd_ = nullptr;
    int result_ = 0;  // IDOK or IDCANCEL once the dialog is answered
    bool running_ = false;
};
