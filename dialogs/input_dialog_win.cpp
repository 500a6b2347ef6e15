#include "dialogs/input_dialog_win.h"

#include <algorithm>
#include <stdexcept>

#include "platform/text_win.h"

namespace {

constexpr const char* kInputClass = "TfrmInput";
constexpr int kEditId = 100;
constexpr int kMargin = 4;
constexpr int kEditMinWidth = 161;
constexpr int kEditMinHeight = 20;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

void RegisterInputClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ::DefWindowProcA;  // replaced per window by the instance's procedure
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kInputClass;
    if (!::RegisterClassExA(&wc)) throw std::runtime_error("入力ﾀﾞｲｱﾛｸﾞを登録できません");
    registered = true;
}

HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int id, DWORD exStyle = 0) {
    HWND hwnd = ::CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0,
                                  0, 0, 0, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) throw std::runtime_error("入力ﾀﾞｲｱﾛｸﾞを作成できません");
    return hwnd;
}

}  // namespace

TfrmInput::TfrmInput() {
    RegisterInputClass();
    hwnd_ = ::CreateWindowExA(kExStyle, kInputClass, "input", kStyle, 0, 0, 180, 80, nullptr,
                              nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) throw std::runtime_error("入力ﾀﾞｲｱﾛｸﾞを作成できません");
    ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TfrmInput::WndProc));
    edtInput = Child(hwnd_, "EDIT", "", ES_AUTOHSCROLL, kEditId, WS_EX_CLIENTEDGE);
    btnOk = Child(hwnd_, "BUTTON", "OK", BS_DEFPUSHBUTTON, IDOK);
    btnCancel = Child(hwnd_, "BUTTON", "ｷｬﾝｾﾙ", BS_PUSHBUTTON, IDCANCEL);
}

TfrmInput::~TfrmInput() {
    if (hwnd_) {
        ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
}

void TfrmInput::Layout(HFONT font) {
    if (!font) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    for (HWND control : {edtInput, btnOk, btnCancel})
        ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The boxes grow with the font, never below their designed size.
    TEXTMETRICA tm{};
    HDC dc = ::GetDC(hwnd_);
    HGDIOBJ old = ::SelectObject(dc, font);
    ::GetTextMetricsA(dc, &tm);
    ::SelectObject(dc, old);
    ::ReleaseDC(hwnd_, dc);
    const int editHeight = std::max<int>(kEditMinHeight, tm.tmHeight + 8);
    const int editWidth = std::max<int>(kEditMinWidth, tm.tmAveCharWidth * 28);
    const int buttonWidth = std::max<int>(64, tm.tmAveCharWidth * 10);
    const int buttonHeight = editHeight + 2;
    const int clientWidth = editWidth + 2 * kMargin;
    const int clientHeight = 3 * kMargin + editHeight + buttonHeight;
    ::MoveWindow(edtInput, kMargin, kMargin, editWidth, editHeight, TRUE);
    const int buttonTop = 2 * kMargin + editHeight;
    ::MoveWindow(btnCancel, clientWidth - kMargin - buttonWidth, buttonTop, buttonWidth,
                 buttonHeight, TRUE);
    ::MoveWindow(btnOk, clientWidth - 2 * kMargin - 2 * buttonWidth, buttonTop, buttonWidth,
                 buttonHeight, TRUE);

    RECT frame{0, 0, clientWidth, clientHeight};
    ::AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    ::SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - width) / 2,
                   work.top + (work.bottom - work.top - height) / 2, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TfrmInput::Execute(HWND owner, const std::string& caption, HFONT font, std::string& text) {
    if (running_) return false;  // one question at a time
    ::SetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    ::SetWindowTextA(hwnd_, caption.c_str());
    Layout(font);
    ::SetWindowTextA(edtInput, text.c_str());
    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner) ::EnableWindow(owner, FALSE);
    ::ShowWindow(hwnd_, SW_SHOW);
    ::SetForegroundWindow(hwnd_);
    ::SetFocus(edtInput);
    ::SendMessageA(edtInput, EM_SETSEL, 0, -1);

    result_ = 0;
    running_ = true;
    MSG msg{};
    while (result_ == 0) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The program is ending: leave the quit for the outer loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            result_ = IDCANCEL;
            break;
        }
        if (got == -1) continue;
        // Tab moves between the boxes; Enter answers OK, Esc Cancel.
        if (::IsDialogMessageA(hwnd_, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    running_ = false;
    // The owner first, so that it, not some other program, becomes active again.
    if (disableOwner) ::EnableWindow(owner, TRUE);
    ::ShowWindow(hwnd_, SW_HIDE);
    // The box keeps what was typed also after Cancel: the next question starts from it.
    text = WindowText(edtInput);
    return result_ == IDOK;
}

LRESULT CALLBACK TfrmInput::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TfrmInput*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self) {
        switch (msg) {
            case WM_COMMAND:
                if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                    if (self->running_) self->result_ = LOWORD(wParam);
                    return 0;
                }
                break;
            case DM_GETDEFID: return MAKELRESULT(IDOK, DC_HASDEFID);
            case WM_CLOSE:
                if (self->running_) self->result_ = IDCANCEL;
                return 0;
            case WM_ACTIVATE:
                // Coming back to the dialog puts the caret back into the box.
                if (LOWORD(wParam) != WA_INACTIVE && self->running_) {
                    ::SetFocus(self->edtInput);
                    return 0;
                }
                break;
            default: break;
        }
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}
