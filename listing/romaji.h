// Romaji as it is typed into a search: the kana a run of Latin letters stands for, read the
// way a Japanese input method reads it ("shiryou" しりょう, "kitte" きって, "sa-ba" さーば).
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The hiragana readings of one run of lower-case letters and "-". Empty when the run does not
// read as romaji ("txt"). Closed, a run has at most one reading; open (the typing goes on),
// an unfinished syllable at its end ("shir") reads as each kana it may still become, and a
// final "n" as ん or the start of な, に, ...
std::vector<std::string> RomajiReadings(std::string_view run, bool open);
