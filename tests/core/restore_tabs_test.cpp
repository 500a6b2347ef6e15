#include "navigation/restore_tabs.h"

#include <gtest/gtest.h>

#include "app/collator.h"

namespace {

TEST(RestoreTabsTest, TabsGoBackAsTheyCameAndOnlyTheLastRunsAreKept) {
    const PlainCollator collator;
    TSettings store(collator);
    store.LoadFromBytes(
        "RestoreTabs=1\r\nOpenTab1=C:\\a\r\nOpenTab2=C:\\b\r\nOpenTab4=C:\\d\r\n"
        "OpenTabIndex=9\r\nGo1=C:\\g\r\n");
    EXPECT_TRUE(RestoreTabsOn(store));
    // Up to the first number missing; an index beyond them is the first tab.
    SavedTabs read = ReadSavedTabs(store);
    EXPECT_EQ(read.Folders, (std::vector<std::string>{"C:\\a", "C:\\b"}));
    EXPECT_EQ(read.Current, 0);

    StoreSavedTabs(store, {{"D:\\x=y"}, 0});
    EXPECT_EQ(store.SaveToBytes(),
              "RestoreTabs=1\r\nGo1=C:\\g\r\nOpenTab1=D:\\x=y\r\nOpenTabIndex=1\r\n");
    EXPECT_TRUE(NamesNoFolder({"-n"}));
    EXPECT_FALSE(NamesNoFolder({"-n", "C:\\"}));
}

}  // namespace
