// Command lines handed over by a second instance, and files dropped from the shell.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>

#include "app/file1_win.h"
#include "app/handover_win.h"
#include "fileops/drop_block.h"
#include "platform/unique_handle_win.h"
#include "win_test_support.h"
#include "window_fixture.h"

namespace {

class HandOver : public WindowFixture<> {
protected:
    void SetUp() override { form = Open(ValidSettings(), {dir.Make("first")}); }
    LRESULT SendBlock(const std::string& block, ULONG_PTR tag = kHandOverCopyData) {
        COPYDATASTRUCT data{};
        data.dwData = tag;
        data.cbData = static_cast<DWORD>(block.size());
        data.lpData = const_cast<char*>(block.data());
        LRESULT r = ::SendMessageA(form->Handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
        PumpMessages();
        return r;
    }

    std::unique_ptr<TFrmFile> form;
};

TEST_F(HandOver, FoldersArriveInOrderAsNewTabs) {
    std::string block = NewDropBlock();
    ASSERT_TRUE(AddDropFile(block, dir.Make("ソース")));
    ASSERT_TRUE(AddDropFile(block, dir.Make("b")));
    ASSERT_TRUE(AddDropFile(block, dir.Make("能力")));
    EXPECT_EQ(SendBlock(block), TRUE);
    EXPECT_EQ(TabCaptions(form->TabControl1),
              (std::vector<std::string>{"first", "ソース", "b", "能力"}));
    EXPECT_EQ(TabCtrl_GetCurSel(form->TabControl1), 3);
    EXPECT_TRUE(ui.Shown.empty());
}

TEST_F(HandOver, MalformedBlocksAreRefusedAndChangeNothing) {
    std::string good = NewDropBlock();
    ASSERT_TRUE(AddDropFile(good, dir.Make("x")));
    std::string badOffset = good;
    badOffset[0] = 0x7F;
    std::string unterminated = good.substr(0, good.size() - 2);
    std::string noFinalNul = good.substr(0, good.size() - 1);
    for (const std::string& bad : {badOffset, unterminated, noFinalNul, std::string("abc")})
        EXPECT_EQ(SendBlock(bad), FALSE);
    EXPECT_EQ(SendBlock(good, 0x1234), FALSE);  // someone else's data
    EXPECT_EQ(TabCaptions(form->TabControl1), std::vector<std::string>{"first"});
}

TEST_F(HandOver, SecondStartFindsTheRunningWindow) {
    std::string folder = dir.Make("handed");
    EXPECT_FALSE(PassToRunningInstance({"-n", folder}));  // "-n": a window of its own
    EXPECT_TRUE(PassToRunningInstance({}));               // only brings the window forward
    PumpMessages();
    EXPECT_EQ(TabCaptions(form->TabControl1).size(), 1u);
    dir.Write("file.txt", "x");
    EXPECT_TRUE(PassToRunningInstance({folder, dir.Path() + "file.txt"}));
    PumpMessages();
    // Folders open as tabs; files are copied into the folder that is current then.
    EXPECT_EQ(TabCaptions(form->TabControl1), (std::vector<std::string>{"first", "handed"}));
    EXPECT_EQ(StatusText(form->StatusBar1), "ｺﾋﾟｰ 1個");
    EXPECT_EQ(dir.Read("handed\\file.txt"), "x");
    EXPECT_TRUE(form->ClipFiles.empty());
    EXPECT_TRUE(ui.Shown.empty());
}

TEST_F(HandOver, HandingOverRelativeFolderSendsItsFullPath) {
    dir.Make("rel");
    ::SetCurrentDirectoryA(dir.Path().c_str());
    EXPECT_TRUE(PassToRunningInstance({"rel"}));
    // The window's own current folder has moved on meanwhile.
    ::SetCurrentDirectoryA("C:\\");
    PumpMessages();
    int slot = form->CurrentSlot();
    EXPECT_EQ(form->TabSlots[slot].Folder, dir.Path() + "rel");
}

TEST_F(HandOver, ShellDropOpensFoldersAndCountsFiles) {
    std::string folder = dir.Make("dropped");
    dir.Write("a.txt", "a");
    std::string names = folder + '\0' + dir.Path() + "a.txt" + '\0' + '\0';
    HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    ::GlobalUnlock(memory);
    ::SendMessageA(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    EXPECT_EQ(TabCaptions(form->TabControl1), (std::vector<std::string>{"first", "dropped"}));
    char status[128] = {};
    ::SendMessageA(form->StatusBar1, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
    EXPECT_STREQ(status, "ｺﾋﾟｰ 1個");
}

TEST_F(HandOver, ForeignDropHandlesAreIgnoredAndLeftAlone) {
    // One of our own blocks that holds no drop list: its header points past its end.
    UniqueGlobal ours(::GlobalAlloc(GHND, 64));
    {
        GlobalLockGuard lock(ours.get());
        std::memset(lock.Data(), 0xFF, 64);
    }
    for (WPARAM handle :
         {reinterpret_cast<WPARAM>(ours.get()), WPARAM{0x850008}, WPARAM{0x12345678}, WPARAM{1}})
        ::SendMessageA(form->Handle(), WM_DROPFILES, handle, 0);
    PumpMessages();
    EXPECT_EQ(TabCaptions(form->TabControl1), std::vector<std::string>{"first"});
    EXPECT_TRUE(form->ClipFiles.empty());
    EXPECT_TRUE(ui.Shown.empty());
    // Our blocks were neither freed nor changed.
    EXPECT_EQ(::GlobalSize(ours.get()), 64u);
    GlobalLockGuard lock(ours.get());
    EXPECT_EQ(static_cast<unsigned char*>(lock.Data())[63], 0xFF);
}

}  // namespace
