#include "commands/command_template.h"

#include <utility>
#include <vector>

#include "app/sjis.h"

namespace {

// A template being expanded: text the user wrote, where macros are looked for, and text that
// macros inserted, which is taken as it is. An inserted piece stays even when empty, so the
// template text on either side of a removed macro never joins into a new macro.
class TemplateText {
public:
    explicit TemplateText(std::string_view text) { pieces_.push_back({std::string(text), false}); }

    bool Replace(std::string_view macro, std::string_view replacement) {
        bool found = false;
        std::vector<Piece> out;
        for (Piece& piece : pieces_) {
            if (piece.Inserted) {
                out.push_back(std::move(piece));
                continue;
            }
            std::size_t from = 0;
            for (std::size_t at; (at = sjis::Find(piece.Text, macro, from)) != sjis::npos;
                 from = at + macro.size()) {
                out.push_back({piece.Text.substr(from, at - from), false});
                out.push_back({std::string(replacement), true});
                found = true;
            }
            out.push_back({piece.Text.substr(from), false});
        }
        pieces_ = std::move(out);
        return found;
    }

    std::string Text() const {
        std::string text;
        for (const Piece& piece : pieces_) text += piece.Text;
        return text;
    }

    // The text from byte pos on, each piece keeping its kind.
    TemplateText From(std::size_t pos) const {
        TemplateText tail{""};
        tail.pieces_.clear();
        std::size_t start = 0;
        for (const Piece& piece : pieces_) {
            std::size_t end = start + piece.Text.size();
            if (end > pos) {
                std::size_t skip = pos > start ? pos - start : 0;
                tail.pieces_.push_back({piece.Text.substr(skip), piece.Inserted});
            }
            start = end;
        }
        return tail;
    }

private:
    struct Piece {
        std::string Text;
        bool Inserted;
    };
    std::vector<Piece> pieces_;
};

bool EndsWithExe(std::string_view lower) {
    return lower.size() >= 4 && lower.substr(lower.size() - 4) == ".exe";
}

struct SplitTemplate {
    std::string Program;
    std::optional<TemplateText> Parameters;  // only a program with parameters has macros
};

// A program with parameters is the text up to the first ".exe " (any case) and what follows
// the blank. A program written in double quotes, as a path with blanks usually is, is read
// without them; otherwise its closing quote would hide the ".exe " and the template could never
// start.
SplitTemplate Split(const TemplateText& whole) {
    const std::string text = whole.Text();
    const std::string lower = sjis::LowerCase(text);
    if (!text.empty() && text.front() == '"') {
        std::size_t close = sjis::Find(text, '"', 1);
        if (close != sjis::npos && EndsWithExe(std::string_view(lower).substr(1, close - 1))) {
            std::string program = text.substr(1, close - 1);
            if (close + 1 == text.size()) return {std::move(program), std::nullopt};
            if (text[close + 1] == ' ') return {std::move(program), whole.From(close + 2)};
        }
    }
    std::size_t exe = sjis::Find(lower, ".exe ");
    if (exe == sjis::npos) return {text, std::nullopt};
    return {text.substr(0, exe + 4), whole.From(exe + 5)};
}

// "%dir": the folder without its trailing backslash, except for a drive root.
std::string DirMacroFolder(std::string_view folder) {
    if (folder.size() > 3 && sjis::EndsWithBackslash(folder)) folder.remove_suffix(1);
    return std::string(folder);
}

}  // namespace

bool ReplaceMacro(std::string& text, std::string_view macro, std::string_view replacement) {
    std::string out;
    std::size_t from = 0;
    bool found = false;
    for (std::size_t at; (at = sjis::Find(text, macro, from)) != sjis::npos;
         from = at + macro.size()) {
        out.append(text, from, at - from);
        out += replacement;
        found = true;
    }
    if (!found) return false;
    out.append(text, from);
    text = std::move(out);
    return true;
}

bool IsProgramFile(std::string_view text) {
    const std::string lower = sjis::LowerCase(text);
    return lower.find(".exe") != std::string::npos || lower.find(".lnk") != std::string::npos ||
           lower.find(".com") != std::string::npos;
}

std::string QuoteIfSpaced(std::string_view text) {
    if (text.find(' ') != std::string_view::npos && text.find('"') == std::string_view::npos) {
        return '"' + std::string(text) + '"';
    }
    return std::string(text);
}

std::string NameMacroText(std::string_view caption) {
    std::size_t dot = sjis::Find(caption, '.');
    if (dot == sjis::npos || dot == 0) return std::string(caption);
    return std::string(caption.substr(0, dot));
}

std::string ProgramFolder(std::string_view program) {
    std::size_t separator = sjis::LastSeparator(program);
    if (separator == sjis::npos) return {};
    return std::string(program.substr(0, separator + 1));
}

CommandLaunch ExpandCommand(std::string_view commandTemplate, std::string_view arguments,
                            const CommandContext& context) {
    CommandLaunch launch;
    TemplateText whole(commandTemplate);
    // The one macro of the program part, so a program may live beside tabora.
    whole.Replace("%appdir", context.AppDir);
    SplitTemplate split = Split(whole);
    std::string args(arguments);

    if (split.Parameters) {
        TemplateText& params = *split.Parameters;
        // Read first, so that it applies wherever it is written.
        const std::string quote = params.Replace("%noquote", "") ? "" : "\"";
        params.Replace("%path", quote + context.CurrentFolder + quote);
        params.Replace("%dir", quote + DirMacroFolder(context.CurrentFolder) + quote);
        launch.Refresh = params.Replace("%refresh", "");
        if (params.Replace("%file", args)) args.clear();
        if (params.Replace("%nofiles", "")) args.clear();
        const std::string name = NameMacroText(context.FirstSelected);
        params.Replace("%name", name);
        if (params.Replace("%opendir", "")) {
            launch.OpenDir = true;
            launch.OpenDirPath = context.CurrentFolder + name;
        }
        // Of both, the desktop form is the one kept.
        if (params.Replace("%opendeskdir", "")) {
            launch.OpenDir = true;
            launch.OpenDirOnDesktop = true;
            launch.OpenDirPath = context.DesktopFolder + name;
        }
        args = params.Text() + ' ' + args;
    }

    launch.ProgramText = std::move(split.Program);
    const std::string& program = launch.ProgramText;
    if (args.empty() && sjis::LowerCase(program).find(".exe") != std::string::npos) {
        launch.Plan = ExecPlan(program, ProgramFolder(program));
    } else {
        launch.Plan = OpenPlan(program, args, ProgramFolder(program));
        launch.DefaultAppRetry = args.empty();
    }
    return launch;
}

LaunchOutcome AfterLaunch(const CommandLaunch& launch, const LaunchResult& result) {
    if (result.Started) return LaunchOutcome::Done;
    const bool noAssociation =
        result.LastError == kErrorNoAssociation || result.Code == kShellNoAssociation;
    if (launch.Plan.Call == LaunchCall::ShellExecute && launch.DefaultAppRetry && noAssociation) {
        return LaunchOutcome::RetryWithDefaultApp;
    }
    return LaunchOutcome::ShowError;
}

std::optional<CommandLaunch> DefaultAppLaunch(std::string_view defaultApp,
                                              const CommandLaunch& failed,
                                              const CommandContext& context) {
    if (defaultApp.empty()) return std::nullopt;
    CommandLaunch retry = ExpandCommand(defaultApp, failed.ProgramText, context);
    // One retry only, even for a failed text that was empty.
    retry.DefaultAppRetry = false;
    return retry;
}
