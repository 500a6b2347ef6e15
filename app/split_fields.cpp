#include "app/split_fields.h"

#include "app/sjis.h"

void SplitFields(std::string_view text, char separator, std::vector<std::string>& fields) {
    fields.clear();
    std::size_t start = 0;
    // One walk by characters: "|" is also the second byte of ポ and must not split it.
    for (std::size_t i = 0; i < text.size();) {
        std::size_t len = sjis::CharLength(text, i);
        if (len == 1 && text[i] == separator) {
            fields.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
        i += len;
    }
    fields.emplace_back(text.substr(start));
}
