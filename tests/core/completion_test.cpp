#include "navigation/completion.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Names = std::vector<std::string>;

TEST(CompletionTest, QuerySplitsAtTheLastRealSeparatorAndPicksItsSource) {
    // The box still shows the tab's folder: nothing to complete.
    EXPECT_FALSE(CompletionFor("C:\\Work", "C:\\Work", "C:\\Work\\"));
    EXPECT_FALSE(CompletionFor("ﾄﾞﾗｲﾌﾞ", "ﾄﾞﾗｲﾌﾞ", ""));

    struct Case {
        const char *box, *current, *folder, *prefix;
        bool fromTab;
        const char* pattern;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"C:\\Work\\re", "C:\\Work\\", "C:\\Work\\", "re", true, ""},
             {"C:\\Work\\", "C:\\Work\\", "C:\\Work\\", "", true, ""},
             {"D:\\Da", "C:\\Work\\", "D:\\", "Da", false, "D:\\Da*"},
             {"D:\\none\\x", "C:\\", "D:\\none\\", "x", false, "D:\\none\\x*"},
             // 表 and ソ end in the byte of a backslash.
             {"C:\\表", "C:\\Work\\", "C:\\", "表", false, "C:\\表*"},
             {"C:\\表\\ソ", "C:\\表\\", "C:\\表\\", "ソ", true, ""},
             {"\\\\srv\\share\\do", "\\\\srv\\share\\", "\\\\srv\\share\\", "do", true, ""},
             {"\\\\srv\\share\\do", "C:\\", "\\\\srv\\share\\", "do", false, "\\\\srv\\share\\do*"},
             // A bare name belongs to the folder shown, the drive list included.
             {"C", "", "", "C", true, ""},
             {"re", "C:\\Work\\", "C:\\Work\\", "re", true, ""},
             // A drive without backslash searches the root a pick would open.
             {"C:x", "D:\\", "C:", "x", false, "C:\\x*"},
         }) {
        std::optional<CompletionQuery> q = CompletionFor(c.box, "C:\\Work", c.current);
        ASSERT_TRUE(q) << c.box;
        EXPECT_EQ(q->Folder, c.folder) << c.box;
        EXPECT_EQ(q->Prefix, c.prefix) << c.box;
        EXPECT_EQ(q->FromTab, c.fromTab) << c.box;
        EXPECT_EQ(q->Pattern, c.pattern) << c.box;
    }
}

TEST(CompletionTest, CandidatesListFoldersFirstThenFilesEachInOrder) {
    PlainCollator collator;
    TTabSlot slot;
    slot.Names = {"Report", "re2", "readme", "Res", "rea", "b"};
    slot.Kinds = "101001";
    // The tab's entries: the prefix is compared byte for byte, case counts.
    EXPECT_EQ(TabCandidates(slot, "re", collator), (Names{"re2 ", "rea ", "readme"}));
    EXPECT_EQ(TabCandidates(slot, "", collator),
              (Names{"re2 ", "rea ", "Res ", "b", "readme", "Report"}));
    EXPECT_EQ(TabCandidates(slot, "x", collator), Names{});

    // The disk's: the search matched already; dot entries go, hidden ones stay.
    std::vector<DirEntry> found;
    for (auto [name, attributes] : {std::pair<const char*, std::uint32_t>{".", kAttrDirectory},
                                    {"..", kAttrDirectory},
                                    {"dat.txt", kAttrHidden},
                                    {"Data2", kAttrDirectory | kAttrHidden},
                                    {"data", kAttrDirectory}}) {
        found.emplace_back();
        found.back().Name = name;
        found.back().Attributes = attributes;
    }
    EXPECT_EQ(DiskCandidates(found, collator), (Names{"data ", "Data2 ", "dat.txt"}));
    EXPECT_EQ(DiskCandidates({}, collator), Names{});
}

TEST(CompletionTest, PickedLineCompletesOrOpensWithoutTheFolderMark) {
    using K = CompletionKey;
    using A = CompletionAction;
    CompletionPick pick = PickCompletion(K::Backslash, "D:\\", std::string("Data "));
    EXPECT_EQ(pick.Action, A::CompleteFolder);
    EXPECT_EQ(pick.BoxText, "D:\\Data\\");
    EXPECT_TRUE(pick.FocusBox);
    // A drive of the drive list keeps its one backslash.
    EXPECT_EQ(PickCompletion(K::Backslash, "", std::string("C:\\ ")).BoxText, "C:\\");
    pick = PickCompletion(K::Backslash, "D:\\", std::string("a.txt"));
    EXPECT_EQ(pick.Action, A::None);
    EXPECT_TRUE(pick.FocusBox);

    pick = PickCompletion(K::Enter, "D:\\", std::string("Data "));
    EXPECT_EQ(pick.Action, A::OpenFolder);
    EXPECT_EQ(pick.Path, "D:\\Data");
    EXPECT_FALSE(pick.FocusBox);
    EXPECT_EQ(PickCompletion(K::Enter, "", std::string("C:\\ ")).Path, "C:\\");
    pick = PickCompletion(K::Enter, "D:\\x\\", std::string("a b.txt"));
    EXPECT_EQ(pick.Action, A::OpenFile);
    EXPECT_EQ(pick.Folder, "D:\\x\\");
    EXPECT_EQ(pick.Name, "a b.txt");

    // Nothing selected: the list closes towards the file list; Esc back to the box.
    pick = PickCompletion(K::Enter, "D:\\", std::nullopt);
    EXPECT_EQ(pick.Action, A::None);
    EXPECT_FALSE(pick.FocusBox);
    EXPECT_FALSE(PickCompletion(K::Backslash, "D:\\", std::nullopt).FocusBox);
    pick = PickCompletion(K::Escape, "D:\\", std::string("Data "));
    EXPECT_EQ(pick.Action, A::None);
    EXPECT_TRUE(pick.FocusBox);
}

}  // namespace
