// The component object library (or OLE, which drag and drop and the clipboard's data objects
// need) for the calling thread, for as long as the holder lives. Each successful initialization
// (S_FALSE included) is paired with one uninitialization; a thread already in another
// apartment model is left as it is.
#pragma once

#include <windows.h>

#include <objbase.h>
#include <ole2.h>

template <HRESULT(WINAPI* Initialize)(LPVOID), void(WINAPI* Uninitialize)()>
class ThreadInitialization {
public:
    ThreadInitialization() : result_(Initialize(nullptr)) {}
    ~ThreadInitialization() {
        if (SUCCEEDED(result_)) Uninitialize();
    }
    ThreadInitialization(const ThreadInitialization&) = delete;
    ThreadInitialization& operator=(const ThreadInitialization&) = delete;

    HRESULT Result() const { return result_; }

private:
    HRESULT result_;
};

using ComInitialization = ThreadInitialization<&::CoInitialize, &::CoUninitialize>;
using OleInitialization = ThreadInitialization<&::OleInitialize, &::OleUninitialize>;
