// The data object of a drag out of the list: it offers the formats it was made with and asks
// its window to render each one afresh whenever a target wants the data.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <vector>

class DragDataObject final : public IDataObject {
public:
    // Reference count 0: the caller's first AddRef makes it live. Null when out of memory.
    static DragDataObject* Create(const std::vector<FORMATETC>& formats, HWND renderWindow,
                                  UINT renderMessage) noexcept;
    // True while a data object of this thread is asking its window to render into target:
    // the only case in which the render message may write through its lParam.
    static bool IsRenderTarget(const void* target) noexcept;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override;
    STDMETHODIMP_(ULONG) AddRef() noexcept override;
    STDMETHODIMP_(ULONG) Release() noexcept override;
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
    DragDataObject(std::vector<FORMATETC> formats, HWND renderWindow, UINT renderMessage)
        : formats_(std::move(formats)), window_(renderWindow), message_(renderMessage) {}
    ~DragDataObject() = default;
    // The table entry for the request, or null.
    const FORMATETC* Find(const FORMATETC* request) const noexcept;

    ULONG refs_ = 0;
    std::vector<FORMATETC> formats_;
    HWND window_;
    UINT message_;
};
