// The OLE file list: names (one a line) give a block of exactly the size its layout says, whose
// ANSI form parses back to the same names; wide names are taken two bytes a unit.
#include <string>
#include <vector>

#include "fileops/drop_block.h"
#include "fuzz/fuzz_target.h"

const char* const kFuzzTargetName = "drop_file_mem";

void FuzzOne(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> names;
    std::size_t ansiSize = kDropFileMemHeaderSize + 1;
    std::size_t start = 0;
    while (start < size) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = size;
        std::string name(bytes.substr(start, end - start));
        if (!name.empty() && name.find('\0') == std::string::npos) {
            ansiSize += name.size() + 1;
            names.push_back(std::move(name));
        }
        start = end + 1;
    }
    const std::string ansi = AnsiDropFileMem(names);
    FUZZ_CHECK(ansi.size() == ansiSize);
    const auto parsed = ParseDropBlock(ansi);
    FUZZ_CHECK(parsed.has_value() && *parsed == names);

    std::vector<std::u16string> wide;
    std::size_t wideSize = kDropFileMemHeaderSize + 2;
    for (const std::string& name : names) {
        std::u16string units;
        for (std::size_t i = 0; i + 1 < name.size(); i += 2) {
            const char16_t unit = static_cast<char16_t>(
                static_cast<unsigned char>(name[i]) | static_cast<unsigned char>(name[i + 1]) << 8);
            if (unit != 0) units += unit;
        }
        wideSize += 2 * (units.size() + 1);
        wide.push_back(std::move(units));
    }
    const std::string block = WideDropFileMem(wide);
    FUZZ_CHECK(block.size() == wideSize);
    FUZZ_CHECK(block[16] == 1 && block[0] == 20);
    // A wide list is never taken for ANSI names.
    FUZZ_CHECK(!ParseDropBlock(block).has_value());
}
