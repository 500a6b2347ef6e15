#include "platform/window_plumbing_win.h"

#include <set>
#include <stdexcept>
#include <utility>

void RegisterClassOnce(const WNDCLASSEXA& wc) {
    static std::set<std::string> registered;
    if (registered.count(wc.lpszClassName)) return;
    if (!::RegisterClassExA(&wc))
        throw std::runtime_error(std::string("ｳｨﾝﾄﾞｳｸﾗｽを登録できません: ") + wc.lpszClassName);
    registered.insert(wc.lpszClassName);
}

LRESULT CALLBACK WindowObjectProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<WindowObject*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    try {
        return self->WindowMessage(hwnd, msg, wParam, lParam);
    } catch (...) {
        self->ReportError(hwnd, CurrentErrorText());
    }
    return 0;
}

void DetachWindowObject(HWND hwnd) { ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0); }

std::string CurrentErrorText() noexcept {
    try {
        throw;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "不明なｴﾗｰ";
    }
}

SubclassHolder::SubclassHolder(HWND control, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data)
    : control_(control), proc_(proc), id_(id) {
    if (!::SetWindowSubclass(control, proc, id, data)) control_ = nullptr;
}

SubclassHolder::SubclassHolder(SubclassHolder&& other) noexcept
    : control_(std::exchange(other.control_, nullptr)), proc_(other.proc_), id_(other.id_) {}

SubclassHolder::~SubclassHolder() {
    if (control_ && ::IsWindow(control_)) ::RemoveWindowSubclass(control_, proc_, id_);
}
