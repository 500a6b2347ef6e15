// A settings writer that stops dead at one point of its save, as a killed or crashed program
// would: tabora_save_writer <settings file> <file with the new bytes> <point>, where point is
// created, half, before or after. It ends with exit code 9 at that point.
#include <windows.h>

#include <cstring>
#include <string>

#include "app/settings_file_win.h"

namespace {
SaveStep stopStep = SaveStep::Replaced;
bool stopHalfWay = false;

void StopThere(SaveStep step, std::size_t done, std::size_t total) {
    if (step != stopStep) return;
    if (stopHalfWay && (done < total / 2 || done == total)) return;
    // No destructor, no flush of ours: the process is simply gone.
    ::TerminateProcess(::GetCurrentProcess(), 9);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    std::optional<std::string> bytes = ReadFileBytes(argv[2]);
    if (!bytes) return 3;
    const std::string point = argv[3];
    if (point == "created")
        stopStep = SaveStep::TemporaryCreated;
    else if (point == "half")
        stopStep = SaveStep::Written, stopHalfWay = true;
    else if (point == "before")
        stopStep = SaveStep::BeforeReplace;
    else if (point == "after")
        stopStep = SaveStep::Replaced;
    else
        return 2;
    SaveProbe probe;
    probe.At = &StopThere;
    probe.Piece = 4096;  // several pieces, so that half-way is a real point
    return WriteFileAtomically(argv[1], *bytes, probe) == 0 ? 0 : 4;
}
