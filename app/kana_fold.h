// Folding for Japanese-aware name search: hiragana and katakana, full- and half-width forms
// and letter case made one, so that two texts differing only by those fold to the same
// bytes. On Windows it is the system's own mapping; native builds lower the single-byte
// letters only, so that the matching built on top can be tested without the platform.
#pragma once

#include <string>
#include <string_view>

class KanaFolder {
public:
    virtual ~KanaFolder() = default;
    // Kana as full-width hiragana (a voiced kana one character), letters, digits and signs as
    // single-byte ASCII, letters in lower case. Folding a folded text changes nothing.
    virtual std::string Fold(std::string_view text) const = 0;
};

class PlainKanaFolder final : public KanaFolder {
public:
    std::string Fold(std::string_view text) const override;
};
