// The display limit: a folder of 450 files shown 200 at a time, paged with Alt+Up toward the
// beginning and Alt+Down toward the end, both wrapping; the status line tells the page.
#include <cstdio>

#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

using Paging = TaboraTest;

// "f000" ... "f449": the name order is the number order.
std::string FileName(int n) {
    char name[8];
    std::snprintf(name, sizeof name, "f%03d", n);
    return name;
}

// What a page shows, short enough to compare and print: the count, the first and the last.
std::string Summary(const std::vector<std::string>& items) {
    if (items.empty()) return "none";
    return std::to_string(items.size()) + " " + items.front() + ".." + items.back();
}

std::string Summary(int first, int last) {
    const int count = first < last ? last - first + 1 : first - last + 1;
    return std::to_string(count) + " " + FileName(first) + ".." + FileName(last);
}

TEST_F(Paging, AltUpAndAltDownPageThroughTheListingAndWrap) {
    const std::string folder = Folder.MakeFolder("many");
    for (int n = 0; n < 450; ++n) WriteFile("many\\" + FileName(n), 1);
    WriteSettings(ValidSettings().Set("Hyojisu", "1").Set("MaxFiles", "200").Bytes());
    RemoteApp* app = nullptr;
    MainWindow window(StartMainWindow(app, QuoteArgument(folder)));
    ASSERT_TRUE(window.Main && window.Complete());
    ASSERT_TRUE(BringToFront(window.Main));
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindowOf(window.Main) == window.List; }, 3000))
        << "the list does not have the keys";

    const std::string status = "450 ﾌｧｲﾙ  合計ｻｲｽﾞ:450ﾊﾞｲﾄ";
    const auto shows = [&](const std::string& page, const std::string& pageText) {
        EXPECT_EQ(Settle([&] { return Summary(window.Items()); }, page), page);
        EXPECT_EQ(Settle([&] { return window.Status(); }, status + pageText), status + pageText);
    };
    // The first page shown is the end of the listing.
    shows(Summary(250, 449), "  3/3");

    TypeKey(VK_UP, {VK_MENU});
    shows(Summary(50, 249), "  2/3");
    EXPECT_FALSE(InMenuMode(window.Main)) << "Alt+Up left the menu bar active";
    ::Sleep(300);  // let it paint
    EXPECT_TRUE(SaveScreenshot(ScreenshotPath("paged_listing")));
    // The page that reaches the beginning is a full one from the first entry.
    TypeKey(VK_UP, {VK_MENU});
    shows(Summary(0, 199), "  1/3");
    TypeKey(VK_UP, {VK_MENU});
    shows(Summary(250, 449), "  3/3");
    TypeKey(VK_DOWN, {VK_MENU});
    shows(Summary(0, 199), "  1/3");
    TypeKey(VK_DOWN, {VK_MENU});
    shows(Summary(50, 249), "  2/3");
    TypeKey(VK_DOWN, {VK_MENU});
    shows(Summary(250, 449), "  3/3");

    // Reversed, the last page turns upside down; it holds the same entries.
    TypeKey('S', {VK_SHIFT, VK_CONTROL});
    TypeKey('S', {VK_SHIFT, VK_CONTROL});
    shows(Summary(449, 250), "  3/3");
    TypeKey(VK_UP, {VK_MENU});
    shows(Summary(249, 50), "  2/3");
}

}  // namespace
}  // namespace e2e
