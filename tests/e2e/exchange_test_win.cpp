// Files exchanged with other processes: a second instance's file copied into the running
// window's folder and its shortcut to a folder opened, Alt+D armed and disarmed, and render
// requests and copy data from a foreign process that must neither crash the window nor make it
// write anything.

// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <shobjidl.h>
// clang-format on

#include "platform/com_ptr_win.h"
#include "tests/e2e/tabora_fixture_win.h"

namespace e2e {
namespace {

using Names = std::vector<std::string>;

class Exchange : public TaboraTest {
protected:
    void SetUp() override {
        TaboraTest::SetUp();
        if (HasFatalFailure()) return;
        WriteSettings(ValidSettings().Set("Mask", "*.*").Set("Sort", "0").Bytes());
        Source = Folder.MakeFolder("元");
        WriteFile("元\\表.txt", 10);
        WriteFile("work\\a.txt", 5);
    }
    std::string Source;
};

TEST_F(Exchange, SecondInstanceCopiesAFileIntoTheCurrentFolder) {
    RemoteApp* first = nullptr;
    MainWindow window(StartMainWindow(first));
    ASSERT_TRUE(window.Main && window.Complete());
    RemoteApp& second = Start(QuoteArgument(Source + "\\表.txt"));
    ASSERT_TRUE(second.WaitForExit());
    EXPECT_EQ(Settle([&] { return window.Items(); }, Names{"a.txt", "表.txt"}),
              (Names{"a.txt", "表.txt"}));
    EXPECT_NE(::GetFileAttributesA((WorkFolder + "\\表.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(window.Tabs(), Names{"work"});
    EXPECT_TRUE(first->IsRunning());
}

TEST_F(Exchange, SecondInstanceWithAShortcutToAFolderOpensTheFolder) {
    const std::string linkPath = Folder.Path() + "行き先.lnk";
    {
        ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
        HRESULT saved = E_FAIL;
        {
            ComPtr<IShellLinkA> link;
            ASSERT_EQ(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_IShellLinkA, link.PutVoid()),
                      S_OK);
            link->SetPath(Source.c_str());
            ComPtr<IPersistFile> file;
            ASSERT_EQ(link.As(file, IID_IPersistFile), S_OK);
            wchar_t wide[MAX_PATH] = {};
            ::MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
            saved = file->Save(wide, TRUE);
        }
        ::CoUninitialize();
        ASSERT_EQ(saved, S_OK);
    }
    RemoteApp* first = nullptr;
    MainWindow window(StartMainWindow(first));
    ASSERT_TRUE(window.Main && window.Complete());
    RemoteApp& second = Start(QuoteArgument(linkPath));
    ASSERT_TRUE(second.WaitForExit());
    EXPECT_EQ(Settle([&] { return window.Tabs(); }, Names{"work", "元"}), (Names{"work", "元"}));
    EXPECT_EQ(Settle([&] { return window.Items(); }, Names{"表.txt"}), Names{"表.txt"});
    // The shortcut itself was not copied anywhere.
    EXPECT_EQ(::GetFileAttributesA((WorkFolder + "\\行き先.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Exchange, AltDTwiceDisarmsWithoutPosting) {
    RemoteApp* app = nullptr;
    MainWindow window(StartMainWindow(app));
    ASSERT_TRUE(window.Main && window.Complete());
    ASSERT_TRUE(BringToFront(window.Main));
    SelectListItem(window.List, 0);
    TypeKey('D', {VK_MENU});
    EXPECT_EQ(Settle([&] { return window.Status(); }, std::string("ﾄﾞﾗｯｸﾞ")), "ﾄﾞﾗｯｸﾞ");
    TypeKey('D', {VK_MENU});
    ::Sleep(300);
    EXPECT_TRUE(WaitUntil([&] { return window.Status() != "ﾄﾞﾗｯｸﾞ"; }));
    EXPECT_EQ(window.Status().rfind("ﾄﾞﾛｯﾌﾟ", 0), std::string::npos);
    EXPECT_TRUE(app->IsRunning());
}

TEST_F(Exchange, ForeignRequestsLeaveTheWindowAliveAndTheDiskAlone) {
    RemoteApp* app = nullptr;
    MainWindow window(StartMainWindow(app));
    ASSERT_TRUE(window.Main && window.Complete());
    DWORD_PTR result = 0;
    // A render request pointing anywhere in the other process.
    ::SendMessageTimeoutA(window.Main, WM_USER + 100, CF_HDROP, 0x12345678, SMTO_ABORTIFHUNG, 5000,
                          &result);
    ::PostMessageA(window.Main, WM_USER + 100, CF_HDROP, 0x10);
    ::Sleep(300);
    ASSERT_TRUE(app->IsRunning()) << "a render request";
    // 1.5 MB of garbage, tagged as a hand-over and not.
    std::string garbage(1500 * 1000, '\xA5');
    for (ULONG_PTR tag : {ULONG_PTR(0x54414230), ULONG_PTR(7)}) {
        COPYDATASTRUCT data{tag, static_cast<DWORD>(garbage.size()), garbage.data()};
        ::SendMessageTimeoutA(window.Main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                              SMTO_ABORTIFHUNG, 10000, &result);
        ::Sleep(300);
        ASSERT_TRUE(app->IsRunning()) << "copy data tagged " << tag;
    }
    ::Sleep(500);
    EXPECT_TRUE(app->IsRunning());
    EXPECT_NE(::SendMessageTimeoutA(window.Main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result),
              0);
    EXPECT_EQ(window.Items(), Names{"a.txt"});
    EXPECT_EQ(window.Tabs(), Names{"work"});
}

}  // namespace
}  // namespace e2e
