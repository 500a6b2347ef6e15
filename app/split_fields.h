// Splitting a family value (or a mask list) at one separator byte. Fields keep their order,
// empty fields are kept, an empty text gives one empty field. A separator byte that is the
// second byte of a Shift-JIS character (ポ is 83 7C) does not split. Any length is accepted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

void SplitFields(std::string_view text, char separator, std::vector<std::string>& fields);
