// Listing keys: names (one a line) listed in each sort order; every key leads back to its entry.
#include <string>
#include <vector>

#include "app/collator.h"
#include "fuzz/fuzz_target.h"
#include "listing/listing_keys.h"

const char* const kFuzzTargetName = "listing_keys";

void FuzzOne(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    EntryIndexOfKey(bytes);
    TTabSlot slot;
    slot.Used = true;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = bytes.substr(start, end - start);
        const char kind = (slot.Names.size() % 3 == 0) ? '0' : '1';
        slot.Names.emplace_back(line);
        slot.Sizes.push_back(std::to_string(line.size() * 977));
        slot.Times.push_back("2018/09/0" + std::to_string(line.size() % 10) + " 12:00:00");
        slot.Kinds.push_back(kind);
        start = end + 1;
    }
    const PlainCollator collator;
    const TWildMatch matcher;
    for (int sortKind = 0; sortKind < 4; ++sortKind) {
        slot.SortKind = static_cast<std::int8_t>(sortKind);
        const std::vector<std::string> listing = BuildListing(slot, {}, matcher, collator);
        FUZZ_CHECK(listing.size() == slot.Names.size());
        std::vector<bool> found(slot.Names.size(), false);
        std::vector<std::int32_t> entries;
        for (const std::string& key : listing) {
            const std::int32_t entry = EntryIndexOfKey(key);
            entries.push_back(entry);
            FUZZ_CHECK(entry >= 0 && static_cast<std::size_t>(entry) < slot.Names.size());
            FUZZ_CHECK(!found[static_cast<std::size_t>(entry)]);
            found[static_cast<std::size_t>(entry)] = true;
            FUZZ_CHECK(key[0] == slot.Kinds[static_cast<std::size_t>(entry)]);
        }
        const auto count = static_cast<std::int32_t>(listing.size());
        for (std::int32_t row = 0; row < count; ++row) {
            const auto shown = EntryOfRow(slot, entries, row, 0, count);
            FUZZ_CHECK(shown.has_value());
        }
    }
}
