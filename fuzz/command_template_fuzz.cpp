// Command templates: the argument text is never lost unless "%file" or "%nofiles" in the
// template took it. Context texts come from the input too, so a folder or a caption that holds
// a macro would lose the arguments if inserted text were ever expanded again.
#include <array>
#include <string>
#include <string_view>

#include "commands/command_template.h"
#include "fuzz/fuzz_target.h"

const char* const kFuzzTargetName = "command_template";

namespace {

// The input's fields, separated by byte 0x01: template, arguments, current folder, selection.
std::array<std::string, 4> Fields(std::string_view text) {
    std::array<std::string, 4> fields;
    std::size_t field = 0;
    for (char c : text) {
        if (c == '\x01' && field + 1 < fields.size())
            ++field;
        else
            fields[field] += c;
    }
    return fields;
}

}  // namespace

void FuzzOne(const std::uint8_t* data, std::size_t size) {
    const auto [commandTemplate, arguments, folder, selected] =
        Fields(std::string_view(reinterpret_cast<const char*>(data), size));
    CommandContext context;
    context.AppDir = "C:\\app\\";
    context.CurrentFolder = folder;
    context.DesktopFolder = "C:\\Users\\u\\Desktop\\";
    context.FirstSelected = selected;
    const CommandLaunch launch = ExpandCommand(commandTemplate, arguments, context);
    const bool taken = commandTemplate.find("%file") != std::string::npos ||
                       commandTemplate.find("%nofiles") != std::string::npos;
    if (!taken) {
        const std::string line = launch.Plan.Program + " " + launch.Plan.Parameters;
        FUZZ_CHECK(line.find(arguments) != std::string::npos);
    }
    if (launch.DefaultAppRetry) {
        // The retry is built once and never asks for another.
        if (auto retry = DefaultAppLaunch("C:\\edit.exe %file", launch, context))
            FUZZ_CHECK(!retry->DefaultAppRetry);
    }
}
