// The listing hot path at 1k to 300k entries: taking in the entries of a folder read, one key
// per entry, the sort, the mask filter and the page window. "per_entry" is the time per
// entry; across sizes it should grow no faster than log n.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "app/collator.h"
#include "listing/listing_keys.h"
#include "listing/wild_match.h"
#include "navigation/folder_entries.h"

namespace {

// Folder sizes from a small folder to a huge one; the cheaper measures stop at 100,000.
const std::vector<std::int64_t> kSizes = {1000, 10000, 100000, 300000};
const std::vector<std::int64_t> kSizesTo100k = {1000, 10000, 100000};

// Shift-JIS bytes (this file is not compiled to CP932): 資料, 表計算, ソフト, 報告書, 議事録,
// 写真, 能力 and the half-width ﾃﾞｰﾀ. Several end in a 5C trail byte.
const char* const kJapanese[] = {
    "\x8E\x91\x97\xBF",         "\x95\x5C\x8C\x76\x8E\x5A", "\x83\x5C\x83\x74\x83\x67",
    "\x95\xF1\x8D\x90\x8F\x91", "\x8B\x63\x8E\x96\x98\x5E", "\x8E\xCA\x90\x5E",
    "\x94\x5C\x97\xCD",         "\xC3\xDE\xB0\xC0",
};
const char* const kWords[] = {"report", "Report", "IMG",     "notes",  "Setup", "readme",
                              "data",   "backup", "Invoice", "draft",  "src",   "Main",
                              "photo",  "TODO",   "budget",  "minutes"};
const char* const kExtensions[] = {".txt", ".doc", ".cpp", ".h",   ".jpg", ".JPG",
                                   ".pdf", ".xls", ".gz",  ".exe", ".lnk", ""};

template <typename T, std::size_t N>
const T& Pick(std::mt19937& rng, const T (&items)[N]) {
    return items[rng() % N];
}

// A folder as a search would report it: about one entry in twenty a folder, one name in six
// Japanese, sizes from a few bytes to several gigabytes, times over twenty years.
TTabSlot MakeSlot(std::int64_t count, int sortKind) {
    std::mt19937 rng(20180903);  // the same folder on every run
    TTabSlot slot;
    slot.Used = true;
    slot.SortKind = static_cast<std::int8_t>(sortKind);
    for (std::int64_t i = 0; i < count; ++i) {
        DirEntry entry;
        const bool folder = rng() % 20 == 0;
        entry.Attributes = folder ? kAttrDirectory : 0x20;
        entry.Name = rng() % 6 == 0 ? Pick(rng, kJapanese) : Pick(rng, kWords);
        if (rng() % 3 == 0) entry.Name += rng() % 2 ? " " : "_";
        entry.Name += std::to_string(i);
        if (!folder) entry.Name += Pick(rng, kExtensions);
        entry.Size = (std::uint64_t{1} << (rng() % 34)) + rng() % 4096;
        entry.Time = {2004 + static_cast<int>(rng() % 21), 1 + static_cast<int>(rng() % 12),
                      1 + static_cast<int>(rng() % 28),    static_cast<int>(rng() % 24),
                      static_cast<int>(rng() % 60),        static_cast<int>(rng() % 60)};
        AddFolderEntry(slot, entry, false);
    }
    return slot;
}

benchmark::Counter PerEntry(std::int64_t count) {
    return benchmark::Counter(
        static_cast<double>(count),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_BuildListing(benchmark::State& state) {
    const std::int64_t count = state.range(0);
    const TTabSlot slot = MakeSlot(count, static_cast<int>(state.range(1)));
    const ListingFilter filter;
    const TWildMatch matcher;
    const PlainCollator collator;
    for (auto _ : state) {
        std::vector<std::string> keys = BuildListing(slot, filter, matcher, collator);
        benchmark::DoNotOptimize(keys.data());
    }
    state.counters["per_entry"] = PerEntry(count);
}
BENCHMARK(BM_BuildListing)
    ->ArgNames({"entries", "sort"})
    ->ArgsProduct({kSizes, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The collation keys of every entry and the sort alone, by name (0) and by size (1).
void BM_SortEntries(benchmark::State& state) {
    const std::int64_t count = state.range(0);
    const TTabSlot slot = MakeSlot(count, static_cast<int>(state.range(1)));
    const PlainCollator collator;
    for (auto _ : state) {
        std::vector<std::int32_t> order = SortEntries(slot, slot.SortKind, collator);
        benchmark::DoNotOptimize(order.data());
    }
    state.counters["per_entry"] = PerEntry(count);
}
BENCHMARK(BM_SortEntries)
    ->ArgNames({"entries", "sort"})
    ->ArgsProduct({kSizes, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// Listing again from the order kept in the slot, as a new mask or the reverse order does.
void BM_ListingOfKeptOrder(benchmark::State& state) {
    const std::int64_t count = state.range(0);
    TTabSlot slot = MakeSlot(count, 0);
    const ListingFilter filter;
    const TWildMatch matcher;
    const PlainCollator collator;
    SortedEntries(slot, collator);
    for (auto _ : state) {
        std::vector<std::int32_t> listing =
            ListingOfOrder(slot, SortedEntries(slot, collator), filter, matcher);
        benchmark::DoNotOptimize(listing.data());
    }
    state.counters["per_entry"] = PerEntry(count);
}
BENCHMARK(BM_ListingOfKeptOrder)
    ->ArgName("entries")
    ->ArgsProduct({kSizes})
    ->Unit(benchmark::kMillisecond);

// What a listing costs after the folder read: keys, sort and the window with the display
// limit off (0) and on (1), as ListFolder asks for them.
void BM_KeysSortWindow(benchmark::State& state) {
    const std::int64_t count = state.range(0);
    const bool limitOn = state.range(1) != 0;
    const TTabSlot slot = MakeSlot(count, 0);
    const ListingFilter filter;
    const TWildMatch matcher;
    const PlainCollator collator;
    for (auto _ : state) {
        const std::vector<std::int32_t> listing =
            ListingOfOrder(slot, SortEntries(slot, slot.SortKind, collator), filter, matcher);
        const auto n = static_cast<std::int32_t>(listing.size());
        PageWindow window = ComputePageWindow(n, limitOn, 200, 0);
        std::string text = ListingStatusText(n, slot.TotalSize, PageText(n, limitOn, 200, 0));
        benchmark::DoNotOptimize(window);
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["per_entry"] = PerEntry(count);
}
BENCHMARK(BM_KeysSortWindow)
    ->ArgNames({"entries", "limit"})
    ->ArgsProduct({kSizes, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// Taking in what a folder search reported: the entry texts of each name, size and time.
void BM_AddFolderEntries(benchmark::State& state) {
    const std::int64_t count = state.range(0);
    const TTabSlot source = MakeSlot(count, 0);
    std::vector<DirEntry> found(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < found.size(); ++i) {
        found[i].Name = source.Names[i];
        found[i].Attributes = source.Kinds[i] == '0' ? kAttrDirectory : 0x20;
        found[i].Size = i * 7919;
        found[i].Time = {2018, 9, 3, 12, 34, static_cast<int>(i % 60)};
    }
    for (auto _ : state) {
        TTabSlot slot;
        for (const DirEntry& entry : found) AddFolderEntry(slot, entry, false);
        benchmark::DoNotOptimize(slot.Names.data());
    }
    state.counters["per_entry"] = PerEntry(count);
}
BENCHMARK(BM_AddFolderEntries)
    ->ArgName("entries")
    ->ArgsProduct({kSizes})
    ->Unit(benchmark::kMillisecond);

void BM_ListingKeys(benchmark::State& state) {
    const std::int64_t count = state.range(0);
    const TTabSlot slot = MakeSlot(count, 1);
    for (auto _ : state) {
        for (std::size_t i = 0; i < slot.Names.size(); ++i) {
            std::string key = ListingKey(slot, i, 1);
            benchmark::DoNotOptimize(key.data());
        }
    }
    state.counters["per_entry"] = PerEntry(count);
}
BENCHMARK(BM_ListingKeys)
    ->ArgName("entries")
    ->ArgsProduct({kSizesTo100k})
    ->Unit(benchmark::kMillisecond);

void BM_MaskFilter(benchmark::State& state) {
    const std::int64_t count = state.range(0);
    const TTabSlot slot = MakeSlot(count, 0);
    const TWildMatch matcher;
    for (auto _ : state) {
        const ListingFilter filter = MakeListingFilter("*.txt;*.doc", false, "");
        std::int64_t kept = 0;
        for (std::size_t i = 0; i < slot.Names.size(); ++i)
            kept += PassesFilter(filter, matcher, slot.Names[i], slot.Kinds[i]);
        benchmark::DoNotOptimize(kept);
    }
    state.counters["per_entry"] = PerEntry(count);
}
BENCHMARK(BM_MaskFilter)
    ->ArgName("entries")
    ->ArgsProduct({kSizesTo100k})
    ->Unit(benchmark::kMillisecond);

// Every page of the listing in turn, as paging through it would ask for them.
void BM_PageWindow(benchmark::State& state) {
    const auto count = static_cast<std::int32_t>(state.range(0));
    const std::int32_t maxFiles = 200;
    const int pages = count / maxFiles + 1;
    int page = 0;
    for (auto _ : state) {
        PageWindow window = ComputePageWindow(count, true, maxFiles, page);
        std::string text = PageText(count, true, maxFiles, page);
        benchmark::DoNotOptimize(window);
        benchmark::DoNotOptimize(text.data());
        page = page + 1 == pages ? 0 : page + 1;
    }
}
BENCHMARK(BM_PageWindow)->ArgName("entries")->ArgsProduct({kSizesTo100k});

}  // namespace

BENCHMARK_MAIN();
