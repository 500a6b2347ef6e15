// The user locale's case-insensitive comparison, as settings lookup and sorting use it.
#pragma once

#include "app/collator.h"

class WinCollator final : public Collator {
public:
    int Compare(std::string_view a, std::string_view b) const override;
    std::string SortKey(std::string_view text) const override;
    void AppendSortKey(std::string_view text, std::string& out) const override;
};
