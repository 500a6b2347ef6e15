// The locale-aware, case-insensitive comparison that settings lookup and the file list's sort
// share. On Windows it is the user locale's comparison; native builds use a plain
// case-insensitive byte order so that the core can be tested without the platform.
#pragma once

#include <string>
#include <string_view>

class Collator {
public:
    virtual ~Collator() = default;
    // <0, 0, >0 like strcmp.
    virtual int Compare(std::string_view a, std::string_view b) const = 0;
    bool Equal(std::string_view a, std::string_view b) const { return Compare(a, b) == 0; }
    // A byte string whose plain order is the order of Compare, for sorting many texts.
    virtual std::string SortKey(std::string_view text) const = 0;
    // SortKey(text) appended to out: many keys can share one buffer.
    virtual void AppendSortKey(std::string_view text, std::string& out) const {
        out += SortKey(text);
    }
};

// Single-byte letters compared without case, everything else byte by byte.
class PlainCollator final : public Collator {
public:
    int Compare(std::string_view a, std::string_view b) const override;
    std::string SortKey(std::string_view text) const override;
    void AppendSortKey(std::string_view text, std::string& out) const override;
};
