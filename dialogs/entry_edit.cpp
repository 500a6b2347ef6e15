#include "dialogs/entry_edit.h"

#include <algorithm>

#include "app/sjis.h"
#include "app/split_fields.h"

namespace {

// clang-format off
const TEntryLayout kLayouts[] = {
    // editor, name label, width, period, shortcut, value label, command, browse, exe hint,
    // open mode, hint, menu
    {TEditorKind::Ext,   "拡張子",   56,   true,  false,   "ｺﾏﾝﾄﾞ",    true,   true,  true,   false,   true,  false},
    {TEditorKind::Pop,   "名前",     145,  false, true,    "ｺﾏﾝﾄﾞ",    true,   true,  true,   true,    true,  false},
    {TEditorKind::GoMsk, "表示名",   296,  false, false,   "ﾌｫﾙﾀﾞ",    true,   false, false,  false,   false, false},
    // A mask is stored alone, so the second field is not offered.
    {TEditorKind::GoMsk, "ﾏｽｸ",      256,  false, false,   nullptr,    false,  false, false,  false,   false, false},
    {TEditorKind::Menu,  "ﾒﾆｭｰ",     114,  false, true,    nullptr,    false,  false, false,  false,   false, true},
    {TEditorKind::Other, "名前",     114,  false, false,   "値",       true,   false, false,  false,   true,  false},
};

const std::vector<std::string> kCommandHint = {
    " ﾀﾞﾌﾞﾙｸﾘｯｸでｺﾏﾝﾄﾞに設定",
    "・ｺﾏﾝﾄﾞ変数",
    "%dir…ﾃﾞｨﾚｸﾄﾘ",
    "%path…ﾃﾞｨﾚｸﾄﾘ(語尾に\\含む)",
    "%file…ﾌｧｲﾙ",
    "%name…拡張子を取ったﾌｧｲﾙ名",
    "%appdir…taboraのﾃﾞｨﾚｸﾄﾘ",
    "%refresh…ｱﾌﾟﾘ起動後ﾌｧｲﾙ一覧を更新",
    "%nofiles…ﾊﾟﾗﾒｰﾀにﾌｧｲﾙを付けない",
    "%noquote…\"で括らない",
    "%opendir…実行後ﾃﾞｨﾚｸﾄﾘを開く(解凍ｿﾌﾄ等)",
    "%opendeskdir…実行後ﾃﾞｽｸﾄｯﾌﾟのﾃﾞｨﾚｸﾄﾘを開く",
    "",
    "・今出ているﾀｲﾄﾙﾊﾞｰ",
};

const std::vector<std::string> kOtherHint = {
    "・名前",
    "Ico拡張子…拡張子毎のｱｲｺﾝ",
    "DefaultApp…関連付けられてない拡張子を開くときのｱﾌﾟﾘ",
    "MaxFiles…表示数制限で1ﾍﾟｰｼﾞに表示されるﾌｧｲﾙの個数",
    "",
    "・ｱｲｺﾝ番号",
    "0:ﾌｫﾙﾀﾞ", "1:その他", "2:ﾒﾓ帳", "3:ｳｨﾝﾄﾞｳ", "4:ｲﾝﾀｰﾈｯﾄ", "5:音符", "6:ｼｮｰﾄｶｯﾄ", "7:絵",
    "8:地球儀", "9:ﾒﾃﾞｨｱﾌﾟﾚｲﾔｰ", "10:木", "11:？", "12:ﾊﾟｿｺﾝ", "13:ﾘﾝｺﾞ", "14:勾玉", "15:杖",
};
// clang-format on

constexpr std::string_view kEllipsis = "…";

bool Contains(std::string_view text, char c) { return sjis::Find(text, c) != sjis::npos; }

bool HasLineBreak(std::string_view text) {
    return text.find('\r') != std::string_view::npos || text.find('\n') != std::string_view::npos;
}

// Texts that would not read back as the same row once stored: "=" ends a key, "," splits
// popup and bookmark values, and a line break would start a line of its own.
bool HasBadChar(TFamilyKind kind, const std::string& name, const TEntryFields& fields,
                const std::string& command) {
    if (HasLineBreak(name) || HasLineBreak(command) || HasLineBreak(fields.Shortcut)) return true;
    switch (kind) {
        case TFamilyKind::Go: return Contains(name, ',') || Contains(command, ',');
        case TFamilyKind::Msk: return false;
        case TFamilyKind::Pop:
            if (Contains(fields.Shortcut, ',') || Contains(command, ',')) return true;
            [[fallthrough]];
        default: return Contains(name, '=');
    }
}

}  // namespace

const TEntryLayout& EntryLayout(TFamilyKind kind) { return kLayouts[static_cast<int>(kind)]; }

bool BrowseShown(TFamilyKind kind, std::string_view name) {
    if (kind == TFamilyKind::Other) return name == "DefaultApp";
    return EntryLayout(kind).Browse;
}

std::string StripAccel(std::string_view caption) {
    return std::string(caption.substr(0, sjis::Find(caption, "(&")));
}

std::vector<std::string> MenuRows(const TMenuItem& mainMenu) {
    std::vector<std::string> rows;
    for (const TMenuItem& top : mainMenu.Items) {
        rows.push_back("----- " + StripAccel(top.Caption));
        for (const TMenuItem& item : top.Items) {
            if (item.Items.empty()) {
                if (!item.IsSeparator()) rows.push_back(StripAccel(item.Caption));
                continue;
            }
            if (!rows.empty() && rows.back() == "-") rows.pop_back();
            rows.push_back("- " + StripAccel(item.Caption));
            for (const TMenuItem& sub : item.Items) rows.push_back(StripAccel(sub.Caption));
            rows.push_back("-");
        }
    }
    return rows;
}

TEntryFields LoadEntry(const TEntryEdit& edit) {
    TEntryFields fields;
    fields.Name = edit.Name;
    fields.Command = edit.Value;
    switch (edit.Kind) {
        case TFamilyKind::Pop: {
            std::vector<std::string> parts;
            SplitFields(edit.Value, ',', parts);
            if (parts.size() == 1) break;
            fields.Shortcut = parts[0];
            fields.Command = parts[1];
            // A value without a usable mode digit opens each file on its own, as one without
            // any "," does; choosing nothing would store the mode 0, which never runs.
            const char mode = parts.size() >= 3 && !parts[2].empty() ? parts[2][0] : '1';
            fields.OpenMode = mode >= '1' && mode <= '3' ? mode - '1' : 0;
            break;
        }
        case TFamilyKind::Menu:
            fields.Shortcut = edit.Value;
            if (edit.Name.empty()) break;
            for (std::size_t i = 0; i < edit.MenuRows.size(); ++i) {
                if (edit.MenuRows[i] == edit.Name) fields.MenuIndex = static_cast<int>(i);
            }
            break;
        default: break;
    }
    return fields;
}

TEntryCheck CheckEntry(const TEntryEdit& edit, const TEntryFields& fields) {
    const TEditorKind editor = EntryLayout(edit.Kind).Editor;
    std::string name = fields.Name;
    std::string command = fields.Command;
    if (editor == TEditorKind::Menu) {
        const bool chosen =
            fields.MenuIndex >= 0 && fields.MenuIndex < static_cast<int>(edit.MenuRows.size());
        name = chosen ? edit.MenuRows[fields.MenuIndex] : "";
        if (name.starts_with('-')) return {kCannotChooseMessage, {}};
        command = fields.Shortcut;
    }
    if (editor != TEditorKind::GoMsk && name.empty()) return {kEmptyFieldMessage, {}};
    const bool needsCommand =
        editor == TEditorKind::Ext || editor == TEditorKind::Pop || editor == TEditorKind::Other;
    if (needsCommand && command.empty()) return {kEmptyFieldMessage, {}};
    if (HasBadChar(edit.Kind, name, fields, command)) return {kBadCharMessage, {}};

    if (edit.Kind == TFamilyKind::Msk) return {"", {name, ""}};
    if (edit.Kind == TFamilyKind::Pop) {
        const int mode = fields.OpenMode >= 0 && fields.OpenMode <= 2 ? fields.OpenMode + 1 : 1;
        return {"", {name, fields.Shortcut + "," + command + "," + std::to_string(mode)}};
    }
    return {"", {name, command}};
}

std::vector<std::string> HintRows(TFamilyKind kind, const std::vector<std::string>& titles) {
    if (kind == TFamilyKind::Other) return kOtherHint;
    std::vector<std::string> rows = kCommandHint;
    for (const std::string& title : titles) {
        if (!title.empty() && std::find(rows.begin(), rows.end(), title) == rows.end()) {
            rows.push_back(title);
        }
    }
    return rows;
}

THintPick HintPick(TFamilyKind kind, const std::vector<std::string>& rows, int index,
                   std::string_view command, std::size_t selStart, std::size_t selEnd) {
    if (kind == TFamilyKind::Other || index < 2 || index >= static_cast<int>(rows.size())) {
        return {};
    }
    const std::string& row = rows[index];
    // Only the fixed hint rows hold macros; a window title may contain "…" or "・" itself.
    if (index < static_cast<int>(kCommandHint.size())) {
        const std::size_t ellipsis = sjis::Find(row, kEllipsis);
        if (ellipsis == sjis::npos) return {};
        const std::string_view macro = std::string_view(row).substr(0, ellipsis);
        selEnd = std::min(selEnd, command.size());
        selStart = std::min(selStart, selEnd);
        std::string text(command.substr(0, selStart));
        text += macro;
        text += command.substr(selEnd);
        return {true, text, selStart + macro.size()};
    }
    // A program becomes the fallback of the window: "title|program".
    const bool program = sjis::Find(sjis::LowerCase(command), ".exe") != sjis::npos;
    std::string text = row;
    if (program && !Contains(command, '|')) text += "|" + std::string(command);
    return {true, text, text.size()};
}
