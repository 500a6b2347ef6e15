// TFrmEdExt: the entry editor. One form serves every family: SetKind lays it out, LoadEntry
// fills it, and OK checks the fields before the row is taken. For commands it offers the hint
// list (macros and the titles of open windows) and a file dialog for the program.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "dialogs/modal_form_win.h"
#include "dialogs/settings_edit.h"
#include "platform/unique_handle_win.h"

class ModalUi;

class TFrmEdExt final : public TModalForm {
public:
    // Messages and the file dialog go through ui.
    explicit TFrmEdExt(ModalUi& ui);

    // Lays the form out for edit's family and fills it from edit, then shows it modally over
    // owner. True on OK, with edit.Name and edit.Value the accepted row.
    bool Execute(HWND owner, TEntryEdit& edit);

    // The steps of Execute, for callers that look at the form between them.
    void SetKind(TFamilyKind kind, const std::vector<std::string>& menuRows);
    void LoadEntry(const TEntryEdit& edit);
    void ButOkClick();
    void btnHintClick();
    void ListBox1DblClick();
    void ButBrowseClick();
    // The row OK accepted.
    const TListRow& Accepted() const { return accepted_; }
    int ClientHeight() const;

    HWND LblName = nullptr, LblPeriod = nullptr, LblShortcut = nullptr, LblValue = nullptr;
    HWND LblExeHint = nullptr, LblOpenMode = nullptr;
    HWND EdtExt = nullptr, CmbShortcut = nullptr, EdtCmd = nullptr, ButBrowse = nullptr;
    HWND CmbOpenMode = nullptr, ButOk = nullptr, Button2 = nullptr, btnHint = nullptr;
    HWND ListBox1 = nullptr, CmbMenu = nullptr;

private:
    void OkClicked() override { ButOkClick(); }
    LRESULT FormMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
    void SetClientHeight(int height);
    // Every top-level window's title, in Z order, read as the hint list opens.
    std::vector<std::string> WindowTitles() const;

    ModalUi& ui_;
    TEntryEdit edit_;
    std::vector<std::string> hintRows_;  // what ListBox1 shows
    TListRow accepted_;
    UniqueFont font_;
    UniqueFont smallFont_;
};
