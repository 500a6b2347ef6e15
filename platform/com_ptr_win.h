// An owning pointer to a COM interface: it holds one reference and gives it back. Copying
// takes a reference of its own, moving hands the reference over.
#pragma once

#include <windows.h>

#include <unknwn.h>

#include <cstddef>
#include <utility>

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Shares p: takes a reference of its own (Attach adopts one instead).
    explicit ComPtr(T* p) : p_(p) {
        if (p_) p_->AddRef();
    }
    ComPtr(const ComPtr& o) : ComPtr(o.p_) {}
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(const ComPtr& o) {
        // The new reference first: o may be the last holder of what we hold.
        if (o.p_) o.p_->AddRef();
        Attach(o.p_);
        return *this;
    }
    ComPtr& operator=(ComPtr&& o) noexcept {
        if (this != &o) Attach(std::exchange(o.p_, nullptr));
        return *this;
    }
    ~ComPtr() { Reset(); }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    void Reset() {
        if (T* p = std::exchange(p_, nullptr)) p->Release();
    }
    // Adopts a reference the caller already owns (a factory's result, say).
    void Attach(T* p) {
        T* old = std::exchange(p_, p);
        if (old) old->Release();
    }
    // Hands our reference to the caller.
    [[nodiscard]] T* Detach() { return std::exchange(p_, nullptr); }

    // For out parameters: lets go of what it holds and gives the place to write to.
    T** Put() {
        Reset();
        return &p_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

    // Another interface of the same object; out is empty on failure.
    template <typename U>
    HRESULT As(ComPtr<U>& out, REFIID iid = __uuidof(U)) const {
        if (!p_) {
            out.Reset();
            return E_POINTER;
        }
        return p_->QueryInterface(iid, out.PutVoid());
    }
    // A new reference for an out parameter of our own (a QueryInterface we implement).
    HRESULT CopyTo(T** out) const {
        if (!out) return E_POINTER;
        *out = p_;
        if (p_) p_->AddRef();
        return S_OK;
    }

    friend bool operator==(const ComPtr& a, const ComPtr& b) { return a.p_ == b.p_; }

private:
    T* p_ = nullptr;
};
