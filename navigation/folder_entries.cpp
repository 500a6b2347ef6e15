#include "navigation/folder_entries.h"

#include <cstdio>

#include "app/sjis.h"

std::string TimeText(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", t.Year, t.Month, t.Day,
                  t.Hour, t.Minute, t.Second);
    return text;
}

void ClearEntries(TTabSlot& slot) {
    slot.Names.clear();
    slot.Sizes.clear();
    slot.Times.clear();
    slot.Kinds.clear();
    slot.TotalSize = 0;
}

namespace {
void Append(TTabSlot& slot, std::string name, std::string size, std::string time, char kind) {
    slot.Names.push_back(std::move(name));
    slot.Sizes.push_back(std::move(size));
    slot.Times.push_back(std::move(time));
    slot.Kinds.push_back(kind);
}
}  // namespace

void AddFolderEntry(TTabSlot& slot, const DirEntry& entry, bool showHidden) {
    if (entry.Name == "." || entry.Name == "..") return;
    if ((entry.Attributes & kAttrHidden) && !showHidden) return;
    bool folder = (entry.Attributes & kAttrDirectory) != 0;
    std::uint64_t size = folder ? 0 : entry.Size;  // folders report no size
    slot.TotalSize += static_cast<double>(size);
    Append(slot, entry.Name, std::to_string(size), TimeText(entry.Time), folder ? '0' : '1');
}

void FillDriveList(TTabSlot& slot, std::uint32_t driveMask) {
    ClearEntries(slot);
    for (int bit = 0; bit < 26; ++bit) {
        if (!(driveMask & (1u << bit))) continue;
        Append(slot, std::string(1, char('A' + bit)) + ":\\", " ", " ", '0');
    }
}

void AddShareEntry(TTabSlot& slot, const std::string& remoteName) {
    std::size_t sep = sjis::LastSeparator(remoteName);
    Append(slot, sep == sjis::npos ? remoteName : remoteName.substr(sep + 1), " ", " ", '0');
}
