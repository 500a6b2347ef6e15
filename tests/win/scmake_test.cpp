// Shortcut files made and read through the shell's link object, in real temporary folders.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "commands/shortcut_text.h"
#include "fileops/scmake_win.h"
#include "win_test_support.h"

namespace {

TEST(ScMakeTest, MadeLinkReadsBackWithEveryProperty) {
    ScratchFolder dir;
    const std::string folder = dir.Make("表ソ");  // 表, ソ and 能 end in the byte 0x5C
    dir.Write("表ソ\\能.txt", "x");
    TSCMake maker;
    maker.SCDir = folder;
    maker.SCName = "能";
    maker.LinkPath = maker.IconPath = folder + "\\能.txt";
    maker.WorkDir = dir.Make("ソ");
    maker.Argument = "-x \"表 ソ\"";
    maker.IconNo = 3;
    maker.SetSCKey(ShortCut('X', false, true, true));
    maker.SetWndState(WNDSTATE::Maximize);
    ASSERT_EQ(maker.MakeShortcut(), 0);

    TSCMake reader;
    ASSERT_EQ(reader.ReadShortcut(folder + "\\能.LNK"), 0);
    EXPECT_EQ(reader.SCDir, folder);
    EXPECT_EQ(reader.SCName, "能");
    EXPECT_EQ(reader.LinkPath, maker.LinkPath);
    EXPECT_EQ(reader.WorkDir, maker.WorkDir);
    EXPECT_EQ(reader.Argument, maker.Argument);
    EXPECT_EQ(reader.IconPath, maker.IconPath);
    EXPECT_EQ(reader.IconNo, 3);
    EXPECT_EQ(reader.SCKey(), ShortCut('X', false, true, true));
    // Wine writes the show command but its loader does not read it back.
    if (!RunningUnderWine()) {
        EXPECT_EQ(reader.WndState(), WNDSTATE::Maximize);
    }
}

TEST(ScMakeTest, RefusesIncompleteLinksAndNeverReplacesAFile) {
    ScratchFolder dir;
    dir.Write("a.lnk", "keep");
    TSCMake sc;
    sc.SCDir = dir.Path();
    sc.SCName = "a";
    EXPECT_EQ(sc.MakeShortcut(), -1);  // no target
    sc.LinkPath = dir.Path() + "a.txt";
    EXPECT_EQ(sc.MakeShortcut(), HRESULT_FROM_WIN32(ERROR_FILE_EXISTS));
    EXPECT_EQ(dir.Read("a.lnk"), "keep");
    // A failed read leaves the properties as they were.
    for (const char* name : {"a.txt", "a.lnk", "none.lnk"}) {
        EXPECT_EQ(sc.ReadShortcut(dir.Path() + name), -1) << name;
        EXPECT_EQ(sc.LinkPath, dir.Path() + "a.txt");
        EXPECT_EQ(sc.SCDir, dir.Path());
    }
}

TEST(ScMakeTest, FreeNamesLeaveEveryExistingFileAlone) {
    ScratchFolder dir;
    const std::string& f = dir.Path();
    dir.Write("B.txt", "b");
    TSCMake sc;
    sc.SCDir = f;
    auto make = [&](const std::string& caption) {
        sc.SCName = FreeShortcutName(f, ShortcutBaseName(caption));
        sc.LinkPath = f + caption;
        EXPECT_EQ(sc.MakeShortcut(), 0) << caption;
        return sc.SCName;
    };
    EXPECT_EQ(make("B.txt"), "B");
    EXPECT_EQ(make("B.lnk"), "B(1)");  // not the very link it points at
    dir.Make("B(2).lnk");              // a folder takes the name as well
    EXPECT_EQ(make("B.txt"), "B(3)");
    ASSERT_EQ(sc.ReadShortcut(f + "B.lnk"), 0);
    EXPECT_EQ(sc.LinkPath, f + "B.txt");
    ASSERT_EQ(sc.ReadShortcut(f + "B(1).lnk"), 0);
    EXPECT_EQ(sc.LinkPath, f + "B.lnk");
}

TEST(ScMakeTest, PathsLongerThan260CharactersAreNeverCut) {
    ScratchFolder dir;
    std::string folder = dir.Path() + "表";
    std::vector<std::string> made{folder};
    while (folder.size() < 300) made.push_back(folder += "\\" + std::string(60, 'd') + "ソ");
    for (const std::string& level : made)
        ASSERT_TRUE(::CreateDirectoryW(WideText(level).c_str(), nullptr)) << level.size();
    dir.Write("表.txt", "x");
    TSCMake sc;
    sc.SCDir = folder;
    sc.SCName = "能";
    // Wine keeps no target beyond 259 characters (it stores "??"); the link file, the working
    // folder, the icon file and the arguments may all be longer.
    sc.LinkPath = dir.Path() + "表.txt";
    sc.WorkDir = sc.IconPath = folder;
    sc.Argument = "\"" + folder + "\"";
    ASSERT_EQ(sc.MakeShortcut(), 0);
    EXPECT_EQ(FreeShortcutName(folder, "能"), "能(1)");
    TSCMake reader;
    ASSERT_EQ(reader.ReadShortcut(folder + "\\能.lnk"), 0);
    EXPECT_EQ(reader.SCDir, folder);
    EXPECT_EQ(reader.LinkPath, sc.LinkPath);
    EXPECT_EQ(reader.WorkDir, folder);
    EXPECT_EQ(reader.IconPath, folder);
    EXPECT_EQ(reader.Argument, sc.Argument);
    // The shell's delete of the scratch folder may not reach this deep.
    ::DeleteFileW(WideText(folder + "\\能.lnk").c_str());
    for (auto it = made.rbegin(); it != made.rend(); ++it)
        ::RemoveDirectoryW(WideText(*it).c_str());
}

TEST(ScMakeTest, EachComponentHoldsTheLibraryForItsOwnThread) {
    ScratchFolder dir;
    HRESULT made = E_FAIL, afterwards = E_FAIL;
    std::thread([&] {
        {
            TSCMake sc;
            sc.SCDir = sc.LinkPath = dir.Path();
            sc.SCName = "t";
            made = sc.MakeShortcut();
        }
        // Once the component is gone the thread may join another apartment model.
        afterwards = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(afterwards)) ::CoUninitialize();
    }).join();
    EXPECT_EQ(made, S_OK);
    EXPECT_EQ(afterwards, S_OK);
}

}  // namespace
