// The folders of the open tabs kept in the settings from one run to the next (RestoreTabs=1):
// OpenTab1, OpenTab2 ... in tab order, and OpenTabIndex, the current one counted from 1.
#pragma once

#include <string>
#include <vector>

#include "app/settings_store.h"

struct SavedTabs {
    std::vector<std::string> Folders;
    int Current = 0;  // index into Folders
};

bool RestoreTabsOn(const TSettings& store);
// True when a command line opens no folder of its own: nothing but "-n".
bool NamesNoFolder(const std::vector<std::string>& args);
// The saved tabs up to the first number missing; Current within them.
SavedTabs ReadSavedTabs(const TSettings& store);
// Replaces the saved tabs with tabs.
void StoreSavedTabs(TSettings& store, const SavedTabs& tabs);
