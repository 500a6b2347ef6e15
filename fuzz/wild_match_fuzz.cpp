// TWildMatch and the listing filter: the first line is the mask text, the rest names.
#include <string>
#include <vector>

#include "app/sjis.h"
#include "fuzz/fuzz_target.h"
#include "listing/listing_keys.h"
#include "listing/wild_match.h"

const char* const kFuzzTargetName = "wild_match";

void FuzzOne(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = bytes.find('\n');
    const std::string_view maskText = bytes.substr(0, cut);
    const std::string_view rest =
        cut == std::string_view::npos ? std::string_view{} : bytes.substr(cut + 1);
    const TWildMatch matcher;
    const std::string quick = sjis::LowerCase(maskText.substr(0, 4));
    const ListingFilter filter = MakeListingFilter(maskText, true, quick);
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t end = rest.find('\n', start);
        if (end == std::string_view::npos) end = rest.size();
        const std::string_view name = rest.substr(start, end - start);
        for (const std::string& mask : filter.Masks) {
            const bool match = matcher.Match(name, mask);
            // Case never matters for single-byte letters.
            FUZZ_CHECK(matcher.Match(sjis::UpperCase(name), sjis::LowerCase(mask)) == match);
        }
        // A name always passes a mask list of only itself, unless its base is empty.
        if (!name.empty() && name.find('\0') == std::string_view::npos) {
            const ListingFilter own = MakeListingFilter(name, false, "");
            const std::size_t dot = sjis::FindLast(name, '.');
            if (own.Masks.size() == 1 && dot != 0 &&
                name.find_first_of("*?") == std::string_view::npos)
                FUZZ_CHECK(PassesFilter(own, matcher, name, '1'));
        }
        PassesFilter(filter, matcher, name, '1');
        PassesFilter(filter, matcher, name, '0');
        start = end + 1;
    }
}
