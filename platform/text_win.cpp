#include "platform/text_win.h"

std::string WindowText(HWND hwnd) {
    int n = ::GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(n > 0 ? n : 0) + 1, '\0');
    n = ::GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    return text;
}

std::string CurrentDirectory() {
    DWORD n = ::GetCurrentDirectoryA(0, nullptr);
    std::string dir(n, '\0');
    dir.resize(::GetCurrentDirectoryA(n, dir.data()));
    return dir;
}

std::string NarrowText(const wchar_t* text) {
    int n = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, out.data(), n, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(n) - 1);
    return out;
}

std::wstring WideText(const std::string& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    int n = ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), n);
    return wide;
}
