// Every modal question and message of the main window goes through this interface, so that
// in-process tests can answer it; the real one shows the system's message boxes.
#pragma once

#include <windows.h>

#include <string>

// What the settings editors are given; the dialogs know them whole.
struct TFamilyEdit;
struct TEntryEdit;

class ModalUi {
public:
    virtual ~ModalUi() = default;
    // MessageBoxA semantics: flags are MB_*, the result IDOK, IDCANCEL ...
    virtual int Message(HWND owner, const std::string& text, const std::string& caption,
                        UINT flags) = 0;
    // The font dialog, starting from font and colour; true (and both changed) on OK.
    virtual bool ChooseFontDialog(HWND /*owner*/, LOGFONTA& /*font*/, COLORREF& /*colour*/) {
        return false;
    }
    // The colour dialog, starting from colour; true (and colour changed) on OK.
    virtual bool ChooseColourDialog(HWND /*owner*/, COLORREF& /*colour*/) { return false; }
    // The one-line input dialog with caption and font, starting from text (shown whole
    // selected); text gets what the box holds when it closes; true on OK.
    virtual bool InputText(HWND /*owner*/, const std::string& /*caption*/, HFONT /*font*/,
                           std::string& /*text*/) {
        return false;
    }
    // The list editor over one family's rows; true when the user confirmed the list, and
    // only then are edit.Rows changed.
    virtual bool EditFamilyRows(HWND /*owner*/, TFamilyEdit& /*edit*/) { return false; }
    // The entry editor for one row; true (and edit.Name, edit.Value changed) on OK.
    virtual bool EditEntry(HWND /*owner*/, TEntryEdit& /*edit*/) { return false; }
    // The file-open dialog for an existing file; filter as "text|pattern|..." pairs. True
    // (and path the chosen file's full path) on OK.
    virtual bool OpenFileDialog(HWND /*owner*/, const std::string& /*filter*/,
                                std::string& /*path*/) {
        return false;
    }
};

// The application's standard error report: the error text under the caption "tabora".
void ShowErrorReport(ModalUi& ui, HWND owner, const std::string& text);
