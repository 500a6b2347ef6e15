// Texts and decisions of the small commands: help, the version box, find and the update aid.
#pragma once

#include <string>
#include <string_view>

// The help file beside the settings file.
std::string HelpFilePath(std::string_view settingsPath);

// The search starts in the first selected item when that is a folder (given by its caption,
// empty otherwise), else in the current folder.
std::string FindStartFolder(std::string_view currentFolder, std::string_view firstSelectedFolder);

// The command the user runs after the program has ended: it copies tabora.exe from the
// current folder over the running program file and waits for a key.
std::string UpdateCommandText(std::string_view currentFolder, std::string_view programPath);

inline constexpr const char* kUpdateMessage = "OKをクリック後、「Win+R」→「CTRL+V」";
inline constexpr const char* kUpdateCaption = "ｱｯﾌﾟﾃﾞｰﾄ";

// A compiler's build date ("Dec  8 2026") as 2026/12/08; any other text unchanged.
std::string BuildDateText(std::string_view compilerDate);

// The version box: program name, version and build date, one per line.
std::string AboutText(std::string_view version, std::string_view buildDate);

inline constexpr const char* kAboutCaption = "ﾊﾞｰｼﾞｮﾝ情報";
