#include "fileops/drag_format_enum_win.h"

#include <new>

DragFormatEnum* DragFormatEnum::Create(const std::vector<FORMATETC>& formats, IUnknown* owner,
                                       std::size_t index) noexcept {
    try {
        return new DragFormatEnum(formats, owner, index);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

STDMETHODIMP_(ULONG) DragFormatEnum::AddRef() noexcept {
    if (owner_) owner_->AddRef();
    return ComObject::AddRef();
}

STDMETHODIMP_(ULONG) DragFormatEnum::Release() noexcept {
    IUnknown* owner = owner_;
    const ULONG left = ComObject::Release();
    // Last: the data object may go with this reference.
    if (owner) owner->Release();
    return left;
}

STDMETHODIMP DragFormatEnum::Next(ULONG wanted, FORMATETC* out, ULONG* fetched) noexcept {
    if (fetched) *fetched = 0;
    if (formats_.empty() || index_ >= formats_.size()) return S_FALSE;
    if (!out) return E_POINTER;
    ULONG copied = 0;
    while (copied < wanted && index_ < formats_.size()) out[copied++] = formats_[index_++];
    if (fetched) *fetched = copied;
    return copied == wanted ? S_OK : S_FALSE;
}

STDMETHODIMP DragFormatEnum::Skip(ULONG count) noexcept {
    if (count > formats_.size() - index_) {
        index_ = formats_.size();
        return S_FALSE;
    }
    index_ += count;
    return S_OK;
}

STDMETHODIMP DragFormatEnum::Reset() noexcept {
    index_ = 0;
    return S_OK;
}

STDMETHODIMP DragFormatEnum::Clone(IEnumFORMATETC** out) noexcept {
    if (!out) return E_POINTER;
    DragFormatEnum* copy = Create(formats_, owner_, index_);
    *out = copy;
    if (!copy) return E_OUTOFMEMORY;
    copy->AddRef();
    return S_OK;
}
