#include "fileops/drag_drop_source_win.h"

#include <new>

DragDropSource* DragDropSource::Create(HWND window, UINT endMessage, DWORD buttonMask) noexcept {
    return new (std::nothrow) DragDropSource(window, endMessage, buttonMask);
}

STDMETHODIMP DragDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) noexcept {
    if (!escapePressed && (keyState & buttonMask_)) return S_OK;
    const HRESULT code = escapePressed ? DRAGDROP_S_CANCEL : DRAGDROP_S_DROP;
    ::SendMessageA(window_, endMessage_, static_cast<WPARAM>(code), 0);
    return code;
}

STDMETHODIMP DragDropSource::GiveFeedback(DWORD) noexcept { return DRAGDROP_S_USEDEFAULTCURSORS; }
