#include "listing/listing_keys.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "app/sjis.h"
#include "app/split_fields.h"
#include "listing/kana_match.h"

std::string_view ExtensionOf(std::string_view name) {
    std::size_t dot = sjis::FindLast(name, '.');
    return dot == sjis::npos ? std::string_view{} : name.substr(dot);
}

std::string ListingKey(const TTabSlot& slot, std::size_t entry, int sortKind) {
    std::string key;
    key.reserve(slot.Names[entry].size() + 32);
    AppendListingKey(key, slot, entry, sortKind);
    return key;
}

void AppendListingKey(std::string& out, const TTabSlot& slot, std::size_t entry, int sortKind) {
    const std::string& name = slot.Names[entry];
    out += slot.Kinds[entry];
    switch (sortKind) {
        case 1: {
            const std::string& size = slot.Sizes[entry];
            if (size.size() < kSizeKeyWidth) out.append(kSizeKeyWidth - size.size(), ' ');
            out += size;
            break;
        }
        case 2: {
            const std::string_view extension = ExtensionOf(name);
            out += extension;
            if (extension.size() < kTypeKeyWidth) out.append(kTypeKeyWidth - extension.size(), ' ');
            break;
        }
        case 3: out += slot.Times[entry]; break;
        default: break;
    }
    out += name;
    out += " \xFF";
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, entry).ptr;
    out.append(digits, end);
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
                                std::string_view quickMaskText, const KanaFolder* folder) {
    ListingFilter filter;
    if (!maskText.empty()) {
        SplitFields(maskText, ';', filter.Masks);
        filter.MaskOn = std::none_of(filter.Masks.begin(), filter.Masks.end(),
                                     [](const std::string& m) { return m == "*" || m == "*.*"; });
    }
    filter.QuickMask = quickMaskPending;
    filter.QuickMaskText = quickMaskText;
    if (folder) {
        filter.Folder = folder;
        if (filter.MaskOn)
            for (const std::string& mask : filter.Masks)
                for (std::string& form : FoldedMaskForms(*folder, mask))
                    filter.FoldedMasks.push_back(std::move(form));
        if (quickMaskPending) filter.QuickSearch.emplace(*folder, quickMaskText, false);
    }
    return filter;
}

bool PassesFilter(const ListingFilter& filter, const TWildMatch& matcher, std::string_view name,
                  char kind) {
    if (filter.Folder) {
        const bool masked = filter.MaskOn && kind == kFileKind;
        if (!masked && !filter.QuickMask) return true;
        const std::string folded = filter.Folder->Fold(name);
        if (masked &&
            std::none_of(filter.FoldedMasks.begin(), filter.FoldedMasks.end(),
                         [&](const std::string& mask) { return matcher.Match(folded, mask); }))
            return false;
        return !filter.QuickMask || filter.QuickSearch->FoundIn(folded);
    }
    if (filter.MaskOn && kind == kFileKind &&
        std::none_of(filter.Masks.begin(), filter.Masks.end(),
                     [&](const std::string& mask) { return matcher.Match(name, mask); }))
        return false;
    // An empty quick mask lets nothing through: sjis::Find never finds an empty text.
    if (filter.QuickMask && sjis::Find(sjis::LowerCase(name), filter.QuickMaskText) == sjis::npos)
        return false;
    return true;
}

namespace {
using SortItem = SortKeys::Item;

void LoadChunk(SortItem& item, std::string_view arena, std::uint32_t depth) {
    std::uint64_t chunk = 0;
    for (std::uint32_t i = 0; i < 8; ++i) {
        const std::uint32_t at = item.Begin + depth + i;
        chunk = chunk << 8 | (at < item.End ? static_cast<unsigned char>(arena[at]) : 0u);
    }
    item.Chunk = chunk;
    const std::uint32_t length = item.End - item.Begin;
    item.Rank = length <= depth + 8 ? length : depth + 9;
}

// Byte order of the keys, eight bytes at a time: sort by the chunk at the depth reached
// (zero-padded, a key that ends there first), then each run that agrees and goes on is
// sorted by its next eight bytes. Each key is read once per depth, not once per comparison.
void SortByChunks(std::vector<SortItem>& items, std::string_view arena) {
    struct Run {
        std::size_t First, Last;
        std::uint32_t Depth;
    };
    std::vector<Run> runs{{0, items.size(), 0}};
    while (!runs.empty()) {
        const Run run = runs.back();
        runs.pop_back();
        const auto first = items.begin() + static_cast<std::ptrdiff_t>(run.First);
        const auto last = items.begin() + static_cast<std::ptrdiff_t>(run.Last);
        for (auto it = first; it != last; ++it) LoadChunk(*it, arena, run.Depth);
        std::sort(first, last, [](const SortItem& a, const SortItem& b) {
            return a.Chunk != b.Chunk ? a.Chunk < b.Chunk : a.Rank < b.Rank;
        });
        for (std::size_t i = run.First; i < run.Last;) {
            std::size_t j = i + 1;
            while (j < run.Last && items[j].Chunk == items[i].Chunk &&
                   items[j].Rank == items[i].Rank)
                ++j;
            if (j - i > 1 && items[i].Rank == run.Depth + 9) runs.push_back({i, j, run.Depth + 8});
            i = j;
        }
    }
}
}  // namespace

void SortKeys::Reserve(std::size_t entries) {
    arena_.reserve(entries * 64);
    items_.reserve(entries);
}

void SortKeys::Add(const TTabSlot& slot, std::size_t entry, int sortKind,
                   const Collator& collator) {
    // One collation key per entry, all in one arena, then plain byte comparisons: the locale
    // comparison runs n times instead of n log n times, and nothing is allocated per entry.
    key_.clear();
    AppendListingKey(key_, slot, entry, sortKind);
    const std::size_t begin = arena_.size();
    collator.AppendSortKey(key_, arena_);
    if (arena_.size() > UINT32_MAX - 16) throw std::length_error("sort keys beyond 4 GiB");
    items_.push_back({0, static_cast<std::uint32_t>(begin),
                      static_cast<std::uint32_t>(arena_.size()), static_cast<std::int32_t>(entry),
                      0});
}

std::vector<std::int32_t> SortKeys::Order() {
    SortByChunks(items_, arena_);
    std::vector<std::int32_t> order(items_.size());
    for (std::size_t i = 0; i < items_.size(); ++i) order[i] = items_[i].Entry;
    items_ = {};
    arena_ = {};
    return order;
}

std::vector<std::int32_t> SortEntries(const TTabSlot& slot, int sortKind, const Collator& collator,
                                      const std::atomic<bool>* stop) {
    SortKeys keys;
    keys.Reserve(slot.Names.size());
    for (std::size_t i = 0; i < slot.Names.size(); ++i) {
        if (stop && (i & 1023) == 0 && stop->load(std::memory_order_relaxed)) return {};
        keys.Add(slot, i, sortKind, collator);
    }
    if (stop && stop->load()) return {};
    return keys.Order();
}

std::vector<std::int32_t>& KeptOrder(TTabSlot& slot) {
    const int kind = slot.SortKind >= 0 && slot.SortKind < 4 ? slot.SortKind : 0;
    return slot.Sorted[static_cast<std::size_t>(kind)];
}

const std::vector<std::int32_t>& SortedEntries(TTabSlot& slot, const Collator& collator,
                                               const std::atomic<bool>* stop) {
    std::vector<std::int32_t>& order = KeptOrder(slot);
    if (order.size() != slot.Names.size()) order = SortEntries(slot, slot.SortKind, collator, stop);
    return order;
}

std::vector<std::int32_t> ListingOfOrder(const TTabSlot& slot,
                                         const std::vector<std::int32_t>& order,
                                         const ListingFilter& filter, const TWildMatch& matcher) {
    if (!filter.MaskOn && !filter.QuickMask) return order;
    std::vector<std::int32_t> listing;
    listing.reserve(order.size());
    for (const std::int32_t entry : order) {
        const auto i = static_cast<std::size_t>(entry);
        if (PassesFilter(filter, matcher, slot.Names[i], slot.Kinds[i])) listing.push_back(entry);
    }
    return listing;
}

std::vector<std::string> BuildListing(const TTabSlot& slot, const ListingFilter& filter,
                                      const TWildMatch& matcher, const Collator& collator) {
    std::vector<std::string> keys;
    for (const std::int32_t entry :
         ListingOfOrder(slot, SortEntries(slot, slot.SortKind, collator), filter, matcher))
        keys.push_back(ListingKey(slot, static_cast<std::size_t>(entry), slot.SortKind));
    return keys;
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

std::optional<std::int32_t> RowOfEntry(const ShownListing& shown, std::int32_t entry) {
    for (std::int32_t k = shown.Window.Start; k < shown.Window.End; ++k) {
        if (shown.Entries[static_cast<std::size_t>(k)] != entry) continue;
        return shown.Reverse ? shown.Window.End - 1 - k : k - shown.Window.Start;
    }
    return std::nullopt;
}

std::vector<std::int32_t> RowsOfNames(const TTabSlot& slot, const ShownListing& shown,
                                      const std::vector<std::string>& names) {
    std::vector<std::int32_t> rows;
    for (const std::string& name : names) {
        const auto at = std::find(slot.Names.begin(), slot.Names.end(), name);
        if (at == slot.Names.end()) continue;
        if (auto row = RowOfEntry(shown, static_cast<std::int32_t>(at - slot.Names.begin())))
            rows.push_back(*row);
    }
    return rows;
}

std::int32_t FindRowByName(const TTabSlot& slot, const ShownListing& shown,
                           const RowSearch& search) {
    const std::int32_t count = shown.Window.End - shown.Window.Start;
    if (count <= 0) return -1;
    const ListNameSearch wanted(search.Name, search.Partial, search.Folder);
    const std::int32_t start = search.Start < 0 || search.Start >= count ? 0 : search.Start;
    for (std::int32_t step = 0; step < count; ++step) {
        std::int32_t row = start + step;
        if (row >= count) {
            if (!search.Wrap) return -1;
            row -= count;
        }
        const std::int32_t index =
            ItemToEntry(row, shown.Reverse, shown.Window.Start, shown.Window.End);
        if (index < 0 || index >= static_cast<std::int32_t>(shown.Entries.size())) continue;
        const std::int32_t entry = shown.Entries[static_cast<std::size_t>(index)];
        if (entry < 0 || entry >= static_cast<std::int32_t>(slot.Names.size())) continue;
        if (wanted.Matches(slot.Names[static_cast<std::size_t>(entry)])) return row;
    }
    return -1;
}

std::optional<RowEntry> EntryOfRow(const TTabSlot& slot, const std::vector<std::int32_t>& listing,
                                   std::int32_t row, std::int32_t pageStart, std::int32_t pageEnd) {
    if (row < 0 || row >= pageEnd - pageStart) return std::nullopt;
    const std::int32_t index = ItemToEntry(row, slot.Reverse, pageStart, pageEnd);
    if (index < 0 || index >= static_cast<std::int32_t>(listing.size())) return std::nullopt;
    const std::int32_t entry = listing[static_cast<std::size_t>(index)];
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
