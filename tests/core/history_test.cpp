#include "app/history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(HistoryTest, StepsStopAtBothEndsAndAVisitCutsTheForwardPart) {
    TTabSlot slot;
    EXPECT_TRUE(NothingVisitedYet(slot));
    EXPECT_EQ(HistoryBack(slot), std::nullopt);
    for (const char* folder : {"C:\\a", "C:\\b", "C:\\c"}) VisitFolder(slot, folder);
    EXPECT_FALSE(NothingVisitedYet(slot));
    EXPECT_EQ(HistoryForward(slot), std::nullopt);
    EXPECT_EQ(HistoryBack(slot), "C:\\b");
    EXPECT_EQ(HistoryBack(slot), "C:\\a");
    EXPECT_EQ(HistoryBack(slot), std::nullopt);
    EXPECT_EQ(HistoryForward(slot), "C:\\b");
    VisitFolder(slot, "C:\\d");
    EXPECT_EQ(slot.History, (std::vector<std::string>{"C:\\a", "C:\\b", "C:\\d"}));
    EXPECT_EQ(slot.HistoryPos, 3);
}

}  // namespace
