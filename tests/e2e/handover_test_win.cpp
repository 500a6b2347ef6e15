// One window per user: a second start hands its folders to the running window and ends;
// "-n" starts a window of its own.
// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

class HandOver : public TaboraTest {
protected:
    void SetUp() override {
        TaboraTest::SetUp();
        if (HasFatalFailure()) return;
        WriteSettings(ValidSettings().Bytes());
        // Argument order differs from name order; one name needs quotes, and 表 has a
        // backslash byte as its second byte.
        FolderA = Folder.MakeFolder("z dir");
        FolderB = Folder.MakeFolder("表示");
    }

    // Starts a second instance and expects it to end by itself with exit code 0.
    void RunSecondInstance(const std::string& arguments) {
        RemoteApp& second = Start(arguments);
        ASSERT_TRUE(second.WaitForExit()) << "tabora " << arguments << " did not end";
        EXPECT_EQ(second.ExitCode(), 0u) << "tabora " << arguments;
    }

    std::string FolderA;
    std::string FolderB;
};

TEST_F(HandOver, SecondInstancePassesItsFoldersInOrderToRunningWindow) {
    RemoteApp* first = nullptr;
    HWND main = StartMainWindow(first);
    ASSERT_NE(main, nullptr);
    HWND tabs = FindControl(main, WC_TABCONTROLA);
    HWND folderBox = FindControl(main, "Edit");
    ASSERT_NE(tabs, nullptr);
    ASSERT_NE(folderBox, nullptr);
    ASSERT_EQ(TabTexts(tabs), std::vector<std::string>{"work"});

    // Without arguments the second start only brings the window to the front.
    RunSecondInstance("");
    ::Sleep(300);  // anything it might have sent has arrived by now
    EXPECT_EQ(TabTexts(tabs), std::vector<std::string>{"work"});
    EXPECT_EQ(VisibleTopLevelWindows("TFrmFile").size(), 1u);

    RunSecondInstance(QuoteArgument(FolderA) + " " + QuoteArgument(FolderB));
    const std::vector<std::string> expected = {"work", "z dir", "表示"};
    WaitUntil([&] { return TabTexts(tabs).size() >= expected.size(); });
    EXPECT_EQ(TabTexts(tabs), expected);
    EXPECT_EQ(CurrentTabIndex(tabs), 2) << "the last handed-over folder is the current tab";
    EXPECT_EQ(TextOf(folderBox), FolderB);
    EXPECT_EQ(VisibleTopLevelWindows("TFrmFile").size(), 1u);
    EXPECT_TRUE(first->IsRunning());
}

TEST_F(HandOver, NewInstanceSwitchStartsAnotherWindow) {
    RemoteApp* first = nullptr;
    HWND main = StartMainWindow(first);
    ASSERT_NE(main, nullptr);

    RemoteApp& second = Start("-n " + QuoteArgument(FolderA));
    HWND secondMain = second.WaitForMainWindow();
    ASSERT_NE(secondMain, nullptr) << "-n did not start a window; running=" << second.IsRunning();
    EXPECT_NE(secondMain, main);
    EXPECT_EQ(VisibleTopLevelWindows("TFrmFile").size(), 2u);
    // "-n" is a switch, not a folder: the new window shows only the folder given with it.
    HWND secondTabs = FindControl(secondMain, WC_TABCONTROLA);
    ASSERT_NE(secondTabs, nullptr);
    EXPECT_EQ(TabTexts(secondTabs), std::vector<std::string>{"z dir"});
    EXPECT_TRUE(second.MessageBoxes().empty()) << "the new window complained at start";
    HWND firstTabs = FindControl(main, WC_TABCONTROLA);
    ASSERT_NE(firstTabs, nullptr);
    EXPECT_EQ(TabTexts(firstTabs), std::vector<std::string>{"work"});

    ASSERT_TRUE(::PostMessageA(secondMain, WM_CLOSE, 0, 0));
    ASSERT_TRUE(second.WaitForExit());
    EXPECT_EQ(second.ExitCode(), 0u);
    ASSERT_TRUE(::PostMessageA(main, WM_CLOSE, 0, 0));
    ASSERT_TRUE(first->WaitForExit());
    EXPECT_EQ(first->ExitCode(), 0u);
}

}  // namespace
}  // namespace e2e
