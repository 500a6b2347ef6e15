// Popup commands: the input is a settings file. Building never fails on any line; the designed
// items stay first and the properties item last; every item shows a caption; one command per
// well-formed Pop line; a chosen command's plan never passes more than the longest argument
// text.
#include <string>
#include <vector>

#include "app/collator.h"
#include "app/settings_store.h"
#include "commands/popup_menu.h"
#include "fuzz/fuzz_target.h"

const char* const kFuzzTargetName = "popup_menu";

namespace {

std::size_t CountCommands(const TMenuItem& menu) {
    std::size_t n = 0;
    for (const TMenuItem& item : menu.Items) {
        FUZZ_CHECK(!item.Caption.empty());
        if (item.Name == kPopupCommandName) ++n;
        n += CountCommands(item);
    }
    return n;
}

}  // namespace

void FuzzOne(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PlainCollator collator;
    TSettings settings(collator);
    settings.LoadFromBytes(bytes);
    const TMenuItem design = FileListPopupDesign();
    TMenuItem popup = design;
    BuildPopupMenu(popup, settings);
    const std::size_t n = popup.Items.size();
    FUZZ_CHECK(n >= kFirstPopupCommand + 2);
    for (std::size_t i = 0; i < kFirstPopupCommand; ++i)
        FUZZ_CHECK(popup.Items[i].Name == design.Items[i].Name);
    FUZZ_CHECK(popup.Items[n - 1].Name == kPropertyItemName);
    FUZZ_CHECK(popup.Items[n - 2].IsSeparator());
    std::size_t wellFormed = 0;
    for (const std::string& line : settings.Lines())
        if (ParsePopLine(line)) ++wellFormed;
    FUZZ_CHECK(CountCommands(popup) == wellFormed);
    for (std::size_t i = kFirstPopupCommand; i + 2 < n; ++i) {
        const TMenuItem& item = popup.Items[i];
        FUZZ_CHECK(item.Name == kPopupCommandName || item.Name == kPopupGroupName);
        FUZZ_CHECK(item.Tag == 0);
        for (const TMenuItem& sub : item.Items) FUZZ_CHECK(sub.Tag == 1 && sub.Items.empty());
    }
    // Built again from the same store: the same menu, nothing left over.
    TMenuItem again = popup;
    BuildPopupMenu(again, settings);
    FUZZ_CHECK(again.Items.size() == n && CountCommands(again) == wellFormed);

    const std::vector<std::string> selected{std::string(bytes.substr(0, 300)), "b"};
    for (const std::string& line : settings.Lines()) {
        const std::optional<PopValue> value = ParsePopValue(TSettings::ValueOf(line));
        if (!value) continue;
        const PopupRun run = PlanPopupRun(*value, "C:\\", selected);
        FUZZ_CHECK(run.Arguments.size() <= kMaxPopupArguments);
        if (run.Action != PopupAction::Nothing) FUZZ_CHECK(!run.Command.empty());
    }
}
