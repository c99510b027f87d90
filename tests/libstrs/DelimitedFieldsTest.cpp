#include <gtest/gtest.h>

#include "services/LibStrs.h"
#include "tests/libstrs/CodePageScope.h"

namespace kw {
namespace {

TEST(DelimitedFields, GetDelimitedFieldTakesFieldsInTurn) {
    struct Case {
        const char* text;
        const char* delimiter;
        int n;
        const char* field;
    } cases[] = {
        {"a;b;c", ";", 1, "a"},        {"a;b;c", ";", 2, "b"},       {"a;b;c", ";", 3, "c"},
        {"a;b;c", ";", 4, ""},         {"abc", ";", 1, "abc"},       {"abc", ";", 2, ""},
        {"a;b", ";", 0, "" },          {"a;b", ";", -1, ""},         {"", ";", 1, ""},
        {"a;;c", ";", 2, ""},          {"a;;c", ";", 3, "c"},        {"a;", ";", 2, ""},
        {";a", ";", 1, ""},            {";a", ";", 2, "a"},          {"a<>b<>c", "<>", 2, "b"},
        {"a<>b<>c", "<>", 3, "c"},     {"a<b", "<>", 1, "a<b"},      {"abc", "", 1, "abc"},
        {"abc", "", 2, ""},            {"0\3spDate\3Y", "\3", 2, "spDate"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " | " + c.delimiter + " | " + std::to_string(c.n));
        EXPECT_EQ(GetDelimitedField(c.text, c.delimiter, c.n), c.field);
    }
}

TEST(DelimitedFields, CountDelimitedFieldsCountsOccurrencesPlusOne) {
    struct Case {
        const char* text;
        const char* delimiter;
        int count;
    } cases[] = {
        {"", ",", 0},      {"a,b", ",", 2},   {"abc", ",", 1},   {",,", ",", 3},
        {"#a#", "#", 3},   {"a\1b\1c", "\1", 3},
        // A delimiter that starts with "#" must not stall the count.
        {"a##b", "##", 2}, {"##", "##", 2},
        // Each occurrence is struck out by its first character, so
        // overlapping occurrences count one by one.
        {";;;", ";;", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " | " + c.delimiter);
        EXPECT_EQ(CountDelimitedFields(c.text, c.delimiter), c.count);
    }
}

TEST(DelimitedFields, SplitFirstFieldLeavesTheRest) {
    struct Case {
        const char* text;
        const char* delimiter;
        const char* first;
        const char* rest;
    } cases[] = {
        {"a;b;c", ";", "a", "b;c"}, {"abc", ";", "abc", ""}, {";x", ";", "", "x"},
        {"x;", ";", "x", ""},       {"a--b", "--", "a", "b"}, {"abc", "", "abc", ""},
        {"", ";", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " | " + c.delimiter);
        std::string text = c.text;
        EXPECT_EQ(SplitFirstField(text, c.delimiter), c.first);
        EXPECT_EQ(text, c.rest);
    }
}

// 0x81 0x7C is one GBK character whose second byte is "|".
const std::string TextWithDoubleByte = "\x81\x7C|x";

TEST(DelimitedFields, DelimiterNeverMatchesInsideADoubleByteCharacter) {
    test::CodePageScope gbk(CP_GBK);
    EXPECT_EQ(GetDelimitedField(TextWithDoubleByte, "|", 1), "\x81\x7C");
    EXPECT_EQ(GetDelimitedField(TextWithDoubleByte, "|", 2), "x");
    EXPECT_EQ(CountDelimitedFields(TextWithDoubleByte, "|"), 2);
    std::string text = TextWithDoubleByte;
    EXPECT_EQ(SplitFirstField(text, "|"), "\x81\x7C");
    EXPECT_EQ(text, "x");
}

TEST(DelimitedFields, SingleByteCodePageSplitsEveryByte) {
    test::CodePageScope english(CP_US);
    EXPECT_EQ(GetDelimitedField(TextWithDoubleByte, "|", 1), "\x81");
    EXPECT_EQ(CountDelimitedFields(TextWithDoubleByte, "|"), 3);
}

}  // namespace
}  // namespace kw
