// Owning wrappers for Win32 handles: how to close a handle and what "no handle" is are part of
// the type; copying is disabled, moving hands the handle over.
#pragma once

#include <windows.h>

#include <utility>

template <typename Traits>
class UniqueHandle {
public:
    using T = typename Traits::Type;
    UniqueHandle() = default;
    explicit UniqueHandle(T h) : h_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) reset(std::exchange(o.h_, Traits::Invalid()));
        return *this;
    }
    ~UniqueHandle() { reset(); }

    T get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Invalid(); }
    T release() { return std::exchange(h_, Traits::Invalid()); }
    void reset(T h = Traits::Invalid()) {
        if (h_ != Traits::Invalid()) Traits::Close(h_);
        h_ = h;
    }

private:
    T h_ = Traits::Invalid();
};

namespace handle_traits {
template <typename H, auto CloseFn>
struct NullIsInvalid {
    using Type = H;
    static H Invalid() { return nullptr; }
    static void Close(H h) { CloseFn(h); }
};
struct File {
    using Type = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
inline void CloseKernel(HANDLE h) { ::CloseHandle(h); }
inline void DeleteGdi(HGDIOBJ h) { ::DeleteObject(h); }
inline void DestroyMenuHandle(HMENU h) { ::DestroyMenu(h); }
inline void DestroyWindowHandle(HWND h) { ::DestroyWindow(h); }
inline void FreeGlobal(HGLOBAL h) { ::GlobalFree(h); }
}  // namespace handle_traits

using UniqueFile = UniqueHandle<handle_traits::File>;
using UniqueKernelHandle =
    UniqueHandle<handle_traits::NullIsInvalid<HANDLE, handle_traits::CloseKernel>>;
using UniqueFont = UniqueHandle<handle_traits::NullIsInvalid<HFONT, handle_traits::DeleteGdi>>;
using UniqueBrush = UniqueHandle<handle_traits::NullIsInvalid<HBRUSH, handle_traits::DeleteGdi>>;
using UniqueBitmap = UniqueHandle<handle_traits::NullIsInvalid<HBITMAP, handle_traits::DeleteGdi>>;
using UniqueMenu =
    UniqueHandle<handle_traits::NullIsInvalid<HMENU, handle_traits::DestroyMenuHandle>>;
using UniqueWindow =
    UniqueHandle<handle_traits::NullIsInvalid<HWND, handle_traits::DestroyWindowHandle>>;
using UniqueGlobal = UniqueHandle<handle_traits::NullIsInvalid<HGLOBAL, handle_traits::FreeGlobal>>;
