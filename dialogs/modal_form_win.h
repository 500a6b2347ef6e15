// TModalForm: the base of the program's own dialogs. A form registers its window class once,
// creates its children from a design table (table order is Tab order) and runs its own modal
// loop: the owner is disabled meanwhile, Tab moves between the controls, Enter answers OK and
// Esc or the close box Cancel.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "platform/unique_handle_win.h"
#include "platform/window_plumbing_win.h"

// One child of a form's design: created WS_CHILD | WS_VISIBLE plus Style, its handle kept in
// Member of the form.
template <class Form>
struct TControlDesign {
    HWND Form::*Member;
    const char* Class;
    const char* Caption;
    DWORD Style;
    DWORD ExStyle;
    int Left, Top, Width, Height;
    int Id;
};

class TModalForm : private WindowObject {
public:
    TModalForm(const char* className, DWORD style, DWORD exStyle);
    virtual ~TModalForm();
    TModalForm(const TModalForm&) = delete;
    TModalForm& operator=(const TModalForm&) = delete;

    HWND Handle() const { return hwnd_.get(); }
    bool Running() const { return running_; }

    // Shows the form modally over owner with the keys in focus; returns IDOK or IDCANCEL.
    // A second call while the form is already showing answers IDCANCEL at once.
    int ShowModal(HWND owner, HWND focus);
    // Ends the modal loop with result (IDOK or IDCANCEL).
    void Close(int result);

protected:
    // The children of design, in order (the Tab order), each handle in its member of form.
    template <class Form>
    void CreateControls(Form& form, std::span<const TControlDesign<Form>> design) {
        for (const TControlDesign<Form>& d : design)
            form.*(d.Member) = CreateControl(d.Class, d.Caption, d.Style, d.ExStyle,
                                             {d.Left, d.Top, d.Width, d.Height}, d.Id);
    }
    HWND CreateControl(const char* cls, const char* caption, DWORD style, DWORD exStyle, RECT place,
                       int id);
    // Sets font on every child.
    void SetFont(HFONT font);
    // The metrics of font (the default GUI font when null) on this form's screen.
    TEXTMETRICA Metrics(HFONT font) const;
    // Resizes the frame around a client area of width × height, centred on the work area.
    void SetClientSizeCentred(int width, int height);

    // OK was chosen (button or Enter); a form that checks its fields overrides this and
    // stays open by not calling Close.
    virtual void OkClicked() { Close(IDOK); }
    // The control that gets the keys when the form becomes active again; by default the one
    // that had them when it was left.
    virtual HWND ActivationFocus() const { return lastFocus_; }
    // Messages of the form itself; handled = true keeps them from the default handling.
    virtual LRESULT FormMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                                bool& /*handled*/) {
        return 0;
    }

private:
    LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void ReportError(HWND hwnd, const std::string& text) override;
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    UniqueWindow hwnd_;
    DWORD style_;
    DWORD exStyle_;
    HWND lastFocus_ = nullptr;
    int result_ = 0;  // IDOK or IDCANCEL once the form is answered
    bool running_ = false;
};
