#include "platform/text_win.h"

#include <commctrl.h>

#include <cstring>

#include "app/wide_escape.h"
#include "navigation/path_text.h"

std::string WindowText(HWND hwnd) {
    int n = ::GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(n > 0 ? n : 0) + 1, '\0');
    n = ::GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    return text;
}

std::string StatusBarText(HWND status) {
    // Wine may count the length in characters: room for two bytes each.
    const auto length = LOWORD(::SendMessageA(status, SB_GETTEXTLENGTHA, 0, 0));
    std::string text(2u * length + 1u, '\0');
    ::SendMessageA(status, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::strlen(text.c_str()));
    return text;
}

std::string CurrentDirectory() {
    DWORD n = ::GetCurrentDirectoryW(0, nullptr);
    std::wstring dir(n, L'\0');
    dir.resize(::GetCurrentDirectoryW(n, dir.data()));
    return NarrowText(dir.c_str(), dir.size());
}

namespace {

// The plain conversion, or nothing when it is not exact: a character was replaced (by '?' or
// a look-alike), so the round trip gives another text.
bool ConvertExactly(const wchar_t* text, int length, std::string& out) {
    // Room for the widest code page a system may have (UTF-8: three bytes a unit): one call
    // converts, one converts back to check.
    out.resize(static_cast<std::size_t>(length) * 3);
    BOOL usedDefault = FALSE;
    const int n = ::WideCharToMultiByte(CP_ACP, 0, text, length, out.data(),
                                        static_cast<int>(out.size()), nullptr, &usedDefault);
    if (n <= 0 || usedDefault) return false;
    out.resize(static_cast<std::size_t>(n));
    std::wstring check(static_cast<std::size_t>(length), L'\0');
    return ::MultiByteToWideChar(CP_ACP, 0, out.data(), n, check.data(), length) == length &&
           check.compare(0, check.size(), text, static_cast<std::size_t>(length)) == 0;
}

}  // namespace

std::string NarrowText(const wchar_t* text, std::size_t length) {
    std::string out;
    out.reserve(length);
    std::size_t plain = 0;
    while (plain < length && text[plain] < 0x80) ++plain;
    if (plain == length) {  // most names: ASCII, nothing to check
        for (std::size_t i = 0; i < length; ++i) out += static_cast<char>(text[i]);
        return out;
    }
    if (ConvertExactly(text, static_cast<int>(length), out)) return out;
    // Character by character: what converts exactly stays readable, the rest is escaped.
    out.clear();
    std::string one;
    for (std::size_t i = 0; i < length; ++i) {
        const wchar_t unit = text[i];
        const bool surrogate = unit >= 0xD800 && unit <= 0xDFFF;
        if (!surrogate && ConvertExactly(&text[i], 1, one))
            out += one;
        else
            wide::AppendEscape(out, static_cast<char16_t>(unit));
    }
    return out;
}

std::string NarrowText(const wchar_t* text) { return NarrowText(text, ::wcslen(text)); }

std::wstring WideText(const std::string& text) {
    std::wstring wide;
    wide.reserve(text.size());
    std::size_t run = 0;  // start of the plain text not yet converted
    auto convert = [&](std::size_t end) {
        if (end == run) return;
        const char* from = text.data() + run;
        const int size = static_cast<int>(end - run);
        const int n = ::MultiByteToWideChar(CP_ACP, 0, from, size, nullptr, 0);
        const std::size_t at = wide.size();
        wide.resize(at + static_cast<std::size_t>(n > 0 ? n : 0));
        if (n > 0) ::MultiByteToWideChar(CP_ACP, 0, from, size, wide.data() + at, n);
    };
    for (std::size_t i = text.find(wide::kEscapeMark); i != std::string::npos;
         i = text.find(wide::kEscapeMark, i + 1)) {
        const std::optional<char16_t> unit = wide::EscapeAt(text, i);
        if (!unit) continue;
        convert(i);
        wide += static_cast<wchar_t>(*unit);
        run = i + wide::kEscapeLength;
        i = run - 1;
    }
    convert(text.size());
    return wide;
}

std::wstring WidePath(const std::string& path) {
    std::wstring wide = WideText(path);
    return wide.size() < MAX_PATH ? wide : WideText(LongSearchPattern(path));
}
