// Pictures of the main menus as the user opens them with Alt and the access key; the
// pictures are looked at, the test only makes sure the menu really was open.
#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

using MenuScreenshots = TaboraTest;

TEST_F(MenuScreenshots, FileAndViewMenusOpenWithAltKeys) {
    WriteSettings(ValidSettings().Bytes());
    WriteFile("work\\readme.txt", 10);
    RemoteApp* app = nullptr;
    HWND main = StartMainWindow(app);
    ASSERT_NE(main, nullptr);

    const struct {
        char Key;
        const char* Picture;
    } menus[] = {{'F', "main_menu_file"}, {'V', "main_menu_view"}};
    for (const auto& menu : menus) {
        SCOPED_TRACE(menu.Picture);
        ASSERT_TRUE(BringToFront(main)) << "cannot bring the window to the front";
        TypeKey(static_cast<WORD>(menu.Key), {VK_MENU});
        EXPECT_TRUE(WaitUntil([&] { return !VisibleTopLevelWindows("#32768").empty(); }, 5000))
            << "no menu opened";
        ::Sleep(500);  // let it paint
        const std::string picture = ScreenshotPath(menu.Picture);
        EXPECT_TRUE(SaveScreenshot(picture)) << picture;
        // Once to close the popup, once more to leave the menu bar.
        TypeKey(VK_ESCAPE);
        TypeKey(VK_ESCAPE);
        EXPECT_TRUE(WaitUntil([] { return VisibleTopLevelWindows("#32768").empty(); }, 3000))
            << "the menu stayed open";
    }
    EXPECT_TRUE(app->IsRunning());
}

}  // namespace
}  // namespace e2e
