// Reading and writing the settings file as bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The whole file, or nothing when it does not exist or cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// The points of a save where the writer may be stopped from outside (a crash, a kill, a
// power cut); tests stop it there to show that the file is then whole, old or new.
enum class SaveStep {
    TemporaryCreated,  // the temporary file exists, still empty
    Written,           // after each piece of the bytes (done of total)
    BeforeReplace,     // the temporary file is complete; the settings file is untouched
    Replaced,          // the settings file is the new one
};
struct SaveProbe {
    void (*At)(SaveStep step, std::size_t done, std::size_t total) = nullptr;
    std::size_t Piece = 1 << 20;  // bytes per write
};

// Writes bytes to a temporary file beside path and then replaces path with it, so a failed
// or stopped write never leaves a cut-off settings file; a temporary file an earlier stopped
// save left behind is simply written over. Returns 0 or the system error code.
unsigned long WriteFileAtomically(const std::string& path, const std::string& bytes,
                                  const SaveProbe& probe = {});

// The system's text for an error code ("アクセスが拒否されました。").
std::string SystemErrorText(unsigned long code);

// The folder of the running program, with a trailing backslash.
std::string ProgramFolder();
