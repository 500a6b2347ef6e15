// The format list of a drag data object. It keeps that object alive: each of its own
// references is also one on the data object.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <cstddef>
#include <vector>

#include "platform/com_object_win.h"

class DragFormatEnum final : public ComObject<DragFormatEnum, IEnumFORMATETC, &IID_IEnumFORMATETC> {
public:
    // Reference count 0, over a copy of formats. Null when out of memory.
    static DragFormatEnum* Create(const std::vector<FORMATETC>& formats, IUnknown* owner,
                                  std::size_t index) noexcept;

    // Each reference is one on the owner too.
    STDMETHODIMP_(ULONG) AddRef() noexcept override;
    STDMETHODIMP_(ULONG) Release() noexcept override;
    STDMETHODIMP Next(ULONG wanted, FORMATETC* out, ULONG* fetched) noexcept override;
    STDMETHODIMP Skip(ULONG count) noexcept override;
    STDMETHODIMP Reset() noexcept override;
    STDMETHODIMP Clone(IEnumFORMATETC** out) noexcept override;

private:
    friend ComObject;
    DragFormatEnum(std::vector<FORMATETC> formats, IUnknown* owner, std::size_t index)
        : formats_(std::move(formats)), owner_(owner), index_(index) {}
    ~DragFormatEnum() = default;

    std::vector<FORMATETC> formats_;
    IUnknown* owner_;  // counted through our own references
    std::size_t index_;
};
