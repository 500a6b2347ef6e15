// What every window of the program needs from the system, written once: its class registered
// once per process, the object behind the window found from its handle, no error thrown
// across the system's frames, and subclasses of controls that end with their holder.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

// Registers wc's class unless this process has already registered a class of that name.
// Throws when the system refuses.
void RegisterClassOnce(const WNDCLASSEXA& wc);

// The object behind a window whose class uses WindowObjectProc. The window is created with
// the object (as a WindowObject*) for its creation parameter.
class WindowObject {
public:
    // Every message of the window, from WM_NCCREATE on.
    virtual LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;
    // An error escaped the handling of a message; the window goes on.
    virtual void ReportError(HWND hwnd, const std::string& text) = 0;

protected:
    ~WindowObject() = default;
};

LRESULT CALLBACK WindowObjectProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// No later message of the window reaches its object (one being destroyed).
void DetachWindowObject(HWND hwnd);

// Inside a catch block: the text of the error being handled, whatever was thrown.
std::string CurrentErrorText() noexcept;

// A subclass of a control for as long as the holder lives.
class SubclassHolder {
public:
    SubclassHolder(HWND control, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
    ~SubclassHolder();
    SubclassHolder(SubclassHolder&& other) noexcept;
    SubclassHolder& operator=(SubclassHolder&&) = delete;
    SubclassHolder(const SubclassHolder&) = delete;
    SubclassHolder& operator=(const SubclassHolder&) = delete;

private:
    HWND control_;
    SUBCLASSPROC proc_;
    UINT_PTR id_;
};
