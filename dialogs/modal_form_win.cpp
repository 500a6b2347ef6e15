#include "dialogs/modal_form_win.h"

#include <stdexcept>
#include <string>

#include "platform/dc_win.h"
#include "platform/window_plumbing_win.h"

TModalForm::TModalForm(const char* className, DWORD style, DWORD exStyle)
    : style_(style), exStyle_(exStyle | WS_EX_CONTROLPARENT) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &WindowObjectProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    RegisterClassOnce(wc);
    HWND hwnd = ::CreateWindowExA(exStyle_, className, "", style_, 0, 0, 100, 100, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), static_cast<WindowObject*>(this));
    if (!hwnd) throw std::runtime_error(std::string("ﾀﾞｲｱﾛｸﾞを作成できません: ") + className);
    hwnd_.reset(hwnd);
}

TModalForm::~TModalForm() {
    // No message of the dying window reaches a half-destroyed form.
    if (hwnd_) DetachWindowObject(hwnd_.get());
}

HWND TModalForm::CreateControl(const char* cls, const char* caption, DWORD style, DWORD exStyle,
                               RECT place, int id) {
    // place holds left, top, width and height.
    HWND child = ::CreateWindowExA(exStyle, cls, caption, WS_CHILD | WS_VISIBLE | style, place.left,
                                   place.top, place.right, place.bottom, hwnd_.get(),
                                   reinterpret_cast<HMENU>(INT_PTR(id)),
                                   ::GetModuleHandleA(nullptr), nullptr);
    if (!child) throw std::runtime_error(std::string("ｺﾝﾄﾛｰﾙを作成できません: ") + cls);
    return child;
}

void TModalForm::SetFont(HFONT font) {
    for (HWND child = ::GetWindow(hwnd_.get(), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT))
        ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

TEXTMETRICA TModalForm::Metrics(HFONT font) const {
    if (!font) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm{};
    WindowDc dc(hwnd_.get());
    dc.Select(font);
    ::GetTextMetricsA(dc.get(), &tm);
    return tm;
}

void TModalForm::SetClientSizeCentred(int width, int height) {
    RECT frame{0, 0, width, height};
    ::AdjustWindowRectEx(&frame, style_, FALSE, exStyle_);
    const int w = frame.right - frame.left;
    const int h = frame.bottom - frame.top;
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    ::SetWindowPos(hwnd_.get(), nullptr, work.left + (work.right - work.left - w) / 2,
                   work.top + (work.bottom - work.top - h) / 2, w, h,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

int TModalForm::ShowModal(HWND owner, HWND focus) {
    if (running_) return IDCANCEL;  // one question at a time
    HWND hwnd = hwnd_.get();
    ::SetWindowLongPtrA(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner) ::EnableWindow(owner, FALSE);
    lastFocus_ = focus;
    result_ = 0;
    running_ = true;
    ::ShowWindow(hwnd, SW_SHOW);
    ::SetForegroundWindow(hwnd);
    if (focus) ::SetFocus(focus);

    MSG msg{};
    while (result_ == 0) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The program is ending: leave the quit for the outer loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            result_ = IDCANCEL;
            break;
        }
        if (got == -1) continue;  // a failed fetch ends nothing
        // Tab moves between the controls; Enter answers OK, Esc Cancel.
        if (::IsDialogMessageA(hwnd, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    running_ = false;
    // The owner first, so that it, not some other program, becomes active again.
    if (disableOwner) ::EnableWindow(owner, TRUE);
    ::ShowWindow(hwnd, SW_HIDE);
    return result_;
}

void TModalForm::Close(int result) {
    if (running_) result_ = result;
}

LRESULT TModalForm::WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return HandleMessage(hwnd, msg, wParam, lParam);
}

void TModalForm::ReportError(HWND hwnd, const std::string& text) {
    // The application's standard error box; the form goes on.
    ::MessageBoxA(hwnd, text.c_str(), "tabora", MB_OK | MB_ICONERROR);
}

LRESULT TModalForm::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    bool handled = false;
    LRESULT r = FormMessage(msg, wParam, lParam, handled);
    if (handled) return r;
    switch (msg) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK && running_) {
                OkClicked();
                return 0;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                Close(IDCANCEL);
                return 0;
            }
            break;
        case DM_GETDEFID: return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_CLOSE: Close(IDCANCEL); return 0;
        case WM_ACTIVATE:
            if (!running_) break;
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                if (focus && ::IsChild(hwnd, focus)) lastFocus_ = focus;
            } else if (HWND focus = ActivationFocus()) {
                // Coming back to the form puts the keys back where they were.
                ::SetFocus(focus);
                return 0;
            }
            break;
        default: break;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}
