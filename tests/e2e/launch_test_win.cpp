// Launching as a user does: Enter on a text file starts the editor of its association, copies
// into an associated folder or drops onto a window found by its title; F1 opens the help file;
// the version box, and the update aid that ends the program.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <cstring>

#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

using Names = std::vector<std::string>;

// Waits for a top-level window whose title holds text and ends its process; true when it came.
bool EndWindowWithTitle(const std::string& text) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
            if (TextOf(w).find(text) != std::string::npos) found = w;
        }
        return found != nullptr;
    });
    if (!found) return false;
    HANDLE process = ::OpenProcess(PROCESS_TERMINATE, FALSE, ProcessIdOf(found));
    if (process) {
        ::TerminateProcess(process, 0);
        ::CloseHandle(process);
    }
    return true;
}

class Launching : public TaboraTest {
protected:
    MainWindow StartInFront(const std::string& arguments) {
        RemoteApp* started = nullptr;
        MainWindow window(StartMainWindow(started, arguments));
        app = started;
        if (window.Main && window.Complete()) {
            EXPECT_TRUE(BringToFront(window.Main));
        }
        return window;
    }
    RemoteApp* app = nullptr;
};

TEST_F(Launching, EnterStartsTheAssociatedProgramAndF1OpensTheHelp) {
    WriteSettings(ValidSettings()
                      .Set("Mask", "*.*")
                      .Set("Exttxt", "C:\\windows\\system32\\notepad.exe %file")
                      .Bytes());
    WriteFile("work\\enter_me.txt", 10);
    WriteFile("app\\readme.txt", 10);
    MainWindow window = StartInFront(QuoteArgument(WorkFolder));
    ASSERT_TRUE(window.Main && window.Complete());
    ASSERT_EQ(Settle([&] { return window.Items(); }, Names{"enter_me.txt"}), Names{"enter_me.txt"});
    SelectListItem(window.List, 0);
    TypeKey(VK_RETURN);
    EXPECT_TRUE(EndWindowWithTitle("enter_me.txt"));
    EXPECT_EQ(window.FolderText(), WorkFolder);  // a file opens no folder
    BringToFront(window.Main);
    TypeKey(VK_F1);
    EXPECT_TRUE(EndWindowWithTitle("readme.txt"));
}

TEST_F(Launching, FolderAssociationCopiesAndTitleAssociationPostsTheDrop) {
    const std::string inbox = Folder.MakeFolder("inbox");
    WriteSettings(ValidSettings()
                      .Set("Mask", "*.*")
                      .Set("Exttxt", inbox + "\\")
                      .Set("Extjpg", "TaboraE2EDropTarget")
                      .Bytes());
    WriteFile("work\\a.txt", 10);
    WriteFile("work\\b.jpg", 10);

    // A window of this process, hidden, whose title the association names. Windows carries
    // the posted block across processes; Wine posts the message with the sender's handle, which
    // this process cannot read, so the names are checked only where they arrive (and in the
    // in-process tests).
    static int posts = 0;
    static std::vector<std::string> dropped;
    WNDCLASSA cls{};
    cls.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (msg != WM_DROPFILES) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
        ++posts;
        HGLOBAL block = reinterpret_cast<HGLOBAL>(wParam);
        if (const char* data = static_cast<const char*>(::GlobalLock(block))) {
            // The names follow the 16-byte header, each ended by a NUL, the last by two.
            for (const char* name = data + 16; *name; name += std::strlen(name) + 1)
                dropped.push_back(name);
            ::GlobalUnlock(block);
            ::GlobalFree(block);
        }
        return 0;
    };
    cls.hInstance = ::GetModuleHandleA(nullptr);
    cls.lpszClassName = "TaboraE2EDropTarget";
    ::RegisterClassA(&cls);
    HWND target = ::CreateWindowExA(0, cls.lpszClassName, "[TaboraE2EDropTarget]", 0, 0, 0, 10, 10,
                                    nullptr, nullptr, cls.hInstance, nullptr);
    ASSERT_NE(target, nullptr);

    MainWindow window = StartInFront(QuoteArgument(WorkFolder));
    ASSERT_TRUE(window.Main && window.Complete());
    ASSERT_EQ(Settle([&] { return window.Items(); }, Names{"a.txt", "b.jpg"}),
              (Names{"a.txt", "b.jpg"}));
    SelectListItem(window.List, 0);
    TypeKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return FileExists(inbox + "\\a.txt"); }));
    EXPECT_EQ(Settle([&] { return window.Status(); }, inbox + "\\ へｺﾋﾟｰ"), inbox + "\\ へｺﾋﾟｰ");

    SelectListItem(window.List, 1);
    TypeKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
        return posts > 0;
    }));
    EXPECT_EQ(posts, 1);
    if (!dropped.empty()) {
        EXPECT_EQ(dropped, Names{WorkFolder + "\\b.jpg"});
    }
    EXPECT_TRUE(app->MessageBoxes().empty());
    ::DestroyWindow(target);
}

TEST_F(Launching, AboutBoxAndUpdateThatEndsTheProgram) {
    WriteSettings(ValidSettings().Bytes());
    MainWindow window = StartInFront(QuoteArgument(WorkFolder));
    ASSERT_TRUE(window.Main && window.Complete());
    TypeKey('V', {VK_MENU});
    TypeKey('A');
    HWND box = app->WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    const MessageBoxContent about = ReadMessageBox(box);
    EXPECT_EQ(about.Caption, "ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(about.Text.rfind("tabora\nﾊﾞｰｼﾞｮﾝ 1.0.0\nﾋﾞﾙﾄﾞ日 ", 0), 0u) << about.Text;
    ::Sleep(300);
    EXPECT_TRUE(SaveScreenshot(ScreenshotPath("about_box")));
    PressButton(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return app->MessageBoxes().empty(); }));

    // The update item is the last of the settings submenu of the file menu.
    BringToFront(window.Main);
    TypeKey('F', {VK_MENU});
    TypeKey('O');
    TypeKey(VK_UP);
    TypeKey(VK_RETURN);
    box = app->WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ReadMessageBox(box).Caption, "ｱｯﾌﾟﾃﾞｰﾄ");
    PressButton(box, IDOK);
    EXPECT_TRUE(app->WaitForExit());
}

}  // namespace
}  // namespace e2e
