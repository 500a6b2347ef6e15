// The decisions behind the view commands: what a sort command does to a tab and to the
// defaults new tabs get, the status line of a selected item, and the saved masks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings_store.h"

struct SortState {
    std::int8_t SortKind = 0;  // of the current tab
    bool Reverse = false;      // of the current tab
    std::int8_t DefaultSortKind = 0;
    bool DefaultReverse = false;

    bool operator==(const SortState&) const = default;
};

// A click on the sort item of kind tag (0 name .. 3 time). The same kind again flips the
// window-wide reverse flag and gives it to the tab, so a tab whose own flag differed sees no
// change on the first click; another kind sorts ascending by it and becomes the default.
SortState ApplySortCommand(const SortState& state, int tag);

// The sort kind a click on a column header of the details view asks for: 名前 name, ｻｲｽﾞ size,
// 更新日時 time; -1 for a column that sorts nothing. A click runs the sort command of that kind,
// so a second click on the same column reverses.
int SortKindOfColumn(int column);

// The arrow of a column header: the column of the tab's sort kind points up, or down while
// reversed; sorting by type has no column, so no header shows one.
enum class HeaderArrow { None, Up, Down };
HeaderArrow ColumnArrow(int column, int sortKind, bool reverse);

// '更新日時:2018/09/03 12:34 ｻｲｽﾞ:12KB' from an item's time column and, for a file, its size
// column read as a 64-bit byte count; folders and drives show only the time.
std::string SelectionStatusText(std::string_view timeColumn, bool isFile,
                                std::string_view sizeColumn);

// The mask box's saved masks: Msk1, Msk2 ... up to the first one missing or empty, each
// exactly as written.
std::vector<std::string> MaskList(const TSettings& store);
