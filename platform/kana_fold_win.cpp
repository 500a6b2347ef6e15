#include "platform/kana_fold_win.h"

#include <windows.h>

#include "platform/text_win.h"

namespace {

std::wstring MapString(DWORD flags, const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    int n = ::LCMapStringW(LOCALE_USER_DEFAULT, flags, text.data(), length, nullptr, 0);
    std::wstring mapped(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        n = ::LCMapStringW(LOCALE_USER_DEFAULT, flags, text.data(), length, mapped.data(), n);
    if (n <= 0) return {};
    mapped.resize(static_cast<std::size_t>(n));
    return mapped;
}

// The kana of this code point with a voiced (dakuten) or semi-voiced (handakuten) mark, or 0.
wchar_t Voiced(wchar_t kana, wchar_t mark) {
    const bool semi = mark == 0x309A || mark == 0x309C;
    // は ひ ふ へ ほ take both marks; か..こ, さ..そ, た..と only the voiced one.
    for (wchar_t h : {0x306F, 0x3072, 0x3075, 0x3078, 0x307B})
        if (kana == h) return static_cast<wchar_t>(kana + (semi ? 2 : 1));
    if (semi) return 0;
    if (kana >= 0x304B && kana <= 0x3062 && (kana - 0x304B) % 2 == 0) return kana + 1;
    for (wchar_t k : {0x3064, 0x3066, 0x3068})
        if (kana == k) return static_cast<wchar_t>(kana + 1);
    if (kana == 0x3046) return 0x3094;  // う゛ ゔ
    if (kana == 0x309D) return 0x309E;  // ゝ゛ ゞ
    return 0;
}

bool IsMark(wchar_t c) { return c >= 0x3099 && c <= 0x309C; }

// ゔ ゕ ゖ have no form in the code page; their katakana have.
wchar_t Representable(wchar_t c) {
    return c >= 0x3094 && c <= 0x3096 ? static_cast<wchar_t>(c + 0x30F4 - 0x3094) : c;
}

// What the system mapping leaves undone on some systems (Wine keeps "は゛" and a decomposed
// "は" + U+3099 apart from "ば"), and what the code page cannot hold: a mark is joined to its
// kana, a mark left over is the spacing one, and full-width ASCII
// and the ideographic space become single-byte.
void Finish(std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        if (IsMark(c) && !out.empty()) {
            if (const wchar_t joined = Voiced(out.back(), c)) {
                out.back() = Representable(joined);
                continue;
            }
        }
        if (c == 0x3099 || c == 0x309A) c += 2;
        if (c >= 0xFF01 && c <= 0xFF5E) c -= 0xFEE0;
        if (c == 0x3000) c = L' ';
        out += Representable(c);
    }
    text = std::move(out);
}

}  // namespace

std::string WinKanaFolder::Fold(std::string_view text) const {
    if (text.empty()) return {};
    const std::wstring wide = WideText(std::string(text));
    std::wstring folded = MapString(LCMAP_HIRAGANA | LCMAP_FULLWIDTH | LCMAP_LOWERCASE, wide);
    // Systems that refuse case together with the kana and width flags get two calls.
    if (folded.empty())
        folded = MapString(LCMAP_LOWERCASE, MapString(LCMAP_HIRAGANA | LCMAP_FULLWIDTH, wide));
    if (folded.empty()) return std::string(text);
    Finish(folded);
    return NarrowText(folded.data(), folded.size());
}
