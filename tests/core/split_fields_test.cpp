#include "app/split_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/collator.h"
#include "app/settings_store.h"

using Fields = std::vector<std::string>;

namespace {

Fields Split(std::string_view text, char separator) {
    Fields fields{"left over", "from before"};
    SplitFields(text, separator, fields);
    return fields;
}

TEST(SplitFieldsTest, FieldCountIsSeparatorsPlusOneAndEmptyFieldsStay) {
    EXPECT_EQ(Split("", ','), (Fields{""}));
    EXPECT_EQ(Split(",", ','), (Fields{"", ""}));
    EXPECT_EQ(Split("abc", ','), (Fields{"abc"}));
    EXPECT_EQ(Split(",a,,b,", ','), (Fields{"", "a", "", "b", ""}));
    EXPECT_EQ(Split("*.txt;*.doc;", ';'), (Fields{"*.txt", "*.doc", ""}));
    // Only the given separator splits.
    EXPECT_EQ(Split("a,b;c", ';'), (Fields{"a,b", "c"}));
    // Double-byte characters pass whole, even ポ whose second byte is '|'.
    EXPECT_EQ(Split("\x83\x7C"
                    "a|\x95\x5C",
                    '|'),
              (Fields{"\x83\x7C"
                      "a",
                      "\x95\x5C"}));
}

TEST(SplitFieldsTest, PopValueKeepsEqualsSignsInsideTheCommand) {
    PlainCollator collator;
    TSettings store(collator);
    store.LoadFromBytes("Popx=,cmd /c a=b,1\r\n");
    const Fields fields = Split(store.Value("Popx"), ',');
    EXPECT_EQ(fields, (Fields{"", "cmd /c a=b", "1"}));
}

TEST(SplitFieldsTest, LongTextsAndFieldsAreSplitWhole) {
    const std::string first(700, 'a');
    const std::string second(520, 'b');
    const std::string third(1, 'c');
    const Fields fields = Split(first + "," + second + "," + third, ',');
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[0], first);
    EXPECT_EQ(fields[1], second);
    EXPECT_EQ(fields[2], third);

    std::string many;
    for (int i = 0; i < 1000; ++i) many += "x;";
    EXPECT_EQ(Split(many, ';').size(), 1001u);
}

}  // namespace
