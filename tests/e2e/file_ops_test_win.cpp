// Working on files as a user does: copy and paste between tabs, a cut that other tabs of
// the source folder follow, F2 rename, Del answered at the shell's question, Ins and
// Shift+Ctrl+N. The files are checked on disk; two pictures show a cut and a rename.
// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

using Names = std::vector<std::string>;

std::wstring WideOf(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int size = static_cast<int>(text.size());
    wide.resize(static_cast<std::size_t>(
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), size)));
    return wide;
}

class FileCommands : public TaboraTest {
protected:
    void SetUp() override {
        TaboraTest::SetUp();
        if (HasFatalFailure()) return;
        WriteSettings(ValidSettings().Set("Mask", "*.*").Set("Sort", "0").Bytes());
        A = Folder.MakeFolder("元");
        B = Folder.MakeFolder("先");
        for (const char* name : {"a.txt", "b.txt", "c.txt", "表.txt"})
            WriteFile(std::string("元\\") + name, 10);
    }

    MainWindow StartInFront(const std::string& arguments) {
        RemoteApp* started = nullptr;
        MainWindow window(StartMainWindow(started, arguments));
        app = started;
        if (window.Main && window.Complete()) {
            EXPECT_TRUE(BringToFront(window.Main)) << "cannot bring the window to the front";
        }
        return window;
    }
    static int RowOf(const MainWindow& window, const std::string& caption) {
        Names rows = window.Items();
        auto it = std::find(rows.begin(), rows.end(), caption);
        return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
    }
    static HWND CaptionEdit(const MainWindow& window) {
        HWND edit = nullptr;
        WaitUntil([&] { return (edit = FindControl(window.List, "Edit")) != nullptr; }, 3000);
        return edit;
    }

    RemoteApp* app = nullptr;
    std::string A, B;
};

TEST_F(FileCommands, CopyPasteBetweenTabsAndACutThatATabOfTheSourceFollows) {
    MainWindow window =
        StartInFront(QuoteArgument(A) + " " + QuoteArgument(B) + " " + QuoteArgument(A));
    ASSERT_TRUE(window.Main && window.Complete());
    ASSERT_EQ(Settle([&] { return window.Items(); }, Names{"a.txt", "b.txt", "c.txt", "表.txt"}),
              (Names{"a.txt", "b.txt", "c.txt", "表.txt"}));

    // Copy a.txt in the third tab, paste it in the second.
    SelectListItem(window.List, RowOf(window, "a.txt"));
    TypeKey('C', {VK_CONTROL});
    EXPECT_EQ(Settle([&] { return window.Status(); }, std::string("ｺﾋﾟｰ 1個")), "ｺﾋﾟｰ 1個");
    TypeKey(VK_F6, {VK_SHIFT});
    ASSERT_EQ(Settle([&] { return window.CurrentTab(); }, 1), 1);
    TypeKey('V', {VK_CONTROL});
    EXPECT_EQ(Settle([&] { return window.Items(); }, Names{"a.txt"}), Names{"a.txt"});
    EXPECT_TRUE(FileExists(B + "\\a.txt"));
    EXPECT_TRUE(FileExists(A + "\\a.txt"));

    // Cut two files in the first tab: they are drawn ghosted.
    TypeKey(VK_F6, {VK_SHIFT});
    ASSERT_EQ(Settle([&] { return window.CurrentTab(); }, 0), 0);
    // Arrow keys set the anchor that Shift+Down extends from.
    SelectListItem(window.List, RowOf(window, "a.txt"));
    TypeKey(VK_DOWN);
    TypeKey(VK_DOWN, {VK_SHIFT});
    TypeKey('X', {VK_CONTROL});
    EXPECT_EQ(Settle([&] { return window.Status(); }, std::string("切り取り 2個")), "切り取り 2個");
    EXPECT_EQ(ListView_GetItemState(window.List, RowOf(window, "b.txt"), LVIS_CUT), LVIS_CUT);
    ::Sleep(300);
    EXPECT_TRUE(SaveScreenshot(ScreenshotPath("cut_selection")));

    // Pasted in the second tab, they leave the source, and the third tab no longer lists them.
    TypeKey(VK_F6);
    ASSERT_EQ(Settle([&] { return window.CurrentTab(); }, 1), 1);
    TypeKey('V', {VK_CONTROL});
    const Names moved{"a.txt", "b.txt", "c.txt"};
    EXPECT_EQ(Settle([&] { return window.Items(); }, moved), moved);
    EXPECT_TRUE(FileExists(B + "\\b.txt") && FileExists(B + "\\c.txt"));
    EXPECT_FALSE(FileExists(A + "\\b.txt") || FileExists(A + "\\c.txt"));
    TypeKey(VK_F6);
    ASSERT_EQ(Settle([&] { return window.CurrentTab(); }, 2), 2);
    EXPECT_EQ(Settle([&] { return window.Items(); }, Names{"a.txt", "表.txt"}),
              (Names{"a.txt", "表.txt"}));
}

TEST_F(FileCommands, F2RenamesAndDelAsksTheShellFirst) {
    MainWindow window = StartInFront(QuoteArgument(A));
    ASSERT_TRUE(window.Main && window.Complete());
    ASSERT_EQ(Settle([&] { return window.Items().size(); }, std::size_t{4}), 4u);

    SelectListItem(window.List, RowOf(window, "a.txt"));
    TypeKey(VK_F2);
    HWND edit = CaptionEdit(window);
    ASSERT_NE(edit, nullptr);
    // Backspace, Del and Ctrl+C belong to the edit's text while it is open, not to the
    // folder or the files.
    TypeText("新しい名前.txtXY");
    TypeKey(VK_BACK);
    TypeKey(VK_LEFT);
    TypeKey(VK_DELETE);
    TypeKey('C', {VK_CONTROL});
    EXPECT_EQ(Settle([&] { return TextOf(edit); }, std::string("新しい名前.txt")),
              "新しい名前.txt");
    EXPECT_EQ(window.FolderText(), A);
    EXPECT_TRUE(app->MessageBoxes().empty());
    EXPECT_EQ(window.Status().find("ｺﾋﾟｰ"), std::string::npos);
    ::Sleep(300);
    EXPECT_TRUE(SaveScreenshot(ScreenshotPath("rename_in_place")));
    TypeKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return FileExists(A + "\\新しい名前.txt"); }));
    EXPECT_FALSE(FileExists(A + "\\a.txt"));
    EXPECT_EQ(Settle([&] { return RowOf(window, "新しい名前.txt"); }, 0), 0);
    // The list's own gesture: a click on the caption of the focused row starts the edit too.
    ::Sleep(600);
    ClickAt(CenterOf(ListItemScreenRect(window.List, 0, LVIR_LABEL)));
    EXPECT_NE(CaptionEdit(window), nullptr) << "no edit after a slow second click";
    TypeKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return FindControl(window.List, "Edit") == nullptr; }, 3000));

    // Del: the shell asks; "no" keeps the file and its row, "yes" removes both.
    SelectListItem(window.List, RowOf(window, "b.txt"));
    for (int answer : {IDNO, IDYES}) {
        TypeKey(VK_DELETE);
        HWND prompt = app->WaitForMessageBox(kStepTimeoutMs);
        ASSERT_NE(prompt, nullptr) << "no question from the shell";
        ASSERT_TRUE(PressButton(prompt, answer));
        const bool kept = answer == IDNO;
        EXPECT_EQ(Settle([&] { return RowOf(window, "b.txt") >= 0; }, kept), kept);
        EXPECT_EQ(FileExists(A + "\\b.txt"), kept);
    }
    EXPECT_EQ(Settle([&] { return window.Items().size(); }, std::size_t{3}), 3u);
    EXPECT_TRUE(app->MessageBoxes().empty());
}

TEST_F(FileCommands, InsAndShiftCtrlNStartTheEditOfTheNewName) {
    MainWindow window = StartInFront(QuoteArgument(B));
    ASSERT_TRUE(window.Main && window.Complete());
    TypeKey(VK_INSERT);
    HWND edit = CaptionEdit(window);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(FolderExists(B + "\\新しいフォルダ"));
    EXPECT_EQ(TextOf(edit), "新しいフォルダ");
    TypeText("作った");
    TypeKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return FolderExists(B + "\\作った"); }));
    EXPECT_EQ(Settle([&] { return window.Items(); }, Names{"作った"}), Names{"作った"});

    TypeKey('N', {VK_SHIFT, VK_CONTROL});
    edit = CaptionEdit(window);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(TextOf(edit), "新規ファイル");
    TypeKey(VK_ESCAPE);
    EXPECT_EQ(ReadBytes(B + "\\新規ファイル"), std::optional<std::string>(""));
    const Names both{"作った", "新規ファイル"};
    EXPECT_EQ(Settle([&] { return window.Items(); }, both), both);
}

// A name outside the code page reads back from the ANSI functions as ???.txt, which the shell
// would take for a pattern that 表ソ能.txt matches too: Del removes the chosen file alone.
TEST_F(FileCommands, DelOfANameTheCodePageCannotHoldDeletesThatFileAlone) {
    for (const wchar_t* name : {L"\uD55C\uAD6D\uC5B4.txt", L"caf\u00E9.txt"}) {
        const std::wstring path = WideOf(A) + L"\\" + name;
        ::CloseHandle(
            ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    }
    WriteFile("元\\表ソ能.txt", 10);
    MainWindow window = StartInFront(QuoteArgument(A));
    ASSERT_TRUE(window.Main && window.Complete());
    ASSERT_EQ(Settle([&] { return RowOf(window, "???.txt") >= 0; }, true), true);
    ::Sleep(300);
    EXPECT_TRUE(SaveScreenshot(ScreenshotPath("names_outside_the_code_page")));
    SelectListItem(window.List, RowOf(window, "???.txt"));
    TypeKey(VK_DELETE);
    HWND prompt = app->WaitForMessageBox(kStepTimeoutMs);
    ASSERT_NE(prompt, nullptr) << "no question from the shell";
    ASSERT_TRUE(PressButton(prompt, IDYES));
    EXPECT_EQ(Settle([&] { return window.Items().size(); }, std::size_t{6}), 6u);
    EXPECT_EQ(RowOf(window, "???.txt"), -1);
    EXPECT_TRUE(FileExists(A + "\\表ソ能.txt"));
}

}  // namespace
}  // namespace e2e
