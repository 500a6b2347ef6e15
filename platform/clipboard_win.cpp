#include "platform/clipboard_win.h"

#include <cstring>

#include "platform/unique_handle_win.h"

Clipboard::Clipboard(HWND owner) : open_(::OpenClipboard(owner) != FALSE) {}

Clipboard::~Clipboard() {
    if (open_) ::CloseClipboard();
}

std::string Clipboard::Text() const {
    if (!open_) return {};
    HANDLE data = ::GetClipboardData(CF_TEXT);
    if (!data) return {};
    GlobalLockGuard lock(data);
    const char* bytes = static_cast<const char*>(lock.Data());
    if (!bytes) return {};
    return std::string(bytes, strnlen(bytes, lock.Size()));
}

bool Clipboard::SetText(const std::string& text) {
    if (!open_) return false;
    UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!block) return false;
    {
        GlobalLockGuard lock(block.get());
        if (!lock.Data()) return false;
        std::memcpy(lock.Data(), text.c_str(), text.size() + 1);
    }
    if (!::EmptyClipboard()) return false;
    if (!::SetClipboardData(CF_TEXT, block.get())) return false;
    // The clipboard owns the block now.
    block.release();
    return true;
}

std::string ClipboardText(HWND owner) { return Clipboard(owner).Text(); }

bool SetClipboardText(HWND owner, const std::string& text) {
    return Clipboard(owner).SetText(text);
}
