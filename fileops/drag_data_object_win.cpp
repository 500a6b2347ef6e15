#include "fileops/drag_data_object_win.h"

#include <new>

#include "fileops/drag_format_enum_win.h"

namespace {
// The handle variable a render message of this thread may fill just now; null between requests.
thread_local const void* renderTarget = nullptr;
}  // namespace

DragDataObject* DragDataObject::Create(const std::vector<FORMATETC>& formats, HWND renderWindow,
                                       UINT renderMessage) noexcept {
    try {
        return new DragDataObject(formats, renderWindow, renderMessage);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

bool DragDataObject::IsRenderTarget(const void* target) noexcept {
    return target && target == renderTarget;
}

const FORMATETC* DragDataObject::Find(const FORMATETC* request) const noexcept {
    if (!request || !(request->tymed & TYMED_HGLOBAL)) return nullptr;
    for (const FORMATETC& entry : formats_)
        if (static_cast<WORD>(entry.cfFormat) == static_cast<WORD>(request->cfFormat))
            return &entry;
    return nullptr;
}

STDMETHODIMP DragDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) noexcept {
    const FORMATETC* entry = Find(format);
    if (!entry) return DV_E_FORMATETC;
    if (!medium) return E_POINTER;
    HGLOBAL handle = nullptr;
    // Every request renders a fresh block from the window's selection of this moment.
    const void* outer = renderTarget;
    renderTarget = &handle;
    ::SendMessageA(window_, message_, entry->cfFormat, reinterpret_cast<LPARAM>(&handle));
    renderTarget = outer;
    if (!handle) return STG_E_MEDIUMFULL;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = handle;  // the receiver owns it from here
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

STDMETHODIMP DragDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) noexcept { return E_NOTIMPL; }

STDMETHODIMP DragDataObject::QueryGetData(FORMATETC* format) noexcept {
    return Find(format) ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP DragDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) noexcept {
    return E_NOTIMPL;
}

STDMETHODIMP DragDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL) noexcept { return E_NOTIMPL; }

STDMETHODIMP DragDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) noexcept {
    if (!out) return E_INVALIDARG;
    *out = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    DragFormatEnum* formats = DragFormatEnum::Create(formats_, this, 0);
    if (!formats) return E_OUTOFMEMORY;
    formats->AddRef();
    *out = formats;
    return S_OK;
}

STDMETHODIMP DragDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) noexcept {
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP DragDataObject::DUnadvise(DWORD) noexcept { return OLE_E_NOCONNECTION; }

STDMETHODIMP DragDataObject::EnumDAdvise(IEnumSTATDATA**) noexcept {
    return OLE_E_ADVISENOTSUPPORTED;
}
