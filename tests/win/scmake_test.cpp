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

std::wstring Wide(const std::string& text) {
    int n = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
    wide.resize(static_cast<std::size_t>(n - 1));
    return wide;
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(ScMakeTest, MadeLinkReadsBackWithEveryProperty) {
    ScratchFolder dir;
    // 表, ソ and 能 all end in the byte 0x5C.
    const std::string folder = dir.Make("表ソ");
    dir.Write("表ソ\\能.txt", "x");
    TSCMake maker;
    maker.SCDir = folder;
    maker.SCName = "能";
    maker.LinkPath = folder + "\\能.txt";
    maker.WorkDir = dir.Make("ソ");
    maker.Argument = "-x \"表 ソ\"";
    maker.IconPath = folder + "\\能.txt";
    maker.IconNo = 3;
    maker.SetSCKey(ShortCut('X', false, true, true));
    maker.SetWndState(WNDSTATE::Maximize);
    ASSERT_EQ(maker.MakeShortcut(), 0);
    ASSERT_TRUE(Exists(folder + "\\能.lnk"));

    TSCMake reader;
    reader.LinkPath = reader.Argument = "left over";
    ASSERT_EQ(reader.ReadShortcut(folder + "\\能.LNK"), 0);
    EXPECT_EQ(reader.SCDir, folder);
    EXPECT_EQ(reader.SCName, "能");
    EXPECT_EQ(reader.LinkPath, maker.LinkPath);
    EXPECT_EQ(reader.WorkDir, maker.WorkDir);
    EXPECT_EQ(reader.Argument, maker.Argument);
    EXPECT_EQ(reader.IconPath, maker.IconPath);
    EXPECT_EQ(reader.IconNo, 3);
    EXPECT_EQ(reader.StoredHotkey(), 0x0600 | 'X');
    EXPECT_EQ(reader.SCKey(), ShortCut('X', false, true, true));
    // Wine writes the show command but its loader does not read it back.
    if (!RunningUnderWine()) {
        EXPECT_EQ(reader.WndState(), WNDSTATE::Maximize);
    }
}

TEST(ScMakeTest, RefusesIncompleteLinksAndNeverReplacesAFile) {
    ScratchFolder dir;
    dir.Write("a.txt", "a");
    TSCMake sc;
    sc.SCDir = dir.Path();
    sc.LinkPath = dir.Path() + "a.txt";
    EXPECT_EQ(sc.MakeShortcut(), -1);  // no name
    sc.SCName = "a";
    sc.LinkPath.clear();
    EXPECT_EQ(sc.MakeShortcut(), -1);
    EXPECT_FALSE(Exists(dir.Path() + "a.lnk"));

    dir.Write("a.lnk", "keep");
    sc.LinkPath = dir.Path() + "a.txt";
    EXPECT_EQ(sc.MakeShortcut(), HRESULT_FROM_WIN32(ERROR_FILE_EXISTS));
    EXPECT_EQ(dir.Read("a.lnk"), "keep");

    // A failed read leaves every property as it was.
    for (const char* name : {"a.txt", "a.lnk", "none.lnk"}) {
        EXPECT_EQ(sc.ReadShortcut(dir.Path() + name), -1) << name;
        EXPECT_EQ(sc.SCName, "a");
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
    // A shortcut of B.lnk would otherwise replace the very link it points at.
    EXPECT_EQ(make("B.lnk"), "B(1)");
    dir.Make("B(2).lnk");  // a folder takes the name as well
    EXPECT_EQ(make("B.txt"), "B(3)");

    TSCMake reader;
    ASSERT_EQ(reader.ReadShortcut(f + "B.lnk"), 0);
    EXPECT_EQ(reader.LinkPath, f + "B.txt");
    ASSERT_EQ(reader.ReadShortcut(f + "B(1).lnk"), 0);
    EXPECT_EQ(reader.LinkPath, f + "B.lnk");
    EXPECT_EQ(FreeShortcutName(f, ""), "");
}

TEST(ScMakeTest, PathsLongerThan260CharactersAreNeverCut) {
    ScratchFolder dir;
    std::string folder = dir.Path() + "表";
    std::vector<std::string> made{folder};
    while (folder.size() < 300) made.push_back(folder += "\\" + std::string(60, 'd') + "ソ");
    for (const std::string& level : made)
        ASSERT_TRUE(::CreateDirectoryW(Wide(level).c_str(), nullptr)) << level.size();
    const std::string lnk = folder + "\\能.lnk";
    {
        HANDLE file = ::CreateFileW(Wide(folder + "\\能.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        ::CloseHandle(file);
    }
    TSCMake sc;
    sc.SCDir = folder;
    sc.SCName = FreeShortcutName(folder, "能");
    // Wine keeps no target path beyond 259 characters (it stores "??"); the link file, the
    // working folder, the icon file and the arguments may all be longer.
    dir.Write("表.txt", "x");
    sc.LinkPath = dir.Path() + "表.txt";
    sc.WorkDir = folder;
    sc.IconPath = folder + "\\能.txt";
    sc.Argument = "\"" + folder + "\\能.txt\"";
    ASSERT_EQ(sc.MakeShortcut(), 0);
    EXPECT_TRUE(Exists(lnk));
    EXPECT_EQ(FreeShortcutName(folder, "能"), "能(1)");

    TSCMake reader;
    ASSERT_EQ(reader.ReadShortcut(lnk), 0);
    EXPECT_EQ(reader.SCDir, folder);
    EXPECT_EQ(reader.LinkPath, sc.LinkPath);
    EXPECT_EQ(reader.WorkDir, sc.WorkDir);
    EXPECT_EQ(reader.IconPath, sc.IconPath);
    EXPECT_EQ(reader.Argument, sc.Argument);

    // The shell's delete of the scratch folder may not reach this deep.
    ::DeleteFileW(Wide(lnk).c_str());
    ::DeleteFileW(Wide(folder + "\\能.txt").c_str());
    for (auto it = made.rbegin(); it != made.rend(); ++it) ::RemoveDirectoryW(Wide(*it).c_str());
}

TEST(ScMakeTest, EachComponentHoldsTheLibraryForItsOwnThread) {
    ScratchFolder dir;
    dir.Write("t.txt", "t");
    int made = 1;
    HRESULT afterwards = E_FAIL;
    std::thread([&] {
        {
            TSCMake sc;
            sc.SCDir = dir.Path();
            sc.SCName = "t";
            sc.LinkPath = dir.Path() + "t.txt";
            made = sc.MakeShortcut();
        }
        // Once the component is gone the thread may join another apartment model.
        afterwards = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(afterwards)) ::CoUninitialize();
    }).join();
    EXPECT_EQ(made, 0);
    EXPECT_EQ(afterwards, S_OK);
}

}  // namespace
