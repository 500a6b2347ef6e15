#include "navigation/completion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/shortcut_text.h"

namespace {

using Names = std::vector<std::string>;

// "folder|prefix|source" for a box text typed while the tab shows C:\Work.
std::string Query(const char* box, const char* currentFolder) {
    std::optional<CompletionQuery> q = CompletionFor(box, "C:\\Work", currentFolder);
    if (!q) return "none";
    return q->Folder + "|" + q->Prefix + "|" + (q->FromTab ? "tab" : q->Pattern);
}

TEST(CompletionTest, QuerySplitsAtTheLastRealSeparatorAndPicksItsSource) {
    EXPECT_EQ(Query("C:\\Work", "C:\\Work\\"), "none");  // the box still shows the folder
    EXPECT_EQ(Query("C:\\Work\\re", "C:\\Work\\"), "C:\\Work\\|re|tab");
    EXPECT_EQ(Query("C:\\Work\\", "C:\\Work\\"), "C:\\Work\\||tab");
    EXPECT_EQ(Query("D:\\none\\Da", "C:\\Work\\"), "D:\\none\\|Da|D:\\none\\Da*");
    // 表 and ソ end in the byte of a backslash.
    EXPECT_EQ(Query("C:\\表", "C:\\Work\\"), "C:\\|表|C:\\表*");
    EXPECT_EQ(Query("C:\\表\\ソ", "C:\\表\\"), "C:\\表\\|ソ|tab");
    EXPECT_EQ(Query("\\\\srv\\share\\do", "\\\\srv\\share\\"), "\\\\srv\\share\\|do|tab");
    EXPECT_EQ(Query("\\\\srv\\share\\do", "C:\\"), "\\\\srv\\share\\|do|\\\\srv\\share\\do*");
    // A bare name belongs to the folder shown, the drive list included.
    EXPECT_EQ(Query("C", ""), "|C|tab");
    EXPECT_EQ(Query("re", "C:\\Work\\"), "C:\\Work\\|re|tab");
    // A drive without backslash searches the root that a pick opens.
    EXPECT_EQ(Query("C:x", "D:\\"), "C:|x|C:\\x*");
}

TEST(CompletionTest, CandidatesListFoldersFirstThenFilesEachInOrder) {
    PlainCollator collator;
    TTabSlot slot;
    slot.Names = {"Report", "re2", "readme", "Res", "rea", "b"};
    slot.Kinds = "101001";
    // The tab's entries: the prefix is compared byte for byte, case counts.
    EXPECT_EQ(TabCandidates(slot, "re", collator).Names, (Names{"re2 ", "rea ", "readme"}));
    EXPECT_EQ(TabCandidates(slot, "", collator).Names,
              (Names{"re2 ", "rea ", "Res ", "b", "readme", "Report"}));
    EXPECT_EQ(TabCandidates(slot, "x", collator).Names, Names{});

    // The disk's: the search matched already; dot entries go, hidden ones stay.
    std::vector<DirEntry> found(5);
    const char* names[] = {".", "..", "dat.txt", "Data2", "data"};
    const std::uint32_t attributes[] = {kAttrDirectory, kAttrDirectory, kAttrHidden,
                                        kAttrDirectory | kAttrHidden, kAttrDirectory};
    for (std::size_t i = 0; i < found.size(); ++i) found[i] = {names[i], attributes[i], 0, {}};
    EXPECT_EQ(DiskCandidates(found, collator).Names, (Names{"data ", "Data2 ", "dat.txt"}));
}

TEST(CompletionTest, LongListsShowTheFirstNamesInOrderAndALastLineCountingTheRest) {
    PlainCollator collator;
    TTabSlot slot;
    slot.Names = {"f3", "ab", "d2", "AB", "f2", "d1"};
    slot.Kinds = "110110";
    // Folders first; names equal but for case keep the order they were found in.
    CompletionList list = TabCandidates(slot, "", collator, 4);
    EXPECT_EQ(list.Lines(), (Names{"d1 ", "d2 ", "ab", "AB", "…他 2 件"}));
    EXPECT_EQ(TabCandidates(slot, "f", collator, 4).Lines(), (Names{"f2", "f3"}));

    // The counting line opens nothing and gives the box the keys back; the others pick as ever.
    auto pick = [&](CompletionKey key, std::optional<std::size_t> line) {
        const CompletionPick p = PickCompletionLine(key, "C:\\big\\", list, line);
        return std::to_string(int(p.Action)) + (p.FocusBox ? " box " : " list ") + p.Path;
    };
    EXPECT_EQ(pick(CompletionKey::Enter, 4), "0 box ");
    EXPECT_EQ(pick(CompletionKey::Backslash, 4), "0 box ");
    EXPECT_EQ(pick(CompletionKey::Enter, 0), "2 list C:\\big\\d1");
    EXPECT_EQ(pick(CompletionKey::Enter, std::nullopt), "0 list ");
}

// "action|box text|path|folder/name|focus" after a key in the list.
std::string Pick(CompletionKey key, const char* typedFolder, std::optional<std::string> line) {
    CompletionPick p = PickCompletion(key, typedFolder, line);
    const char* actions[] = {"none", "complete", "folder", "file"};
    return std::string(actions[int(p.Action)]) + "|" + p.BoxText + "|" + p.Path + "|" +
           (p.Action == CompletionAction::OpenFile ? p.Folder + "/" + p.Name : "") + "|" +
           (p.FocusBox ? "box" : "list");
}

TEST(CompletionTest, PickedLineCompletesOrOpensWithoutTheFolderMark) {
    using K = CompletionKey;
    EXPECT_EQ(Pick(K::Backslash, "D:\\", "Data "), "complete|D:\\Data\\|||box");
    EXPECT_EQ(Pick(K::Backslash, "", "C:\\ "), "complete|C:\\|||box");  // one backslash
    EXPECT_EQ(Pick(K::Backslash, "D:\\", "a.txt"), "none||||box");
    EXPECT_EQ(Pick(K::Enter, "D:\\", "Data "), "folder||D:\\Data||list");
    EXPECT_EQ(Pick(K::Enter, "", "C:\\ "), "folder||C:\\||list");
    EXPECT_EQ(Pick(K::Enter, "D:\\x\\", "a b.txt"), "file|||D:\\x\\/a b.txt|list");
    EXPECT_EQ(Pick(K::Enter, "D:\\", std::nullopt), "none||||list");
    EXPECT_EQ(Pick(K::Backslash, "D:\\", std::nullopt), "none||||list");
    EXPECT_EQ(Pick(K::Escape, "D:\\", "Data "), "none||||box");
}

TEST(CompletionTest, FolderBoxKeysOpenCompleteMoveAndResize) {
    FolderBoxKeyResult r = FolderBoxKeyDown(vk::Return, true, true, "", 100);
    EXPECT_TRUE(r.Open);  // Ctrl and Alt change nothing, and an empty box is the drive list
    EXPECT_EQ(r.OpenText, kDrivesFolder);
    EXPECT_EQ(r.Width, 100);
    EXPECT_TRUE(FolderBoxKeyDown(vk::Insert, false, false, "C:\\", 100).Complete);
    r = FolderBoxKeyDown(vk::Left, true, true, "C:\\", 100);
    EXPECT_TRUE(r.Back && !r.Forward && r.Width == 92);
    EXPECT_EQ(FolderBoxKeyDown(vk::Left, true, false, "", 16).Width, 16);
    EXPECT_EQ(FolderBoxKeyDown(vk::Left, true, false, "", 17).Width, 9);
    r = FolderBoxKeyDown(vk::Right, false, true, "", 16);
    EXPECT_TRUE(r.Forward && r.Width == 16);
    EXPECT_EQ(FolderBoxKeyDown(vk::Right, true, false, "", 16).Width, 24);
    EXPECT_TRUE(FolderBoxKeyDown(vk::F(3), true, false, "", 16).Desktop);
    EXPECT_FALSE(FolderBoxKeyDown(vk::F(3), false, false, "", 16).Desktop);
}

}  // namespace
