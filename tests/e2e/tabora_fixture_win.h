// The installation every end-to-end test starts from: a private folder with a copy of
// tabora.exe in "app" (its settings file beside it) and an empty working folder "work".
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/common/settings_lines.h"
#include "tests/e2e/remote_app_win.h"
#include "tests/e2e/test_folder_win.h"

namespace e2e {

// Lines of a settings file. Bytes() ends every line with CR LF.
using ::IniLines;

// A settings file that starts the program: every key it reads, with plain values.
inline IniLines ValidSettings() { return StartableSettings(); }

// Splits a file at CR LF; a final line without CR LF is kept as it is.
std::vector<std::string> SplitCrLf(const std::string& bytes);

// The controls of a main window that the tests read and drive. Missing ones are nullptr.
struct MainWindow {
    explicit MainWindow(HWND main);
    // True when every control was found; otherwise a failure has been recorded.
    bool Complete() const;

    std::string FolderText() const { return TextOf(FolderBox); }
    std::vector<std::string> Tabs() const { return TabTexts(TabStrip); }
    int CurrentTab() const { return CurrentTabIndex(TabStrip); }
    std::vector<std::string> Items(int subItem = 0) const { return ListViewTexts(List, subItem); }
    std::string Status() const { return StatusBarText(StatusBar); }
    std::string MaskText() const { return TextOf(MaskBox); }
    // Enabled states of the Back and Forward buttons, in this order.
    std::pair<bool, bool> HistoryButtons() const;

    HWND Main = nullptr;
    HWND TabStrip = nullptr;
    HWND List = nullptr;
    HWND StatusBar = nullptr;
    HWND FolderBox = nullptr;
    HWND MaskBox = nullptr;  // the combo box; its edit is MaskEdit
    HWND MaskEdit = nullptr;
    HWND Back = nullptr;     // "戻る"
    HWND Forward = nullptr;  // "進む"
};

class TaboraTest : public ::testing::Test {
protected:
    void SetUp() override;

    void WriteSettings(const std::string& bytes) const;
    // The settings file as it is on disk now; empty when it does not exist.
    std::string SettingsBytes() const;
    // A file of `size` bytes at `relative` below the test folder ("work\\a.txt").
    void WriteFile(const std::string& relative, std::size_t size) const;

    // Starts the copy of tabora.exe; the working folder is WorkFolder unless given.
    RemoteApp& Start(const std::string& arguments = "", const std::string& workingFolder = "");
    // Starts it and waits for its main window; nullptr (and a recorded failure) when none
    // appeared.
    HWND StartMainWindow(RemoteApp*& app, const std::string& arguments = "");

    TestFolder Folder;
    std::string AppFolder;  // holds tabora.exe and tabora.ini
    std::string ExePath;
    std::string SettingsPath;
    std::string WorkFolder;  // the working folder of started programs, no trailing backslash

private:
    // Declared after Folder: the processes are killed before their files are removed.
    std::vector<std::unique_ptr<RemoteApp>> apps_;
};

}  // namespace e2e
