#include "dialogs/family_edit.h"

#include <unordered_map>
#include <utility>

#include "app/integer_text.h"
#include "app/settings_keys.h"
#include "app/sjis.h"
#include "app/split_fields.h"
#include "dialogs/entry_edit.h"

namespace {

const TFamilyInfo kFamilies[] = {
    {"拡張子別ｱﾌﾟﾘｹｰｼｮﾝ", "Ext", false, TEditorKind::Ext},
    {"ﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰ", "Pop", false, TEditorKind::Pop},
    {"栞の編集", "Go", true, TEditorKind::GoMsk},
    {"ﾏｽｸの編集", "Msk", true, TEditorKind::GoMsk},
    {"ﾒﾆｭｰのｼｮｰﾄｶｯﾄ", "Menu", false, TEditorKind::Menu},
    {"その他", "Ico", false, TEditorKind::Other},
};

// The store looks keys up without case, so "maxfiles" would replace the MaxFiles line too.
bool IsMaxFilesKey(std::string_view name) { return sjis::UpperCase(name) == "MAXFILES"; }

// A line break would split the row into lines of their own; the entry editor refuses them.
bool HasLineBreak(const TListRow& row) {
    return (row.Name + row.Value).find_first_of("\r\n") != std::string::npos;
}

// An emptied row clears its key: the store deletes only the first line of a name, and a
// second line further down would then become the value the user has just seen emptied.
void ClearKey(TSettings& store, std::string_view name) {
    std::size_t before = 0;
    do {
        before = store.Lines().size();
        store.Set(name, "");
    } while (store.Lines().size() != before);
}

// The key a row of a family named by its rows writes, or nothing when the row is skipped or
// refused (the refusal noted in result).
std::optional<std::string> WrittenKey(TFamilyKind kind, const TListRow& row,
                                      TFamilyStoreResult& result) {
    if (HasLineBreak(row)) return std::nullopt;
    if (kind != TFamilyKind::Other) return FamilyInfo(kind).Prefix + row.Name;
    if (IsMaxFilesKey(row.Name)) {
        // A value that is not a count would make the next start refuse the file.
        const std::optional<std::int32_t> count = ParseInteger(row.Value);
        if (!count || *count < 1) {
            result.RefusedMaxFiles.push_back(row.Value);
            return std::nullopt;
        }
        result.MaxFiles = *count;
    } else if (IsStartIntegerKey(row.Name) && !ParseInteger(row.Value)) {
        // Width, Sort, FColor ... must stay integers for the next start.
        result.RefusedIntegers.push_back(row);
        return std::nullopt;
    }
    return row.Name;
}

}  // namespace

const TFamilyInfo& FamilyInfo(TFamilyKind kind) { return kFamilies[static_cast<int>(kind)]; }

std::vector<TListRow> LoadFamily(const TSettings& store, TFamilyKind kind) {
    const std::string_view prefix = FamilyInfo(kind).Prefix;
    std::vector<TListRow> rows;
    std::vector<std::string> fields;
    for (const std::string& line : store.Lines()) {
        if (!TSettings::InFamily(line, prefix)) continue;
        std::string_view rest = line;
        if (kind != TFamilyKind::Other) rest.remove_prefix(prefix.size());
        const std::size_t eq = rest.find('=');
        TListRow row{std::string(rest.substr(0, eq)), eq == std::string_view::npos
                                                          ? std::string()
                                                          : std::string(rest.substr(eq + 1))};
        if (kind == TFamilyKind::Go) {
            SplitFields(row.Value, ',', fields);
            if (fields.size() >= 2) {
                row = {fields[0], fields[1]};
            } else {
                row.Name.clear();
            }
        } else if (kind == TFamilyKind::Msk) {
            row = {row.Value, ""};
        }
        rows.push_back(std::move(row));
    }
    if (kind == TFamilyKind::Other) {
        rows.push_back({"DefaultApp", store.Value("DefaultApp")});
        rows.push_back({"MaxFiles", store.Value("MaxFiles")});
    }
    return rows;
}

void DeleteFamily(TSettings& store, TFamilyKind kind) {
    store.DeleteFamily(FamilyInfo(kind).Prefix);
}

std::optional<std::pair<TListRow, TListRow>> FindSameKeyRows(const TSettings& store,
                                                             TFamilyKind kind,
                                                             const std::vector<TListRow>& rows) {
    if (FamilyInfo(kind).Numbered) return std::nullopt;
    TFamilyStoreResult unused;
    std::unordered_map<std::string, std::size_t> seen;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::optional<std::string> key = WrittenKey(kind, rows[i], unused);
        if (!key) continue;
        // The name the written line reads back with, folded as every lookup folds it.
        const auto [first, added] =
            seen.try_emplace(store.KeyOf(key->substr(0, key->find('='))), i);
        if (!added) return std::pair{rows[first->second], rows[i]};
    }
    return std::nullopt;
}

TFamilyStoreResult StoreFamily(TSettings& store, TFamilyKind kind,
                               const std::vector<TListRow>& rows) {
    const std::string prefix = FamilyInfo(kind).Prefix;
    TFamilyStoreResult result;
    // The store would keep one of the two rows without a word: the user chooses instead.
    result.SameKeyRows = FindSameKeyRows(store, kind, rows);
    if (result.SameKeyRows) return result;
    DeleteFamily(store, kind);
    int number = 0;
    for (const TListRow& row : rows) {
        if (HasLineBreak(row)) continue;
        switch (kind) {
            case TFamilyKind::Go:
                if (row.Value.empty()) break;
                store.Set(prefix + std::to_string(++number), row.Name + "," + row.Value);
                break;
            case TFamilyKind::Msk:
                if (row.Name.empty()) break;
                store.Set(prefix + std::to_string(++number), row.Name);
                break;
            default:
                const std::optional<std::string> key = WrittenKey(kind, row, result);
                if (!key) break;
                if (kind == TFamilyKind::Other && row.Value.empty())
                    ClearKey(store, *key);
                else
                    store.Set(*key, row.Value);
        }
    }
    return result;
}

std::string RefusedMaxFilesMessage(std::string_view value) {
    return "MaxFilesには1以上の整数を入れてください\n「" + std::string(value) +
           "」は使わず、前の値のままにしました";
}

std::string RefusedIntegerMessage(const TListRow& row) {
    return row.Name + "には整数を入れてください\n「" + row.Value +
           "」は使わず、前の値のままにしました";
}

std::string SameKeyRowsMessage(const TListRow& first, const TListRow& second) {
    return "同じ名前の行があります: " + first.Name + " と " + second.Name;
}

std::optional<TFamilyStoreResult> EditFamily(TSettings& store, TFamilyKind kind,
                                             const TMenuItem& mainMenu,
                                             const std::function<bool(TFamilyEdit&)>& edit) {
    TFamilyEdit family{FamilyInfo(kind).Caption, kind, LoadFamily(store, kind), {}};
    if (kind == TFamilyKind::Menu) family.MenuRows = MenuRows(mainMenu);
    family.Refusal = [&store, kind](const std::vector<TListRow>& rows) {
        const auto same = FindSameKeyRows(store, kind, rows);
        return same ? SameKeyRowsMessage(same->first, same->second) : std::string();
    };
    if (!edit(family)) return std::nullopt;
    return StoreFamily(store, kind, family.Rows);
}

std::string RowText(const TListRow& row) { return row.Name + "　" + row.Value; }

std::string DeleteRowQuestion(const TListRow& row) {
    return row.Name + "\nを削除してよろしいですか?";
}

TEntryEdit EntryForNew(const TFamilyEdit& family) {
    return {"新規", family.Kind, "", "", family.MenuRows};
}

std::optional<TEntryEdit> EntryForRow(const TFamilyEdit& family, int index) {
    if (index < 0 || index >= static_cast<int>(family.Rows.size())) return std::nullopt;
    const TListRow& row = family.Rows[index];
    return TEntryEdit{"編集", family.Kind, row.Name, row.Value, family.MenuRows};
}

bool DeleteRow(std::vector<TListRow>& rows, int index) {
    if (index < 0 || index >= static_cast<int>(rows.size())) return false;
    rows.erase(rows.begin() + index);
    return true;
}

int MoveRowUp(std::vector<TListRow>& rows, int index) {
    if (index < 1 || index >= static_cast<int>(rows.size())) return index;
    std::swap(rows[index], rows[index - 1]);
    return index - 1;
}

int MoveRowDown(std::vector<TListRow>& rows, int index) {
    if (index < 0 || index + 1 >= static_cast<int>(rows.size())) return index;
    std::swap(rows[index], rows[index + 1]);
    return index + 1;
}
