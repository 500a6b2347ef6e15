#include "listing/romaji.h"

namespace {

struct Syllable {
    std::string_view Romaji;
    std::string_view Kana;
};

// Kana the folded form keeps in katakana (the code page has no hiragana for them) are
// written in katakana here too.
constexpr Syllable kSyllables[] = {
    {"a", "あ"},     {"i", "い"},     {"u", "う"},     {"e", "え"},     {"o", "お"},
    {"ka", "か"},    {"ki", "き"},    {"ku", "く"},    {"ke", "け"},    {"ko", "こ"},
    {"ca", "か"},    {"cu", "く"},    {"co", "こ"},    {"ga", "が"},    {"gi", "ぎ"},
    {"gu", "ぐ"},    {"ge", "げ"},    {"go", "ご"},    {"sa", "さ"},    {"si", "し"},
    {"shi", "し"},   {"su", "す"},    {"se", "せ"},    {"so", "そ"},    {"za", "ざ"},
    {"zi", "じ"},    {"ji", "じ"},    {"zu", "ず"},    {"ze", "ぜ"},    {"zo", "ぞ"},
    {"ta", "た"},    {"ti", "ち"},    {"chi", "ち"},   {"tu", "つ"},    {"tsu", "つ"},
    {"te", "て"},    {"to", "と"},    {"da", "だ"},    {"di", "ぢ"},    {"du", "づ"},
    {"de", "で"},    {"do", "ど"},    {"na", "な"},    {"ni", "に"},    {"nu", "ぬ"},
    {"ne", "ね"},    {"no", "の"},    {"ha", "は"},    {"hi", "ひ"},    {"hu", "ふ"},
    {"fu", "ふ"},    {"he", "へ"},    {"ho", "ほ"},    {"ba", "ば"},    {"bi", "び"},
    {"bu", "ぶ"},    {"be", "べ"},    {"bo", "ぼ"},    {"pa", "ぱ"},    {"pi", "ぴ"},
    {"pu", "ぷ"},    {"pe", "ぺ"},    {"po", "ぽ"},    {"ma", "ま"},    {"mi", "み"},
    {"mu", "む"},    {"me", "め"},    {"mo", "も"},    {"ya", "や"},    {"yu", "ゆ"},
    {"yo", "よ"},    {"ye", "いぇ"},  {"ra", "ら"},    {"ri", "り"},    {"ru", "る"},
    {"re", "れ"},    {"ro", "ろ"},    {"wa", "わ"},    {"wi", "うぃ"},  {"we", "うぇ"},
    {"wo", "を"},    {"va", "ヴぁ"},  {"vi", "ヴぃ"},  {"vu", "ヴ"},    {"ve", "ヴぇ"},
    {"vo", "ヴぉ"},  {"fa", "ふぁ"},  {"fi", "ふぃ"},  {"fe", "ふぇ"},  {"fo", "ふぉ"},
    {"she", "しぇ"}, {"je", "じぇ"},  {"che", "ちぇ"}, {"thi", "てぃ"}, {"dhi", "でぃ"},
    {"kya", "きゃ"}, {"kyu", "きゅ"}, {"kyo", "きょ"}, {"gya", "ぎゃ"}, {"gyu", "ぎゅ"},
    {"gyo", "ぎょ"}, {"sha", "しゃ"}, {"shu", "しゅ"}, {"sho", "しょ"}, {"sya", "しゃ"},
    {"syu", "しゅ"}, {"syo", "しょ"}, {"ja", "じゃ"},  {"ju", "じゅ"},  {"jo", "じょ"},
    {"jya", "じゃ"}, {"jyu", "じゅ"}, {"jyo", "じょ"}, {"zya", "じゃ"}, {"zyu", "じゅ"},
    {"zyo", "じょ"}, {"cha", "ちゃ"}, {"chu", "ちゅ"}, {"cho", "ちょ"}, {"tya", "ちゃ"},
    {"tyu", "ちゅ"}, {"tyo", "ちょ"}, {"cya", "ちゃ"}, {"cyu", "ちゅ"}, {"cyo", "ちょ"},
    {"dya", "ぢゃ"}, {"dyu", "ぢゅ"}, {"dyo", "ぢょ"}, {"nya", "にゃ"}, {"nyu", "にゅ"},
    {"nyo", "にょ"}, {"hya", "ひゃ"}, {"hyu", "ひゅ"}, {"hyo", "ひょ"}, {"bya", "びゃ"},
    {"byu", "びゅ"}, {"byo", "びょ"}, {"pya", "ぴゃ"}, {"pyu", "ぴゅ"}, {"pyo", "ぴょ"},
    {"mya", "みゃ"}, {"myu", "みゅ"}, {"myo", "みょ"}, {"rya", "りゃ"}, {"ryu", "りゅ"},
    {"ryo", "りょ"}, {"xa", "ぁ"},    {"xi", "ぃ"},    {"xu", "ぅ"},    {"xe", "ぇ"},
    {"xo", "ぉ"},    {"la", "ぁ"},    {"li", "ぃ"},    {"lu", "ぅ"},    {"le", "ぇ"},
    {"lo", "ぉ"},    {"xya", "ゃ"},   {"xyu", "ゅ"},   {"xyo", "ょ"},   {"lya", "ゃ"},
    {"lyu", "ゅ"},   {"lyo", "ょ"},   {"xtu", "っ"},   {"ltu", "っ"},   {"xtsu", "っ"},
    {"ltsu", "っ"},  {"xwa", "ゎ"},   {"lwa", "ゎ"},   {"xka", "ヵ"},   {"xke", "ヶ"},
};

bool IsVowel(char c) { return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o'; }

const Syllable* LongestSyllableAt(std::string_view run, std::size_t at) {
    const Syllable* best = nullptr;
    for (const Syllable& s : kSyllables)
        if (run.substr(at).starts_with(s.Romaji) &&
            (!best || s.Romaji.size() > best->Romaji.size()))
            best = &s;
    return best;
}

// kana followed by each syllable that begins with the unfinished rest.
std::vector<std::string> Unfinished(const std::string& kana, std::string_view rest) {
    std::vector<std::string> readings;
    for (const Syllable& s : kSyllables)
        if (s.Romaji.size() > rest.size() && s.Romaji.starts_with(rest))
            readings.push_back(kana + std::string(s.Kana));
    return readings;
}

}  // namespace

std::vector<std::string> RomajiReadings(std::string_view run, bool open) {
    std::string kana;
    std::size_t i = 0;
    while (i < run.size()) {
        const char c = run[i];
        const char next = i + 1 < run.size() ? run[i + 1] : '\0';
        if (c == '-') {
            kana += "ー";
            ++i;
            continue;
        }
        if (c == 'n' && next == '\0') {
            std::vector<std::string> readings{kana + "ん"};
            if (open)
                for (std::string& more : Unfinished(kana, "n")) readings.push_back(std::move(more));
            return readings;
        }
        if (c == 'n' && next == 'n') {
            // "nn" is ん; before a vowel or "y" the second "n" begins the next syllable, as
            // in "onna" おんな and "shinnyuu" しんにゅう.
            const char after = i + 2 < run.size() ? run[i + 2] : '\0';
            kana += "ん";
            i += IsVowel(after) || after == 'y' ? 1 : 2;
            continue;
        }
        if (c == 'n' && !IsVowel(next) && next != 'y') {
            kana += "ん";
            ++i;
            continue;
        }
        // A doubled consonant, and "tch", give the small つ.
        if (!IsVowel(c) && c != 'n' && (next == c || (c == 't' && next == 'c'))) {
            kana += "っ";
            ++i;
            continue;
        }
        if (const Syllable* s = LongestSyllableAt(run, i)) {
            kana += s->Kana;
            i += s->Romaji.size();
            continue;
        }
        return open ? Unfinished(kana, run.substr(i)) : std::vector<std::string>{};
    }
    return {kana};
}
