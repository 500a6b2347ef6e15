#include "app/settings_store.h"

#include <algorithm>

void TSettings::LoadFromBytes(std::string_view bytes) {
    lines_.clear();
    // A NUL byte stays an ordinary byte of its line: ending the text there would drop every
    // setting behind it at the next save.
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines_.emplace_back(bytes.substr(start, i - start));
            // CR LF is one line end; LF CR is two.
            i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size()) lines_.emplace_back(bytes.substr(start));
}

std::string TSettings::SaveToBytes() const {
    std::size_t total = 0;
    for (const auto& line : lines_) total += line.size() + 2;
    std::string out;
    out.reserve(total);
    for (const auto& line : lines_) {
        out += line;
        out += "\r\n";
    }
    return out;
}

bool TSettings::HasName(std::string_view line) { return line.find('=') != std::string_view::npos; }

std::string_view TSettings::NameOf(std::string_view line) {
    std::size_t eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view{} : line.substr(0, eq);
}

std::string_view TSettings::ValueOf(std::string_view line) {
    std::size_t eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view{} : line.substr(eq + 1);
}

bool TSettings::InFamily(std::string_view line, std::string_view prefix) {
    return line.substr(0, prefix.size()) == prefix;
}

std::ptrdiff_t TSettings::FindLine(std::string_view key) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        if (collator_->Equal(std::string_view(line).substr(0, eq), key))
            return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

std::string TSettings::Value(std::string_view key) const {
    std::ptrdiff_t i = FindLine(key);
    return i < 0 ? std::string() : std::string(ValueOf(lines_[i]));
}

void TSettings::Set(std::string_view key, std::string_view value) {
    std::ptrdiff_t i = FindLine(key);
    if (value.empty()) {
        if (i >= 0) lines_.erase(lines_.begin() + i);
        return;
    }
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append("=").append(value);
    if (i >= 0)
        lines_[i] = std::move(line);
    else
        lines_.push_back(std::move(line));
}

void TSettings::DeleteFamily(std::string_view prefix) {
    std::erase_if(lines_, [&](const std::string& line) { return InFamily(line, prefix); });
}
