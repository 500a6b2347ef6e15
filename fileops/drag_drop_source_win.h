// The drop source of a drag out of the list: the drag goes on while the button that started
// it is held and escape is not pressed; the window hears how it ended.
#pragma once

#include <windows.h>

#include <oleidl.h>

class DragDropSource final : public IDropSource {
public:
    // Reference count 0; buttonMask MK_LBUTTON or MK_RBUTTON. Null when out of memory.
    static DragDropSource* Create(HWND window, UINT endMessage, DWORD buttonMask) noexcept;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override;
    STDMETHODIMP_(ULONG) AddRef() noexcept override;
    STDMETHODIMP_(ULONG) Release() noexcept override;
    STDMETHODIMP QueryContinueDrag(BOOL escapePressed, DWORD keyState) noexcept override;
    STDMETHODIMP GiveFeedback(DWORD effect) noexcept override;

private:
    DragDropSource(HWND window, UINT endMessage, DWORD buttonMask)
        : window_(window), endMessage_(endMessage), buttonMask_(buttonMask) {}
    ~DragDropSource() = default;

    ULONG refs_ = 0;
    HWND window_;
    UINT endMessage_;
    DWORD buttonMask_;
};
