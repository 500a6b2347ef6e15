#include "commands/popup_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/collator.h"

namespace {

// A command as "caption#tag/shortcut", a group as "caption[...]", other items by name.
std::string Describe(const TMenuItem& item) {
    if (item.Name == kPopupCommandName)
        return item.Caption + "#" + std::to_string(item.Tag) + "/" + ShortCutToText(item.ShortCut);
    std::string text = item.Name.empty() ? item.Caption : item.Name;
    if (item.Name == kPopupGroupName || item.Name == "PopupMenu1") {
        text = item.Name == kPopupGroupName ? item.Caption + "[" : "";
        for (const TMenuItem& sub : item.Items) text += Describe(sub) + " ";
        if (item.Name == kPopupGroupName) text += "]";
    }
    return text;
}

TEST(PopupMenuTest, PopLinesBecomeItemsAndGroupsBetweenSortAndProperties) {
    PlainCollator collator;
    TSettings settings{collator};
    settings.LoadFromBytes(
        "Pop圧縮|zip=Ctrl+Z,zip.exe %file,1\r\nPopedit=(なし),notepad.exe,1\r\n"
        "Pop圧縮|tar=,tar.exe,2\r\nPopポ|z=F9,z.exe,3\r\n"  // ポ ends in the byte of "|"
        "Popedit|x=,x.exe,1\r\n"  // a group beside a command of the same caption
        "Popcmd=Ctrl+Q,a=b,1\r\n"
        // Skipped: not the family, no "=", too few fields, nothing to show.
        "popLower=,l.exe,1\r\nPopBare\r\nPopTwo=Ctrl+A,two.exe\r\nPop圧縮|=,e.exe,1\r\n"
        "Pop|g=,g.exe,1\r\nPop=,n.exe,1\r\n");
    TMenuItem popup = FileListPopupDesign();
    const std::string expected =
        "S2 N8 圧縮[zip#1/Ctrl+Z tar#1/ ] edit#0/ ポ[z#1/F9 ] "
        "edit[x#1/ ] cmd#0/Ctrl+Q - mnProperty ";
    BuildPopupMenu(popup, settings);
    EXPECT_EQ(Describe(popup), expected);
    BuildPopupMenu(popup, settings);  // again: replaced, not added
    EXPECT_EQ(Describe(popup), expected);
    EXPECT_EQ(popup.Items.back().Caption, kPropertyCaption);

    const TMenuItem& group = popup.Items[2];
    EXPECT_EQ(PopupEntryName(group.Items[1], &group), "圧縮|tar");
    EXPECT_EQ(PopupEntryName(popup.Items[3], nullptr), "edit");
}

TEST(PopupMenuTest, NumberingKeepsIdsBelowTheEndAndLeavesOutOnlyPopCommands) {
    PlainCollator collator;
    TSettings settings{collator};
    settings.LoadFromBytes("Popa=,a,1\r\nPopg|b=,b,1\r\nPoph|d=,d,1\r\nPopf=,f,1\r\n");
    TMenuItem popup = FileListPopupDesign();
    const int designed = AssignCommands(popup, 0).Next + 2;  // with "-" and properties
    BuildPopupMenu(popup, settings);
    // Room for four: h would hold no command and gives its id to f.
    const int first = kMenuCommandEnd - designed - 4;
    const MenuNumbering numbering = NumberPopupMenu(popup, first);
    EXPECT_EQ(Describe(popup), "S2 N8 a#0/ g[b#1/ ] f#0/ - mnProperty ");
    EXPECT_EQ(numbering.LeftOut, 1);
    for (int id = first; id < kMenuCommandEnd; ++id) EXPECT_NE(FindCommand(popup, id), nullptr);
    EXPECT_EQ(NumberPopupMenu(popup, first).LeftOut, 0);  // once left out, never told again
}

TEST(PopupMenuTest, ModesDecideWhatRunsOnTheSelection) {
    // "action:arguments" of a Pop value run in C:\w\ on the selected captions.
    auto plan = [](const char* value, const std::vector<std::string>& selected) {
        std::optional<PopValue> pop = ParsePopValue(value);
        if (!pop) return std::string("malformed");
        PopupRun run = PlanPopupRun(*pop, "C:\\w\\", selected);
        const char* actions[] = {"nothing", "open", "run", "drag", "too many"};
        return actions[int(run.Action)] + (":" + run.Arguments);
    };
    EXPECT_EQ(plan(",ed.exe %file,1", {"a.txt"}), "open:");
    EXPECT_EQ(plan(",notepad.exe,1", {}), "run:");
    EXPECT_EQ(plan(",wordpad,1", {}), "nothing:");
    EXPECT_EQ(plan("F9,cat.exe,2", {"a.txt", "b c.txt", "d"}),
              "run:\"C:\\w\\a.txt\" \"C:\\w\\b c.txt\" \"C:\\w\\d\"");
    EXPECT_EQ(plan(",cat.exe,2", {}), "run:");
    // 511 bytes pass, 512 do not: a name costs 7 bytes and a blank more than itself.
    std::vector<std::string> names(10, std::string(42, 'n'));
    names.push_back("nnnn");  // 10 * 49 + 11 + 10 = 511
    EXPECT_EQ(plan(",cat.exe,2", names).size(), 4 + 511u);
    names.back() += 'n';
    EXPECT_EQ(plan(",cat.exe,2", names), "too many:");
    EXPECT_EQ(plan(",viewer.exe,3", {"a"}), "drag:");
    EXPECT_EQ(plan(",x.exe,12", {"a"}), "open:");  // only the first byte counts
    for (const char* value : {",x.exe,4", ",x.exe,", ",x.exe,a", ",,1", ",,2"})
        EXPECT_EQ(plan(value, {"a"}), "nothing:") << value;
    EXPECT_EQ(plan("Ctrl+A,x.exe", {"a"}), "malformed");
}

}  // namespace
