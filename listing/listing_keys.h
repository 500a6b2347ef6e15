// Turning a slot's entries into the sorted listing the list view shows: filtering by masks
// and the quick mask, one sort key per entry, the page window and the status texts.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/collator.h"
#include "app/kana_fold.h"
#include "app/tab_slots.h"
#include "listing/kana_match.h"
#include "listing/wild_match.h"

// Sizes are padded to this many characters in size keys: wide enough for any 64-bit size.
inline constexpr std::size_t kSizeKeyWidth = 20;
inline constexpr std::size_t kTypeKeyWidth = 6;

// The extension of a name from its last "." on (with the dot); empty when there is none.
std::string_view ExtensionOf(std::string_view name);

// Kind, sort field, name, " ", 0xFF, entry index.
std::string ListingKey(const TTabSlot& slot, std::size_t entry, int sortKind);
// The same key appended to out.
void AppendListingKey(std::string& out, const TTabSlot& slot, std::size_t entry, int sortKind);
// The entry index after the last 0xFF byte of a key; -1 for a key without one or with an index
// beyond int32.
std::int32_t EntryIndexOfKey(std::string_view key);

struct ListingFilter {
    bool MaskOn = false;
    std::vector<std::string> Masks;
    bool QuickMask = false;
    std::string QuickMaskText;
    // Set: names are folded and matched the Japanese-aware way, against FoldedMasks (every
    // form of every mask) and QuickSearch.
    const KanaFolder* Folder = nullptr;
    std::vector<std::string> FoldedMasks;
    std::optional<KanaSearch> QuickSearch;
};
// Masks from the mask box text: split at ";"; "*" or "*.*" anywhere switches filtering off.
// With a folder, masks and quick mask are matched the Japanese-aware way.
ListingFilter MakeListingFilter(std::string_view maskText, bool quickMaskPending,
                                std::string_view quickMaskText, const KanaFolder* folder = nullptr);
bool PassesFilter(const ListingFilter& filter, const TWildMatch& matcher, std::string_view name,
                  char kind);

// Sort keys gathered one entry at a time, so that a folder's keys can be made while it is
// still being read and only the sort is left after the last name.
class SortKeys {
public:
    void Reserve(std::size_t entries);
    // The listing key of the slot's entry under the collator.
    void Add(const TTabSlot& slot, std::size_t entry, int sortKind, const Collator& collator);
    // Every entry added, in the order of its key; the keys are used up.
    std::vector<std::int32_t> Order();

    // One entry in the sort: eight bytes of its collation key from the depth reached as a
    // number, so that comparisons stay in this array instead of visiting the arena at random.
    struct Item {
        std::uint64_t Chunk;
        std::uint32_t Begin;
        std::uint32_t End;
        std::int32_t Entry;
        std::uint32_t Rank;  // the key's length when it ends within the chunk, else one past it
    };

private:
    std::string arena_;
    std::vector<Item> items_;
    std::string key_;
};

// Every entry index of the slot in the order of its listing keys of sortKind under the
// collator. Nothing (an empty list) once stop is set.
std::vector<std::int32_t> SortEntries(const TTabSlot& slot, int sortKind, const Collator& collator,
                                      const std::atomic<bool>* stop = nullptr);
// Where the slot keeps the order of its own sort kind (empty until sorted).
std::vector<std::int32_t>& KeptOrder(TTabSlot& slot);
// The slot's entries in the order of its own sort kind, sorted once and kept in the slot.
// Once stop is set the order is left empty, to be sorted again when next asked for.
const std::vector<std::int32_t>& SortedEntries(TTabSlot& slot, const Collator& collator,
                                               const std::atomic<bool>* stop = nullptr);
// The entries of order that pass the filter, in that order: the listing, one entry index per
// listed row.
std::vector<std::int32_t> ListingOfOrder(const TTabSlot& slot,
                                         const std::vector<std::int32_t>& order,
                                         const ListingFilter& filter, const TWildMatch& matcher);
// The sorted keys of every entry that passes the filter.
std::vector<std::string> BuildListing(const TTabSlot& slot, const ListingFilter& filter,
                                      const TWildMatch& matcher, const Collator& collator);

struct PageWindow {
    std::int32_t Start = 0;
    std::int32_t End = 0;
};
// The shown part of a listing of count keys. Page 0 is the last maxFiles keys.
PageWindow ComputePageWindow(std::int32_t count, bool limitOn, std::int32_t maxFiles, int page);
// '  2/3' while the limit is on and there is more than one page; otherwise empty.
std::string PageText(std::int32_t count, bool limitOn, std::int32_t maxFiles, int page);

// Page numbers run from 0 (the end of the listing) up to count / maxFiles (its beginning).
// Paging forward goes toward the beginning and wraps to 0; ">=" also wraps a page that a
// listing which shrank has left behind.
int NextPage(int page, std::int32_t count, std::int32_t maxFiles);
// Paging back goes toward the end and wraps from 0 to the beginning.
int PreviousPage(int page, std::int32_t count, std::int32_t maxFiles);
// A listing that shrank below the tab's page shows its beginning, never "-2/3".
int ClampPage(int page, std::int32_t count, std::int32_t maxFiles);

// The listing as the list shows it: the listed slot's entries in listing order, the page
// window cut from them, and the order the rows run in (the listed slot's, not the current
// tab's).
struct ShownListing {
    std::vector<std::int32_t>& Entries;
    PageWindow& Window;
    bool Reverse = false;
};
// The list row that shows entry, or nothing when it is not in the window.
std::optional<std::int32_t> RowOfEntry(const ShownListing& shown, std::int32_t entry);
// The rows that show the slot's entries of these names, in the order of names; names not in
// the window have none.
std::vector<std::int32_t> RowsOfNames(const TTabSlot& slot, const ShownListing& shown,
                                      const std::vector<std::string>& names);

struct RowSearch {
    std::string Name;
    bool Partial = false;  // the name starts with Name; otherwise it is Name
    bool Wrap = false;     // past the last row the search goes on from the first
    std::int32_t Start = 0;
    const KanaFolder* Folder = nullptr;  // names compared the Japanese-aware way
};
// The first row from search.Start whose name matches (ListNameSearch): what the list asks
// when it is searched by name or typed at. -1 when none does.
std::int32_t FindRowByName(const TTabSlot& slot, const ShownListing& shown,
                           const RowSearch& search);

// The slot entry behind a row of the list: its index in the slot and its kind.
struct RowEntry {
    std::int32_t Row = 0;
    std::int32_t Entry = 0;
    char Kind = kFileKind;

    bool operator==(const RowEntry&) const = default;
};
// Row of the shown window [pageStart, pageEnd) of listing, mapped back to front in reverse
// order; nothing for a row outside the window or an index that names no entry of the slot.
std::optional<RowEntry> EntryOfRow(const TTabSlot& slot, const std::vector<std::int32_t>& listing,
                                   std::int32_t row, std::int32_t pageStart, std::int32_t pageEnd);

// '1024ﾊﾞｲﾄ', '1KB', '5120MB'.
std::string SizeText(double bytes);
// '3 ﾌｧｲﾙ  合計ｻｲｽﾞ:2KB' followed by the page text.
std::string ListingStatusText(std::int32_t count, double totalSize, std::string_view pageText);
