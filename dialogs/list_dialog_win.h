// TFrmList: the list editor over the rows of one entry family. New and Edit open the entry
// editor through ModalUi, Delete asks through it; only OK hands the rows back.
#pragma once

#include <windows.h>

#include <vector>

#include "dialogs/modal_form_win.h"
#include "dialogs/settings_edit.h"
#include "platform/unique_handle_win.h"

class ModalUi;

class TFrmList final : public TModalForm {
public:
    explicit TFrmList(ModalUi& ui);

    // Shows edit's rows modally over owner; on OK true and edit.Rows the edited rows.
    bool Execute(HWND owner, TFamilyEdit& edit);

    // Fills the list from edit without showing it (Execute does this first).
    void Load(const TFamilyEdit& edit);
    const std::vector<TListRow>& Rows() const { return family_.Rows; }
    int Selected() const;
    void ButUpClick();
    void ButDownClick();
    void ButNewClick();
    void ButEditClick();
    void ButDeleteClick();

    HWND ListBox1 = nullptr;
    HWND ButUp = nullptr, ButDown = nullptr, ButNew = nullptr, ButEdit = nullptr;
    HWND ButDelete = nullptr, ButOk = nullptr, ButCancel = nullptr;

private:
    void OkClicked() override;
    LRESULT FormMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
    HWND ActivationFocus() const override { return ListBox1; }
    static LRESULT CALLBACK ListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
    void Layout();
    void SelectRow(int index);
    void FitScrollWidth();

    ModalUi& ui_;
    TFamilyEdit family_;
    UniqueFont font_;
};
