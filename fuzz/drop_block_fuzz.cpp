// The drop block: names (one a line) built into a block parse back the same; any bytes parse
// without reading outside the block.
#include <string>
#include <vector>

#include "fileops/drop_block.h"
#include "fuzz/fuzz_target.h"

const char* const kFuzzTargetName = "drop_block";

void FuzzOne(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (auto names = ParseDropBlock(bytes)) {
        for (const std::string& name : *names) FUZZ_CHECK(!name.empty() && name.size() < size);
    }
    // A system drop header with its list inside: an ANSI list then also parses.
    if (DropListInside(bytes) && bytes.size() > 16 && bytes[16] == 0 && bytes[17] == 0 &&
        bytes[18] == 0 && bytes[19] == 0)
        FUZZ_CHECK(ParseDropBlock(bytes).has_value());
    std::string block = NewDropBlock();
    std::vector<std::string> added;
    std::size_t start = 0;
    while (start <= size) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = size;
        const std::string_view name = bytes.substr(start, end - start);
        const std::string before = block;
        if (AddDropFile(block, name)) {
            if (!name.empty()) added.emplace_back(name);
        } else {
            FUZZ_CHECK(block == before);
        }
        start = end + 1;
    }
    FUZZ_CHECK(block.size() < kDropBlockLimit);
    const auto parsed = ParseDropBlock(block);
    FUZZ_CHECK(parsed.has_value() && *parsed == added);
}
