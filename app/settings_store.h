// TSettings: the settings file held in memory as an ordered list of Name=Value lines.
// Lines the program does not understand (no "=", empty, odd bytes) keep their place and are
// written back byte for byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/collator.h"

class TSettings {
public:
    explicit TSettings(const Collator& collator) : collator_(&collator) {}

    // Replaces the store with the lines of a file's bytes. CR, LF and CR LF each end a line
    // (LF CR is two line ends); NUL bytes are kept like any other byte.
    void LoadFromBytes(std::string_view bytes);
    // The file's bytes: every line followed by CR LF.
    std::string SaveToBytes() const;

    // Value of the first line whose name equals key under the collator; "" when none.
    std::string Value(std::string_view key) const;
    // Non-empty value: replace the first match in place (spelled as key) or append.
    // Empty value: delete the first match only. Every CR and LF of key and value becomes a
    // blank: a line break would add lines of its own to the file, ahead of the real keys.
    void Set(std::string_view key, std::string_view value);
    // Two names are one key to the store, in every lookup, when these are equal.
    std::string KeyOf(std::string_view name) const { return collator_->SortKey(name); }
    // Remove every line that begins with prefix, compared byte-exactly.
    void DeleteFamily(std::string_view prefix);

    const std::vector<std::string>& Lines() const { return lines_; }
    void Clear() {
        lines_.clear();
        index_.clear();
        indexed_ = false;
    }

    // Name: bytes before the first "="; value: everything after it. A line without "=" has
    // no name and never matches.
    static bool HasName(std::string_view line);
    static std::string_view NameOf(std::string_view line);
    static std::string_view ValueOf(std::string_view line);
    // True when line belongs to the family of prefix (byte-exact, case-sensitive).
    static bool InFamily(std::string_view line, std::string_view prefix);

private:
    std::ptrdiff_t FindLine(std::string_view key) const;
    void BuildIndex() const;

    const Collator* collator_;
    std::vector<std::string> lines_;
    // The first line of each name, by the collator's sort key (equal keys are equal names):
    // numbered keys such as Go1..GoN are looked up without scanning every line each time.
    // Built on first lookup; an append keeps it, anything that moves lines drops it.
    mutable std::unordered_map<std::string, std::size_t> index_;
    mutable bool indexed_ = false;
};
