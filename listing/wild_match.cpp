#include "listing/wild_match.h"

#include <string>

#include "app/sjis.h"

namespace {

struct Halves {
    std::string_view Base;
    std::string_view Ext;
};

Halves SplitAtLastDot(std::string_view text) {
    std::size_t dot = sjis::FindLast(text, '.');
    if (dot == sjis::npos) return {text, {}};
    return {text.substr(0, dot), text.substr(dot + 1)};
}

// Compares from the ends backwards: only the part of the pattern behind its last "*" is
// checked, so the middle of 'A*B*C' is never compared. p starts with "*" and is longer.
bool TailWalk(std::string_view t, std::string_view p) {
    std::size_t i = t.size();
    std::size_t j = p.size() - 1;
    while (i > 0) {
        char pc = p[j];
        if (pc == '*') return true;
        if (pc != '?' && pc != t[i - 1]) return false;
        --i;
        --j;
    }
    return p[j] == '*';
}

bool PartWalk(std::string_view t, std::string_view p) {
    if (!p.empty() && p[0] == '*') return p.size() == 1 || TailWalk(t, p);
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < t.size()) {
        if (j == p.size()) return false;
        char pc = p[j];
        if (pc == '*') return j == p.size() - 1 || TailWalk(t.substr(i), p.substr(j));
        if (pc != '?' && pc != t[i]) return false;
        ++i;
        ++j;
    }
    return j == p.size() || p[j] == '*';
}

}  // namespace

bool TWildMatch::Match(std::string_view name, std::string_view mask) const {
    std::string upperName = sjis::UpperCase(name);
    std::string upperMask = sjis::UpperCase(mask);
    Halves n = SplitAtLastDot(upperName);
    Halves m = SplitAtLastDot(upperMask);
    if (n.Base.empty() || m.Base.empty()) return false;
    return PartWalk(n.Base, m.Base) && PartWalk(n.Ext, m.Ext);
}
