#include "navigation/restore_tabs.h"

#include <algorithm>

#include "app/integer_text.h"
#include "app/tab_slots.h"

namespace {
constexpr const char* kFamily = "OpenTab";
constexpr const char* kIndexKey = "OpenTabIndex";

std::string FolderKey(std::size_t n) { return kFamily + std::to_string(n); }
}  // namespace

bool RestoreTabsOn(const TSettings& store) { return store.Value("RestoreTabs") == "1"; }

bool NamesNoFolder(const std::vector<std::string>& args) {
    return std::all_of(args.begin(), args.end(), [](const std::string& a) { return a == "-n"; });
}

SavedTabs ReadSavedTabs(const TSettings& store) {
    SavedTabs tabs;
    for (std::size_t n = 1; n <= static_cast<std::size_t>(kMaxTabs); ++n) {
        std::string folder = store.Value(FolderKey(n));
        if (folder.empty()) break;
        tabs.Folders.push_back(std::move(folder));
    }
    const std::optional<std::int32_t> index = ParseInteger(store.Value(kIndexKey));
    const int last = static_cast<int>(tabs.Folders.size());
    tabs.Current = index && *index >= 1 && *index <= last ? *index - 1 : 0;
    return tabs;
}

void StoreSavedTabs(TSettings& store, const SavedTabs& tabs) {
    // The family goes whole first: a run with fewer tabs leaves none of the last run's behind.
    store.DeleteFamily(kFamily);
    for (std::size_t i = 0; i < tabs.Folders.size(); ++i)
        store.Set(FolderKey(i + 1), tabs.Folders[i]);
    if (!tabs.Folders.empty()) store.Set(kIndexKey, std::to_string(tabs.Current + 1));
}
