// The settings file: load, the start-up keys, lookup, set and delete, save, load again.
#include <string>
#include <string_view>

#include "app/collator.h"
#include "app/integer_text.h"
#include "app/settings_keys.h"
#include "app/settings_store.h"
#include "fuzz/fuzz_target.h"

const char* const kFuzzTargetName = "settings";

namespace {
// The meaning of a lookup: the first line whose name is equal under the collator. The plain
// collator folds single bytes only, so equal names are equally long; testing that first keeps
// this scan, run on every line several times an input, from costing more than the store.
std::string ScanValue(const TSettings& store, const Collator& collator, std::string_view key) {
    for (const std::string& line : store.Lines()) {
        if (!TSettings::HasName(line)) continue;
        const std::string_view name = TSettings::NameOf(line);
        if (name.size() == key.size() && collator.Equal(name, key))
            return std::string(TSettings::ValueOf(line));
    }
    return {};
}
}  // namespace

void FuzzOne(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PlainCollator collator;
    TSettings store(collator);
    store.LoadFromBytes(bytes);

    // Load, save and load again keeps every line byte for byte.
    const std::string saved = store.SaveToBytes();
    TSettings again(collator);
    again.LoadFromBytes(saved);
    FUZZ_CHECK(again.Lines() == store.Lines());
    FUZZ_CHECK(again.SaveToBytes() == saved);

    // The first names of the file, and texts cut from it, looked up and changed.
    int checked = 0;
    for (const std::string& line : again.Lines()) {
        if (!TSettings::HasName(line)) continue;
        if (++checked > 4) break;
        const std::string_view name = TSettings::NameOf(line);
        FUZZ_CHECK(again.Value(name) == ScanValue(again, collator, name));
    }
    const std::string_view key = bytes.substr(0, bytes.size() / 3);
    const std::string_view value = bytes.substr(bytes.size() / 3);
    const std::size_t before = store.Lines().size();
    store.Set(key, value);
    FUZZ_CHECK(store.Lines().size() <= before + 1);
    FUZZ_CHECK(store.Value(key) == ScanValue(store, collator, key));
    TSettings reloaded(collator);
    reloaded.LoadFromBytes(store.SaveToBytes());
    FUZZ_CHECK(reloaded.Lines() == store.Lines());  // no line break went into a line
    store.Set(key, "");
    FUZZ_CHECK(store.Value(key) == ScanValue(store, collator, key));
    store.DeleteFamily(bytes.substr(0, 3));
    FUZZ_CHECK(store.Value(value) == ScanValue(store, collator, value));

    if (ReadStartSettings(again)) {
        try {
            ReadFontSettings(again);
            ReadBackgroundColour(again);
        } catch (const ConversionError&) {
        }
    }
}
