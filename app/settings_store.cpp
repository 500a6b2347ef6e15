#include "app/settings_store.h"

#include <algorithm>

void TSettings::LoadFromBytes(std::string_view bytes) {
    Clear();
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

void TSettings::BuildIndex() const {
    index_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (HasName(lines_[i])) index_.try_emplace(collator_->SortKey(NameOf(lines_[i])), i);
    }
    indexed_ = true;
}

std::ptrdiff_t TSettings::FindLine(std::string_view key) const {
    if (!indexed_) BuildIndex();
    auto found = index_.find(collator_->SortKey(key));
    return found == index_.end() ? -1 : static_cast<std::ptrdiff_t>(found->second);
}

std::string TSettings::Value(std::string_view key) const {
    std::ptrdiff_t i = FindLine(key);
    return i < 0 ? std::string() : std::string(ValueOf(lines_[i]));
}

namespace {
std::string WithoutLineBreaks(std::string_view text) {
    std::string out(text);
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return out;
}
}  // namespace

void TSettings::Set(std::string_view rawKey, std::string_view value) {
    const std::string key = WithoutLineBreaks(rawKey);
    std::ptrdiff_t i = FindLine(key);
    if (value.empty()) {
        if (i >= 0) {
            lines_.erase(lines_.begin() + i);
            indexed_ = false;
        }
        return;
    }
    std::string line = key + "=" + WithoutLineBreaks(value);
    if (i >= 0) {
        lines_[i] = std::move(line);
        return;
    }
    lines_.push_back(std::move(line));
    if (indexed_) index_.try_emplace(collator_->SortKey(NameOf(lines_.back())), lines_.size() - 1);
}

void TSettings::DeleteFamily(std::string_view prefix) {
    std::erase_if(lines_, [&](const std::string& line) { return InFamily(line, prefix); });
    indexed_ = false;
}
