#include "listing/kana_match.h"

#include <algorithm>

#include "app/sjis.h"
#include "listing/romaji.h"

namespace {

bool IsRunLetter(char c) { return c >= 'a' && c <= 'z'; }

// A voiced or semi-voiced mark standing as a character of its own at text[at]: half-width
// (ﾞ ﾟ), full-width (゛ ゜), or the escape of a combining one.
bool MarkAt(std::string_view text, std::size_t at) {
    const std::string_view rest = text.substr(std::min(at, text.size()));
    if (rest.empty()) return false;
    const auto first = static_cast<unsigned char>(rest[0]);
    return first == 0xDE || first == 0xDF || rest.starts_with("゛") || rest.starts_with("゜") ||
           rest.starts_with("?3099") || rest.starts_with("?309A");
}

bool FoundAt(std::string_view text, std::string_view part, std::size_t at) {
    return text.compare(at, part.size(), part) == 0 && !MarkAt(text, at + part.size());
}

}  // namespace

std::vector<std::string> KanaReadings(std::string_view folded, bool open) {
    std::vector<std::string> readings{std::string()};
    std::size_t i = 0;
    while (i < folded.size()) {
        const std::size_t length = sjis::CharLength(folded, i);
        if (length != 1 || !IsRunLetter(folded[i])) {
            for (std::string& r : readings) r.append(folded.substr(i, length));
            i += length;
            continue;
        }
        std::size_t end = i;
        while (end < folded.size() && (IsRunLetter(folded[end]) || folded[end] == '-')) ++end;
        const std::string_view run = folded.substr(i, end - i);
        const std::vector<std::string> kana = RomajiReadings(run, open && end == folded.size());
        const std::size_t before = readings.size();
        for (std::size_t r = 0; r < before; ++r)
            for (const std::string& k : kana)
                if (readings.size() < kMaxReadings) readings.push_back(readings[r] + k);
        for (std::size_t r = 0; r < before; ++r) readings[r].append(run);
        i = end;
    }
    return readings;
}

std::vector<std::string> FoldedMaskForms(const KanaFolder& folder, std::string_view mask) {
    // The wildcards stay as typed: folding would not change them, but the text around them
    // is folded in pieces so that no "?" is ever read as part of a name's escape.
    std::string folded;
    std::size_t piece = 0;
    for (std::size_t i = 0; i <= mask.size();
         i += i < mask.size() ? sjis::CharLength(mask, i) : 1) {
        if (i < mask.size() && mask[i] != '*' && mask[i] != '?') continue;
        folded += folder.Fold(mask.substr(piece, i - piece));
        if (i < mask.size()) folded += mask[i];
        piece = i + 1;
    }
    return KanaReadings(folded, false);
}

KanaSearch::KanaSearch(const KanaFolder& folder, std::string_view typed, bool open) {
    const std::string folded = folder.Fold(typed);
    if (!folded.empty()) readings_ = KanaReadings(folded, open);
}

bool KanaSearch::FoundIn(std::string_view foldedName) const {
    for (const std::string& part : readings_)
        for (std::size_t at = 0; at + part.size() <= foldedName.size();
             at += sjis::CharLength(foldedName, at))
            if (FoundAt(foldedName, part, at)) return true;
    return false;
}

bool KanaSearch::StartOf(std::string_view foldedName) const {
    for (const std::string& part : readings_)
        if (FoundAt(foldedName, part, 0)) return true;
    return false;
}

bool KanaSearch::Equals(std::string_view foldedName) const {
    for (const std::string& part : readings_)
        if (foldedName == part) return true;
    return false;
}

ListNameSearch::ListNameSearch(std::string_view typed, bool partial, const KanaFolder* folder)
    : partial_(partial), folder_(folder) {
    if (folder)
        kana_.emplace(*folder, typed, true);
    else
        wanted_ = sjis::UpperCase(typed);
}

bool ListNameSearch::Matches(std::string_view name) const {
    if (kana_) {
        const std::string folded = folder_->Fold(name);
        return partial_ ? kana_->StartOf(folded) : kana_->Equals(folded);
    }
    const std::string upper = sjis::UpperCase(name);
    return partial_ ? upper.compare(0, wanted_.size(), wanted_) == 0 : upper == wanted_;
}
