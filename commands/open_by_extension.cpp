#include "commands/open_by_extension.h"

#include "app/sjis.h"
#include "commands/command_template.h"

namespace {

// The extension without its dot; a "." before the last separator belongs to a folder.
std::string_view Extension(std::string_view name) {
    std::size_t dot = sjis::FindLast(name, '.');
    if (dot == sjis::npos) return {};
    std::size_t separator = sjis::LastSeparator(name);
    if (separator != sjis::npos && separator > dot) return {};
    return name.substr(dot + 1);
}

}  // namespace

std::string AssociationKey(std::string_view name) {
    return "Ext" + sjis::LowerCase(Extension(name));
}

Association ClassifyAssociation(std::string_view value) {
    Association association;
    std::size_t bar = sjis::Find(value, '|');
    association.Target = std::string(value.substr(0, bar));
    if (bar != sjis::npos) association.Fallback = std::string(value.substr(bar + 1));

    const std::string& target = association.Target;
    if (target.empty()) {
        association.Kind = AssociationKind::None;
    } else if (IsProgramFile(target)) {
        association.Kind = AssociationKind::Program;
    } else if (sjis::Find(target, ":\\") != sjis::npos ||
               sjis::Find(target, "\\\\") != sjis::npos) {
        association.Kind = AssociationKind::Folder;
    } else {
        association.Kind = AssociationKind::WindowTitle;
    }
    return association;
}

OpenChoice ChooseOpenAction(std::string_view command, std::string_view firstName,
                            bool firstIsFolder, const TSettings& settings,
                            const std::function<bool(std::string_view title)>& windowFound) {
    OpenChoice choice;
    if (command.empty() && firstIsFolder) {
        choice.EnterFolder = true;
        return choice;
    }
    const Association association = ClassifyAssociation(
        command.empty() ? settings.Value(AssociationKey(firstName)) : std::string(command));
    switch (association.Kind) {
        case AssociationKind::None:
        case AssociationKind::Program: choice.Command = association.Target; break;
        case AssociationKind::Folder:
            choice.Action = OpenAction::Copy;
            choice.Target = association.Target;
            break;
        case AssociationKind::WindowTitle:
            if (windowFound(association.Target)) {
                choice.Action = OpenAction::Drop;
                choice.Target = association.Target;
            } else if (!association.Fallback.empty()) {
                choice.Command = association.Fallback;
            } else {
                choice.Action = OpenAction::MissingWindow;
                choice.Target = association.Target;
            }
            break;
    }
    return choice;
}

ItemKind OpenItemKind(std::string_view name, bool isFolder) {
    if (isFolder) return ItemKind::Folder;
    return sjis::UpperCase(Extension(name)) == "LNK" ? ItemKind::Shortcut : ItemKind::File;
}

CommandCall FileCall(std::string_view command, std::string_view path) {
    if (command.empty()) return {std::string(path), {}};
    return {std::string(command), QuoteIfSpaced(path)};
}

std::optional<CommandCall> ShortcutCall(std::string_view command, std::string_view target,
                                        std::string_view arguments) {
    // Starting an empty text would ask the shell to open nothing, and the error would name
    // nothing either.
    if (target.empty()) return std::nullopt;
    if (command.empty()) return CommandCall{std::string(target), std::string(arguments)};
    return CommandCall{std::string(command), QuoteIfSpaced(target)};
}

std::string CopyStatusText(std::string_view destination) {
    return std::string(destination) + " へｺﾋﾟｰ";
}

std::string MissingWindowText(std::string_view title) {
    return "ｳｨﾝﾄﾞｳ:" + std::string(title) + "\nはありません";
}
