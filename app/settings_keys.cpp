#include "app/settings_keys.h"

#include "app/integer_text.h"
#include "app/sjis.h"

std::int32_t MaxFilesFromValue(std::int32_t value) {
    // Paging divides by this number; a zero or negative page size would never end.
    return value < 1 ? kDefaultMaxFiles : value;
}

bool IsStartIntegerKey(std::string_view key) {
    static const char* const keys[] = {"WIDTH",  "HEIGHT",   "LEFT",     "TOP",
                                       "SORT",   "DIRWIDTH", "MAXFILES", "FCHARSET",
                                       "FCOLOR", "FHEIGHT",  "FSIZE",    "BGCOLOR"};
    const std::string upper = sjis::UpperCase(key);
    for (const char* k : keys)
        if (upper == k) return true;
    return false;
}

std::optional<StartSettings> ReadStartSettings(TSettings& store) {
    StartSettings s;
    auto read = [&](const char* key, std::int32_t& out) {
        std::optional<std::int32_t> v = ParseInteger(store.Value(key));
        if (v) out = *v;
        return v.has_value();
    };
    if (!read("Width", s.Width) || !read("Height", s.Height) || !read("Left", s.Left) ||
        !read("Top", s.Top))
        return std::nullopt;
    std::int32_t sort = 0;
    if (!read("Sort", sort)) return std::nullopt;
    s.SortKind = (sort >= 0 && sort <= 3) ? static_cast<std::int8_t>(sort) : 0;
    s.Mask = store.Value("Mask");
    if (!read("DirWidth", s.DirWidth)) return std::nullopt;
    s.Detail = store.Value("Detail") == "1";
    s.HiddenFile = store.Value("HiddenFile") != "0";
    if (store.Value("MaxFiles").empty()) store.Set("MaxFiles", std::to_string(kDefaultMaxFiles));
    if (store.Value("DefaultApp").empty()) store.Set("DefaultApp", kDefaultApp);
    std::int32_t maxFiles = 0;
    if (!read("MaxFiles", maxFiles)) return std::nullopt;
    s.MaxFilesValue = MaxFilesFromValue(maxFiles);
    s.Hyojisu = store.Value("Hyojisu") == "1";
    s.KanaFold = store.Value("KanaFold") == "1";
    return s;
}

FontSettings ReadFontSettings(const TSettings& store) {
    FontSettings f;
    f.Charset = StrToInt(store.Value("FCharset"));
    f.Color = StrToInt(store.Value("FColor"));
    f.Height = StrToInt(store.Value("FHeight"));
    f.Name = store.Value("FName").substr(0, 31);
    f.Size = StrToInt(store.Value("FSize"));
    return f;
}

std::int32_t ReadBackgroundColour(const TSettings& store) {
    return StrToInt(store.Value("BGColor"));
}

void StoreSavedState(TSettings& store, const SavedState& s) {
    auto flag = [](bool b) { return b ? "1" : "0"; };
    store.Set("Width", std::to_string(s.Width));
    store.Set("Height", std::to_string(s.Height));
    store.Set("Left", std::to_string(s.Left));
    store.Set("Top", std::to_string(s.Top));
    store.Set("FCharset", std::to_string(s.Font.Charset));
    store.Set("FColor", std::to_string(s.Font.Color));
    store.Set("FHeight", std::to_string(s.Font.Height));
    // Setting an empty text would delete the line: a face that could not be told keeps the
    // line there is, so the next start still finds one.
    if (!s.Font.Name.empty()) store.Set("FName", s.Font.Name);
    store.Set("FSize", std::to_string(s.Font.Size));
    store.Set("Mask", s.Mask);
    store.Set("DirWidth", std::to_string(s.DirWidth));
    store.Set("Sort", std::to_string(s.SortKind));
    store.Set("Detail", flag(s.Detail));
    store.Set("HiddenFile", flag(s.HiddenFile));
    store.Set("Hyojisu", flag(s.Hyojisu));
    if (s.KanaFold || !store.Value("KanaFold").empty()) store.Set("KanaFold", flag(s.KanaFold));
}
