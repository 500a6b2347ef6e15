// The IUnknown of the program's own COM objects: one interface, a reference count, and the
// object deleted when the count comes back to zero. An object starts at count 0: the caller's
// first AddRef makes it live.
#pragma once

#include <windows.h>

#include <unknwn.h>

template <class Derived, class Interface, const IID* InterfaceId>
class ComObject : public Interface {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) noexcept override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == *InterfaceId) {
            *out = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() noexcept override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() noexcept override {
        const ULONG left = --refs_;
        if (left == 0) delete static_cast<Derived*>(this);
        return left;
    }

protected:
    ComObject() = default;
    ~ComObject() = default;

private:
    ULONG refs_ = 0;
};
