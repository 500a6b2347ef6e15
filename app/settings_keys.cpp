#include "app/settings_keys.h"

#include "app/integer_text.h"
#include "app/sjis.h"

namespace {
// Every key spelled once: the start's reading, its check and the save's writing use these.
namespace key {
constexpr const char* Width = "Width";
constexpr const char* Height = "Height";
constexpr const char* Left = "Left";
constexpr const char* Top = "Top";
constexpr const char* Sort = "Sort";
constexpr const char* DirWidth = "DirWidth";
constexpr const char* MaxFiles = "MaxFiles";
constexpr const char* FCharset = "FCharset";
constexpr const char* FColor = "FColor";
constexpr const char* FHeight = "FHeight";
constexpr const char* FSize = "FSize";
constexpr const char* BGColor = "BGColor";
constexpr const char* Mask = "Mask";
constexpr const char* Detail = "Detail";
constexpr const char* HiddenFile = "HiddenFile";
constexpr const char* DefaultApp = "DefaultApp";
constexpr const char* Hyojisu = "Hyojisu";
constexpr const char* FName = "FName";
constexpr const char* KanaFold = "KanaFold";
}  // namespace key

// The keys the start reads as numbers.
constexpr const char* kStartIntegerKeys[] = {
    key::Width,    key::Height,   key::Left,   key::Top,     key::Sort,  key::DirWidth,
    key::MaxFiles, key::FCharset, key::FColor, key::FHeight, key::FSize, key::BGColor};
}  // namespace

std::int32_t MaxFilesFromValue(std::int32_t value) {
    // Paging divides by this number; a zero or negative page size would never end.
    return value < 1 ? kDefaultMaxFiles : value;
}

bool IsStartIntegerKey(std::string_view key) {
    const std::string upper = sjis::UpperCase(key);
    for (const char* k : kStartIntegerKeys)
        if (upper == sjis::UpperCase(k)) return true;
    return false;
}

std::optional<StartSettings> ReadStartSettings(TSettings& store) {
    StartSettings s;
    auto read = [&](const char* key, std::int32_t& out) {
        std::optional<std::int32_t> v = ParseInteger(store.Value(key));
        if (v) out = *v;
        return v.has_value();
    };
    if (!read(key::Width, s.Width) || !read(key::Height, s.Height) || !read(key::Left, s.Left) ||
        !read(key::Top, s.Top))
        return std::nullopt;
    std::int32_t sort = 0;
    if (!read(key::Sort, sort)) return std::nullopt;
    s.SortKind = (sort >= 0 && sort <= 3) ? static_cast<std::int8_t>(sort) : 0;
    s.Mask = store.Value(key::Mask);
    if (!read(key::DirWidth, s.DirWidth)) return std::nullopt;
    s.Detail = store.Value(key::Detail) == "1";
    s.HiddenFile = store.Value(key::HiddenFile) != "0";
    if (store.Value(key::MaxFiles).empty())
        store.Set(key::MaxFiles, std::to_string(kDefaultMaxFiles));
    if (store.Value(key::DefaultApp).empty()) store.Set(key::DefaultApp, kDefaultApp);
    std::int32_t maxFiles = 0;
    if (!read(key::MaxFiles, maxFiles)) return std::nullopt;
    s.MaxFilesValue = MaxFilesFromValue(maxFiles);
    s.Hyojisu = store.Value(key::Hyojisu) == "1";
    s.KanaFold = store.Value(key::KanaFold) == "1";
    return s;
}

FontSettings ReadFontSettings(const TSettings& store) {
    FontSettings f;
    f.Charset = StrToInt(store.Value(key::FCharset));
    f.Color = StrToInt(store.Value(key::FColor));
    f.Height = StrToInt(store.Value(key::FHeight));
    f.Name = store.Value(key::FName).substr(0, 31);
    f.Size = StrToInt(store.Value(key::FSize));
    return f;
}

std::int32_t ReadBackgroundColour(const TSettings& store) {
    return StrToInt(store.Value(key::BGColor));
}

void StoreSavedState(TSettings& store, const SavedState& s) {
    auto flag = [](bool b) { return b ? "1" : "0"; };
    store.Set(key::Width, std::to_string(s.Width));
    store.Set(key::Height, std::to_string(s.Height));
    store.Set(key::Left, std::to_string(s.Left));
    store.Set(key::Top, std::to_string(s.Top));
    store.Set(key::FCharset, std::to_string(s.Font.Charset));
    store.Set(key::FColor, std::to_string(s.Font.Color));
    store.Set(key::FHeight, std::to_string(s.Font.Height));
    // Setting an empty text would delete the line: a face that could not be told keeps the
    // line there is, so the next start still finds one.
    if (!s.Font.Name.empty()) store.Set(key::FName, s.Font.Name);
    store.Set(key::FSize, std::to_string(s.Font.Size));
    store.Set(key::Mask, s.Mask);
    store.Set(key::DirWidth, std::to_string(s.DirWidth));
    store.Set(key::Sort, std::to_string(s.SortKind));
    store.Set(key::Detail, flag(s.Detail));
    store.Set(key::HiddenFile, flag(s.HiddenFile));
    store.Set(key::Hyojisu, flag(s.Hyojisu));
    if (s.KanaFold || !store.Value(key::KanaFold).empty())
        store.Set(key::KanaFold, flag(s.KanaFold));
}
