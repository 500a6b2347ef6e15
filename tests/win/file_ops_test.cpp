// Cut, copy and paste, rename, delete, new folder and file and duplicate, in process: the
// real shell or a recording one, against real temporary folders.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "app/file1_win.h"
#include "commands/shortcut_text.h"
#include "fileops/system_clip_win.h"
#include "platform/clipboard_win.h"
#include "platform/text_win.h"
#include "platform/unique_handle_win.h"
#include "win_test_support.h"
#include "window_fixture.h"

namespace {

using Names = std::vector<std::string>;

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class FileOps : public WindowFixture<> {
protected:
    std::unique_ptr<TFrmFile> Start(std::vector<std::string> args) { return Open(std::move(args)); }
    void SetUp() override {
        dir.Write("tabora.ini", ValidSettings("*.*", 0));
        src = dir.Make("src") + "\\";
        dst = dir.Make("dst") + "\\";
        for (const char* name : {"a.txt", "b.txt", "ポ.txt"})
            dir.Write("src\\" + std::string(name), name);
        dir.Make("src\\sub");
    }
    static int RowOf(TFrmFile& form, const std::string& caption) {
        Names rows = ListCaptions(form.ListView1);
        auto it = std::find(rows.begin(), rows.end(), caption);
        return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
    }
    static void Select(TFrmFile& form, const Names& captions) {
        ListView_SetItemState(form.ListView1, -1, 0, LVIS_SELECTED);
        for (const std::string& caption : captions)
            ListView_SetItemState(form.ListView1, RowOf(form, caption), LVIS_SELECTED,
                                  LVIS_SELECTED);
    }
    static Names Selected(TFrmFile& form) {
        Names names;
        for (int row = ListView_GetNextItem(form.ListView1, -1, LVNI_SELECTED); row >= 0;
             row = ListView_GetNextItem(form.ListView1, row, LVNI_SELECTED))
            names.push_back(ListCaptions(form.ListView1)[static_cast<std::size_t>(row)]);
        return names;
    }
    static bool Cut(TFrmFile& form, const std::string& caption) {
        return ListView_GetItemState(form.ListView1, RowOf(form, caption), LVIS_CUT) != 0;
    }

    // A listed file replaced by a folder of the same name, or the other way round.
    void Replace(const std::string& name) {
        const std::string path = src + name;
        if (::RemoveDirectoryA(path.c_str()))
            dir.Write("src\\" + name, "new");
        else if (::DeleteFileA(path.c_str()))
            dir.Make("src\\" + name);
    }

    std::string src, dst;
};

TEST_F(FileOps, CutRowsAreDrawnGhostedUntilTheFolderIsListedAgain) {
    auto form = Start({src});
    Select(*form, {"sub", "a.txt"});
    form->ClickMenu("mnCut");
    EXPECT_EQ(StatusText(form->StatusBar1), "切り取り 2個");
    EXPECT_TRUE(Cut(*form, "sub") && Cut(*form, "a.txt"));
    EXPECT_FALSE(Cut(*form, "b.txt"));
    form->ListFolder(form->CurrentSlot());
    EXPECT_FALSE(Cut(*form, "a.txt"));
}

TEST_F(FileOps, PasteIsOneShellCallForTheFilesThenOnePerFolderAndNeverIntoTheSource) {
    auto form = Start({src, dst});
    RecordingShellOps& shell = Install<RecordingShellOps>(form->Shell);
    form->ShowTab(0);
    Select(*form, {"sub", "a.txt", "ポ.txt"});
    form->ClickMenu("mnCopy");
    EXPECT_EQ(StatusText(form->StatusBar1), "ｺﾋﾟｰ 3個");
    EXPECT_FALSE(Cut(*form, "a.txt"));
    // Into the folder the files came from: nothing, and paste stays armed.
    form->ClickMenu("mnPaste");
    EXPECT_TRUE(shell.Plans.empty());
    EXPECT_TRUE(form->MenuItem("mnPaste").Enabled);

    form->ShowTab(1);
    form->ClickMenu("mnPaste");
    ASSERT_EQ(shell.Plans.size(), 2u);
    EXPECT_EQ(shell.Plans[0].Function, ShellFunction::Copy);
    // ポ ends in the byte of "|": the name still comes whole.
    EXPECT_EQ(shell.Plans[0].Sources, (Names{src + "a.txt", src + "ポ.txt"}));
    EXPECT_EQ(shell.Plans[0].Destinations, Names{dst});
    EXPECT_EQ(shell.Plans[0].Flags, 0u);
    EXPECT_EQ(shell.Plans[1].Sources, Names{src + "sub"});
    // The shell did nothing: nothing arrived, so no row appears.
    EXPECT_TRUE(ListCaptions(form->ListView1).empty());
    EXPECT_FALSE(form->MenuItem("mnPaste").Enabled);
    // Paste once only; Ctrl+V is off until the next cut or copy.
    form->ClickMenu("mnPaste");
    EXPECT_EQ(shell.Plans.size(), 2u);
}

TEST_F(FileOps, CutAndCopyReachOtherProgramsAndTheirFilesPasteHere) {
    auto form = Start({src, dst});
    RecordingShellOps& shell = Install<RecordingShellOps>(form->Shell);
    auto effect = [] {
        Clipboard clipboard(nullptr);
        HGLOBAL block = clipboard.Block(::RegisterClipboardFormatA("Preferred DropEffect"));
        GlobalLockGuard lock(block);
        return lock.Size() >= sizeof(DWORD) ? *static_cast<const DWORD*>(lock.Data()) : 0;
    };
    form->ShowTab(0);
    for (bool cut : {false, true}) {
        Select(*form, {"a.txt", "ポ.txt"});
        form->ClickMenu(cut ? "mnCut" : "mnCopy");
        EXPECT_EQ(DropListNames(Clipboard(nullptr).Block(CF_HDROP)),
                  (Names{src + "a.txt", src + "ポ.txt"}));
        EXPECT_EQ(effect(), cut ? DWORD{DROPEFFECT_MOVE} : DWORD{DROPEFFECT_COPY});
    }
    form->ShowTab(1);
    form->ClickMenu("mnPaste");
    ASSERT_EQ(shell.Plans.size(), 1u);
    // Another program's cut: offered and pasted as the move it asked for, then the clipboard
    // no longer names files that have left.
    ASSERT_TRUE(PutFilesOnClipboard(nullptr, {src + "b.txt", src + "gone.txt"}, true));
    PumpMessages();
    EXPECT_TRUE(form->MenuItem("mnPaste").Enabled);
    form->ClickMenu("mnPaste");
    ASSERT_EQ(shell.Plans.size(), 2u);
    EXPECT_EQ(shell.Plans[1].Function, ShellFunction::Move);
    EXPECT_EQ(shell.Plans[1].Sources, Names{src + "b.txt"});
    EXPECT_FALSE(::IsClipboardFormatAvailable(CF_HDROP));
    PumpMessages();
    EXPECT_FALSE(form->MenuItem("mnPaste").Enabled);
}

TEST_F(FileOps, PasteOverExistingFilesRefreshesRowsAndKeepsDeclinedOnes) {
    dir.Write("dst\\a.txt", "old");
    dir.Write("dst\\b.txt", "old");
    auto form = Start({src, dst});
    for (int answer : {IDNO, IDYES}) {
        form->ShowTab(0);
        Select(*form, {"a.txt"});
        form->ClickMenu("mnCopy");
        form->ShowTab(1);
        ShellPromptAnswerer prompt(answer);
        form->ClickMenu("mnPaste");
        EXPECT_EQ(prompt.Answered(), 1);
        EXPECT_EQ(dir.Read("dst\\a.txt"), answer == IDYES ? "a.txt" : "old");
        EXPECT_EQ(ListCaptions(form->ListView1), (Names{"a.txt", "b.txt"}));
        EXPECT_EQ(ListCaptions(form->ListView1, 1)[0], answer == IDYES ? "5" : "3");
        EXPECT_EQ(Selected(*form), Names{"a.txt"});
        EXPECT_EQ(ListView_GetNextItem(form->ListView1, -1, LVNI_FOCUSED), 0);
    }
    // Cut, then the sources vanish before the paste: the shell is not asked, nothing is lost
    // and no row appears; the other tab keeps only what is still there.
    form->ShowTab(0);
    Select(*form, {"b.txt"});
    form->ClickMenu("mnCut");
    ::DeleteFileA((src + "b.txt").c_str());
    form->ShowTab(1);
    RecordingShellOps& shell = Install<RecordingShellOps>(form->Shell);
    shell.Answer = {2, false};
    form->ClickMenu("mnPaste");
    EXPECT_TRUE(shell.Plans.empty());
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"a.txt", "b.txt"}));
    EXPECT_EQ(dir.Read("dst\\b.txt"), "old");
    Names source = form->TabSlots[form->TabToSlot[0]].Names;
    std::sort(source.begin(), source.end());
    EXPECT_EQ(source, (Names{"a.txt", "sub", "ポ.txt"}));
}

TEST_F(FileOps, TextCommandsFillTheClipboard) {
    auto form = Start({src});
    Select(*form, {"a.txt", "b.txt"});
    form->ClickMenu("mnCopyFilen");
    EXPECT_EQ(ClipboardText(nullptr), "a.txt\r\nb.txt");
    EXPECT_EQ(StatusText(form->StatusBar1), "a.txt");
    form->ClickMenu("mnCopyFullpath");
    EXPECT_EQ(ClipboardText(nullptr), src + "a.txt\r\n" + src + "b.txt");
    ::SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                   reinterpret_cast<LPARAM>(form->spbtnDirCopy));
    const std::string folderBox = WindowText(form->CmbDir);
    ASSERT_FALSE(folderBox.empty());
    EXPECT_EQ(ClipboardText(nullptr), folderBox);
    EXPECT_EQ(StatusText(form->StatusBar1), folderBox);
    Select(*form, {});
    form->ClickMenu("mnCopyFilen");
    EXPECT_EQ(ClipboardText(nullptr), "");
}

TEST_F(FileOps, NoFileCommandRunsInTheDriveList) {
    auto form = Start({src});
    RecordingShellOps& shell = Install<RecordingShellOps>(form->Shell);
    Select(*form, {"a.txt"});
    form->ClickMenu("mnCopy");
    form->ClickMenu("N11");  // the drive list
    ASSERT_EQ(form->CurrentFolder(), "");
    ListView_SetItemState(form->ListView1, 0, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
    const std::string status = StatusText(form->StatusBar1);
    for (const char* name : {"mnCut", "mnCopy", "mnPaste", "mnDelete", "mnDelete2", "mnRename",
                             "mnInsDir", "mnNewFile", "mnReplication", "mnMakeShortcut"})
        form->ClickMenu(name);
    EXPECT_TRUE(shell.Plans.empty());
    EXPECT_EQ(StatusText(form->StatusBar1), status);
    EXPECT_EQ(form->ClipFiles, Names{"1" + src + "a.txt"});
    EXPECT_EQ(ListView_GetEditControl(form->ListView1), nullptr);
}

TEST_F(FileOps, AFailedRenameKeepsTheOldNameAndReopensTheEdit) {
    auto form = Start({src});
    ::ShowWindow(form->Handle(), SW_SHOWNORMAL);
    const auto row = static_cast<std::size_t>(RowOf(*form, "a.txt"));
    // The edit ends as Enter ends it, with what was typed.
    auto typeAndEnter = [&](const std::string& text) {
        HWND edit = ListView_GetEditControl(form->ListView1);
        ASSERT_NE(edit, nullptr);
        ::SetWindowTextA(edit, text.c_str());
        ::SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
        PumpMessages();
    };
    ListView_SetItemState(form->ListView1, static_cast<int>(row), LVIS_FOCUSED, LVIS_FOCUSED);
    form->ClickMenu("mnRename");
    // An existing name, or one with a backslash or "?": the edit comes back with the typed
    // text, and the status line says why.
    for (const char* bad : {"b.txt", "x\\y.txt", "x?.txt"}) {
        ShellPromptAnswerer close(IDOK);
        typeAndEnter(bad);
        EXPECT_EQ(ListCaptions(form->ListView1)[row], "a.txt") << bad;
        EXPECT_EQ(WindowText(ListView_GetEditControl(form->ListView1)), bad);
        EXPECT_EQ(
            StatusText(form->StatusBar1).rfind(bad == std::string("b.txt") ? "同じ" : "ﾌｧｲﾙ名", 0),
            0u);
    }
    EXPECT_EQ(dir.Read("src\\a.txt"), "a.txt");
    EXPECT_EQ(dir.Read("src\\b.txt"), "b.txt");
    // Wine's list reports an emptied edit as cancelled; Windows hands over the empty text.
    typeAndEnter("");
    EXPECT_EQ(ListCaptions(form->ListView1)[row], "a.txt");
    if (!ListView_GetEditControl(form->ListView1)) {
        form->ListView1Edited(static_cast<int>(row), "");
        PumpMessages();
        EXPECT_NE(ListView_GetEditControl(form->ListView1), nullptr);
    }
    // The same name is not handed to the shell at all.
    RecordingShellOps& shell = Install<RecordingShellOps>(form->Shell);
    typeAndEnter("a.txt");
    EXPECT_TRUE(shell.Plans.empty());
    EXPECT_TRUE(form->EditShortcutsOn);
}

TEST_F(FileOps, DeleteRemovesOnlyRowsWhoseFilesAreGone) {
    auto form = Start({src});
    RecordingShellOps& shell = Install<RecordingShellOps>(form->Shell);
    form->ClickMenu("mnDelete");  // nothing selected: nothing to ask the shell
    EXPECT_TRUE(shell.Plans.empty());

    // The shell reports success but b.txt survives (declined or locked).
    shell.OnRun = [&](const ShellPlan&) {
        ::DeleteFileA((src + "a.txt").c_str());
        ::DeleteFileA((src + "ポ.txt").c_str());
    };
    Select(*form, {"a.txt", "b.txt", "ポ.txt"});
    form->ClickMenu("mnDelete");
    ASSERT_EQ(shell.Plans.size(), 1u);
    EXPECT_EQ(shell.Plans[0].Function, ShellFunction::Delete);
    EXPECT_EQ(shell.Plans[0].Sources, (Names{src + "a.txt", src + "b.txt", src + "ポ.txt"}));
    EXPECT_EQ(shell.Plans[0].Flags, kShellAllowUndo | kShellSilent);
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"sub", "b.txt"}));
    EXPECT_EQ(Selected(*form), Names{"sub"});  // nothing after them: the row before
    EXPECT_TRUE(ui.Shown.empty());

    // Shift+Del removes for good; a failure is reported, and what did go leaves the list.
    shell.OnRun = [&](const ShellPlan&) { ::RemoveDirectoryA((src + "sub").c_str()); };
    shell.Answer = {0x78, false};
    Select(*form, {"sub", "b.txt"});
    form->ClickMenu("mnDelete2");
    EXPECT_EQ(shell.Plans[1].Flags, kShellSilent);
    ASSERT_EQ(ui.Shown.size(), 1u);
    EXPECT_EQ(ui.Shown[0].Text, "削除できません");
    EXPECT_EQ(ui.Shown[0].Caption, "削除");
    EXPECT_EQ(ListCaptions(form->ListView1), Names{"b.txt"});
    EXPECT_EQ(form->TabSlots[form->CurrentSlot()].Names, Names{"b.txt"});
}

TEST_F(FileOps, NewFolderAndNewFileStartTheEditOnTheirNewLastRow) {
    auto form = Start({src});
    ::ShowWindow(form->Handle(), SW_SHOWNORMAL);
    // Reverse order: the new row still comes last and every other row keeps its caption.
    form->TabSlots[form->CurrentSlot()].Reverse = true;
    form->ListFolder(form->CurrentSlot());
    Names rows = ListCaptions(form->ListView1);
    form->ClickMenu("mnInsDir");
    EXPECT_TRUE(Exists(src + "新しいフォルダ"));
    rows.push_back("新しいフォルダ");
    EXPECT_EQ(ListCaptions(form->ListView1), rows);
    EXPECT_NE(ListView_GetEditControl(form->ListView1), nullptr);
    ListView_CancelEditLabel(form->ListView1);

    form->ClickMenu("mnNewFile");
    rows.push_back("新規ファイル");
    EXPECT_EQ(ListCaptions(form->ListView1), rows);
    ListView_CancelEditLabel(form->ListView1);

    // Both names taken: nothing happens. Nor in the folder box, where Ins is completion's.
    form->ClickMenu("mnInsDir");
    form->ClickMenu("mnNewFile");
    EXPECT_EQ(ListCaptions(form->ListView1), rows);
    ::RemoveDirectoryA((src + "新しいフォルダ").c_str());
    ::SetFocus(form->CmbDir);
    form->ClickMenu("mnInsDir");
    EXPECT_FALSE(Exists(src + "新しいフォルダ"));
}

TEST_F(FileOps, DuplicateTakesTheFirstFreeCopyName) {
    dir.Make("src\\コピー b.txt");  // a folder of the name counts as taken
    auto form = Start({src});
    for (int round = 0; round < 2; ++round) {
        Select(*form, {"a.txt", "b.txt"});
        form->ClickMenu("mnReplication");
    }
    EXPECT_EQ(dir.Read("src\\コピー a.txt"), "a.txt");
    EXPECT_EQ(dir.Read("src\\コピー(1) a.txt"), "a.txt");
    EXPECT_EQ(dir.Read("src\\コピー(1) b.txt"), "b.txt");
    EXPECT_EQ(dir.Read("src\\コピー(2) b.txt"), "b.txt");
    Names rows = ListCaptions(form->ListView1);
    EXPECT_EQ(Names(rows.end() - 4, rows.end()),
              (Names{"コピー a.txt", "コピー(1) b.txt", "コピー(1) a.txt", "コピー(2) b.txt"}));
    EXPECT_EQ(Selected(*form), (Names{"a.txt", "b.txt"}));
}

TEST_F(FileOps, ShortcutsGetFreshPropertiesAndNamesThatReplaceNothing) {
    dir.Write("src\\a.lnk", "not a link");
    auto form = Start({src});
    // Everything a link read earlier may leave behind.
    TSCMake& sc = form->SCMake1;
    sc.Argument = "/x";
    sc.WorkDir = sc.IconPath = src;
    sc.IconNo = 3;
    sc.SetSCKey(static_cast<std::uint16_t>(kCtrlFlag | 'K'));
    sc.SetWndState(WNDSTATE::Maximize);
    Select(*form, {"sub", "a.txt"});
    form->ClickMenu("mnMakeShortcut");
    EXPECT_EQ(dir.Read("src\\a.lnk"), "not a link");
    Names rows = ListCaptions(form->ListView1);
    EXPECT_EQ(Names(rows.end() - 2, rows.end()), (Names{"sub.lnk", "a(1).lnk"}));
    TSCMake reader;
    ASSERT_EQ(reader.ReadShortcut(src + "a(1).lnk"), 0);
    EXPECT_EQ(reader.LinkPath, src + "a.txt");
    EXPECT_EQ(reader.Argument, "");
    EXPECT_EQ(reader.WorkDir, "");
    EXPECT_EQ(reader.IconPath, "");
    EXPECT_EQ(reader.StoredHotkey(), 0);
    // Wine's link loader reads no show command back: the one written is the component's.
    EXPECT_EQ(sc.StoredShowCommand(), kLinkShowNormal);
}

// Between the listing and the command a file is deleted, renamed or replaced by a folder of
// its name (or a folder by a file). The command acts on the rest only; a gone row leaves the
// list and a replaced one is listed afresh, as it is now.
TEST_F(FileOps, CutCopyAndPasteLeaveOutWhatChangedUnderfoot) {
    dir.Write("dst\\c.txt", "c");
    auto form = Start({src, dst});
    form->ShowTab(0);
    Select(*form, {"sub", "a.txt", "b.txt", "ポ.txt"});
    ::DeleteFileA((src + "a.txt").c_str());
    ::MoveFileA((src + "b.txt").c_str(), (src + "b2.txt").c_str());
    Replace("ポ.txt");
    form->ClickMenu("mnCopy");
    EXPECT_EQ(form->ClipFiles, Names{"0" + src + "sub"});
    EXPECT_EQ(StatusText(form->StatusBar1), "ｺﾋﾟｰ 1個");
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"sub", "ポ.txt"}));
    EXPECT_EQ(form->TabSlots[form->CurrentSlot()].Kinds, "00");
    EXPECT_EQ(Selected(*form), Names{"sub"});

    // Cut both folders; one becomes a file again before the paste: only the other moves,
    // and the source tab lists what is there now.
    Select(*form, {"sub", "ポ.txt"});
    form->ClickMenu("mnCut");
    Replace("ポ.txt");
    form->ShowTab(1);
    form->ClickMenu("mnPaste");
    EXPECT_TRUE(Exists(dst + "sub") && !Exists(dst + "ポ.txt"));
    EXPECT_EQ(dir.Read("src\\ポ.txt"), "new");
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"c.txt", "sub"}));
    const TTabSlot& source = form->TabSlots[form->TabToSlot[0]];
    EXPECT_EQ(source.Names, Names{"ポ.txt"});
    EXPECT_EQ(source.Kinds, "1");
}

TEST_F(FileOps, RenameOfAFileGoneOrReplacedRenamesNothing) {
    auto form = Start({src});
    ::ShowWindow(form->Handle(), SW_SHOWNORMAL);
    ::DeleteFileA((src + "a.txt").c_str());
    Replace("b.txt");
    for (const char* name : {"a.txt", "b.txt"}) {
        ListView_SetItemState(form->ListView1, RowOf(*form, name), LVIS_FOCUSED, LVIS_FOCUSED);
        form->ClickMenu("mnRename");
        HWND edit = ListView_GetEditControl(form->ListView1);
        ASSERT_NE(edit, nullptr) << name;
        ::SetWindowTextA(edit, "x.txt");
        ::SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
        PumpMessages();
        EXPECT_FALSE(Exists(src + "x.txt")) << name;
        EXPECT_EQ(ListView_GetEditControl(form->ListView1), nullptr) << name;
    }
    EXPECT_TRUE(Exists(src + "b.txt\\"));
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"sub", "ポ.txt", "b.txt"}));
}

TEST_F(FileOps, DeleteNeverTakesAFolderThatReplacedTheChosenFile) {
    auto form = Start({src});
    Select(*form, {"sub", "a.txt", "b.txt"});
    ::DeleteFileA((src + "a.txt").c_str());
    Replace("b.txt");
    dir.Write("src\\b.txt\\keep", "k");
    ShellPromptAnswerer yes(IDYES);
    form->ClickMenu("mnDelete2");
    EXPECT_FALSE(Exists(src + "sub"));
    EXPECT_EQ(dir.Read("src\\b.txt\\keep"), "k");
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"ポ.txt", "b.txt"}));
    EXPECT_TRUE(ui.Shown.empty());
}

TEST_F(FileOps, DuplicateAndShortcutMakeNothingForRowsChangedUnderfoot) {
    auto form = Start({src});
    Select(*form, {"a.txt", "b.txt"});
    ::DeleteFileA((src + "a.txt").c_str());
    Replace("b.txt");
    form->ClickMenu("mnReplication");
    EXPECT_FALSE(Exists(src + "コピー a.txt") || Exists(src + "コピー b.txt"));
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"sub", "ポ.txt", "b.txt"}));

    Select(*form, {"sub", "ポ.txt"});
    Replace("sub");
    ::DeleteFileA((src + "ポ.txt").c_str());
    form->ClickMenu("mnMakeShortcut");
    EXPECT_FALSE(Exists(src + "sub.lnk") || Exists(src + "ポ.lnk"));
    EXPECT_EQ(ListCaptions(form->ListView1), (Names{"b.txt", "sub"}));
}

}  // namespace

// Names of a folder as the file system holds them, in UTF-16.
std::vector<std::wstring> WideNames(const std::string& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data{};
    UniqueFind find(::FindFirstFileW((WideText(folder) + L"*.txt").c_str(), &data));
    for (bool more = bool(find); more; more = ::FindNextFileW(find.get(), &data))
        names.push_back(data.cFileName);
    std::sort(names.begin(), names.end());
    return names;
}

// 한국.txt and 한국어.txt read back from the ANSI functions as ??.txt and ???.txt, which the
// shell would take for patterns matching ab.txt and 表ソ能.txt.
TEST_F(FileOps, NamesTheCodePageCannotHoldAreCopiedAndMovedAlone) {
    const std::wstring korean = L"\uD55C\uAD6D.txt", longer = L"\uD55C\uAD6D\uC5B4.txt";
    for (const std::wstring& name : {korean, longer})
        UniqueFile(::CreateFileW((WideText(src) + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                 CREATE_NEW, 0, nullptr));
    dir.Write("src\\ab.txt", "ab");
    dir.Write("src\\表ソ能.txt", "x");
    auto form = Start({src, dst});
    for (const char* row : {"??.txt", "???.txt"}) {
        form->ShowTab(0);
        Select(*form, {row});
        form->ClickMenu(row == std::string("??.txt") ? "mnCopy" : "mnCut");
        form->ShowTab(1);
        form->ClickMenu("mnPaste");
    }
    EXPECT_EQ(WideNames(dst), (std::vector<std::wstring>{korean, longer}));
    EXPECT_EQ(WideNames(src).size(), 6u);  // a b ab ポ 表ソ能 한국
    wchar_t shown[64] = {};
    LVITEMW item{};
    item.pszText = shown;
    item.cchTextMax = 64;
    ::SendMessageW(form->ListView1, LVM_GETITEMTEXTW, RowOf(*form, "??.txt"),
                   reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(shown, korean);
}

// Rows go to the tab that asked, whatever tab is shown when the shell returns; a name the
// disk holds in other case is one row, and a file handed over into its own folder stays.
TEST_F(FileOps, PasteAndDeletePatchTheTabThatAskedAndListANameOnce) {
    auto form = Start({src, dst});
    RecordingShellOps& shell = Install<RecordingShellOps>(form->Shell);
    form->ShowTab(0);
    Select(*form, {"a.txt"});
    form->ClickMenu("mnCopy");
    form->ShowTab(1);
    shell.OnRun = [&](const ShellPlan&) {
        ::CopyFileA((src + "a.txt").c_str(), (dst + "A.TXT").c_str(), FALSE);
        form->ShowTab(0);
    };
    form->ClickMenu("mnPaste");
    EXPECT_EQ(form->TabSlots[form->TabToSlot[1]].Names, Names{"A.TXT"});

    form->ShowTab(1);
    form->DropFiles({dst + "a.txt"});
    EXPECT_EQ(shell.Plans.size(), 1u);
    EXPECT_EQ(ListCaptions(form->ListView1), Names{"A.TXT"});

    Select(*form, {"A.TXT"});
    shell.OnRun = [&](const ShellPlan&) {
        ::DeleteFileA((dst + "A.TXT").c_str());
        form->ShowTab(0);
    };
    form->ClickMenu("mnDelete");
    EXPECT_TRUE(form->TabSlots[form->TabToSlot[1]].Names.empty());
}

// A name whose full path passes 260 characters is still found where the listing found it.
TEST_F(FileOps, CommandsReachFilesPastTheShortPathLimit) {
    const std::string deep = dir.Make(std::string(150, 'd')) + "\\";
    const std::string name = std::string(120, 'f') + ".txt";
    UniqueFile(::CreateFileW((L"\\\\?\\" + WideText(deep + name)).c_str(), GENERIC_WRITE, 0,
                             nullptr, CREATE_NEW, 0, nullptr));
    auto form = Start({deep});
    Select(*form, {name});
    form->ClickMenu("mnCopy");
    EXPECT_EQ(StatusText(form->StatusBar1), "ｺﾋﾟｰ 1個");
    EXPECT_EQ(ListCaptions(form->ListView1), Names{name});
}

TEST_F(FileOps, ARenamedRowTakesItsSortedPlaceWhenItsTabIsShownAgain) {
    auto form = Start({src, dst});
    form->ShowTab(0);
    const int row = RowOf(*form, "a.txt");
    form->ListView1Edited(row, "zz.txt");
    form->ShowTab(1);
    form->ShowTab(0);
    const Names shown = ListCaptions(form->ListView1);
    form->ClickMenu("mnRefresh");
    EXPECT_EQ(shown, ListCaptions(form->ListView1));
    EXPECT_NE(RowOf(*form, "zz.txt"), row);
}

// A copy that takes long runs beside the window: it answers and says it is working.
TEST_F(FileOps, ALongShellOperationLeavesTheWindowAnsweringAndSaysSo) {
    struct SlowShell final : ShellOps {
        UniqueKernelHandle Go{::CreateEventA(nullptr, TRUE, FALSE, nullptr)};
        ShellResult Run(const ShellPlan&) override {
            ::WaitForSingleObject(Go.get(), 5000);
            return {};
        }
        bool RunsOnWorker() const override { return true; }
    };
    auto form = Start({src, dst});
    SlowShell& shell = Install<SlowShell>(form->Shell);
    form->ShowTab(0);
    Select(*form, {"a.txt"});
    form->ClickMenu("mnCopy");
    form->ShowTab(1);
    std::string seen;
    std::thread watcher([&] {
        ::Sleep(600);
        seen = StatusText(form->StatusBar1);  // answered by the window while it waits
        ::SetEvent(shell.Go.get());
    });
    form->ClickMenu("mnPaste");
    watcher.join();
    EXPECT_EQ(seen, "処理中…");
}
