// Splitting a family value (or a mask list) at one separator byte. Fields keep their order,
// empty fields are kept, an empty text gives one empty field. The separators in use (",",
// "=", ";", "|") never occur inside a Shift-JIS double-byte character, so the split is
// bytewise. Any length is accepted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

void SplitFields(std::string_view text, char separator, std::vector<std::string>& fields);
