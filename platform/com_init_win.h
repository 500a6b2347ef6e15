// The component object library (or OLE, which drag and drop and the clipboard's data objects
// need) for the calling thread, for as long as the holder lives. Each successful initialization
// (S_FALSE included) is paired with one uninitialization; a thread already in another
// apartment model is left as it is.
#pragma once

#include <windows.h>

#include <objbase.h>
#include <ole2.h>

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

class OleInitialization {
public:
    OleInitialization() : result_(::OleInitialize(nullptr)) {}
    ~OleInitialization() {
        if (SUCCEEDED(result_)) ::OleUninitialize();
    }
    OleInitialization(const OleInitialization&) = delete;
    OleInitialization& operator=(const OleInitialization&) = delete;

private:
    HRESULT result_;
};
