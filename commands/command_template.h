// Command templates: a program path, a blank and parameters with macros ("%file", "%path" ...),
// expanded into the launch the platform carries out, together with the work a launch leaves
// behind (a refresh when the user comes back, a folder to open a second later).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "commands/launch_plan.h"

// Replaces every occurrence of macro in text, searching character by character and going on
// after each inserted replacement, so a replacement that holds the macro is inserted once.
// True when there was at least one.
bool ReplaceMacro(std::string& text, std::string_view macro, std::string_view replacement);

// True when the lower-cased text contains ".exe", ".lnk" or ".com" anywhere: a program, as
// opposed to a folder or a window title.
bool IsProgramFile(std::string_view text);

// The text in double quotes when it contains a blank and no double quote.
std::string QuoteIfSpaced(std::string_view text);

// What "%name" gives for a list item: the caption cut before its first "." unless the caption
// starts with it.
std::string NameMacroText(std::string_view caption);

// The folder of a program text: up to and including its last backslash or colon; empty when
// there is none.
std::string ProgramFolder(std::string_view program);

// What the macros read from the window at the time of the launch.
struct CommandContext {
    std::string AppDir;         // the running program's folder, with its trailing backslash
    std::string CurrentFolder;  // with its trailing backslash; empty for the drive list
    std::string DesktopFolder;  // with its trailing backslash
    std::string FirstSelected;  // caption of the first selected item; empty with no selection
};

struct CommandLaunch {
    LaunchPlan Plan;
    // The program text as the user sees it (the error message, the DefaultApp argument).
    std::string ProgramText;
    // The document had nothing to pass, so "no associated program" retries with DefaultApp.
    bool DefaultAppRetry = false;
    bool Refresh = false;  // keep the list position and refresh when the user comes back
    bool OpenDir = false;  // open OpenDirPath in a new tab a second after the launch
    bool OpenDirOnDesktop = false;
    std::string OpenDirPath;
};

// The launch of commandTemplate acting on arguments (paths already quoted by the caller).
// Macros are read where the template has them: text a macro inserted (a folder, a file name
// holding "%file") is never expanded again, and a macro a removal brings together is no macro.
CommandLaunch ExpandCommand(std::string_view commandTemplate, std::string_view arguments,
                            const CommandContext& context);

enum class LaunchOutcome { Done, RetryWithDefaultApp, ShowError };

// What follows a launch: the shell found no program for the document (1155 on Windows, only
// hInstApp 31 under Wine), or a command line that did not start (31 or less).
LaunchOutcome AfterLaunch(const CommandLaunch& launch, const LaunchResult& result);

// The retry of a document without association through the DefaultApp template, given the
// failed path unquoted. Nothing when DefaultApp is empty: the failure is then reported with
// the document's path instead of asking the shell to open nothing.
std::optional<CommandLaunch> DefaultAppLaunch(std::string_view defaultApp,
                                              const CommandLaunch& failed,
                                              const CommandContext& context);

// Caption of the box that reports a program or document the shell would not start; its
// message is the program text.
inline constexpr const char* kLaunchErrorCaption = "実行ｴﾗｰ";
