// Launching from the window, in process: the plans a recording launcher receives, the retry
// and error boxes, the work a launch leaves behind, opening the selection by association, the
// small commands, and a few real launches under the system's shell.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <algorithm>

#include "app/file1_win.h"
#include "app/sjis.h"
#include "fileops/drop_block.h"
#include "platform/clipboard_win.h"
#include "win_test_support.h"
#include "window_fixture.h"

namespace {

using Names = std::vector<std::string>;

class Launching : public WindowFixture<> {
protected:
    void SetUp() override {
        work = dir.Make("work") + "\\";
        dir.Write("work\\a.txt", "a");
        dir.Write("work\\b.jpg", "b");
        dir.Write("work\\my doc.txt", "c");
        dir.Make("work\\0sub");
    }
    std::unique_ptr<TFrmFile> Start(const std::string& extra = "") {
        auto form = Open(ValidSettings("*.*", 0) + extra, {work});
        launcher = &Install<RecordingLauncher>(form->Launch);
        shell = &Install<RecordingShellOps>(form->Shell);
        return form;
    }

    RecordingLauncher* launcher = nullptr;
    RecordingShellOps* shell = nullptr;
    std::string work;
};

constexpr LaunchResult kNoAssociation{false, 31, 0};  // as Wine reports it
constexpr LaunchResult kNotFound{false, 2, 2};

TEST_F(Launching, DocumentWithoutAssociationRetriesDefaultAppOnceThenReports) {
    auto form = Start("DefaultApp=C:\\ed\\ed.exe -n %file\r\n");
    launcher->Answers = {kNoAssociation, kNoAssociation};
    form->RunCommand(work + "a.txt", "");
    ASSERT_EQ(launcher->Plans.size(), 2u);
    EXPECT_EQ(launcher->Plans[1].Program, "C:\\ed\\ed.exe");
    EXPECT_EQ(launcher->Plans[1].Parameters, "-n " + work + "a.txt ");
    ASSERT_EQ(ui.Shown.size(), 1u);  // the retry is never retried
    EXPECT_EQ(ui.Shown[0].Text, "C:\\ed\\ed.exe");
    EXPECT_EQ(ui.Shown[0].Caption, "実行ｴﾗｰ");
    form.reset();

    // Windows reports the same by its error code; the retry then succeeds.
    auto bare = Start();
    launcher->Answers = {{false, 0, 1155}};
    ui.Shown.clear();
    bare->RunCommand(work + "b.jpg", "");
    EXPECT_EQ(launcher->Plans.size(), 2u);
    EXPECT_TRUE(ui.Shown.empty());

    // Any other failure, and a command line that did not start, go straight to the box.
    launcher->Answers = {kNotFound, {false, 2, 0}};
    launcher->Plans.clear();
    bare->RunCommand("C:\\x\\run.bat %file", "\"C:\\my doc.txt\"");
    bare->RunCommand("C:\\Program Files\\x.exe", "");
    EXPECT_EQ(launcher->Plans.size(), 2u);
    EXPECT_EQ(launcher->Plans[1].Call, LaunchCall::Exec);
    EXPECT_EQ(launcher->Plans[1].Program, "\"C:\\Program Files\\x.exe\"");
    EXPECT_EQ(ui.Shown.size(), 2u);
}

TEST_F(Launching, RefreshWaitsForAKeyboardReturnAndOpenDirForTheTimer) {
    auto form = Start();
    SelectCaptions(form->ListView1, {"0sub"});
    form->RunCommand("C:\\t\\unpack.exe %refresh %opendir", "");
    EXPECT_EQ(launcher->Plans.at(0).Parameters, "  ");
    dir.Write("work\\new.txt", "n");
    form->FormActivate(MAKEWPARAM(WA_CLICKACTIVE, 0));
    EXPECT_TRUE(form->RefreshPending);
    form->FormActivate(MAKEWPARAM(WA_ACTIVE, 0));
    EXPECT_FALSE(form->RefreshPending);
    Names rows = ListCaptions(form->ListView1);
    EXPECT_NE(std::find(rows.begin(), rows.end(), "new.txt"), rows.end());

    // The folder opens in a new tab after a second, by the window's own timer.
    EXPECT_TRUE(form->OpenDirPending);
    EXPECT_EQ(form->OpenDirPath, work + "0sub");
    const auto tabs = TabCaptions(form->TabControl1).size();
    for (int i = 0; i < 30 && form->OpenDirPending; ++i) {
        ::Sleep(100);
        PumpMessages();
    }
    EXPECT_FALSE(form->OpenDirPending);
    EXPECT_EQ(TabCaptions(form->TabControl1).size(), tabs + 1);
}

TEST_F(Launching, EnterOpensTheSelectionByTheFirstItemsAssociation) {
    auto form = Start("Exttxt=C:\\ed\\ed.exe %file\r\n");
    SelectCaptions(form->ListView1, {"a.txt", "b.jpg"});
    form->ListView1KeyDown(VK_RETURN);
    // Every item goes to the command of the first one's extension.
    ASSERT_EQ(launcher->Plans.size(), 2u);
    EXPECT_EQ(launcher->Plans[0].Program, "C:\\ed\\ed.exe");
    EXPECT_EQ(launcher->Plans[1].Parameters, work + "b.jpg ");
    SelectCaptions(form->ListView1, {"my doc.txt"});
    form->ListView1KeyDown(VK_RETURN);
    EXPECT_EQ(launcher->Plans.at(2).Parameters, "\"" + work + "my doc.txt\" ");

    // A selection starting with a folder enters only that folder.
    launcher->Plans.clear();
    SelectCaptions(form->ListView1, {"0sub", "a.txt"});
    form->OpenSelection();
    EXPECT_TRUE(launcher->Plans.empty());
    EXPECT_EQ(form->CurrentFolder(), work + "0sub\\");
}

TEST_F(Launching, EnterOpensNothingThatChangedSinceItWasListed) {
    auto form = Start();
    ::DeleteFileA((work + "a.txt").c_str());
    ::DeleteFileA((work + "b.jpg").c_str());
    dir.Make("work\\b.jpg");
    ::RemoveDirectoryA((work + "0sub").c_str());
    dir.Write("work\\0sub", "now a file");
    // Each alone: no launch, no folder entered, no "cannot open" box; the rows follow.
    for (const char* name : {"a.txt", "b.jpg", "0sub"}) {
        SelectCaptions(form->ListView1, {name});
        form->ListView1KeyDown(VK_RETURN);
    }
    EXPECT_TRUE(launcher->Plans.empty());
    EXPECT_EQ(form->CurrentFolder(), work);
    EXPECT_TRUE(ui.Shown.empty());
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"my doc.txt", "b.jpg", "0sub"}));
    SelectCaptions(form->ListView1, {"b.jpg"});  // listed afresh: a folder now, and entered as one
    form->ListView1KeyDown(VK_RETURN);
    EXPECT_EQ(form->CurrentFolder(), work + "b.jpg\\");
}

TEST_F(Launching, FolderAssociationCopiesAndTitleAssociationDropsOntoTheWindow) {
    auto form = Start(
        "Exttxt=D:\\inbox\\\r\nExtjpg=TaboraDropTarget\r\n"
        "Extdoc=NoSuchWindowTitle|C:\\v\\view.exe\r\n");
    SelectCaptions(form->ListView1, {"a.txt", "my doc.txt"});
    form->OpenSelection();
    {
        HeldKeys ctrl(false, true);  // a move, with the same status
        form->OpenSelection();
    }
    ASSERT_EQ(shell->Plans.size(), 2u);
    EXPECT_EQ(shell->Plans[0].Function, ShellFunction::Copy);
    EXPECT_EQ(shell->Plans[1].Function, ShellFunction::Move);
    EXPECT_EQ(shell->Plans[0].Sources, (Names{work + "a.txt", work + "my doc.txt"}));
    EXPECT_EQ(StatusText(form->StatusBar1), "D:\\inbox\\ へｺﾋﾟｰ");

    // A window of this test, hidden, takes the drop of every selected path.
    static Names dropped;
    WNDCLASSA cls{};
    cls.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (msg != WM_DROPFILES) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
        // The receiver owns the block. Wine's DragQueryFileA takes the 16-byte form for wide
        // text, so the names are read with the codec.
        UniqueGlobal block(reinterpret_cast<HGLOBAL>(wParam));
        GlobalLockGuard lock(block.get());
        auto names =
            ParseDropBlock(std::string_view(static_cast<const char*>(lock.Data()), lock.Size()));
        if (names) dropped = *names;
        return 0;
    };
    cls.hInstance = ::GetModuleHandleA(nullptr);
    cls.lpszClassName = "TaboraLaunchDropTest";
    ::RegisterClassA(&cls);
    UniqueWindow target(::CreateWindowExA(0, cls.lpszClassName, "x TaboraDropTarget x", 0, 0, 0, 10,
                                          10, nullptr, nullptr, cls.hInstance, nullptr));
    dir.Write("work\\c.jpg", "c");
    form->mnRefreshClick();
    SelectCaptions(form->ListView1, {"b.jpg", "c.jpg"});
    form->OpenSelection();
    PumpMessages();
    EXPECT_EQ(dropped, (Names{work + "b.jpg", work + "c.jpg"}));

    // No window: the fallback command opens each file, or without one the box says so.
    target.reset();
    dir.Write("work\\d.doc", "d");
    form->mnRefreshClick();
    SelectCaptions(form->ListView1, {"d.doc"});
    form->OpenSelection();
    ASSERT_EQ(launcher->Plans.size(), 1u);
    EXPECT_EQ(launcher->Plans[0].Program, "C:\\v\\view.exe");
    SelectCaptions(form->ListView1, {"b.jpg"});
    form->OpenSelection();
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text, "ｳｨﾝﾄﾞｳ:TaboraDropTarget\nはありません");
}

TEST_F(Launching, ShortcutsAreFollowedToFoldersAndProgramsWithTheirArguments) {
    auto form = Start();
    const std::string notepad = "C:\\windows\\system32\\notepad.exe";
    dir.Write("work\\gone.txt", "");
    struct Link {
        const char* Name;
        std::string Target;
        const char* Arguments;
    };
    for (const Link& link : {Link{"tosub", work + "0sub", ""}, Link{"tool", notepad, "-x 1"},
                             Link{"gone", work + "gone.txt", ""}}) {
        TSCMake maker;
        maker.SCDir = work;
        maker.SCName = link.Name;
        maker.LinkPath = link.Target;
        maker.Argument = link.Arguments;
        ASSERT_EQ(maker.MakeShortcut(), 0) << link.Name;
    }
    ::DeleteFileA((work + "gone.txt").c_str());
    form->mnRefreshClick();
    launcher->Answers = {kNotFound};
    SelectCaptions(form->ListView1, {"gone.lnk", "tool.lnk"});
    form->OpenSelection();
    // The missing target is reported and the walk goes on.
    ASSERT_EQ(launcher->Plans.size(), 2u);
    EXPECT_EQ(ui.Shown.at(0).Text, work + "gone.txt");
    EXPECT_EQ(sjis::LowerCase(launcher->Plans[1].Program), sjis::LowerCase(notepad));
    EXPECT_EQ(launcher->Plans[1].Parameters, "-x 1");
    SelectCaptions(form->ListView1, {"tosub.lnk"});
    form->OpenSelection();
    EXPECT_EQ(form->CurrentFolder(), work + "0sub\\");
}

TEST_F(Launching, PropertiesFindAndUpdate) {
    auto form = Start();
    SelectCaptions(form->ListView1, {"0sub", "a.txt"});
    form->ClickMenu("mnProperty");
    SelectCaptions(form->ListView1, {"0sub"});
    form->ClickMenu("Find1");
    ASSERT_EQ(launcher->Plans.size(), 3u);
    Names sheets{launcher->Plans[0].Program, launcher->Plans[1].Program};
    std::sort(sheets.begin(), sheets.end());
    EXPECT_EQ(sheets, (Names{work + "0sub", work + "a.txt"}));
    EXPECT_EQ(launcher->Plans[1].Verb, "Properties");
    EXPECT_EQ(launcher->Plans[2].Verb, "find");
    EXPECT_EQ(launcher->Plans[2].Folder, work + "0sub");

    // Update: saved first, the command on the clipboard, the message, then the quit.
    ::DeleteFileA((dir.Path() + "tabora.ini").c_str());
    form->ClickMenu("mnSetUpdate");
    EXPECT_NE(::GetFileAttributesA((dir.Path() + "tabora.ini").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ClipboardText(form->Handle()).rfind("cmd /c copy \"" + work + "tabora.exe\" \"", 0),
              0u);
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text, "OKをクリック後、「Win+R」→「CTRL+V」");
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Real launches through the system's shell: notepad for a text file, by its association and
// by a command line, and the DefaultApp retry for an extension nothing opens.
class RealLaunch : public Launching {
protected:
    // Waits for a top-level window whose title holds text, closes its process, and says
    // whether it came.
    static bool EndWindowWithTitle(TFrmFile& form, const std::string& text) {
        for (int i = 0; i < 100; ++i) {
            // Notepad's untitled window is named in the prefix's language: found by its class.
            HWND window =
                text.empty() ? ::FindWindowA("Notepad", nullptr) : form.FindWindowByTitle(text);
            if (window) {
                DWORD pid = 0;
                ::GetWindowThreadProcessId(window, &pid);
                UniqueKernelHandle process(
                    ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
                if (process && ::TerminateProcess(process.get(), 0))
                    ::WaitForSingleObject(process.get(), 5000);
                return true;
            }
            ::Sleep(100);
            PumpMessages();
        }
        return false;
    }
};

TEST_F(RealLaunch, NotepadStartsByAssociationCommandLineAndDefaultApp) {
    auto form = Start("DefaultApp=notepad.exe %file\r\n");
    form->Launch = std::make_unique<SystemLauncher>();
    dir.Write("work\\odd.zzqx", "z");
    form->RunCommand(work + "a.txt", "");
    EXPECT_TRUE(EndWindowWithTitle(*form, "a.txt"));
    form->RunCommand(work + "odd.zzqx", "");
    EXPECT_TRUE(EndWindowWithTitle(*form, "odd.zzqx"));
    form->RunCommand("C:\\windows\\system32\\notepad.exe", "");
    EXPECT_TRUE(EndWindowWithTitle(*form, ""));
    EXPECT_TRUE(ui.Shown.empty());
    form->RunCommand(work + "missing.exe", "");
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Caption, "実行ｴﾗｰ");
}

}  // namespace
