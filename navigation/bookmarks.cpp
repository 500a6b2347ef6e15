#include "navigation/bookmarks.h"

#include <vector>

#include "app/sjis.h"
#include "app/split_fields.h"
#include "navigation/path_text.h"

namespace {

TMenuItem& GroupFor(TMenuItem& bookmarks, const std::string& caption) {
    return GroupItem(bookmarks, 1, kBookmarkGroupName, caption);
}

}  // namespace

GoValue ParseGoValue(std::string_view value) {
    std::vector<std::string> fields;
    SplitFields(value, ',', fields);
    if (fields.size() >= 2) return {std::move(fields[0]), std::move(fields[1])};
    return {std::string(), std::string(value)};
}

GroupedFolder SplitGroup(std::string_view folder) {
    std::size_t bar = sjis::Find(folder, '|');
    if (bar == sjis::npos) return {false, std::string(), std::string(folder)};
    return {true, std::string(folder.substr(0, bar)), std::string(folder.substr(bar + 1))};
}

std::size_t OwnAcceleratorPos(std::string_view folder) {
    // "(", "&" and ")" are never the second byte of a double-byte character.
    std::size_t open = folder.find("(&");
    if (open == std::string_view::npos) return sjis::npos;
    std::size_t close = folder.find(')');
    return close == open + 3 ? open : sjis::npos;
}

std::string BookmarkCaption(std::string_view folder, std::string_view label) {
    if (!label.empty()) return std::string(label);
    std::string caption(folder);
    if (OwnAcceleratorPos(folder) != sjis::npos) return caption;
    std::string_view name = folder;
    if (sjis::EndsWithBackslash(name)) name.remove_suffix(1);
    std::size_t separator = sjis::LastSeparator(name);
    if (separator != sjis::npos) name.remove_prefix(separator + 1);
    if (name.empty()) return caption;  // 'E:\' has no name to mark
    std::size_t at = sjis::Find(folder, name);
    if (at != sjis::npos) caption.insert(at, 1, '&');
    return caption;
}

std::string BookmarkFolder(std::string_view goValue) {
    std::string folder = SplitGroup(ParseGoValue(goValue).Folder).Folder;
    std::size_t accelerator = OwnAcceleratorPos(folder);
    if (accelerator != sjis::npos) folder.erase(accelerator, 4);
    return folder;
}

void AddBookmarkItem(TMenuItem& bookmarks, std::string_view folder, int n, std::string_view label) {
    GroupedFolder grouped = SplitGroup(folder);
    TMenuItem item;
    item.Name = kBookmarkItemName;
    item.Caption = BookmarkCaption(grouped.Folder, label);
    item.Tag = n;
    TMenuItem& parent = grouped.HasGroup ? GroupFor(bookmarks, grouped.Group) : bookmarks;
    parent.Items.push_back(std::move(item));
}

void BuildBookmarkItems(TMenuItem& bookmarks, const TSettings& settings) {
    if (bookmarks.Items.size() > 1) bookmarks.Items.resize(1);
    for (int n = 1;; ++n) {
        GoValue value = ParseGoValue(settings.Value("Go" + std::to_string(n)));
        if (value.Folder.empty()) break;
        AddBookmarkItem(bookmarks, value.Folder, n, value.Label);
    }
}

int AddBookmarkEntry(TSettings& settings, std::string_view folder) {
    if (folder.empty() || folder.find_first_of("\r\n") != std::string_view::npos) return 0;
    for (int n = 1;; ++n) {
        std::string key = "Go" + std::to_string(n);
        std::string value = settings.Value(key);
        if (value.empty()) {
            settings.Set(key, folder);
            return n;
        }
        if (value == folder) return 0;
    }
}

std::string TrimBlanks(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

std::string DeletableFolder(std::string_view currentFolder) {
    if (currentFolder.size() <= 3 || IsServerPath(currentFolder)) return {};
    std::string folder(currentFolder);
    if (sjis::EndsWithBackslash(folder)) folder.pop_back();
    return folder;
}
