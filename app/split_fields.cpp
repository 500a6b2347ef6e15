#include "app/split_fields.h"

#include "app/sjis.h"

void SplitFields(std::string_view text, char separator, std::vector<std::string>& fields) {
    fields.clear();
    std::size_t start = 0;
    for (;;) {
        std::size_t sep = sjis::Find(text, separator, start);  // "|" is the trail byte of ポ
        if (sep == std::string_view::npos) {
            fields.emplace_back(text.substr(start));
            return;
        }
        fields.emplace_back(text.substr(start, sep - start));
        start = sep + 1;
    }
}
