#include "commands/popup_menu.h"

#include <gtest/gtest.h>

#include <set>
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
    settings.LoadFromBytes(
        "Popa=,a.exe,1\r\nPopg|b=,b.exe,1\r\nPopc=,c.exe,1\r\nPoph|d=,d.exe,1\r\n"
        "Popg|e=,e.exe,1\r\nPopf=,f.exe,1\r\n");
    auto numbered = [](const TMenuItem& popup) {
        std::vector<const TMenuItem*> items;
        auto collect = [&](const TMenuItem& parent, auto& self) -> void {
            for (const TMenuItem& item : parent.Items) items.push_back(&item), self(item, self);
        };
        collect(popup, collect);
        return items;
    };
    TMenuItem popup = FileListPopupDesign();
    const std::size_t designed = numbered(popup).size() + 2;  // with separator and properties
    BuildPopupMenu(popup, settings);
    // Room for six: h would hold no command and gives its id to f.
    const int end = 100 + static_cast<int>(designed) + 6;
    const MenuNumbering numbering = NumberPopupMenu(popup, 100, end);
    EXPECT_EQ(Describe(popup), "S2 N8 a#0/ g[b#1/ e#1/ ] c#0/ f#0/ - mnProperty ");
    EXPECT_EQ(numbering.LeftOut, 1);
    EXPECT_EQ(numbering.Next, end);
    std::set<int> ids;
    for (const TMenuItem* item : numbered(popup)) {
        EXPECT_TRUE(item->Command >= 100 && item->Command < end) << item->Caption;
        EXPECT_TRUE(ids.insert(item->Command).second) << item->Caption;
    }

    // However many Pop lines, every id stays below 0x8000 and the properties item stays.
    std::string many;
    for (int i = 0; i < 40000; ++i) many += "Pop" + std::to_string(i) + "=,x.exe,1\r\n";
    settings.LoadFromBytes(many);
    BuildPopupMenu(popup, settings);
    const MenuNumbering full = NumberPopupMenu(popup, 30000);
    EXPECT_EQ(full.Next, kMenuCommandEnd);
    EXPECT_EQ(full.LeftOut, 40000 - (kMenuCommandEnd - 30000 - static_cast<int>(designed)));
    EXPECT_EQ(popup.Items.back().Name, kPropertyItemName);
    EXPECT_LT(popup.Items.back().Command, kMenuCommandEnd);
    EXPECT_EQ(NumberPopupMenu(popup, 30000).LeftOut, 0);  // what is left out is gone
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
