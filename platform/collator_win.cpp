#include "platform/collator_win.h"

#include <windows.h>

#include "app/wide_escape.h"
#include "platform/text_win.h"

namespace {
// A name holding a character the code page cannot is ordered by its real characters.
std::string WideSortKey(std::string_view text) {
    const std::wstring units = WideText(std::string(text));
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int length = static_cast<int>(units.size());
    int n = ::LCMapStringW(LOCALE_USER_DEFAULT, flags, units.data(), length, nullptr, 0);
    std::string key(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        n = ::LCMapStringW(LOCALE_USER_DEFAULT, flags, units.data(), length,
                           reinterpret_cast<LPWSTR>(key.data()), n);
    if (n <= 0) return std::string(text);
    key.resize(static_cast<std::size_t>(n));
    return key;
}
}  // namespace

int WinCollator::Compare(std::string_view a, std::string_view b) const {
    if (wide::HasEscapes(a) || wide::HasEscapes(b)) {
        const std::wstring wideA = WideText(std::string(a)), wideB = WideText(std::string(b));
        const int r = ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wideA.data(),
                                       static_cast<int>(wideA.size()), wideB.data(),
                                       static_cast<int>(wideB.size()));
        if (r != 0) return r - CSTR_EQUAL;
    }
    int r = ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                             static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()));
    if (r == 0) {  // the call failed: fall back to the byte order rather than "equal"
        int c = a.compare(b);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    return r - CSTR_EQUAL;
}

std::string WinCollator::SortKey(std::string_view text) const {
    if (wide::HasEscapes(text)) return WideSortKey(text);
    // LCMAP_SORTKEY keys compared bytewise order texts as CompareStringA does.
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    int n = ::LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), static_cast<int>(text.size()),
                           nullptr, 0);
    std::string key(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        n = ::LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), static_cast<int>(text.size()),
                           key.data(), n);
    if (n <= 0) return std::string(text);
    key.resize(static_cast<std::size_t>(n));
    return key;
}

void WinCollator::AppendSortKey(std::string_view text, std::string& out) const {
    // Straight into the buffer with room to spare; only a key longer than that asks for its
    // length first.
    if (wide::HasEscapes(text)) {
        out += WideSortKey(text);
        return;
    }
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const std::size_t from = out.size();
    const int length = static_cast<int>(text.size());
    int room = length * 6 + 16;
    out.resize(from + static_cast<std::size_t>(room));
    int n =
        ::LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), length, out.data() + from, room);
    if (n <= 0) {
        room = ::LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), length, nullptr, 0);
        out.resize(from + static_cast<std::size_t>(room > 0 ? room : 0));
        n = room > 0 ? ::LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), length,
                                      out.data() + from, room)
                     : 0;
    }
    if (n <= 0) {
        out.resize(from);
        out += text;
        return;
    }
    out.resize(from + static_cast<std::size_t>(n));
}
