#include "platform/clipboard_win.h"

#include <cstring>
#include <cwchar>

#include "app/wide_escape.h"
#include "platform/text_win.h"
#include "platform/unique_handle_win.h"

Clipboard::Clipboard(HWND owner) : open_(::OpenClipboard(owner) != FALSE) {}

Clipboard::~Clipboard() {
    if (open_) ::CloseClipboard();
}

std::string Clipboard::Text() const {
    if (!open_) return {};
    // The UTF-16 text where there is one: a path the code page cannot hold stays exact.
    if (HANDLE wideData = ::GetClipboardData(CF_UNICODETEXT)) {
        GlobalLockGuard lock(wideData);
        const auto* units = static_cast<const wchar_t*>(lock.Data());
        if (units) return NarrowText(units, wcsnlen(units, lock.Size() / sizeof(wchar_t)));
    }
    HANDLE data = ::GetClipboardData(CF_TEXT);
    if (!data) return {};
    GlobalLockGuard lock(data);
    const char* bytes = static_cast<const char*>(lock.Data());
    if (!bytes) return {};
    return std::string(bytes, strnlen(bytes, lock.Size()));
}

bool Clipboard::SetText(const std::string& text) {
    if (!open_) return false;
    // A text naming a file the code page cannot hold goes out in UTF-16 (the system offers
    // the ANSI form of it to those who ask); any other text as it is.
    const bool wideForm = wide::HasEscapes(text);
    const std::wstring units = wideForm ? WideText(text) : std::wstring();
    const std::size_t size = wideForm ? (units.size() + 1) * sizeof(wchar_t) : text.size() + 1;
    UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE, size));
    if (!block) return false;
    {
        GlobalLockGuard lock(block.get());
        if (!lock.Data()) return false;
        std::memcpy(lock.Data(), wideForm ? static_cast<const void*>(units.c_str()) : text.c_str(),
                    size);
    }
    if (!::EmptyClipboard()) return false;
    if (!::SetClipboardData(wideForm ? CF_UNICODETEXT : CF_TEXT, block.get())) return false;
    // The clipboard owns the block now.
    block.release();
    return true;
}

bool Clipboard::SetBlocks(const std::vector<std::pair<UINT, std::string>>& blocks) {
    if (!open_ || !::EmptyClipboard()) return false;
    for (const auto& [format, bytes] : blocks) {
        UniqueGlobal block(GlobalBlock(bytes));
        if (!block || !::SetClipboardData(format, block.get())) return false;
        block.release();  // the clipboard's now
    }
    return true;
}

HGLOBAL Clipboard::Block(UINT format) const {
    return open_ ? static_cast<HGLOBAL>(::GetClipboardData(format)) : nullptr;
}

bool Clipboard::Empty() { return open_ && ::EmptyClipboard(); }

HGLOBAL GlobalBlock(const std::string& bytes, UINT flags) {
    UniqueGlobal block(::GlobalAlloc(flags, bytes.size()));
    if (!block) return nullptr;
    {
        GlobalLockGuard lock(block.get());
        if (!lock.Data()) return nullptr;
        std::memcpy(lock.Data(), bytes.data(), bytes.size());
    }
    return block.release();
}

std::string ClipboardText(HWND owner) { return Clipboard(owner).Text(); }

bool SetClipboardText(HWND owner, const std::string& text) {
    return Clipboard(owner).SetText(text);
}
