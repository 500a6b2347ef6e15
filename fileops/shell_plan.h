// What the shell's file operation is asked to do (copy, move, delete, rename), decided here
// and carried out by the platform layer. Function and flag values are the shell's own, so the
// platform hands them over unchanged.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class ShellFunction { Move = 1, Copy = 2, Delete = 3, Rename = 4 };

// Flags of the operation.
inline constexpr unsigned kShellMultiDestFiles = 0x0001;  // one target per source
inline constexpr unsigned kShellSilent = 0x0004;          // no progress window
inline constexpr unsigned kShellRenameOnCollision = 0x0008;
inline constexpr unsigned kShellNoConfirmation = 0x0010;  // answer "yes to all"
inline constexpr unsigned kShellAllowUndo = 0x0040;       // deleted files go to the recycle bin
inline constexpr unsigned kShellFilesOnly = 0x0080;
inline constexpr unsigned kShellNoConfirmMkdir = 0x0200;
inline constexpr unsigned kShellNoErrorUi = 0x0400;

struct ShellPlan {
    ShellFunction Function = ShellFunction::Copy;
    std::vector<std::string> Sources;
    // None for a delete; one folder (or the new name of a rename); with kShellMultiDestFiles
    // one full target per source.
    std::vector<std::string> Destinations;
    unsigned Flags = 0;
};

struct ShellResult {
    int Code = 0;          // 0 on success
    bool Aborted = false;  // the user cancelled part of the work
};

// Deleting paths; with permanently false they go to the recycle bin. The shell still asks
// its own confirmation question.
ShellPlan DeletePlan(std::vector<std::string> paths, bool permanently);

// False when a source or a destination could name more than one file: the shell reads '*'
// and '?' as wildcards, and a plan must only ever touch the files the user chose.
bool NamesOneFileEach(const ShellPlan& plan);
// What the platform answers a plan refused for that reason (the system's "invalid name").
inline constexpr int kShellRefusedWildcard = 123;

// The shell's list form: every name ends in a NUL byte and one more NUL ends the list. Empty
// names are left out: one would end the list early and hide every name behind it.
std::string DoubleNulList(const std::vector<std::string>& names);

// The last name of a path ('C:\a\b.txt' -> 'b.txt'); a trailing backslash is no part of it
// ('C:\a\sub\' -> 'sub').
std::string LastName(std::string_view path);

// True for a move of two or more sources into one folder: Wine refuses it in one call.
bool IsMultiMoveIntoFolder(const ShellPlan& plan);

// The same work with one full target per source (destination folder + the source's last
// name), which every shell accepts. Empty sources are left out.
ShellPlan OneTargetPerSource(const ShellPlan& plan);
