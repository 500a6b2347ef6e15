// The mask box: its list of saved masks, and listing when a mask is chosen from the list or
// Enter is pressed in it. Typing alone lists nothing.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/file1_win.h"
#include "listing/view_options.h"
#include "platform/text_win.h"
#include "platform/window_plumbing_win.h"

namespace {

constexpr UINT_PTR kMaskEditSubclass = 0x4D534B;  // 'MSK'

// The box is one line: a text with line breaks (set by another program, or put in by a
// replace) loses them, so the mask that is saved never spans lines. The subclass sees the
// edit's messages in the edit's own character set.
template <typename Char>
LRESULT WithoutLineBreaks(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    std::basic_string<Char> text;
    for (const Char* c = reinterpret_cast<const Char*>(lParam); *c; ++c)
        if (*c != Char('\r') && *c != Char('\n')) text += *c;
    return ::DefSubclassProc(hwnd, msg, wParam, reinterpret_cast<LPARAM>(text.c_str()));
}

// The edit inside the mask box sees Enter first; the combo box never tells its parent.
LRESULT CALLBACK MaskEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR data) {
    auto* form = reinterpret_cast<TFrmFile*>(data);
    try {
        if (msg == WM_KEYDOWN && wParam == VK_RETURN) {
            form->CmbMaskKeyDown(VK_RETURN);
            return 0;
        }
        // Esc first closes an open drop-down list, as the box does by itself.
        const bool dropped = ::SendMessageA(::GetParent(hwnd), CB_GETDROPPEDSTATE, 0, 0) != 0;
        if (msg == WM_KEYDOWN && !(dropped && wParam == VK_ESCAPE) &&
            form->MoveFocusByKey(FocusStop::MaskBox, static_cast<int>(wParam)))
            return 0;
        // No beep for the keys used above.
        if (msg == WM_CHAR && (wParam == '\r' || wParam == '\n' || wParam == '\t' ||
                               (wParam == VK_ESCAPE && !dropped)))
            return 0;
        if ((msg == WM_SETTEXT || msg == EM_REPLACESEL) && lParam) {
            return ::IsWindowUnicode(hwnd) ? WithoutLineBreaks<wchar_t>(hwnd, msg, wParam, lParam)
                                           : WithoutLineBreaks<char>(hwnd, msg, wParam, lParam);
        }
    } catch (...) {
        ShowErrorReport(form->Ui, form->Handle(), CurrentErrorText());
        return 0;
    }
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND TFrmFile::CmbMaskEdit() const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return ::GetComboBoxInfo(CmbMask, &info) ? info.hwndItem : nullptr;
}

void TFrmFile::HookMaskBox() {
    if (HWND edit = CmbMaskEdit())
        subclasses_.emplace_back(edit, &MaskEditProc, kMaskEditSubclass,
                                 reinterpret_cast<DWORD_PTR>(this));
}

void TFrmFile::FillMaskBox() {
    // Emptying the list empties the box's text too, and that text is the mask in use.
    std::string text = WindowText(CmbMask);
    ::SendMessageA(CmbMask, CB_RESETCONTENT, 0, 0);
    for (const std::string& mask : MaskList(Settings))
        ::SendMessageA(CmbMask, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(mask.c_str()));
    ::SetWindowTextA(CmbMask, text.c_str());
}

void TFrmFile::mnMaskClick() { ::SetFocus(CmbMask); }

void TFrmFile::CmbMaskChange() {
    // The box tells of the choice before it copies the item into its text.
    LRESULT chosen = ::SendMessageA(CmbMask, CB_GETCURSEL, 0, 0);
    if (chosen == CB_ERR) return;
    LRESULT length = ::SendMessageA(CmbMask, CB_GETLBTEXTLEN, chosen, 0);
    if (length == CB_ERR) return;
    std::string mask(static_cast<std::size_t>(length) + 1, '\0');
    length = ::SendMessageA(CmbMask, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(mask.data()));
    mask.resize(length == CB_ERR ? 0 : static_cast<std::size_t>(length));
    ::SetWindowTextA(CmbMask, mask.c_str());
    maskBeforeEdit_ = mask;
    ListFolder(CurrentSlot());
}

void TFrmFile::CmbMaskKeyDown(int key) {
    if (key != VK_RETURN) return;
    // The mask is in use: the list shows it and takes the keys back.
    maskBeforeEdit_ = WindowText(CmbMask);
    ListFolder(CurrentSlot());
    ::SetFocus(ListView1);
}
