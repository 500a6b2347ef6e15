// The system's folding as the Japanese-aware search relies on it, and what must stay apart.
#include <gtest/gtest.h>

#include "platform/kana_fold_win.h"

namespace {

TEST(WinKanaFolder, KanaWidthAndCaseFoldToOneFormButMarksStayApart) {
    const WinKanaFolder folder;
    const std::pair<const char*, const char*> folds[] = {
        {"シリョウ", "しりょう"},
        {"ｼﾘｮｳ", "しりょう"},
        {"Ｒｅｐｏｒｔ．ＴＸＴ", "report.txt"},
        {"ＡＢ　＊？", "ab *?"},
        {"?AC00x", "?AC00x"},  // a name outside the code page
        // A mark of its own, half-width, full-width or combining, joins its kana.
        {"ｶﾞ", "が"},
        {"か゛", "が"},
        {"か?3099", "が"},
        {"ﾊﾟ", "ぱ"},
        {"は?309A", "ぱ"},
        {"ｳﾞヴヶ", "ヴヴヶ"},  // the code page has no ゔ or ゖ
        {"ﾊ", "は"},
        {"あ゛", "あ゛"},
        {"ｰ", "ー"},
        {"－", "-"},
        {"時々ヽ", "時々ゝ"}};
    for (auto [text, folded] : folds) EXPECT_EQ(folder.Fold(text), folded) << text;
}

}  // namespace
