// Bookmarks: the input is a settings file; its Go entries become the menu and one more is added.
#include <string>

#include "app/collator.h"
#include "app/settings_store.h"
#include "fuzz/fuzz_target.h"
#include "navigation/bookmarks.h"

const char* const kFuzzTargetName = "bookmarks";

void FuzzOne(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PlainCollator collator;
    TSettings settings(collator);
    settings.LoadFromBytes(bytes);
    TMenuItem menu;
    menu.Items.emplace_back();
    BuildBookmarkItems(menu, settings);
    for (const std::string& line : settings.Lines()) {
        const std::string_view value = TSettings::ValueOf(line);
        const GoValue go = ParseGoValue(value);
        const std::string folder = BookmarkFolder(value);
        FUZZ_CHECK(folder.size() <= value.size());
        const std::string caption = BookmarkCaption(SplitGroup(go.Folder).Folder, go.Label);
        if (go.Label.empty()) FUZZ_CHECK(caption.size() <= SplitGroup(go.Folder).Folder.size() + 1);
    }
    const std::string folder = TrimBlanks(bytes.substr(0, 64));
    const int n = AddBookmarkEntry(settings, folder);
    if (n > 0) {
        FUZZ_CHECK(settings.Value("Go" + std::to_string(n)) == folder);
        FUZZ_CHECK(AddBookmarkEntry(settings, folder) == 0);  // never twice
    }
    DeletableFolder(bytes);
}
