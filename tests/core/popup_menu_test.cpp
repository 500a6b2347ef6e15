#include "commands/popup_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/collator.h"

namespace {

using Items = std::vector<std::string>;

// A command as "caption#tag" with "/shortcut" when it has one, a group as "caption[...]".
std::string DescribeItem(const TMenuItem& item) {
    if (item.Name == kPopupGroupName) {
        std::string text = item.Caption + "[";
        for (std::size_t i = 0; i < item.Items.size(); ++i)
            text += (i ? " " : "") + DescribeItem(item.Items[i]);
        return text + "]";
    }
    if (item.Name != kPopupCommandName) return item.Name.empty() ? item.Caption : item.Name;
    std::string text = item.Caption + "#" + std::to_string(item.Tag);
    if (item.ShortCut) text += "/" + ShortCutToText(item.ShortCut);
    return text;
}

Items Describe(const TMenuItem& menu) {
    Items out;
    for (const TMenuItem& item : menu.Items) out.push_back(DescribeItem(item));
    return out;
}

TEST(PopupMenuTest, PopLinesBecomeItemsAndGroupsBetweenSortAndProperties) {
    PlainCollator collator;
    TSettings settings{collator};
    settings.LoadFromBytes(
        "Pop圧縮|zip=Ctrl+Z,zip.exe %file,1\r\n"
        "Popedit=(なし),notepad.exe,1\r\n"
        "Pop圧縮|tar=,tar.exe,2\r\n"
        "Popポ|z=F9,z.exe,3\r\n"  // ポ ends in the byte of "|"
        "Popポップ=,p.exe,1\r\n"
        "Popedit|x=,x.exe,1\r\n"  // a group beside a command of the same caption
        "Popcmd=Ctrl+Q,a=b,1\r\n"
        // Skipped: not the family, no "=", too few fields, nothing to show.
        "popLower=,l.exe,1\r\nPopBare\r\nPopTwo=Ctrl+A,two.exe\r\nPop圧縮|=,e.exe,1\r\n"
        "Pop|g=,g.exe,1\r\nPop=,n.exe,1\r\n");
    TMenuItem popup = FileListPopupDesign();
    BuildPopupMenu(popup, settings);
    const Items expected{"S2",        "N8",           "圧縮[zip#1/Ctrl+Z tar#1]",
                         "edit#0",    "ポ[z#1/F9]",   "ポップ#0",
                         "edit[x#1]", "cmd#0/Ctrl+Q", "-",
                         "mnProperty"};
    EXPECT_EQ(Describe(popup), expected);
    EXPECT_EQ(popup.Items.back().Caption, kPropertyCaption);
    // Building again replaces the commands instead of adding to them.
    BuildPopupMenu(popup, settings);
    EXPECT_EQ(Describe(popup), expected);

    const TMenuItem& group = popup.Items[2];
    EXPECT_EQ(PopupEntryName(group.Items[1], &group), "圧縮|tar");
    EXPECT_EQ(PopupEntryName(popup.Items[3], nullptr), "edit");
    std::optional<PopValue> tar =
        ParsePopValue(settings.Value("Pop" + PopupEntryName(group.Items[1], &group)));
    ASSERT_TRUE(tar);
    EXPECT_EQ(tar->Command, "tar.exe");
    EXPECT_EQ(tar->Mode, PopupMode::OneCommandLine);
}

TEST(PopupMenuTest, ModesDecideWhatRunsOnTheSelection) {
    auto plan = [](const char* value, const std::vector<std::string>& selected) {
        std::optional<PopValue> pop = ParsePopValue(value);
        EXPECT_TRUE(pop) << value;
        return pop ? PlanPopupRun(*pop, "C:\\w\\", selected) : PopupRun{};
    };
    using A = PopupAction;
    EXPECT_EQ(plan(",ed.exe %file,1", {"a.txt"}).Action, A::OpenSelection);
    PopupRun run = plan(",notepad.exe,1", {});
    EXPECT_EQ(run.Action, A::Run);
    EXPECT_EQ(run.Arguments, "");
    EXPECT_EQ(plan(",wordpad,1", {}).Action, A::Nothing);

    run = plan("F9,cat.exe,2", {"a.txt", "b c.txt", "d"});
    EXPECT_EQ(run.Action, A::Run);
    EXPECT_EQ(run.Command, "cat.exe");
    EXPECT_EQ(run.Arguments, "\"C:\\w\\a.txt\" \"C:\\w\\b c.txt\" \"C:\\w\\d\"");
    EXPECT_EQ(plan(",cat.exe,2", {}).Action, A::Run);
    // 511 bytes pass; one more and nothing runs. A name costs 7 bytes and a blank more.
    std::vector<std::string> names(10, std::string(42, 'n'));
    names.push_back("nnnn");  // 10 * 49 + 11 + 10 = 511
    EXPECT_EQ(plan(",cat.exe,2", names).Arguments.size(), 511u);
    names.back() += 'n';
    EXPECT_EQ(plan(",cat.exe,2", names).Action, A::TooManyFiles);

    EXPECT_EQ(plan(",viewer.exe,3", {"a"}).Action, A::DragThenRun);
    EXPECT_EQ(plan(",x.exe,12", {"a"}).Action, A::OpenSelection);  // the first byte counts
    for (const char* value : {",x.exe,4", ",x.exe,0", ",x.exe,", ",x.exe,a", ",,1", ",,2"})
        EXPECT_EQ(plan(value, {"a"}).Action, A::Nothing) << value;
    EXPECT_FALSE(ParsePopValue("Ctrl+A,x.exe"));
    EXPECT_FALSE(ParsePopValue(""));
}

}  // namespace
