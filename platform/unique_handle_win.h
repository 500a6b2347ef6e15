// Owning wrappers for Win32 handles: how to close a handle and what "no handle" is are part of
// the type; copying is disabled, moving hands the handle over.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstddef>
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
struct Find {
    using Type = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::FindClose(h); }
};
inline void CloseKernel(HANDLE h) { ::CloseHandle(h); }
inline void DeleteGdi(HGDIOBJ h) { ::DeleteObject(h); }
inline void DestroyMenuHandle(HMENU h) { ::DestroyMenu(h); }
inline void DestroyWindowHandle(HWND h) { ::DestroyWindow(h); }
inline void FreeGlobal(HGLOBAL h) { ::GlobalFree(h); }
inline void FreeLocal(HLOCAL h) { ::LocalFree(h); }
inline void DeleteDcHandle(HDC h) { ::DeleteDC(h); }
inline void DestroyImageList(HIMAGELIST h) { ImageList_Destroy(h); }
inline void FinishDrop(HDROP h) { ::DragFinish(h); }
inline void CloseRegKey(HKEY h) { ::RegCloseKey(h); }
}  // namespace handle_traits

using UniqueFile = UniqueHandle<handle_traits::File>;
// A search of FindFirstFileA, ended with FindClose.
using UniqueFind = UniqueHandle<handle_traits::Find>;
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
using UniqueLocal = UniqueHandle<handle_traits::NullIsInvalid<HLOCAL, handle_traits::FreeLocal>>;
// A DC of our own making (CreateCompatibleDC); a window's DC is a WindowDc (dc_win.h).
using UniqueMemoryDc =
    UniqueHandle<handle_traits::NullIsInvalid<HDC, handle_traits::DeleteDcHandle>>;
using UniqueImageList =
    UniqueHandle<handle_traits::NullIsInvalid<HIMAGELIST, handle_traits::DestroyImageList>>;
// A drop handed to us by WM_DROPFILES: finished when we are done with its names.
using UniqueDrop = UniqueHandle<handle_traits::NullIsInvalid<HDROP, handle_traits::FinishDrop>>;
using UniqueRegKey = UniqueHandle<handle_traits::NullIsInvalid<HKEY, handle_traits::CloseRegKey>>;

// A global memory block locked for as long as this lives; Data() is null when the lock failed.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL block) : block_(block), data_(::GlobalLock(block)) {}
    ~GlobalLockGuard() {
        if (data_) ::GlobalUnlock(block_);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    void* Data() const { return data_; }
    std::size_t Size() const { return data_ ? ::GlobalSize(block_) : 0; }

private:
    HGLOBAL block_;
    void* data_;
};
