// The data object of a drag out of the list: it offers the formats it was made with and asks
// its window to render each one afresh whenever a target wants the data.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <vector>

#include "platform/com_object_win.h"

class DragDataObject final : public ComObject<DragDataObject, IDataObject, &IID_IDataObject> {
public:
    // Reference count 0: the caller's first AddRef makes it live. Null when out of memory.
    static DragDataObject* Create(const std::vector<FORMATETC>& formats, HWND renderWindow,
                                  UINT renderMessage) noexcept;
    // True while a data object of this thread is asking its window to render into target:
    // the only case in which the render message may write through its lParam.
    static bool IsRenderTarget(const void* target) noexcept;

    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) noexcept override;
    STDMETHODIMP GetDataHere(FORMATETC* format, STGMEDIUM* medium) noexcept override;
    STDMETHODIMP QueryGetData(FORMATETC* format) noexcept override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) noexcept override;
    STDMETHODIMP SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) noexcept override;
    STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) noexcept override;
    STDMETHODIMP DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink,
                         DWORD* connection) noexcept override;
    STDMETHODIMP DUnadvise(DWORD connection) noexcept override;
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA** out) noexcept override;

private:
    friend ComObject;
    DragDataObject(std::vector<FORMATETC> formats, HWND renderWindow, UINT renderMessage)
        : formats_(std::move(formats)), window_(renderWindow), message_(renderMessage) {}
    ~DragDataObject() = default;
    // The table entry for the request, or null.
    const FORMATETC* Find(const FORMATETC* request) const noexcept;

    std::vector<FORMATETC> formats_;
    HWND window_;
    UINT message_;
};
