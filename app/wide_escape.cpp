#include "app/wide_escape.h"

namespace wide {

namespace {
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
}  // namespace

void AppendEscape(std::string& text, char16_t unit) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    text += kEscapeMark;
    for (int shift = 12; shift >= 0; shift -= 4) text += kHex[(unit >> shift) & 0xF];
}

std::optional<char16_t> EscapeAt(std::string_view text, std::size_t pos) {
    if (pos + kEscapeLength > text.size() || text[pos] != kEscapeMark) return std::nullopt;
    unsigned unit = 0;
    for (std::size_t i = 1; i < kEscapeLength; ++i) {
        const int digit = HexValue(text[pos + i]);
        if (digit < 0) return std::nullopt;
        unit = unit * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<char16_t>(unit);
}

bool HasEscapes(std::string_view text) {
    for (std::size_t i = text.find(kEscapeMark); i != std::string_view::npos;
         i = text.find(kEscapeMark, i + 1))
        if (EscapeAt(text, i)) return true;
    return false;
}

bool NamesOneFile(std::string_view text) {
    // The long form's own question mark is no wildcard.
    const std::size_t start = text.substr(0, 4) == "\\\\?\\" ? 4 : 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] == '*') return false;
        if (text[i] != kEscapeMark) continue;
        if (!EscapeAt(text, i)) return false;
        i += kEscapeLength - 1;
    }
    return true;
}

}  // namespace wide
