// The single keys of tabora.ini: what start-up reads and checks, and what a save writes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/settings_store.h"

inline constexpr std::int32_t kDefaultMaxFiles = 200;
inline constexpr const char* kDefaultApp = "notepad.exe";

// What start-up takes from the store before the window is shown.
struct StartSettings {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int8_t SortKind = 0;  // DefaultSortKind; a value outside 0..3 reads as 0
    std::string Mask;
    std::int32_t DirWidth = 0;
    bool Detail = false;
    bool HiddenFile = true;
    std::int32_t MaxFilesValue = kDefaultMaxFiles;  // below 1 is used as 200
    bool Hyojisu = false;
    bool KanaFold = false;  // masks, quick mask and type-ahead fold kana, width and case
};

// Reads and checks the window keys in file order. Fills in MaxFiles and DefaultApp in the
// store when they are empty. Returns nothing when Width, Height, Left, Top, Sort, DirWidth or
// MaxFiles is missing or not an integer: start-up must then refuse to run.
std::optional<StartSettings> ReadStartSettings(TSettings& store);

// True for the keys start-up reads as integers (the window keys, MaxFiles, the font numbers
// and BGColor), compared without case as the store compares keys: any other value there
// makes the next start refuse the file.
bool IsStartIntegerKey(std::string_view key);

// Font and colours, read after the check above. A missing or non-integer value throws
// ConversionError, which start-up reports as it is.
struct FontSettings {
    std::int32_t Charset = 0;
    std::int32_t Color = 0;
    std::int32_t Height = 0;
    std::string Name;  // at most 31 bytes
    std::int32_t Size = 0;
};
FontSettings ReadFontSettings(const TSettings& store);
std::int32_t ReadBackgroundColour(const TSettings& store);

// The window's state as a save writes it, in the order the keys are set.
struct SavedState {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    FontSettings Font;
    std::string Mask;
    std::int32_t DirWidth = 0;
    std::int8_t SortKind = 0;
    bool Detail = false;
    bool HiddenFile = true;
    bool Hyojisu = false;
    bool KanaFold = false;
};
// Present keys keep their line; missing ones are appended. An empty mask removes its line; an
// empty font name leaves the FName line alone (the shell passes the face in use). KanaFold is
// written once it is on or has a line, so a file that never had it is saved as it was.
void StoreSavedState(TSettings& store, const SavedState& state);

// Effective entries per page for a MaxFiles value.
std::int32_t MaxFilesFromValue(std::int32_t value);
