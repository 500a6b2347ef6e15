// SplitFields: the fields joined back with their separator are the text again.
#include <string>
#include <vector>

#include "app/sjis.h"
#include "app/split_fields.h"
#include "fuzz/fuzz_target.h"

const char* const kFuzzTargetName = "split_fields";

void FuzzOne(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> fields;
    for (char separator : {';', ',', '|', '\\'}) {
        SplitFields(text, separator, fields);
        FUZZ_CHECK(!fields.empty());
        std::string joined;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) joined += separator;
            joined += fields[i];
            // Each split stands on a character boundary and on a single-byte separator.
            if (i + 1 < fields.size()) {
                const std::size_t at = joined.size();
                FUZZ_CHECK(sjis::Find(text, separator, at) == at);
            }
        }
        FUZZ_CHECK(joined == text);
    }
}
