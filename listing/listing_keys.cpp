#include "listing/listing_keys.h"

#include <algorithm>
#include <numeric>

#include "app/sjis.h"
#include "app/split_fields.h"

std::string_view ExtensionOf(std::string_view name) {
    std::size_t dot = sjis::FindLast(name, '.');
    return dot == sjis::npos ? std::string_view{} : name.substr(dot);
}

std::string ListingKey(const TTabSlot& slot, std::size_t entry, int sortKind) {
    const std::string& name = slot.Names[entry];
    std::string key;
    key.reserve(name.size() + 32);
    key += slot.Kinds[entry];
    switch (sortKind) {
        case 1: key += sjis::PadLeft(slot.Sizes[entry], kSizeKeyWidth); break;
        case 2: key += sjis::PadRight(ExtensionOf(name), kTypeKeyWidth); break;
        case 3: key += slot.Times[entry]; break;
        default: break;
    }
    key += name;
    key += " \xFF";
    key += std::to_string(entry);
    return key;
}

std::int32_t EntryIndexOfKey(std::string_view key) {
    // The last mark: a name may hold 0xFF itself (CP932 gives it to U+F8F3).
    std::size_t mark = key.rfind('\xFF');
    if (mark == std::string_view::npos || mark + 1 >= key.size()) return -1;
    std::int32_t index = 0;
    for (std::size_t i = mark + 1; i < key.size(); ++i) {
        if (key[i] < '0' || key[i] > '9') return -1;
        const int digit = key[i] - '0';
        if (index > (INT32_MAX - digit) / 10) return -1;
        index = index * 10 + digit;
    }
    return index;
}

ListingFilter MakeListingFilter(std::string_view maskText, bool quickMaskPending,
                                std::string_view quickMaskText) {
    ListingFilter filter;
    if (!maskText.empty()) {
        SplitFields(maskText, ';', filter.Masks);
        filter.MaskOn = std::none_of(filter.Masks.begin(), filter.Masks.end(),
                                     [](const std::string& m) { return m == "*" || m == "*.*"; });
    }
    filter.QuickMask = quickMaskPending;
    filter.QuickMaskText = quickMaskText;
    return filter;
}

namespace {
// A multi-byte aware search: the text must start at a character boundary of the name.
bool ContainsAtCharBoundary(std::string_view text, std::string_view part) {
    if (part.empty()) return false;  // an empty quick mask lets nothing through
    for (std::size_t i = 0; i + part.size() <= text.size(); i += sjis::CharLength(text, i))
        if (text.compare(i, part.size(), part) == 0) return true;
    return false;
}
}  // namespace

bool PassesFilter(const ListingFilter& filter, const TWildMatch& matcher, std::string_view name,
                  char kind) {
    if (filter.MaskOn && kind == '1' &&
        std::none_of(filter.Masks.begin(), filter.Masks.end(),
                     [&](const std::string& mask) { return matcher.Match(name, mask); }))
        return false;
    if (filter.QuickMask && !ContainsAtCharBoundary(sjis::LowerCase(name), filter.QuickMaskText))
        return false;
    return true;
}

std::vector<std::string> BuildListing(const TTabSlot& slot, const ListingFilter& filter,
                                      const TWildMatch& matcher, const Collator& collator) {
    std::vector<std::string> keys;
    keys.reserve(slot.Names.size());
    for (std::size_t i = 0; i < slot.Names.size(); ++i) {
        if (PassesFilter(filter, matcher, slot.Names[i], slot.Kinds[i]))
            keys.push_back(ListingKey(slot, i, slot.SortKind));
    }
    // One collation key per entry, then plain byte comparisons: the locale comparison runs
    // n times instead of n log n times.
    std::vector<std::string> sortKeys(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) sortKeys[i] = collator.SortKey(keys[i]);
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return sortKeys[a] < sortKeys[b]; });
    std::vector<std::string> sorted;
    sorted.reserve(keys.size());
    for (std::size_t i : order) sorted.push_back(std::move(keys[i]));
    return sorted;
}

PageWindow ComputePageWindow(std::int32_t count, bool limitOn, std::int32_t maxFiles, int page) {
    if (!limitOn || maxFiles < 1) return {0, count};
    std::int64_t start = std::int64_t{count} - std::int64_t{maxFiles} * (page + 1);
    if (start < 0) start = 0;
    std::int64_t end = std::min<std::int64_t>(count, start + maxFiles);
    return {static_cast<std::int32_t>(start), static_cast<std::int32_t>(end)};
}

namespace {
int HighestPage(std::int32_t count, std::int32_t maxFiles) {
    return maxFiles < 1 ? 0 : count / maxFiles;
}
}  // namespace

int NextPage(int page, std::int32_t count, std::int32_t maxFiles) {
    return page >= HighestPage(count, maxFiles) ? 0 : page + 1;
}

int PreviousPage(int page, std::int32_t count, std::int32_t maxFiles) {
    return page > 0 ? page - 1 : HighestPage(count, maxFiles);
}

int ClampPage(int page, std::int32_t count, std::int32_t maxFiles) {
    return std::min(page, HighestPage(count, maxFiles));
}

std::optional<RowEntry> EntryOfRow(const TTabSlot& slot, const std::vector<std::string>& listing,
                                   std::int32_t row, std::int32_t pageStart, std::int32_t pageEnd) {
    if (row < 0 || row >= pageEnd - pageStart) return std::nullopt;
    const std::int32_t index = ItemToEntry(row, slot.Reverse, pageStart, pageEnd);
    if (index < 0 || index >= static_cast<std::int32_t>(listing.size())) return std::nullopt;
    const std::int32_t entry = EntryIndexOfKey(listing[static_cast<std::size_t>(index)]);
    if (entry < 0 || entry >= static_cast<std::int32_t>(slot.Names.size()) ||
        entry >= static_cast<std::int32_t>(slot.Kinds.size()))
        return std::nullopt;
    return RowEntry{row, entry, slot.Kinds[static_cast<std::size_t>(entry)]};
}

std::string PageText(std::int32_t count, bool limitOn, std::int32_t maxFiles, int page) {
    if (!limitOn || maxFiles < 1) return {};
    std::int32_t pages = count / maxFiles;
    if (pages < 1) return {};
    return "  " + std::to_string(pages - page + 1) + "/" + std::to_string(pages + 1);
}

std::string SizeText(double bytes) {
    auto whole = [](double v) { return std::to_string(static_cast<std::int64_t>(v)); };
    if (bytes > 1048576.0) return whole(bytes / 1024 / 1024) + "MB";
    if (bytes > 1024.0) return whole(bytes / 1024) + "KB";
    return whole(bytes) + "ﾊﾞｲﾄ";
}

std::string ListingStatusText(std::int32_t count, double totalSize, std::string_view pageText) {
    return std::to_string(count) + " ﾌｧｲﾙ  合計ｻｲｽﾞ:" + SizeText(totalSize) + std::string(pageText);
}
