// The Japanese-aware search: the readings of a typed text stay within their bound and begin
// with the text itself; a mask keeps its wildcards in every form; a text finds itself.
#include <string>
#include <vector>

#include "app/sjis.h"
#include "fuzz/fuzz_target.h"
#include "listing/kana_match.h"

const char* const kFuzzTargetName = "kana_match";

namespace {
std::size_t Wildcards(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += sjis::CharLength(text, i))
        count += text[i] == '*' || text[i] == '?';
    return count;
}
}  // namespace

void FuzzOne(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const PlainKanaFolder folder;
    const std::string folded = folder.Fold(text);
    for (bool open : {false, true}) {
        const std::vector<std::string> readings = KanaReadings(folded, open);
        FUZZ_CHECK(!readings.empty() && readings.size() <= kMaxReadings);
        FUZZ_CHECK(readings.front() == folded);
        const KanaSearch search(folder, text, open);
        FUZZ_CHECK(folded.empty() || (search.FoundIn(folded) && search.StartOf(folded)));
    }
    for (const std::string& form : FoldedMaskForms(folder, text))
        FUZZ_CHECK(Wildcards(form) == Wildcards(text));
}
