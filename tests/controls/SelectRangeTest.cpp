#include <gtest/gtest.h>

#include "controls/SelectRange.h"
#include "platform/SysUtils.h"

namespace kw {
namespace {

int DayNumber(int y, int m, int d) { return static_cast<int>(EncodeDate(y, m, d) - MinDateTime) + 1; }

struct DateCase {
    const char* text;
    TDateType type;
    const char* sign;
    int year, month, day;  // 0: no date
};

class ParseRangeDateCases : public ::testing::TestWithParam<DateCase> {};

TEST_P(ParseRangeDateCases, GivesTheDayOrNoDate) {
    const DateCase& c = GetParam();
    const int expected = c.year ? DayNumber(c.year, c.month, c.day) : 0;
    EXPECT_EQ(ParseRangeDate(c.text, c.type, c.sign, ""), expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    EveryDateType, ParseRangeDateCases,
    ::testing::Values(
        DateCase{"2024/05/17", dt_YYYYMMDD, "/", 2024, 5, 17}, DateCase{" 2024/05 ", dt_YYYYMMDD, "/", 2024, 5, 1},
        DateCase{"05/17/2024", dt_MMDDYYYY, "/", 2024, 5, 17}, DateCase{"05/2024", dt_MMDDYYYY, "/", 2024, 5, 1},
        DateCase{"17/05/2024", dt_DDMMYYYY, "/", 2024, 5, 17}, DateCase{"05/2024", dt_DDMMYYYY, "/", 2024, 5, 1},
        DateCase{"113/01/05", dt_YYMMDD, "/", 2024, 1, 5}, DateCase{"113/01", dt_YYYMMDD, "/", 2024, 1, 1},
        DateCase{"99-12-31", dt_YYMMDD, "-", 2010, 12, 31}, DateCase{"2024.02.29", dt_YYYYMMDD, ".", 2024, 2, 29},
        // No date.
        DateCase{"", dt_YYYYMMDD, "/", 0, 0, 0}, DateCase{"2024", dt_YYYYMMDD, "/", 0, 0, 0},
        DateCase{"2024/01/02/03", dt_YYYYMMDD, "/", 0, 0, 0}, DateCase{"2024/ab/01", dt_YYYYMMDD, "/", 0, 0, 0},
        DateCase{"2023/02/29", dt_YYYYMMDD, "/", 0, 0, 0}, DateCase{"2024/13/01", dt_YYYYMMDD, "/", 0, 0, 0},
        DateCase{"2024//01", dt_YYYYMMDD, "/", 0, 0, 0}, DateCase{"2024/05/17", dt_NoneCare, "/", 0, 0, 0}));

TEST(ParseRangeDate, TheEmptyMaskedTextIsNoDate) {
    EXPECT_EQ(ParseRangeDate("    /  /  ", dt_YYYYMMDD, "/", "    /  /  "), 0);
    EXPECT_EQ(ParseRangeDate("    /  /  ", dt_YYYYMMDD, "/", " /  / "), 0);  // both trimmed
}

TEST(ParseRangeDate, LaterDatesCountHigherAndEveryDateIsAboveNoDate) {
    EXPECT_GT(ParseRangeDate("0001/01/01", dt_YYYYMMDD, "/", ""), 0);
    EXPECT_LT(ParseRangeDate("1899/12/29", dt_YYYYMMDD, "/", ""), ParseRangeDate("1899/12/30", dt_YYYYMMDD, "/", ""));
}

struct ExchangeCase {
    const char* name;
    TRangeRules rules;
    const char* begin;
    const char* end;
    bool exchanged;
};

TRangeRules Rules(TValueType type, TDateType date = dt_NoneCare) {
    TRangeRules r;
    r.ValueType = type;
    r.DateType = date;
    return r;
}
TRangeRules WithMask(TRangeRules r, const char* empty) {
    r.EmptyMaskText = empty;
    return r;
}
TRangeRules WithDiscard(TRangeRules r, const char* discard) {
    r.UseDiscard = true;
    r.Discard = discard;
    return r;
}
TRangeRules NoDateSite(TRangeRules r) {
    r.AutoChangeDateSite = false;
    return r;
}

class RangeExchangeCases : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(RangeExchangeCases, FollowsTheValueType) {
    const ExchangeCase& c = GetParam();
    EXPECT_EQ(RangeNeedsExchange(c.rules, c.begin, c.end), c.exchanged) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    EveryValueType, RangeExchangeCases,
    ::testing::Values(
        ExchangeCase{"string greater begin", Rules(vt_String), "B", "A", true},
        ExchangeCase{"string in order", Rules(vt_String), "A", "B", false},
        ExchangeCase{"string by unsigned bytes", Rules(vt_String), "\xB0\xA1", "Z", true},
        ExchangeCase{"string empty end", Rules(vt_String), "B", "", false},
        ExchangeCase{"string empty masked begin", WithMask(Rules(vt_String), "__"), "__", "A", false},
        ExchangeCase{"string discarded begin", WithDiscard(Rules(vt_String), "*"), "*", "A", false},
        ExchangeCase{"string discarded end", WithDiscard(Rules(vt_String), "ZZ"), "ZZZ", "ZZ", false},
        ExchangeCase{"discard unused", Rules(vt_String), "ZZZ", "ZZ", true},
        ExchangeCase{"time", Rules(vt_Time), "12:00", "08:30", true},
        ExchangeCase{"number 10 > 9", Rules(vt_Number), "10", "9", true},
        ExchangeCase{"number not numeric begin", Rules(vt_Number), "x", "5", false},
        ExchangeCase{"number negative", Rules(vt_Number), "-3", "-7", true},
        ExchangeCase{"date year-month counts as first", Rules(vt_Date, dt_YYYYMMDD), "2024/05", "2024/04/30", true},
        ExchangeCase{"date in order", Rules(vt_Date, dt_YYYYMMDD), "2024/04/30", "2024/05", false},
        ExchangeCase{"date none-care by bytes", Rules(vt_Date), "2024/5/1", "2024/10/1", true},
        ExchangeCase{"date end no date", Rules(vt_Date, dt_YYYYMMDD), "2024/01/01", "abc", true},
        ExchangeCase{"date minguo", Rules(vt_Date, dt_YYMMDD), "113/01/05", "99/12/31", true},
        ExchangeCase{"date site off", NoDateSite(Rules(vt_Date, dt_YYYYMMDD)), "2024/05/01", "2024/04/01", false},
        ExchangeCase{"date discarded", WithDiscard(Rules(vt_Date, dt_YYYYMMDD), "9999/99/99"), "9999/99/99",
                     "2024/01/01", false},
        ExchangeCase{"float", Rules(vt_Float), "3.5", "3.25", true},
        ExchangeCase{"float blanks around the parts", Rules(vt_Float), " 3 . 5", "3.4", true},
        ExchangeCase{"float fraction keeps its zeros", Rules(vt_Float), "3.05", "3.4", false},
        ExchangeCase{"float negative below one keeps its sign", Rules(vt_Float), "-0.5", "0.25", false},
        ExchangeCase{"float without point", Rules(vt_Float), "10", "9.5", true},
        ExchangeCase{"other mask never", Rules(vt_OtherMask), "B", "A", false}));

struct RowOrderCase {
    int sortColumn;
    bool ascending;
    std::vector<std::string> a, b;
    int sign;
};

class RowOrderCases : public ::testing::TestWithParam<RowOrderCase> {};

TEST_P(RowOrderCases, ComparesColumnsInSequence) {
    const RowOrderCase& c = GetParam();
    int r = CompareRows(c.a, c.b, c.sortColumn, c.ascending);
    EXPECT_EQ((r > 0) - (r < 0), c.sign);
}

INSTANTIATE_TEST_SUITE_P(
    SortColumns, RowOrderCases,
    ::testing::Values(
        RowOrderCase{0, true, {"abc", "2"}, {"ABC", "1"}, 1},   // caption equal ignoring case, then column 1
        RowOrderCase{0, true, {"a", "9"}, {"b", "1"}, -1},
        RowOrderCase{0, false, {"a", "9"}, {"b", "1"}, 1},
        RowOrderCase{1, true, {"b", "1"}, {"a", "2"}, -1},      // column 1 first
        RowOrderCase{1, true, {"b", "1"}, {"a", "1"}, 1},       // then the caption
        RowOrderCase{2, true, {"b", "x", "k"}, {"a", "y", "k"}, 1},   // equal in 2: by caption
        RowOrderCase{2, true, {"a", "y", "k"}, {"a", "x", "k"}, 1},   // then by column 1
        RowOrderCase{2, true, {"z", "z"}, {"a", "a", "b"}, -1},       // a missing column is empty
        RowOrderCase{0, true, {"a", "x"}, {"A", "X"}, 0}));

}  // namespace
}  // namespace kw
