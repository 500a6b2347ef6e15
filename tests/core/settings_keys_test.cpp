#include "app/settings_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/collator.h"
#include "app/integer_text.h"
#include "app/settings_store.h"

using Lines = std::vector<std::string>;

namespace {

// The smallest file start-up accepts: the required integers and the font and colour keys.
constexpr const char* kMinimalFile =
    "Width=546\r\n"
    "Height=210\r\n"
    "Left=234\r\n"
    "Top=203\r\n"
    "Sort=2\r\n"
    "DirWidth=147\r\n"
    "FCharset=128\r\n"
    "FColor=0\r\n"
    "FHeight=-12\r\n"
    "FSize=9\r\n"
    "BGColor=16777215\r\n";

class SettingsKeysTest : public ::testing::Test {
protected:
    void Load(std::string_view bytes) { store.LoadFromBytes(bytes); }

    // The minimal file with the line of key written as 'key=value' (appended when missing).
    void LoadMinimalWith(std::string_view key, std::string_view value) {
        std::string bytes = kMinimalFile;
        const std::string line = std::string(key) + "=" + std::string(value) + "\r\n";
        const std::size_t at = bytes.find(std::string(key) + "=");
        if (at == std::string::npos) {
            bytes += line;
        } else {
            bytes.replace(at, bytes.find('\n', at) + 1 - at, line);
        }
        Load(bytes);
    }

    // The minimal file without the line of key.
    void LoadMinimalWithout(std::string_view key) {
        Load(kMinimalFile);
        store.Set(key, "");
    }

    PlainCollator collator;
    TSettings store{collator};
};

TEST_F(SettingsKeysTest, MinimalFileStartsWithDefaults) {
    Load(kMinimalFile);
    const std::size_t linesBefore = store.Lines().size();

    const auto start = ReadStartSettings(store);
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->Width, 546);
    EXPECT_EQ(start->Height, 210);
    EXPECT_EQ(start->Left, 234);
    EXPECT_EQ(start->Top, 203);
    EXPECT_EQ(start->SortKind, 2);
    EXPECT_EQ(start->DirWidth, 147);
    EXPECT_EQ(start->Mask, "");
    EXPECT_FALSE(start->Detail);
    EXPECT_TRUE(start->HiddenFile);
    EXPECT_FALSE(start->Hyojisu);
    EXPECT_EQ(start->MaxFilesValue, 200);

    // The defaults go into the store, MaxFiles first, so the next save writes them.
    ASSERT_EQ(store.Lines().size(), linesBefore + 2);
    EXPECT_EQ(store.Lines()[linesBefore], "MaxFiles=200");
    EXPECT_EQ(store.Lines()[linesBefore + 1], "DefaultApp=notepad.exe");

    // The next save writes the two defaults beside the saved keys, each once.
    SavedState state;
    state.Font = ReadFontSettings(store);
    state.Font.Name = "MS UI Gothic";
    state.Mask = "*.*";
    StoreSavedState(store, state);
    store.LoadFromBytes(store.SaveToBytes());
    for (const char* key : {"MaxFiles", "DefaultApp", "Width", "Height", "Left", "Top", "FCharset",
                            "FColor", "FHeight", "FName", "FSize", "Mask", "DirWidth", "Sort",
                            "Detail", "HiddenFile", "Hyojisu", "BGColor"}) {
        int count = 0;
        for (const std::string& line : store.Lines()) count += TSettings::NameOf(line) == key;
        EXPECT_EQ(count, 1) << key;
    }
    EXPECT_EQ(store.Lines().size(), 18u);
}

TEST_F(SettingsKeysTest, StartIntegerKeysAreExactlyTheKeysWhoseBadValueStopsStartUp) {
    // Whatever the list holds must match the readers, or a settings editor lets through a
    // value that stops the next start (or refuses one that is harmless).
    auto startFails = [&] {
        if (!ReadStartSettings(store)) return true;
        try {
            ReadFontSettings(store);
            ReadBackgroundColour(store);
        } catch (const ConversionError&) {
            return true;
        }
        return false;
    };
    for (const char* key : {"Width", "Height", "Left", "Top", "Sort", "DirWidth", "MaxFiles",
                            "FCharset", "FColor", "FHeight", "FSize", "BGColor", "FName", "Mask",
                            "Detail", "HiddenFile", "Hyojisu", "DefaultApp"}) {
        LoadMinimalWith(key, "x");
        EXPECT_EQ(IsStartIntegerKey(key), startFails()) << key;
    }
    EXPECT_TRUE(IsStartIntegerKey("dirwidth"));
}

TEST_F(SettingsKeysTest, EachRequiredKeyMissingEmptyOrNotIntegerFailsStartUp) {
    for (const char* key : {"Width", "Height", "Left", "Top", "Sort", "DirWidth"}) {
        LoadMinimalWithout(key);
        EXPECT_FALSE(ReadStartSettings(store).has_value()) << key << " missing";
        LoadMinimalWith(key, "");
        EXPECT_FALSE(ReadStartSettings(store).has_value()) << key << " empty";
        LoadMinimalWith(key, "80x");
        EXPECT_FALSE(ReadStartSettings(store).has_value()) << key << "=80x";
        LoadMinimalWith(key, " 800");
        EXPECT_FALSE(ReadStartSettings(store).has_value()) << key << "= 800";
    }
    // Present but empty is missing; 'Top =5' has another name; a later 'Top=4' is not reached.
    Load("Width=1\r\nHeight=2\r\nLeft=3\r\nTop=\r\nTop =5\r\nTop=4\r\nSort=0\r\nDirWidth=5\r\n");
    EXPECT_FALSE(ReadStartSettings(store).has_value());

    LoadMinimalWith("MaxFiles", "x");
    EXPECT_FALSE(ReadStartSettings(store).has_value());

    // An empty MaxFiles is defaulted instead, in its own line.
    LoadMinimalWith("MaxFiles", "");
    const std::size_t lines = store.Lines().size();
    const auto defaulted = ReadStartSettings(store);
    ASSERT_TRUE(defaulted.has_value());
    EXPECT_EQ(defaulted->MaxFilesValue, 200);
    EXPECT_EQ(store.Lines()[lines - 1], "MaxFiles=200");

    // Lookup ignores case, so a hand-edited file still starts.
    Load("width=1\r\nHEIGHT=2\r\nleft=-3\r\ntop=4\r\nsort=1\r\ndirwidth=5\r\n");
    const auto start = ReadStartSettings(store);
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->Left, -3);
    EXPECT_EQ(start->DirWidth, 5);
}

TEST_F(SettingsKeysTest, MaxFilesAndDefaultAppKeepGivenValues) {
    LoadMinimalWith("MaxFiles", "500");
    store.Set("DefaultApp", "C:\\bin\\ed.exe %file");
    const std::size_t lines = store.Lines().size();
    auto start = ReadStartSettings(store);
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->MaxFilesValue, 500);
    EXPECT_EQ(store.Lines().size(), lines);
    EXPECT_EQ(store.Value("DefaultApp"), "C:\\bin\\ed.exe %file");

    // Below 1 the page size is 200 (never divide by zero), but the file keeps its text.
    for (const char* value : {"0", "-5"}) {
        LoadMinimalWith("MaxFiles", value);
        start = ReadStartSettings(store);
        ASSERT_TRUE(start.has_value()) << value;
        EXPECT_EQ(start->MaxFilesValue, 200) << value;
        EXPECT_EQ(store.Value("MaxFiles"), value);
    }
    EXPECT_EQ(MaxFilesFromValue(0), 200);
    EXPECT_EQ(MaxFilesFromValue(-1), 200);
    EXPECT_EQ(MaxFilesFromValue(1), 1);
    EXPECT_EQ(MaxFilesFromValue(5000), 5000);
}

TEST_F(SettingsKeysTest, FlagsSortAndMaskAreReadAsDocumented) {
    struct Case {
        const char* key;
        const char* value;
        bool StartSettings::*flag;
        bool expected;
    };
    const Case cases[] = {
        {"HiddenFile", "yes", &StartSettings::HiddenFile, true},
        {"HiddenFile", "1", &StartSettings::HiddenFile, true},
        {"HiddenFile", "0", &StartSettings::HiddenFile, false},
        {"Detail", "1", &StartSettings::Detail, true},
        {"Detail", "yes", &StartSettings::Detail, false},
        {"Detail", "01", &StartSettings::Detail, false},
        {"Hyojisu", "1", &StartSettings::Hyojisu, true},
        {"Hyojisu", "2", &StartSettings::Hyojisu, false},
        {"KanaFold", "1", &StartSettings::KanaFold, true},
    };
    for (const Case& c : cases) {
        LoadMinimalWith(c.key, c.value);
        const auto start = ReadStartSettings(store);
        ASSERT_TRUE(start.has_value());
        EXPECT_EQ((*start).*c.flag, c.expected) << c.key << "=" << c.value;
    }

    const std::pair<const char*, int> sorts[] = {{"0", 0},  {"3", 3},   {"4", 0},
                                                 {"-1", 0}, {"259", 0}, {"-253", 0}};
    for (const auto& [value, expected] : sorts) {
        LoadMinimalWith("Sort", value);
        const auto start = ReadStartSettings(store);
        ASSERT_TRUE(start.has_value());
        EXPECT_EQ(start->SortKind, expected) << "Sort=" << value;
    }

    LoadMinimalWith("Mask", "*.txt;*.doc");
    const auto start = ReadStartSettings(store);
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->Mask, "*.txt;*.doc");
}

TEST_F(SettingsKeysTest, FontAndBackgroundNeedIntegers) {
    Load(kMinimalFile);
    store.Set("FName", "ＭＳ ゴシック");
    FontSettings font = ReadFontSettings(store);
    EXPECT_EQ(font.Charset, 128);
    EXPECT_EQ(font.Color, 0);
    EXPECT_EQ(font.Height, -12);
    EXPECT_EQ(font.Size, 9);
    EXPECT_EQ(font.Name, "ＭＳ ゴシック");
    EXPECT_EQ(ReadBackgroundColour(store), 16777215);

    store.Set("FName", std::string(40, 'F'));
    EXPECT_EQ(ReadFontSettings(store).Name, std::string(31, 'F'));

    for (const char* key : {"FCharset", "FColor", "FHeight", "FSize"}) {
        for (const char* value : {"", "red"}) {
            LoadMinimalWith(key, value);
            EXPECT_THROW(ReadFontSettings(store), ConversionError) << key << "=" << value;
        }
        LoadMinimalWithout(key);
        EXPECT_THROW(ReadFontSettings(store), ConversionError) << key << " missing";
    }
    LoadMinimalWithout("BGColor");
    EXPECT_THROW(ReadBackgroundColour(store), ConversionError);
    LoadMinimalWith("BGColor", "$FFFFFF");
    EXPECT_THROW(ReadBackgroundColour(store), ConversionError);
}

SavedState SampleState() {
    SavedState state;
    state.Width = 800;
    state.Height = 600;
    state.Left = 10;
    state.Top = 20;
    state.Font = {128, 255, -16, "MS UI Gothic", 12};
    state.Mask = "*.txt";
    state.DirWidth = 150;
    state.SortKind = 3;
    state.Detail = true;
    state.HiddenFile = false;
    state.Hyojisu = true;
    return state;
}

TEST_F(SettingsKeysTest, SaveAppendsMissingKeysInOrder) {
    StoreSavedState(store, SampleState());
    EXPECT_EQ(store.Lines(),
              (Lines{"Width=800", "Height=600", "Left=10", "Top=20", "FCharset=128", "FColor=255",
                     "FHeight=-16", "FName=MS UI Gothic", "FSize=12", "Mask=*.txt", "DirWidth=150",
                     "Sort=3", "Detail=1", "HiddenFile=0", "Hyojisu=1"}));
}

TEST_F(SettingsKeysTest, SaveReplacesPresentKeysInPlaceAndLeavesOthersAlone) {
    Load(
        "; my settings\r\n"
        "hiddenfile=1\r\n"
        "Exttxt=notepad.exe\r\n"
        "WIDTH=1\r\n"
        "Mask=*.c\r\n"
        "odd \x81 line\r\n"
        "Sort=0\r\n"
        "MaxFiles=300\r\n");
    SavedState state = SampleState();
    state.HiddenFile = true;
    state.Detail = false;
    state.Hyojisu = false;
    state.Mask = "";  // an empty mask box removes the line
    StoreSavedState(store, state);
    EXPECT_EQ(store.Lines(),
              (Lines{"; my settings", "HiddenFile=1", "Exttxt=notepad.exe", "Width=800",
                     "odd \x81 line", "Sort=3", "MaxFiles=300", "Height=600", "Left=10", "Top=20",
                     "FCharset=128", "FColor=255", "FHeight=-16", "FName=MS UI Gothic", "FSize=12",
                     "DirWidth=150", "Detail=0", "Hyojisu=0"}));

    // Saving again changes nothing.
    const Lines once = store.Lines();
    StoreSavedState(store, state);
    EXPECT_EQ(store.Lines(), once);
}

}  // namespace

namespace {

TEST_F(SettingsKeysTest, KanaFoldIsSavedOnlyOnceOnOrPresent) {
    StoreSavedState(store, SampleState());
    EXPECT_EQ(store.Value("KanaFold"), "");  // a file that never had it keeps its lines
    SavedState on = SampleState();
    on.KanaFold = true;
    StoreSavedState(store, on);
    StoreSavedState(store, SampleState());
    EXPECT_EQ(store.Lines().back(), "KanaFold=0");
}

TEST_F(SettingsKeysTest, SaveRemovesAnEmptyMaskButNeverTheFontFace) {
    Load("FName=Meiryo\r\nMask=*.c\r\n");
    SavedState state = SampleState();
    state.Font.Name = "";  // the face could not be told
    state.Mask = "";
    StoreSavedState(store, state);
    EXPECT_EQ(store.Value("FName"), "Meiryo");
    EXPECT_EQ(store.Value("Mask"), "");
}

}  // namespace
