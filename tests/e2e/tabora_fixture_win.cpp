#include "tests/e2e/tabora_fixture_win.h"

// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

namespace e2e {

std::vector<std::string> SplitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

MainWindow::MainWindow(HWND main) : Main(main) {
    if (!main) return;
    TabStrip = FindControl(main, WC_TABCONTROLA);
    List = FindControl(main, WC_LISTVIEWA);
    StatusBar = FindControl(main, STATUSCLASSNAMEA);
    FolderBox = FindControl(main, "Edit");
    MaskBox = FindControl(main, "ComboBox");
    if (MaskBox) MaskEdit = ::FindWindowExA(MaskBox, nullptr, "Edit", nullptr);
    for (HWND button : FindControls(main, "Button")) {
        const std::string name = TextOf(button);
        if (name == "戻る") Back = button;
        if (name == "進む") Forward = button;
    }
}

bool MainWindow::Complete() const {
    const std::pair<HWND, const char*> controls[] = {
        {Main, "main window"},     {TabStrip, "tab strip"},   {List, "list view"},
        {StatusBar, "status bar"}, {FolderBox, "folder box"}, {MaskBox, "mask box"},
        {MaskEdit, "mask edit"},   {Back, "back button"},     {Forward, "forward button"}};
    bool complete = true;
    for (const auto& [hwnd, what] : controls) {
        if (hwnd) continue;
        ADD_FAILURE() << "no " << what;
        complete = false;
    }
    return complete;
}

std::pair<bool, bool> MainWindow::HistoryButtons() const {
    return {::IsWindowEnabled(Back) != 0, ::IsWindowEnabled(Forward) != 0};
}

void TaboraTest::SetUp() {
    const std::string built = ProgramFolder() + "tabora.exe";
    ASSERT_TRUE(FileExists(built)) << built << " has not been built";
    // A window left by an earlier test would take the hand-over of every later one.
    ASSERT_TRUE(WaitUntil([] { return ::FindWindowA("TFrmFile", nullptr) == nullptr; }, 5000))
        << "a tabora window of another test is still open";
    AppFolder = Folder.MakeFolder("app");
    ExePath = AppFolder + "\\tabora.exe";
    SettingsPath = AppFolder + "\\tabora.ini";
    WorkFolder = Folder.MakeFolder("work");
    ASSERT_TRUE(::CopyFileA(built.c_str(), ExePath.c_str(), TRUE)) << "cannot copy " << built;
}

void TaboraTest::WriteSettings(const std::string& bytes) const {
    ASSERT_TRUE(WriteBytes(SettingsPath, bytes));
}

std::string TaboraTest::SettingsBytes() const { return ReadBytes(SettingsPath).value_or(""); }

void TaboraTest::WriteFile(const std::string& relative, std::size_t size) const {
    ASSERT_TRUE(WriteBytes(Folder.Path() + relative, std::string(size, 'x')));
}

RemoteApp& TaboraTest::Start(const std::string& arguments, const std::string& workingFolder) {
    apps_.push_back(std::make_unique<RemoteApp>(
        ExePath, arguments, workingFolder.empty() ? WorkFolder : workingFolder));
    return *apps_.back();
}

HWND TaboraTest::StartMainWindow(RemoteApp*& app, const std::string& arguments) {
    app = &Start(arguments);
    HWND main = app->WaitForMainWindow();
    if (!main) {
        std::string boxes;
        for (HWND box : app->MessageBoxes()) {
            MessageBoxContent content = ReadMessageBox(box);
            boxes += " [" + content.Caption + ": " + content.Text + "]";
        }
        ADD_FAILURE() << "no main window appeared; running=" << app->IsRunning()
                      << " message boxes:" << boxes;
    }
    return main;
}

}  // namespace e2e
