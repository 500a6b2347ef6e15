#include "app/kana_fold.h"

#include "app/sjis.h"

std::string PlainKanaFolder::Fold(std::string_view text) const { return sjis::LowerCase(text); }
