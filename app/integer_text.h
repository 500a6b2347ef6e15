// Integers in the settings file: an optional sign and decimal digits that fit in 32 bits.
// Nothing else is a number: no blanks, no exponent, no hex, not the empty text.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

std::optional<std::int32_t> ParseInteger(std::string_view text);

// The error a failed conversion reports to the user.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(std::string_view text);
};

// ParseInteger or throw ConversionError.
std::int32_t StrToInt(std::string_view text);
