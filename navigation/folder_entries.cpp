#include "navigation/folder_entries.h"

#include <cstdio>

#include "app/sjis.h"

namespace {
bool Fits(int value, int digits) { return value >= 0 && value < (digits == 4 ? 10000 : 100); }

void PutDigits(char* at, int value, int digits) {
    for (int i = digits - 1; i >= 0; --i, value /= 10) at[i] = static_cast<char>('0' + value % 10);
}
}  // namespace

std::string TimeText(const LocalTime& t) {
    // Written digit by digit: a formatted print per entry was a visible part of reading a big
    // folder. Values beyond the fixed widths still print in full.
    if (!(Fits(t.Year, 4) && Fits(t.Month, 2) && Fits(t.Day, 2) && Fits(t.Hour, 2) &&
          Fits(t.Minute, 2) && Fits(t.Second, 2))) {
        char text[80];
        std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", t.Year, t.Month, t.Day,
                      t.Hour, t.Minute, t.Second);
        return text;
    }
    std::string text = "0000/00/00 00:00:00";
    PutDigits(&text[0], t.Year, 4);
    PutDigits(&text[5], t.Month, 2);
    PutDigits(&text[8], t.Day, 2);
    PutDigits(&text[11], t.Hour, 2);
    PutDigits(&text[14], t.Minute, 2);
    PutDigits(&text[17], t.Second, 2);
    return text;
}

LocalTime LocalTimeOfTicks(std::int64_t ticks) {
    if (ticks < 0) return {};
    constexpr std::int64_t kTicksPerSecond = 10000000;
    const std::int64_t seconds = ticks / kTicksPerSecond;
    const std::int64_t secondOfDay = seconds % 86400;
    // Days since 1970-01-01, then the civil calendar of 400-year eras beginning 0000-03-01.
    const std::int64_t days = seconds / 86400 - 134774 + 719468;
    const std::int64_t era = days / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;  // 0 = March
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    LocalTime t;
    t.Year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    t.Month = month;
    t.Day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    t.Hour = static_cast<int>(secondOfDay / 3600);
    t.Minute = static_cast<int>(secondOfDay / 60 % 60);
    t.Second = static_cast<int>(secondOfDay % 60);
    return t;
}

void ClearEntries(TTabSlot& slot) {
    ForgetSortedEntries(slot);
    slot.Names.clear();
    slot.Sizes.clear();
    slot.Times.clear();
    slot.Kinds.clear();
    slot.TotalSize = 0;
}

namespace {
void Append(TTabSlot& slot, std::string name, std::string size, std::string time, char kind) {
    ForgetSortedEntries(slot);
    slot.Names.push_back(std::move(name));
    slot.Sizes.push_back(std::move(size));
    slot.Times.push_back(std::move(time));
    slot.Kinds.push_back(kind);
}
}  // namespace

void AddFolderEntry(TTabSlot& slot, const DirEntry& entry, bool showHidden) {
    AddFolderEntry(slot, DirEntry(entry), showHidden);
}

void AddFolderEntry(TTabSlot& slot, DirEntry&& entry, bool showHidden) {
    if (entry.Name == "." || entry.Name == "..") return;
    if ((entry.Attributes & kAttrHidden) && !showHidden) return;
    bool folder = (entry.Attributes & kAttrDirectory) != 0;
    std::uint64_t size = folder ? 0 : entry.Size;  // folders report no size
    slot.TotalSize += static_cast<double>(size);
    Append(slot, std::move(entry.Name), std::to_string(size), TimeText(entry.Time),
           folder ? kFolderKind : kFileKind);
}

void FillDriveList(TTabSlot& slot, std::uint32_t driveMask) {
    ClearEntries(slot);
    for (int bit = 0; bit < 26; ++bit) {
        if (!(driveMask & (1u << bit))) continue;
        Append(slot, std::string(1, char('A' + bit)) + ":\\", " ", " ", kFolderKind);
    }
}

void AddShareEntry(TTabSlot& slot, const std::string& remoteName) {
    std::size_t sep = sjis::LastSeparator(remoteName);
    Append(slot, sep == sjis::npos ? remoteName : remoteName.substr(sep + 1), " ", " ",
           kFolderKind);
}
