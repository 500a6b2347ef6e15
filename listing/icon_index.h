// Which of the list's 16 images a file shows: the Ico entry of its extension.
#pragma once

#include <string_view>

#include "app/settings_store.h"

inline constexpr int kListImageCount = 16;
inline constexpr int kFolderImage = 0;
inline constexpr int kPlainFileImage = 1;

// The value of 'Ico' + the lower-cased extension without its dot. A name without an
// extension, a missing entry, and a value that is no image number (not an integer, negative,
// 16 or more) all give the plain file image.
int IconIndexForFile(const TSettings& settings, std::string_view name);
