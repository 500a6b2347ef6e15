#include "app/collator.h"

#include "app/sjis.h"

int PlainCollator::Compare(std::string_view a, std::string_view b) const {
    std::string ua = sjis::UpperCase(a);
    std::string ub = sjis::UpperCase(b);
    int r = ua.compare(ub);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

std::string PlainCollator::SortKey(std::string_view text) const { return sjis::UpperCase(text); }

void PlainCollator::AppendSortKey(std::string_view text, std::string& out) const {
    const std::size_t from = out.size();
    out += text;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = sjis::CharLength(text, i);
        if (len == 1 && text[i] >= 'a' && text[i] <= 'z') out[from + i] = char(text[i] - 32);
        i += len;
    }
}
