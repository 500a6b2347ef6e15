// How a program or document is started, decided here and carried out by the platform layer:
// a plain command line (Exec), or the shell's execute call with a verb. Mask and show values
// are the system's own, so the platform hands them over unchanged.
#pragma once

#include <cstdint>
#include <string>

enum class LaunchCall { Exec, ShellExecute };

// Mask bits of the shell's execute call.
inline constexpr unsigned kLaunchInvokeIdList = 0x000C;  // use the item's verb list (Properties)
inline constexpr unsigned kLaunchNoUi = 0x0400;          // failures come back, never as a box

// Show states.
inline constexpr int kShowHide = 0;
inline constexpr int kShowShow = 5;
inline constexpr int kShowDefault = 10;

struct LaunchPlan {
    LaunchCall Call = LaunchCall::ShellExecute;
    std::string Program;     // Exec: the whole command line; otherwise the file
    std::string Parameters;  // shell only
    // The working folder; for Exec it becomes the process's current directory first.
    std::string Folder;
    std::string Verb;  // shell only; empty for the default verb
    int Show = kShowDefault;
    unsigned Mask = 0;  // shell only
};

struct LaunchResult {
    bool Started = false;
    // Exec's return value, or the shell's hInstApp (31: no program is associated).
    std::intptr_t Code = 0;
    unsigned long LastError = 0;  // the system's error code right after the call
};

// The system error the shell reports for a document without an associated program, and the
// hInstApp it gives then (Wine reports only the latter).
inline constexpr unsigned long kErrorNoAssociation = 1155;
inline constexpr std::intptr_t kShellNoAssociation = 31;

// Exec of program in folder, shown normally. A program text with a blank is quoted, or
// "C:\Program Files\x.exe" would start C:\Program.exe.
LaunchPlan ExecPlan(const std::string& program, const std::string& folder);

// The shell's "open" of a file with parameters, failing quietly so the caller can report.
LaunchPlan OpenPlan(const std::string& file, const std::string& parameters,
                    const std::string& folder);

// The property sheet of one item.
LaunchPlan PropertiesPlan(const std::string& path);

// The system's search, starting in folder.
LaunchPlan FindPlan(const std::string& folder);
