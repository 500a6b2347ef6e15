// Name completion: the split of a typed path and what picking a line leads to.
#include <string>

#include "app/sjis.h"
#include "app/tab_slots.h"
#include "fuzz/fuzz_target.h"
#include "navigation/completion.h"

const char* const kFuzzTargetName = "completion";

namespace {

bool StartsCharacter(std::string_view text, std::size_t pos) {
    for (std::size_t i = 0; i < text.size(); i += sjis::CharLength(text, i))
        if (i == pos) return true;
    return false;
}

// A line picked from the list: name is what a path must end in, never the folder mark.
void CheckPick(const std::string& folder, const std::string& name) {
    const std::string tabFolder = folder.empty() ? std::string(kDrivesFolder) : folder;
    const std::string base = FolderForAppend(tabFolder);

    CompletionPick open = PickCompletion(CompletionKey::Enter, folder, name + kFolderMark);
    FUZZ_CHECK(open.Action == CompletionAction::OpenFolder && !open.FocusBox);
    FUZZ_CHECK(open.Name == name && open.Path == base + name);

    CompletionPick next = PickCompletion(CompletionKey::Backslash, folder, name + kFolderMark);
    FUZZ_CHECK(next.Action == CompletionAction::CompleteFolder && next.FocusBox);
    FUZZ_CHECK(next.BoxText.compare(0, base.size() + name.size(), base + name) == 0);
    const std::string rest = next.BoxText.substr(base.size() + name.size());
    FUZZ_CHECK(rest == "\\" || (rest.empty() && sjis::EndsWithBackslash(name)));

    CompletionPick file = PickCompletion(CompletionKey::Enter, folder, name);
    FUZZ_CHECK(file.Action == CompletionAction::OpenFile && file.Name == name);
    FUZZ_CHECK(file.Folder == tabFolder);

    CompletionPick none = PickCompletion(CompletionKey::Enter, folder, std::nullopt);
    FUZZ_CHECK(none.Action == CompletionAction::None);
}

}  // namespace

// The input is the box text, then optionally a NUL and the folder the tab shows.
void FuzzOne(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string_view box = input.substr(0, nul);
    const std::string slotFolder(nul == std::string_view::npos ? "" : input.substr(nul + 1));
    const std::string current = FolderForAppend(slotFolder);

    std::optional<CompletionQuery> query = CompletionFor(box, slotFolder, current);
    FUZZ_CHECK(query.has_value() == (box != slotFolder));
    if (!query) return;
    const std::size_t separator = sjis::LastSeparator(box);
    if (separator == sjis::npos) {
        FUZZ_CHECK(query->Folder == current && query->Prefix == box);
    } else {
        // Split right after a real backslash or colon, never after the trail byte of 表.
        FUZZ_CHECK(query->Folder + query->Prefix == box);
        const std::size_t last = query->Folder.size() - 1;
        FUZZ_CHECK(StartsCharacter(box, last) && sjis::CharLength(box, last) == 1);
        FUZZ_CHECK(box[last] == '\\' || box[last] == ':');
        FUZZ_CHECK(sjis::LastSeparator(query->Prefix) == sjis::npos);
    }
    FUZZ_CHECK(query->FromTab == (query->Folder == current));
    if (!query->FromTab) {
        const std::string tail = query->Prefix + "*";
        FUZZ_CHECK(query->Pattern.size() >= tail.size() &&
                   query->Pattern.compare(query->Pattern.size() - tail.size(), tail.size(), tail) ==
                       0);
    }

    std::string name = query->Prefix;
    while (!name.empty() && name.back() == kFolderMark) name.pop_back();
    if (!name.empty()) CheckPick(query->Folder, name);
}
