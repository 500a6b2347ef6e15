// Pictures of a folder with Japanese names and many kinds of files, in the list view, the
// details view and on a dark background. The pictures are looked at; the test checks what
// can be measured: the view, the colours of the list and the image backgrounds.
// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

using ListScreenshots = TaboraTest;

COLORREF RemoteColour(HWND list, UINT message) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(list, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<COLORREF>(result);
}

TEST_F(ListScreenshots, ListDetailsAndDarkBackground) {
    const std::string folder = Folder.MakeFolder("見本");
    Folder.MakeFolder("見本\\ソース");
    Folder.MakeFolder("見本\\images");
    const std::pair<const char*, std::size_t> files[] = {
        {"表示.txt", 1200}, {"ﾊﾝｶｸ.txt", 80},     {"index.html", 5000}, {"曲.mp3", 40000},
        {"近道.lnk", 300},  {"photo.bmp", 70000}, {"movie.avi", 2000},  {"tool.exe", 150000},
        {"Makefile", 640},  {"data.bin", 16},     {"能力.doc", 9000},   {"site.url", 120},
    };
    for (const auto& [name, size] : files) WriteFile(std::string("見本\\") + name, size);
    const std::size_t itemCount = std::size(files) + 2;
    IniLines icons = ValidSettings();
    icons.Set("Icotxt", "2").Set("Icoexe", "3").Set("Icohtml", "4").Set("Icomp3", "5");
    icons.Set("Icolnk", "6").Set("Icobmp", "7").Set("Icourl", "8").Set("Icoavi", "9");
    icons.Set("Icodoc", "11");

    const struct {
        const char* Picture;
        bool Details;
        COLORREF Background;
        COLORREF Text;
    } views[] = {
        {"list_view", false, RGB(255, 255, 255), RGB(0, 0, 0)},
        {"details_view", true, RGB(255, 255, 255), RGB(0, 0, 0)},
        {"dark_background", true, 4210752, 16777215},
    };
    for (const auto& view : views) {
        SCOPED_TRACE(view.Picture);
        IniLines settings = icons;
        settings.Set("Detail", view.Details ? "1" : "0")
            .Set("BGColor", std::to_string(view.Background))
            .Set("FColor", std::to_string(view.Text));
        WriteSettings(settings.Bytes());
        RemoteApp* app = nullptr;
        MainWindow window(StartMainWindow(app, QuoteArgument(folder)));
        ASSERT_TRUE(window.Main && window.Complete());
        ASSERT_TRUE(WaitUntil([&] { return window.Items().size() == itemCount; }, 5000))
            << "items: " << window.Items().size();
        EXPECT_TRUE(BringToFront(window.Main));
        ::Sleep(400);  // let it paint

        const bool details =
            (::GetWindowLongPtrA(window.List, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT;
        EXPECT_EQ(details, view.Details);
        EXPECT_EQ(RemoteColour(window.List, LVM_GETBKCOLOR), view.Background);
        EXPECT_EQ(RemoteColour(window.List, LVM_GETTEXTCOLOR), view.Text);
        // Each image is painted on the list's colour: its top-left pixel is background.
        for (int item : {0, 2, 3, 5}) {
            const RECT icon = ListItemScreenRect(window.List, item, LVIR_ICON);
            EXPECT_EQ(ScreenPixel({icon.left, icon.top}), view.Background) << "item " << item;
        }
        // Below the last item the list shows only its background; so does the folder box
        // after its text.
        RECT list{};
        ::GetClientRect(window.List, &list);
        ::MapWindowPoints(window.List, nullptr, reinterpret_cast<POINT*>(&list), 2);
        EXPECT_EQ(ScreenPixel({list.right - 30, list.bottom - 5}), view.Background);
        RECT box{};
        ::GetClientRect(window.FolderBox, &box);
        ::MapWindowPoints(window.FolderBox, nullptr, reinterpret_cast<POINT*>(&box), 2);
        if (view.Background != RGB(255, 255, 255)) {
            EXPECT_EQ(ScreenPixel({box.right - 3, box.bottom - 3}), view.Background)
                << "folder box background";
        }

        EXPECT_TRUE(SaveScreenshot(ScreenshotPath(view.Picture))) << view.Picture;
        ASSERT_TRUE(::PostMessageA(window.Main, WM_CLOSE, 0, 0));
        ASSERT_TRUE(app->WaitForExit());
    }
}

}  // namespace
}  // namespace e2e
