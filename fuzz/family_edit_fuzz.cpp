// Settings editors: the input is a settings file; every family is loaded as the list editor
// shows it, stored back as if confirmed unchanged, and loaded again.
#include <string>
#include <vector>

#include "app/collator.h"
#include "app/settings_keys.h"
#include "app/settings_store.h"
#include "dialogs/family_edit.h"
#include "fuzz/fuzz_target.h"

const char* const kFuzzTargetName = "family_edit";

namespace {

// Equal under the plain collator, which folds single bytes only: equal names are equally long,
// and the length test spares most of the quadratic checks below their case folding.
bool SameName(const Collator& collator, std::string_view a, std::string_view b) {
    return a.size() == b.size() && collator.Equal(a, b);
}

// Lines of the store whose name the collator takes for key.
int LinesNamed(const TSettings& store, const Collator& collator, const std::string& key) {
    int n = 0;
    for (const std::string& line : store.Lines())
        n += TSettings::HasName(line) && SameName(collator, TSettings::NameOf(line), key);
    return n;
}

}  // namespace

void FuzzOne(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PlainCollator collator;
    for (int k = 0; k <= static_cast<int>(TFamilyKind::Other); ++k) {
        const TFamilyKind kind = static_cast<TFamilyKind>(k);
        const std::string prefix = FamilyInfo(kind).Prefix;
        TSettings store(collator);
        store.LoadFromBytes(bytes);
        const std::vector<TListRow> loaded = LoadFamily(store, kind);
        // A key of its own: no other row and no other line of the store has it.
        auto keyOf = [&](const TListRow& row) {
            return kind == TFamilyKind::Other ? row.Name : prefix + row.Name;
        };
        std::vector<bool> unique;
        for (const TListRow& row : loaded) {
            int rows = 0;
            for (const TListRow& other : loaded)
                rows += SameName(collator, keyOf(other), keyOf(row));
            unique.push_back(rows == 1 && LinesNamed(store, collator, keyOf(row)) <= 1);
        }
        const TSettings original = store;
        StoreFamily(store, kind, loaded);

        // No row brings a line break: the store reads back as the same lines.
        const std::string saved = store.SaveToBytes();
        TSettings reread(collator);
        reread.LoadFromBytes(saved);
        FUZZ_CHECK(reread.Lines() == store.Lines());

        const std::vector<TListRow> again = LoadFamily(store, kind);
        if (kind == TFamilyKind::Go || kind == TFamilyKind::Msk) {
            // Numbered rows: only those without a folder or mask are left out.
            std::size_t kept = 0;
            for (const TListRow& row : loaded)
                kept += !(kind == TFamilyKind::Go ? row.Value : row.Name).empty();
            FUZZ_CHECK(again.size() == kept);
        } else {
            // Named rows: every row with a value and a key of its own is there with its value.
            for (std::size_t i = 0; i < loaded.size(); ++i) {
                const TListRow& row = loaded[i];
                if (row.Value.empty() || !unique[i]) continue;
                if (kind == TFamilyKind::Other && IsStartIntegerKey(row.Name)) continue;
                bool found = false;
                for (const TListRow& back : again) found = found || back == row;
                FUZZ_CHECK(found);
            }
        }
        // Once stored, the rows are what the editor shows the next time, unchanged; unless a
        // line outside the family (another case, "EXTtxt") took a key in place of its own.
        bool clash = false;
        for (const std::string& line : store.Lines()) {
            if (!TSettings::InFamily(line, prefix)) continue;
            for (const std::string& other : original.Lines())
                clash = clash ||
                        (!TSettings::InFamily(other, prefix) && TSettings::HasName(other) &&
                         SameName(collator, TSettings::NameOf(other), TSettings::NameOf(line)));
        }
        if (clash) continue;
        StoreFamily(store, kind, again);
        FUZZ_CHECK(store.SaveToBytes() == saved);
        FUZZ_CHECK(LoadFamily(store, kind) == again);
    }
}
