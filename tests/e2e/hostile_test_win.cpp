// Another program sending the complete window what it never expects: render requests,
// copy data of every size, drop messages whose handles are no drop blocks, text forced into
// every control and a flood of file-command keys. After each the window answers and, once
// closed, the settings file still holds every line it had.

// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <algorithm>

#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

using Names = std::vector<std::string>;

class Hostile : public TaboraTest {
protected:
    void SetUp() override {
        TaboraTest::SetUp();
        if (HasFatalFailure()) return;
        Ini = ValidSettings().Set("Go1", "栞,C:\\").Set("Exttxt", "notepad.exe %file");
        WriteSettings(Ini.Bytes());
        WriteFile("work\\a.txt", 5);
        app_ = nullptr;
        window_ = std::make_unique<MainWindow>(StartMainWindow(app_));
        ASSERT_TRUE(window_->Main && window_->Complete());
    }

    // The window answers at once and the process lives.
    void ExpectAlive(const char* after) {
        DWORD_PTR result = 0;
        EXPECT_TRUE(app_->IsRunning()) << after;
        EXPECT_NE(
            ::SendMessageTimeoutA(window_->Main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result), 0)
            << after;
    }

    // Closes the window and checks that every line of the settings it started with is in the
    // file it wrote (window places may have changed, nothing else).
    void ExpectSettingsIntactAfterClose() {
        ::PostMessageA(window_->Main, WM_CLOSE, 0, 0);
        // Commands still queued run before the close (a refresh each, for the key flood).
        ASSERT_TRUE(app_->WaitForExit(60000));
        const std::vector<std::string> written = SplitCrLf(SettingsBytes());
        for (const std::string& line :
             {std::string("Go1=栞,C:\\"), std::string("Exttxt=notepad.exe %file"),
              std::string("MaxFiles=200")})
            EXPECT_NE(std::find(written.begin(), written.end(), line), written.end()) << line;
        EXPECT_GE(written.size(), Ini.Lines.size());
    }

    IniLines Ini;
    RemoteApp* app_ = nullptr;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(Hostile, CopyDataOfEverySizeTaggedOrNot) {
    // Every size near a power of two, from nothing to the 1.5 MB a message can carry here.
    std::vector<std::size_t> sizes = {0, 1, 2, 3, 1500 * 1000};
    for (std::size_t p = 4; p < 1500 * 1000; p *= 2)
        for (std::size_t s : {p - 1, p, p + 1}) sizes.push_back(s);
    std::string garbage(1500 * 1000, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>(i * 131 + 7);
    DWORD_PTR result = 0;
    for (std::size_t size : sizes)
        for (ULONG_PTR tag : {ULONG_PTR(0x54414230), ULONG_PTR(0)}) {
            COPYDATASTRUCT data{tag, static_cast<DWORD>(size), size ? garbage.data() : nullptr};
            ::SendMessageTimeoutA(window_->Main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                  SMTO_ABORTIFHUNG, 10000, &result);
        }
    ::Sleep(500);  // hand-overs are opened once the sender has returned
    ExpectAlive("copy data");
    // Whatever the garbage named, no tab was opened on it and no file copied in.
    EXPECT_EQ(window_->Tabs(), Names{"work"});
    EXPECT_EQ(window_->Items(), Names{"a.txt"});
    ExpectSettingsIntactAfterClose();
}

TEST_F(Hostile, RenderRequestsDropMessagesAndForcedTexts) {
    DWORD_PTR result = 0;
    // Render requests pointing anywhere, with no drag data object alive.
    for (LPARAM target : {LPARAM(0), LPARAM(0x10), LPARAM(0x12345678), LPARAM(-1)}) {
        ::SendMessageTimeoutA(window_->Main, WM_USER + 100, CF_HDROP, target, SMTO_ABORTIFHUNG,
                              5000, &result);
        ::PostMessageA(window_->Main, WM_USER + 100, 0, target);
    }
    ExpectAlive("render requests");
    // Drop messages whose handles are no drop blocks of the receiving process.
    HGLOBAL ours = ::GlobalAlloc(GMEM_MOVEABLE, 64);
    for (WPARAM handle : {WPARAM(0), WPARAM(1), WPARAM(0x12345678), WPARAM(ours), WPARAM(-1)})
        ::SendMessageTimeoutA(window_->Main, WM_DROPFILES, handle, 0, SMTO_ABORTIFHUNG, 5000,
                              &result);
    ::GlobalFree(ours);
    ExpectAlive("drop messages");
    // Long and broken texts forced into every control (the list reads the folder box only on
    // a command, so nothing is opened by this).
    std::string text(70000, '\x81');  // lead bytes with no trail bytes
    text += "\\..\\*?|";
    std::vector<HWND> children;
    ::EnumChildWindows(
        window_->Main,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    ASSERT_GE(children.size(), 8u);
    for (HWND child : children)
        ::SendMessageTimeoutA(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                              SMTO_ABORTIFHUNG, 5000, &result);
    ExpectAlive("forced texts");
    EXPECT_EQ(window_->Tabs(), Names{"work"});
    ExpectSettingsIntactAfterClose();
}

TEST_F(Hostile, RenderRequestsWhileADragDataObjectLives) {
    ASSERT_TRUE(BringToFront(window_->Main));
    SelectListItem(window_->List, 0);
    const POINT from = CenterOf(ListItemScreenRect(window_->List, 0, LVIR_LABEL));
    const POINT to{from.x + 150, from.y + 120};  // still over the list: no target takes it
    DragMouse(from, to, false);
    // The drag's modal loop holds the pointer in a window of its own (not the list, which
    // would hold it for a plain click) while the data object lives.
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    const DWORD thread = ::GetWindowThreadProcessId(window_->Main, nullptr);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return ::GetGUIThreadInfo(thread, &gui) && gui.hwndCapture &&
                   gui.hwndCapture != window_->List;
        },
        3000))
        << "no drag in progress";
    DWORD_PTR result = 0;
    for (LPARAM target : {LPARAM(0), LPARAM(0x10), LPARAM(0x12345678), LPARAM(-1)}) {
        ::SendMessageTimeoutA(window_->Main, WM_USER + 100, CF_HDROP, target, SMTO_ABORTIFHUNG,
                              5000, &result);
        ::PostMessageA(window_->Main, WM_USER + 100, CF_HDROP, target);
    }
    ExpectAlive("render requests during a drag");
    TypeKey(VK_ESCAPE);  // the drag ends without a drop
    ReleaseMouse(to);
    ExpectAlive("after the drag");
    EXPECT_EQ(window_->Items(), Names{"a.txt"});
    EXPECT_EQ(ReadBytes(WorkFolder + "\\a.txt").value_or("").size(), 5u);
    ExpectSettingsIntactAfterClose();
}

TEST_F(Hostile, TenThousandFileCommandKeysWithNothingToActOn) {
    ASSERT_TRUE(BringToFront(window_->Main));
    // Nothing selected: Del has nothing to delete; F5 reads the folder again each time.
    for (int i = 0; i < 3400; ++i)
        for (WPARAM key : {WPARAM(VK_F5), WPARAM(VK_DELETE)}) {
            ::PostMessageA(window_->List, WM_KEYDOWN, key, 1);
            ::PostMessageA(window_->List, WM_KEYUP, key, 0xC0000001);
        }
    // The clip list is empty: Ctrl+V has nothing to paste. Typed for real, so that the window
    // sees Ctrl held as it would from a keyboard.
    std::vector<INPUT> keys;
    auto key = [&](WORD vk, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        keys.push_back(in);
    };
    key(VK_CONTROL, false);
    for (int i = 0; i < 3400; ++i) key('V', false), key('V', true);
    key('A', false), key('A', true);
    key(VK_CONTROL, true);
    const std::string before = window_->Status();
    for (std::size_t at = 0; at < keys.size(); at += 500) {
        UINT n = static_cast<UINT>(std::min<std::size_t>(500, keys.size() - at));
        EXPECT_EQ(::SendInput(n, keys.data() + at, sizeof(INPUT)), n);
    }
    // The queue drains: the Ctrl+A typed last selects the file once everything before it
    // has been handled.
    EXPECT_TRUE(WaitUntil([&] { return window_->Status() != before; }, 120000));
    ExpectAlive("key flood");
    EXPECT_EQ(window_->Items(), Names{"a.txt"});
    EXPECT_EQ(ReadBytes(WorkFolder + "\\a.txt").value_or("").size(), 5u);
    EXPECT_TRUE(app_->MessageBoxes().empty());
    ExpectSettingsIntactAfterClose();
}

}  // namespace
}  // namespace e2e
