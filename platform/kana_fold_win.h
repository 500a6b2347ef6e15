// The system's folding of kana, width and case for Japanese-aware name search.
#pragma once

#include "app/kana_fold.h"

class WinKanaFolder final : public KanaFolder {
public:
    std::string Fold(std::string_view text) const override;
};
