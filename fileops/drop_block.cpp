#include "fileops/drop_block.h"

#include <cstdint>

namespace {
void PutU32(std::string& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
std::uint32_t GetU32(std::string_view in, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= std::uint32_t(static_cast<unsigned char>(in[at + i])) << (8 * i);
    return v;
}
}  // namespace

std::string NewDropBlock() {
    std::string block(kDropHeaderSize + 1, '\0');
    PutU32(block, 0, kDropHeaderSize);  // offset of the name list
    PutU32(block, 12, 1);               // non-client flag; the point stays 0,0
    return block;
}

bool AddDropFile(std::string& block, std::string_view path) {
    if (path.empty()) return true;  // an empty name would end the list there
    if (block.size() + path.size() + 1 >= kDropBlockLimit) return false;
    if (path.find('\0') != std::string_view::npos) return false;
    // Insert before the final NUL: name, its NUL, then the final NUL again.
    block.insert(block.size() - 1, path);
    block.insert(block.size() - 1, 1, '\0');
    return true;
}

bool DropListInside(std::string_view block) {
    if (block.size() < kSystemDropHeaderSize) return false;
    const std::uint32_t offset = GetU32(block, 0);
    if (offset < kSystemDropHeaderSize || offset >= block.size()) return false;
    const bool wide = GetU32(block, 16) != 0;
    const std::size_t unit = wide ? 2 : 1;
    // Names end in one zero character each and the list in one more: look for two in a row
    // (or one at the very start, for an empty list).
    bool previousZero = true;
    for (std::size_t pos = offset; pos + unit <= block.size(); pos += unit) {
        const bool zero = block[pos] == '\0' && (!wide || block[pos + 1] == '\0');
        if (zero && previousZero) return true;
        previousZero = zero;
    }
    return false;
}

std::optional<std::vector<std::string>> ParseDropBlock(std::string_view block) {
    if (block.size() < kDropHeaderSize + 1) return std::nullopt;
    std::uint32_t offset = GetU32(block, 0);
    if (offset < kDropHeaderSize || offset >= block.size()) return std::nullopt;
    // A 20-byte header carries the wide flag; only ANSI names are taken.
    if (offset >= 20 && GetU32(block, 16) != 0) return std::nullopt;
    std::vector<std::string> names;
    std::size_t pos = offset;
    for (;;) {
        std::size_t end = block.find('\0', pos);
        if (end == std::string_view::npos) return std::nullopt;  // unterminated
        if (end == pos) return names;                            // the final NUL
        names.emplace_back(block.substr(pos, end - pos));
        pos = end + 1;
        if (pos >= block.size()) return std::nullopt;  // no final NUL
    }
}

namespace {
std::string DropFileMemHeader(bool wide) {
    std::string block(kDropFileMemHeaderSize, '\0');
    PutU32(block, 0, kDropFileMemHeaderSize);
    PutU32(block, 16, wide ? 1 : 0);
    return block;
}
}  // namespace

std::string AnsiDropFileMem(const std::vector<std::string>& paths) {
    std::string block = DropFileMemHeader(false);
    for (const std::string& path : paths) {
        block += path;
        block += '\0';
    }
    block += '\0';
    return block;
}

std::string WideDropFileMem(const std::vector<std::u16string>& paths) {
    std::string block = DropFileMemHeader(true);
    auto unit = [&block](char16_t c) {
        block += static_cast<char>(c & 0xFF);
        block += static_cast<char>((c >> 8) & 0xFF);
    };
    for (const std::u16string& path : paths) {
        for (char16_t c : path) unit(c);
        unit(0);
    }
    unit(0);
    return block;
}
