// TSCMake: writes and reads shortcut files (".lnk") through the shell's link object. The main
// window's one instance serves every reader and writer, so the properties keep whatever the
// last read or write left in them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "fileops/scmake.h"
#include "platform/com_init_win.h"

class TSCMake {
public:
    // The component library is initialised for the calling thread while the component lives.
    TSCMake() = default;
    TSCMake(const TSCMake&) = delete;
    TSCMake& operator=(const TSCMake&) = delete;

    // 0 when SCDir\SCName.lnk was written from the properties; -1 when SCName, SCDir or
    // LinkPath is empty; otherwise the failed step's (negative) code. An existing file is never
    // replaced: that fails with HRESULT_FROM_WIN32(ERROR_FILE_EXISTS).
    int MakeShortcut();
    // 0 when the ".lnk" file at path was read into the properties; -1 otherwise, and the
    // properties are then unchanged.
    int ReadShortcut(const std::string& path);

    // The window state and the hotkey are kept in the link's own form.
    WNDSTATE WndState() const { return WndStateOf(showCommand_); }
    void SetWndState(WNDSTATE state) { showCommand_ = ShowCommandOf(state); }
    std::uint16_t SCKey() const { return ShortCutOfHotkey(hotkey_); }  // the menus' code
    void SetSCKey(std::uint16_t shortCut) { hotkey_ = HotkeyOf(shortCut); }
    std::int32_t StoredShowCommand() const { return showCommand_; }
    std::uint16_t StoredHotkey() const { return hotkey_; }

    std::string SCDir;     // folder of the shortcut file
    std::string SCName;    // its name without ".lnk"
    std::string LinkPath;  // target
    std::string WorkDir;   // working folder of the target
    std::string IconPath;  // file holding the icon
    int IconNo = 0;        // index of the icon in it
    std::string Argument;  // command-line arguments

private:
    ComInitialization com_;
    std::int32_t showCommand_ = 0;
    std::uint16_t hotkey_ = 0;
};

// The first of base, base(1), base(2) ... that names no file or folder as base + ".lnk" in
// folder (empty for an empty base).
std::string FreeShortcutName(const std::string& folder, const std::string& base);
