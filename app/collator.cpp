#include "app/collator.h"

#include "app/sjis.h"

int PlainCollator::Compare(std::string_view a, std::string_view b) const {
    std::string ua = sjis::UpperCase(a);
    std::string ub = sjis::UpperCase(b);
    int r = ua.compare(ub);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

std::string PlainCollator::SortKey(std::string_view text) const { return sjis::UpperCase(text); }
