// A window's device context for as long as it is needed, and objects selected into a DC for
// a while; both give back what they took, also when a caller leaves early or throws.
#pragma once

#include <windows.h>

// Selects obj into dc and selects the previous object back at the end of the scope, so the
// DC is never released or deleted with our font or bitmap still in it.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? ::SelectObject(dc, obj) : nullptr) {}
    ~SelectedObject() {
        if (old_ && old_ != HGDI_ERROR) ::SelectObject(dc_, old_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// GetDC/ReleaseDC of one window (null: the screen). Select() puts an object in for the
// holder's lifetime: the first object it replaced is selected back before the release.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~WindowDc() {
        if (!dc_) return;
        if (original_ && original_ != HGDI_ERROR) ::SelectObject(dc_, original_);
        ::ReleaseDC(hwnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void Select(HGDIOBJ obj) {
        if (!dc_ || !obj) return;
        HGDIOBJ old = ::SelectObject(dc_, obj);
        if (!original_) original_ = old;
    }

private:
    HWND hwnd_;
    HDC dc_;
    HGDIOBJ original_ = nullptr;
};
