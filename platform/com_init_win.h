// The component object library for the calling thread, for as long as the holder lives. Each
// successful CoInitialize (S_FALSE included) is paired with one CoUninitialize; a thread already
// in another apartment model is left as it is.
#pragma once

#include <windows.h>

#include <objbase.h>

class ComInitialization {
public:
    ComInitialization() : result_(::CoInitialize(nullptr)) {}
    ~ComInitialization() {
        if (SUCCEEDED(result_)) ::CoUninitialize();
    }
    ComInitialization(const ComInitialization&) = delete;
    ComInitialization& operator=(const ComInitialization&) = delete;

    HRESULT Result() const { return result_; }

private:
    HRESULT result_;
};
