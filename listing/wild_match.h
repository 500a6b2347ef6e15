// TWildMatch: does one file name pass one mask such as '*.txt' or 'abc?.*'?
// Base name and extension (split at the last ".") are matched separately, without case.
#pragma once

#include <string_view>

class TWildMatch {
public:
    bool Match(std::string_view name, std::string_view mask) const;
};
