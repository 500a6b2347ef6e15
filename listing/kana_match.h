// Finding names the Japanese-aware way: the typed text and the names are folded alike
// (KanaFolder), and each run of romaji in the typed text is also tried as the kana it reads.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/kana_fold.h"

// The forms of a folded text to look for: the text itself first, then with its romaji runs
// read as kana, every combination, at most kMaxReadings in all. With open, the last run may be
// unfinished (the text is still being typed).
inline constexpr std::size_t kMaxReadings = 64;
std::vector<std::string> KanaReadings(std::string_view folded, bool open);

// The forms of one wildcard mask to match folded names against: the text between "*" and "?"
// folded, the wildcards kept, romaji runs read as kana.
std::vector<std::string> FoldedMaskForms(const KanaFolder& folder, std::string_view mask);

// A typed text, folded and read once, looked for in folded names. A match never ends on a
// kana whose voiced or semi-voiced mark follows as a character of its own: "ｶ" is not found
// in "ｶﾞｲﾄﾞ".
class KanaSearch {
public:
    KanaSearch(const KanaFolder& folder, std::string_view typed, bool open);
    // An empty text is found nowhere.
    bool FoundIn(std::string_view foldedName) const;
    bool StartOf(std::string_view foldedName) const;
    bool Equals(std::string_view foldedName) const;

private:
    std::vector<std::string> readings_;
};

// What a search of the list finds (ListView_FindItem, or the first letters of a name typed
// into the list): without a folder the name begins with (partial) or is the text, single-byte
// letters compared without case; with one, the same the Japanese-aware way, and the text is
// taken to be still in typing.
class ListNameSearch {
public:
    ListNameSearch(std::string_view typed, bool partial, const KanaFolder* folder);
    bool Matches(std::string_view name) const;

private:
    std::string wanted_;  // upper case, without a folder
    bool partial_;
    const KanaFolder* folder_;
    std::optional<KanaSearch> kana_;
};
