#include "app/split_fields.h"

void SplitFields(std::string_view text, char separator, std::vector<std::string>& fields) {
    fields.clear();
    std::size_t start = 0;
    for (;;) {
        std::size_t sep = text.find(separator, start);
        if (sep == std::string_view::npos) {
            fields.emplace_back(text.substr(start));
            return;
        }
        fields.emplace_back(text.substr(start, sep - start));
        start = sep + 1;
    }
}
