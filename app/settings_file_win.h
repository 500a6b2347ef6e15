// Reading and writing the settings file as bytes.
#pragma once

#include <optional>
#include <string>

// The whole file, or nothing when it does not exist or cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Writes bytes to a temporary file beside path and then replaces path with it, so a failed
// write never leaves a cut-off settings file. Returns 0 or the system error code.
unsigned long WriteFileAtomically(const std::string& path, const std::string& bytes);

// The system's text for an error code ("アクセスが拒否されました。").
std::string SystemErrorText(unsigned long code);

// The folder of the running program, with a trailing backslash.
std::string ProgramFolder();
