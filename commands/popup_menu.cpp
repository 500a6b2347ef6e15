#include "commands/popup_menu.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>

#include "app/sjis.h"
#include "app/split_fields.h"
#include "commands/command_template.h"

namespace {

constexpr std::string_view kPopPrefix = "Pop";

struct GroupedCaption {
    bool HasGroup = false;
    std::string Group;
    std::string Item;
};

// Split at the first "|" that is a character of its own (ポ ends in the byte of "|").
GroupedCaption SplitCaption(std::string_view caption) {
    std::size_t bar = sjis::Find(caption, '|');
    if (bar == sjis::npos) return {false, {}, std::string(caption)};
    return {true, std::string(caption.substr(0, bar)), std::string(caption.substr(bar + 1))};
}

// Group captions and their places among the popup's items: thousands of grouped lines must
// not each search the whole popup.
using GroupPlaces = std::unordered_map<std::string, std::size_t>;

TMenuItem& GroupFor(TMenuItem& popup, const std::string& caption, GroupPlaces* places) {
    if (!places) return GroupItem(popup, kFirstPopupCommand, kPopupGroupName, caption);
    const auto [place, added] = places->try_emplace(caption, popup.Items.size());
    if (!added) return popup.Items[place->second];
    return GroupItem(popup, popup.Items.size(), kPopupGroupName, caption);
}

void AddItem(TMenuItem& popup, std::string_view caption, std::string_view shortCutText,
             const SystemKeyName& systemName, GroupPlaces* places) {
    GroupedCaption grouped = SplitCaption(caption);
    TMenuItem item;
    item.Name = kPopupCommandName;
    item.Caption = grouped.Item;
    if (!shortCutText.empty()) item.ShortCut = TextToShortCut(shortCutText, systemName);
    item.Tag = grouped.HasGroup ? 1 : 0;
    TMenuItem& parent = grouped.HasGroup ? GroupFor(popup, grouped.Group, places) : popup;
    parent.Items.push_back(std::move(item));
}

}  // namespace

bool IsPopupCommand(const TMenuItem& item) {
    return item.Name == kPopupCommandName || item.Name == kPopupGroupName;
}

std::optional<PopLine> ParsePopLine(std::string_view line) {
    if (!TSettings::InFamily(line, kPopPrefix) || !TSettings::HasName(line)) return std::nullopt;
    std::string_view value = TSettings::ValueOf(line);
    std::vector<std::string> fields;
    SplitFields(value, ',', fields);
    if (fields.size() < 3) return std::nullopt;
    PopLine pop;
    pop.Caption = std::string(TSettings::NameOf(line).substr(kPopPrefix.size()));
    GroupedCaption grouped = SplitCaption(pop.Caption);
    if (grouped.Item.empty() || (grouped.HasGroup && grouped.Group.empty())) return std::nullopt;
    // The shortcut is read from the value only as far as a second "=".
    std::string_view shortCutPart = value.substr(0, value.find('='));
    std::size_t comma = shortCutPart.find(',');
    if (comma != std::string_view::npos) pop.ShortCutText = shortCutPart.substr(0, comma);
    return pop;
}

void AddPopupItem(TMenuItem& popup, std::string_view caption, std::string_view shortCutText,
                  const SystemKeyName& systemName) {
    AddItem(popup, caption, shortCutText, systemName, nullptr);
}

void BuildPopupMenu(TMenuItem& popup, const TSettings& settings, const SystemKeyName& systemName) {
    if (popup.Items.size() > kFirstPopupCommand) popup.Items.resize(kFirstPopupCommand);
    GroupPlaces places;
    for (const std::string& line : settings.Lines()) {
        if (std::optional<PopLine> pop = ParsePopLine(line))
            AddItem(popup, pop->Caption, pop->ShortCutText, systemName, &places);
    }
    TMenuItem separator;
    separator.Caption = "-";
    popup.Items.push_back(std::move(separator));
    TMenuItem property;
    property.Name = kPropertyItemName;
    property.Caption = kPropertyCaption;
    popup.Items.push_back(std::move(property));
}

MenuNumbering NumberPopupMenu(TMenuItem& popup, int first, int end) {
    std::vector<TMenuItem>& items = popup.Items;
    const auto from = std::find_if(items.begin(), items.end(), IsPopupCommand);
    const auto to = std::find_if_not(from, items.end(), IsPopupCommand);
    const std::size_t at = static_cast<std::size_t>(from - items.begin());
    TMenuItem commands;
    commands.Items.assign(std::make_move_iterator(from), std::make_move_iterator(to));
    items.erase(from, to);
    const MenuNumbering designed = AssignCommands(popup, first, end);
    const MenuNumbering numbered = AssignCommands(commands, designed.Next, end);
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(std::min(at, items.size())),
                 std::make_move_iterator(commands.Items.begin()),
                 std::make_move_iterator(commands.Items.end()));
    return {numbered.Next, designed.LeftOut + numbered.LeftOut};
}

std::string PopupLeftOutMessage(int count) {
    return "ﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰの項目が多すぎます。\n" + std::to_string(count) +
           " 個の項目は追加しませんでした";
}

std::string PopupEntryName(const TMenuItem& item, const TMenuItem* group) {
    if (item.Tag == 1 && group) return group->Caption + "|" + item.Caption;
    return item.Caption;
}

std::optional<PopValue> ParsePopValue(std::string_view value) {
    std::vector<std::string> fields;
    SplitFields(value, ',', fields);
    if (fields.size() < 3) return std::nullopt;
    PopValue pop;
    pop.Command = fields[1];
    switch (fields[2].empty() ? '\0' : fields[2][0]) {
        case '1': pop.Mode = PopupMode::OpenEach; break;
        case '2': pop.Mode = PopupMode::OneCommandLine; break;
        case '3': pop.Mode = PopupMode::DragToNext; break;
        default: pop.Mode = PopupMode::Unknown; break;
    }
    return pop;
}

PopupRun PlanPopupRun(const PopValue& value, std::string_view currentFolder,
                      const std::vector<std::string>& selected) {
    PopupRun run;
    if (value.Command.empty()) return run;
    run.Command = value.Command;
    switch (value.Mode) {
        case PopupMode::OpenEach:
            if (!selected.empty())
                run.Action = PopupAction::OpenSelection;
            else if (IsProgramFile(value.Command))
                run.Action = PopupAction::Run;
            break;
        case PopupMode::OneCommandLine:
            for (const std::string& caption : selected) {
                if (!run.Arguments.empty()) run.Arguments += ' ';
                run.Arguments += '"';
                run.Arguments += currentFolder;
                run.Arguments += caption;
                run.Arguments += '"';
            }
            if (run.Arguments.size() > kMaxPopupArguments) {
                run.Action = PopupAction::TooManyFiles;
                run.Arguments.clear();
            } else {
                run.Action = PopupAction::Run;
            }
            break;
        case PopupMode::DragToNext: run.Action = PopupAction::DragThenRun; break;
        case PopupMode::Unknown: break;
    }
    return run;
}
