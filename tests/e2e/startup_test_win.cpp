// Starting tabora.exe: a missing or broken settings file stops it with a message and
// leaves the file alone; a good one shows the main window on the working folder.
// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <algorithm>

#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

using Startup = TaboraTest;

constexpr const char* kInvalidSettingsText = "tabora.iniがないか不正です";

// Waits for the start-up message of `app`, checks that no main window is shown while it
// is, answers it, and returns what it said. The process must end after the answer.
MessageBoxContent AnswerStartupFailure(RemoteApp& app) {
    HWND box = app.WaitForMessageBox();
    if (!box) {
        ADD_FAILURE() << "no message box; running=" << app.IsRunning()
                      << " main windows=" << app.MainWindows().size();
        return {};
    }
    MessageBoxContent content = ReadMessageBox(box);
    EXPECT_TRUE(app.MainWindows().empty()) << "the main window is shown behind the message";
    EXPECT_TRUE(PressButton(box, IDOK)) << "the message has no OK button";
    EXPECT_TRUE(app.WaitForExit()) << "the program went on after the message";
    return content;
}

TEST_F(Startup, MissingSettingsFileStopsWithMessageAndCreatesNothing) {
    RemoteApp& app = Start();
    MessageBoxContent box = AnswerStartupFailure(app);
    EXPECT_EQ(box.Text, kInvalidSettingsText);
    EXPECT_EQ(box.Caption, "ｴﾗｰ");
    EXPECT_FALSE(FileExists(SettingsPath)) << "a settings file was created";
    EXPECT_EQ(FolderEntries(AppFolder), std::vector<std::string>{"tabora.exe"});
}

TEST_F(Startup, InvalidWindowKeysStopWithMessageAndLeaveFileUnchanged) {
    struct Case {
        const char* Name;
        IniLines Settings;
    };
    const Case cases[] = {
        {"Width not a number", ValidSettings().Set("Width", "80x")},
        {"Sort missing", ValidSettings().Remove("Sort")},
        {"DirWidth with a leading blank", ValidSettings().Set("DirWidth", " 800")},
        {"MaxFiles not a number", ValidSettings().Set("MaxFiles", "x")},
        {"Top empty", ValidSettings().Set("Top", "")},
        // The name of a line is everything before "=", blanks included: no Height here.
        {"blank before =", ValidSettings().Remove("Height").Set("Height ", "360")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string bytes = c.Settings.Bytes();
        WriteSettings(bytes);
        RemoteApp& app = Start();
        MessageBoxContent box = AnswerStartupFailure(app);
        EXPECT_EQ(box.Text, kInvalidSettingsText);
        EXPECT_EQ(box.Caption, "ｴﾗｰ");
        EXPECT_EQ(SettingsBytes(), bytes) << "the settings file was changed";
        std::vector<std::string> entries = FolderEntries(AppFolder);
        std::sort(entries.begin(), entries.end());
        EXPECT_EQ(entries, (std::vector<std::string>{"tabora.exe", "tabora.ini"}));
    }
}

TEST_F(Startup, FontSizeThatIsNoNumberReportsConversionError) {
    const std::string bytes = ValidSettings().Set("FSize", "abc").Bytes();
    WriteSettings(bytes);
    RemoteApp& app = Start();
    MessageBoxContent box = AnswerStartupFailure(app);
    EXPECT_EQ(box.Caption, "tabora");
    EXPECT_NE(box.Text.find("abc"), std::string::npos) << "text: " << box.Text;
    EXPECT_EQ(SettingsBytes(), bytes) << "the settings file was changed";
}

TEST_F(Startup, ShowsMainWindowOnWorkingFolderWithMaskFromSettings) {
    WriteSettings(ValidSettings().Set("Mask", "*.txt").Bytes());
    ASSERT_TRUE(CreateDirectoryA((WorkFolder + "\\sub").c_str(), nullptr));
    WriteFile("work\\b.txt", 1048);
    WriteFile("work\\a.txt", 1000);
    WriteFile("work\\c.doc", 100);  // hidden by the mask, counted in the total

    RemoteApp* app = nullptr;
    HWND main = StartMainWindow(app);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(ClassNameOf(main), "TFrmFile");
    EXPECT_EQ(TextOf(main), "tabora");
    EXPECT_EQ(app->MainWindows().size(), 1u);

    HWND tabs = FindControl(main, WC_TABCONTROLA);
    HWND list = FindControl(main, WC_LISTVIEWA);
    HWND status = FindControl(main, STATUSCLASSNAMEA);
    HWND folderBox = FindControl(main, "Edit");
    HWND maskBox = FindControl(main, "ComboBox");
    ASSERT_NE(tabs, nullptr) << "no tab control";
    ASSERT_NE(list, nullptr) << "no list view";
    ASSERT_NE(status, nullptr) << "no status bar";
    ASSERT_NE(folderBox, nullptr) << "no folder box";
    ASSERT_NE(maskBox, nullptr) << "no mask box";
    EXPECT_NE(FindControl(main, "ListBox"), nullptr) << "no completion list";

    EXPECT_EQ(TextOf(maskBox), "*.txt");
    EXPECT_EQ(TabTexts(tabs), std::vector<std::string>{"work"});
    std::string folder = TextOf(folderBox);
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    EXPECT_EQ(folder, WorkFolder);
    // Folders first, then the files the mask lets through, by name.
    WaitUntil([&] { return ListViewTexts(list).size() >= 3; }, 3000);
    EXPECT_EQ(ListViewTexts(list), (std::vector<std::string>{"sub", "a.txt", "b.txt"}));
    EXPECT_EQ(StatusBarText(status), "3 ﾌｧｲﾙ  合計ｻｲｽﾞ:2KB");

    EXPECT_TRUE(SaveScreenshot(ScreenshotPath("main_window")));
}

}  // namespace
}  // namespace e2e
