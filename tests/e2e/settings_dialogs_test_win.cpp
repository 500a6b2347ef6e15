// The settings editors from the keyboard: a bookmark added through the list editor is in the
// 栞 menu at once and in tabora.ini after the window closed; an association added the same
// way opens a file on Enter straight away.
#include <algorithm>

#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

using Names = std::vector<std::string>;

class SettingsDialogs : public TaboraTest {
protected:
    // The visible form of class cls of the program, or nullptr.
    HWND WaitForForm(const char* cls) const {
        HWND form = nullptr;
        WaitUntil([&] {
            const std::vector<HWND> forms = VisibleTopLevelWindows(cls, app->Pid());
            form = forms.empty() ? nullptr : forms.front();
            return form != nullptr;
        });
        return form;
    }
    bool FormGone(const char* cls) const {
        return WaitUntil([&] { return VisibleTopLevelWindows(cls, app->Pid()).empty(); });
    }

    // In the list editor that is open: New, the two fields, OK in the entry editor and in
    // the list; shot names the screenshots of both taken on the way.
    void AddRow(const std::string& name, const std::string& value, const std::string& shot) {
        HWND list = WaitForForm("TFrmList");
        ASSERT_NE(list, nullptr) << "no list editor";
        TypeKey('N', {VK_MENU});
        HWND entry = WaitForForm("TFrmEdExt");
        ASSERT_NE(entry, nullptr) << "New opened no entry editor";
        EXPECT_EQ(TextOf(entry), "新規");
        TypeText(name);
        TypeKey(VK_TAB);
        TypeText(value);
        // The hint list opened for the picture and closed again; then OK by its key, since the
        // hint button has the keys. Without a hint button Enter in the field is OK.
        HWND hint = nullptr;
        for (HWND b : FindControls(entry, "Button"))
            if (TextOf(b) == "▼ﾋﾝﾄ") hint = b;
        if (hint && ::IsWindowVisible(hint)) {
            RECT r{};
            ::GetWindowRect(hint, &r);
            ClickAt(CenterOf(r));
            ::Sleep(400);
            EXPECT_TRUE(SaveScreenshot(ScreenshotPath(shot + "_entry")));
            ClickAt(CenterOf(r));
            TypeKey('O', {VK_MENU});
        } else {
            TypeKey(VK_RETURN);
        }
        ASSERT_TRUE(FormGone("TFrmEdExt")) << "the entry was not accepted";
        ::Sleep(300);  // let the list paint
        EXPECT_TRUE(SaveScreenshot(ScreenshotPath(shot + "_list")));
        TypeKey('O', {VK_MENU});
        ASSERT_TRUE(FormGone("TFrmList")) << "Alt+O did not close the list";
    }

    RemoteApp* app = nullptr;
};

TEST_F(SettingsDialogs, BookmarkAddedInTheListIsInTheMenuAndInTheSettingsFile) {
    const std::string zeta = Folder.MakeFolder("zeta");
    WriteFile("zeta\\z.txt", 1);
    // Two bookmarks there already, so the list shows rows.
    WriteSettings(ValidSettings()
                      .Set("Mask", "*.*")
                      .Set("Go1", "作業," + WorkFolder)
                      .Set("Go2", Folder.MakeFolder("eta"))
                      .Bytes());
    MainWindow window(StartMainWindow(app));
    ASSERT_TRUE(window.Main && window.Complete());
    ASSERT_TRUE(BringToFront(window.Main));

    TypeKey('B', {VK_SHIFT, VK_CONTROL});
    HWND list = WaitForForm("TFrmList");
    ASSERT_NE(list, nullptr) << "Shift+Ctrl+B opened no list editor";
    EXPECT_EQ(TextOf(list), "栞の編集");
    AddRow("Zeta(&Z)", zeta, "bookmarks");

    // The 栞 menu offers it at once, by its accelerator.
    ASSERT_TRUE(BringToFront(window.Main));
    TypeKey('B', {VK_MENU});
    ASSERT_TRUE(WaitUntil([] { return !VisibleTopLevelWindows("#32768").empty(); }));
    TypeKey('Z');
    EXPECT_EQ(Settle([&] { return window.FolderText(); }, zeta), zeta);
    EXPECT_EQ(Settle([&] { return window.Items(); }, Names{"z.txt"}), Names{"z.txt"});

    ::PostMessageA(window.Main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(app->WaitForExit());
    const std::vector<std::string> saved = SplitCrLf(SettingsBytes());
    EXPECT_EQ(std::count(saved.begin(), saved.end(), "Go3=Zeta(&Z)," + zeta), 1);
}

TEST_F(SettingsDialogs, AssociationAddedInTheListOpensTheFileOnEnter) {
    WriteSettings(ValidSettings().Set("Mask", "*.*").Bytes());
    WriteFile("work\\assoc_me.txt", 10);
    MainWindow window(StartMainWindow(app, QuoteArgument(WorkFolder)));
    ASSERT_TRUE(window.Main && window.Complete());
    ASSERT_TRUE(BringToFront(window.Main));
    ASSERT_EQ(Settle([&] { return window.Items(); }, Names{"assoc_me.txt"}), Names{"assoc_me.txt"});

    TypeKey('A', {VK_SHIFT, VK_CONTROL});
    HWND list = WaitForForm("TFrmList");
    ASSERT_NE(list, nullptr) << "Shift+Ctrl+A opened no list editor";
    EXPECT_EQ(TextOf(list), "拡張子別ｱﾌﾟﾘｹｰｼｮﾝ");
    AddRow("txt", "C:\\windows\\system32\\notepad.exe %file", "associations");

    ASSERT_TRUE(BringToFront(window.Main));
    SelectListItem(window.List, 0);
    TypeKey(VK_RETURN);
    // Notepad comes up with the file; it is ended again.
    HWND editor = nullptr;
    EXPECT_TRUE(WaitUntil([&] {
        for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT))
            if (TextOf(w).find("assoc_me.txt") != std::string::npos) editor = w;
        return editor != nullptr;
    }));
    if (editor) {
        HANDLE process = ::OpenProcess(PROCESS_TERMINATE, FALSE, ProcessIdOf(editor));
        if (process) {
            ::TerminateProcess(process, 0);
            ::CloseHandle(process);
        }
    }
    EXPECT_TRUE(app->MessageBoxes().empty());
}

}  // namespace
}  // namespace e2e
