// A folder of 300,000 files: while it is read the window answers another process at once,
// the status line counts, and Esc stops a reading with the tab left as it was. The folder is
// made on the host side before the run (TABORA_HUGE_PARENT names the folder that holds it).
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

constexpr int kHugeCount = 300000;
constexpr const char* kReading = "読込中 ";

double Seconds() {
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

class HugeFolder : public TaboraTest {
protected:
    // Asks the window WM_NULL until until() holds, keeping the longest wait for an answer and
    // when it came (seconds from the start). False when until() never held in time.
    static bool WatchAnswers(HWND main, const std::function<bool()>& until, double& longest,
                             double& longestAt, double timeoutSeconds) {
        longest = longestAt = 0;
        const double start = Seconds();
        while (Seconds() - start < timeoutSeconds) {
            const double asked = Seconds();
            DWORD_PTR result = 0;
            ::SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
            const double answered = Seconds() - asked;
            if (answered > longest) {
                longest = answered;
                longestAt = asked - start;
            }
            if (until()) return true;
            ::Sleep(10);
        }
        return false;
    }

    // Selects the folder in the list and presses Enter on it; the status line before Enter.
    static std::string OpenHugeFromTheList(const MainWindow& window) {
        ClickAt(CenterOf(ListItemScreenRect(window.List, 0, LVIR_LABEL)));
        EXPECT_TRUE(WaitUntil([&] { return FocusedWindowOf(window.Main) == window.List; }, 3000));
        ::Sleep(200);  // the selection's own status text first
        const std::string status = window.Status();
        TypeKey(VK_RETURN);
        return status;
    }
};

TEST_F(HugeFolder, WindowAnswersWhileReadingAndEscStopsTheReading) {
    const char* parentVariable = std::getenv("TABORA_HUGE_PARENT");
    if (!parentVariable) GTEST_SKIP() << "no huge folder made for this run";
    const std::string parent = parentVariable;
    WriteSettings(ValidSettings().Bytes());
    RemoteApp* app = nullptr;
    MainWindow window(StartMainWindow(app, QuoteArgument(parent)));
    ASSERT_TRUE(window.Main && window.Complete());
    ASSERT_TRUE(BringToFront(window.Main));
    ASSERT_EQ(Settle([&] { return window.Items(); }, std::vector<std::string>{"huge"}),
              std::vector<std::string>{"huge"});

    // Read to the end: every WM_NULL is answered quickly, and the count shows meanwhile.
    OpenHugeFromTheList(window);
    const std::string done = std::to_string(kHugeCount) + " ﾌｧｲﾙ";
    bool counted = false;
    double longest = 0, longestAt = 0;
    const bool listed = WatchAnswers(
        window.Main,
        [&] {
            const std::string status = window.Status();
            counted = counted || StartsWith(status, kReading);
            return StartsWith(status, done);
        },
        longest, longestAt, 180);
    ASSERT_TRUE(listed) << "the status line never showed the listing: " << window.Status();
    EXPECT_TRUE(counted) << "no running count in the status line";
    std::printf("longest WM_NULL answer while reading: %.3f s, %.1f s after Enter\n", longest,
                longestAt);
    EXPECT_LT(longest, 0.100) << "the window did not answer WM_NULL for " << longest << " s, "
                              << longestAt << " s after Enter";
    EXPECT_EQ(window.FolderText(), parent + "\\huge");

    // Back up, read again and stop with Esc: the tab keeps its folder, list and history.
    TypeKey(VK_BACK);
    ASSERT_EQ(Settle([&] { return window.FolderText(); }, parent), parent);
    const auto history = window.HistoryButtons();
    const std::string parentStatus = OpenHugeFromTheList(window);
    ASSERT_TRUE(WaitUntil([&] { return StartsWith(window.Status(), kReading); }, 20000))
        << "the second reading showed no count: " << window.Status();
    TypeKey(VK_ESCAPE);
    EXPECT_EQ(Settle([&] { return window.Status(); }, parentStatus), parentStatus);
    EXPECT_EQ(window.FolderText(), parent);
    EXPECT_EQ(window.Items(), std::vector<std::string>{"huge"});
    EXPECT_EQ(window.HistoryButtons(), history);
    EXPECT_TRUE(VisibleTopLevelWindows("#32770", ProcessIdOf(window.Main)).empty())
        << "stopping a reading showed a message";
}

}  // namespace
}  // namespace e2e
