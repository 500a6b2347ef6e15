#include "listing/view_options.h"

#include <charconv>
#include <iterator>

#include "listing/listing_keys.h"

SortState ApplySortCommand(const SortState& state, int tag) {
    SortState next = state;
    if (state.SortKind == tag) {
        next.DefaultReverse = !state.DefaultReverse;
        next.Reverse = next.DefaultReverse;
        return next;
    }
    next.SortKind = next.DefaultSortKind = static_cast<std::int8_t>(tag);
    next.Reverse = next.DefaultReverse = false;
    return next;
}

namespace {
constexpr int kColumnKinds[] = {0, 1, 3};  // 名前, ｻｲｽﾞ, 更新日時
}  // namespace

int SortKindOfColumn(int column) {
    return column >= 0 && column < static_cast<int>(std::size(kColumnKinds)) ? kColumnKinds[column]
                                                                             : -1;
}

HeaderArrow ColumnArrow(int column, int sortKind, bool reverse) {
    if (SortKindOfColumn(column) != sortKind) return HeaderArrow::None;
    return reverse ? HeaderArrow::Down : HeaderArrow::Up;
}

std::string SelectionStatusText(std::string_view timeColumn, bool isFile,
                                std::string_view sizeColumn) {
    std::string text = "更新日時:";
    text += timeColumn;
    if (isFile) {
        // 64 bits: a file of 4 GB or more must not wrap to a small size.
        std::uint64_t bytes = 0;
        std::from_chars(sizeColumn.data(), sizeColumn.data() + sizeColumn.size(), bytes);
        text += " ｻｲｽﾞ:";
        text += SizeText(static_cast<double>(bytes));
    }
    return text;
}

std::vector<std::string> MaskList(const TSettings& store) {
    std::vector<std::string> masks;
    for (int n = 1;; ++n) {
        std::string mask = store.Value("Msk" + std::to_string(n));
        if (mask.empty()) break;
        masks.push_back(std::move(mask));
    }
    return masks;
}
