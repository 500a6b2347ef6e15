#include "fileops/slot_patch.h"

#include <charconv>

namespace {

double SizeOf(const std::string& text) {
    std::uint64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return static_cast<double>(value);
}

// The same texts a folder read gives.
void Describe(const DirEntry& found, std::string& size, std::string& time, char& kind) {
    kind = EntryKind(found);
    size = std::to_string(kind == kFolderKind ? 0 : found.Size);
    time = TimeText(found.Time);
}

}  // namespace

char EntryKind(const DirEntry& found) {
    return (found.Attributes & kAttrDirectory) != 0 ? kFolderKind : kFileKind;
}

std::int32_t AppendEntry(TTabSlot& slot, const DirEntry& found) {
    std::string size, time;
    char kind = kFileKind;
    Describe(found, size, time, kind);
    slot.TotalSize += SizeOf(size);
    ForgetSortedEntries(slot);
    slot.Names.push_back(found.Name);
    slot.Sizes.push_back(std::move(size));
    slot.Times.push_back(std::move(time));
    slot.Kinds.push_back(kind);
    return static_cast<std::int32_t>(slot.Names.size()) - 1;
}

std::int32_t FindEntry(const TTabSlot& slot, std::string_view name) {
    for (std::size_t i = 0; i < slot.Names.size(); ++i)
        if (slot.Names[i] == name) return static_cast<std::int32_t>(i);
    return -1;
}

void RefreshEntry(TTabSlot& slot, std::int32_t entry, const DirEntry& found) {
    std::string size, time;
    char kind = kFileKind;
    Describe(found, size, time, kind);
    const auto i = static_cast<std::size_t>(entry);
    ForgetSortedEntries(slot);
    slot.TotalSize += SizeOf(size) - SizeOf(slot.Sizes[i]);
    slot.Sizes[i] = std::move(size);
    slot.Times[i] = std::move(time);
}

void ShowAsLastRow(const TTabSlot& slot, std::int32_t entry, ShownListing shown) {
    const std::int32_t at = shown.Reverse ? shown.Window.Start : shown.Window.End;
    (void)slot;
    shown.Entries.insert(shown.Entries.begin() + at, entry);
    ++shown.Window.End;
}

int RemoveEntries(TTabSlot& slot, std::string_view name, std::optional<ShownListing> shown) {
    int removed = 0;
    for (std::int32_t i = static_cast<std::int32_t>(slot.Names.size()) - 1; i >= 0; --i) {
        if (slot.Names[static_cast<std::size_t>(i)] != name) continue;
        const auto at = static_cast<std::ptrdiff_t>(i);
        slot.TotalSize -= SizeOf(slot.Sizes[static_cast<std::size_t>(i)]);
        ForgetSortedEntries(slot);
        slot.Names.erase(slot.Names.begin() + at);
        slot.Sizes.erase(slot.Sizes.begin() + at);
        slot.Times.erase(slot.Times.begin() + at);
        slot.Kinds.erase(slot.Kinds.begin() + at);
        ++removed;
        if (!shown) continue;
        std::vector<std::int32_t>& listing = shown->Entries;
        PageWindow& window = shown->Window;
        for (std::int32_t k = static_cast<std::int32_t>(listing.size()) - 1; k >= 0; --k) {
            std::int32_t& listed = listing[static_cast<std::size_t>(k)];
            if (listed > i) {
                --listed;
            } else if (listed == i) {
                listing.erase(listing.begin() + k);
                if (k < window.Start) --window.Start;
                if (k < window.End) --window.End;
            }
        }
    }
    return removed;
}
