// The drop source of a drag out of the list: the drag goes on while the button that started
// it is held and escape is not pressed; the window hears how it ended.
#pragma once

#include <windows.h>

#include <oleidl.h>

#include "platform/com_object_win.h"

class DragDropSource final : public ComObject<DragDropSource, IDropSource, &IID_IDropSource> {
public:
    // Reference count 0; buttonMask MK_LBUTTON or MK_RBUTTON. Null when out of memory.
    static DragDropSource* Create(HWND window, UINT endMessage, DWORD buttonMask) noexcept;

    STDMETHODIMP QueryContinueDrag(BOOL escapePressed, DWORD keyState) noexcept override;
    STDMETHODIMP GiveFeedback(DWORD effect) noexcept override;

private:
    friend ComObject;
    DragDropSource(HWND window, UINT endMessage, DWORD buttonMask)
        : window_(window), endMessage_(endMessage), buttonMask_(buttonMask) {}
    ~DragDropSource() = default;

    HWND window_;
    UINT endMessage_;
    DWORD buttonMask_;
};
