// The real modal questions: the system's message boxes and common dialogs, and the program's
// own input box and settings editors.
#pragma once

#include <memory>

#include "dialogs/settings_edit.h"
#include "platform/modal_ui_win.h"

class TfrmInput;

class SystemModalUi final : public ModalUi {
public:
    SystemModalUi();
    ~SystemModalUi() override;
    int Message(HWND owner, const std::string& text, const std::string& caption,
                UINT flags) override;
    bool ChooseFontDialog(HWND owner, LOGFONTA& font, COLORREF& colour) override;
    bool ChooseColourDialog(HWND owner, COLORREF& colour) override;
    bool InputText(HWND owner, const std::string& caption, HFONT font, std::string& text) override;
    // The list editor, whose New and Edit come back here for the entry editor.
    bool EditFamilyRows(HWND owner, TFamilyEdit& edit) override;
    bool EditEntry(HWND owner, TEntryEdit& edit) override;
    bool OpenFileDialog(HWND owner, const std::string& filter, std::string& path) override;

private:
    std::unique_ptr<TfrmInput> input_;  // made at its first use, kept for the whole run
};
