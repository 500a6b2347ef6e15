#include "app/sjis.h"

namespace sjis {

std::size_t CharLength(std::string_view text, std::size_t pos) {
    if (IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) return 2;
    return 1;
}

std::size_t Find(std::string_view text, char c, std::size_t from) {
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (i >= from && text[i] == c && CharLength(text, i) == 1) return i;
    }
    return npos;
}

std::size_t FindLast(std::string_view text, char c) {
    std::size_t found = npos;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (text[i] == c && CharLength(text, i) == 1) found = i;
    }
    return found;
}

std::size_t Find(std::string_view text, std::string_view needle, std::size_t from) {
    if (needle.empty()) return npos;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (i >= from && text.compare(i, needle.size(), needle) == 0) return i;
    }
    return npos;
}

std::size_t LastSeparator(std::string_view text) {
    std::size_t found = npos;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if ((text[i] == '\\' || text[i] == ':') && CharLength(text, i) == 1) found = i;
    }
    return found;
}

bool EndsWithBackslash(std::string_view text) {
    return !text.empty() && FindLast(text, '\\') == text.size() - 1;
}

bool EndsWithLoneLeadByte(std::string_view text) {
    std::size_t last = npos;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) last = i;
    return last != npos && last + 1 == text.size() &&
           IsLeadByte(static_cast<unsigned char>(text[last]));
}

namespace {
template <typename Map>
std::string MapSingleBytes(std::string_view text, Map map) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size();) {
        std::size_t len = CharLength(out, i);
        if (len == 1) out[i] = map(out[i]);
        i += len;
    }
    return out;
}
}  // namespace

std::string UpperCase(std::string_view text) {
    return MapSingleBytes(text, [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; });
}

std::string LowerCase(std::string_view text) {
    return MapSingleBytes(text, [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; });
}

std::string PadLeft(std::string_view text, std::size_t width) {
    std::string out;
    if (text.size() < width) out.assign(width - text.size(), ' ');
    out += text;
    return out;
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) out.append(width - out.size(), ' ');
    return out;
}

std::size_t ByteOffset(std::string_view text, std::size_t chars) {
    std::size_t at = 0;
    for (; chars > 0 && at < text.size(); --chars) at += CharLength(text, at);
    return at;
}

std::size_t CharOffset(std::string_view text, std::size_t bytes) {
    std::size_t chars = 0;
    for (std::size_t at = 0; at < bytes && at < text.size(); ++chars) at += CharLength(text, at);
    return chars;
}

}  // namespace sjis
