#include <gtest/gtest.h>

#include "platform/SysUtils.h"
#include "services/LibStrs.h"
#include "tests/libstrs/DayText.h"

namespace kw {
namespace {

using test::DayText;

TEST(DayTexts, DateFromYMDTextNeedsEightCharactersOfARealDay) {
    const struct {
        const char* text;
        const char* date;  // day text of the result, "" for 0
    } cases[] = {
        {"20040229", "20040229"}, {"00010101", "00010101"}, {"99991231", "99991231"},
        {"17521231", "17521231"},  // below the valid range, still a date
        {"20040230", ""},         {"20030229", ""},         {"20041301", ""},
        {"20040001", ""},         {"20040100", ""},         {"00000101", ""},
        {"2004022", ""},          {"200402290", ""},        {"2004ab01", ""},
        {"2004-1-1", ""},         {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DayText(DateFromYMDText(c.text)), c.date);
    }
}

TEST(DayTexts, IsValidDateTextChecksCalendarAndRange) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"", true},           {"17530101", true},   {"99991231", true},  {"20040229", true},
        {"17521231", false},  {"00010101", false},  {"20040230", false}, {"20030229", false},
        {"20041301", false},  {"20040100", false},  {"abcdefgh", false}, {"2004+2+1", false},
        // Only whole day texts: a seven- or nine-character text is no day.
        {"2004021", false},   {"200402011", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsValidDateText(c.text), c.valid);
    }
}

TEST(DayTexts, AddToDateTextMovesByUnit) {
    const struct {
        const char* date;
        const char* unit;
        int amount;
        const char* result;
    } cases[] = {
        {"20040131", "M", 1, "20040229"},   // shortened to the month's last day
        {"20040229", "Y", 1, "20050228"},
        {"20041231", "M", -12, "20031231"},
        {"20041215", "M", 1, "20050115"},
        {"20040115", "M", -1, "20031215"},
        {"20040115", "M", -13, "20021215"},
        {"20041231", "M", 0, "20041231"},
        {"20040331", "m", -1, "20040229"},  // any case
        {"20041231", "D", 1, "20050101"},
        {"20040301", "d", -1, "20040229"},
        {"20000229", "y", 4, "20040229"},
        {"20000229", "Y", 100, "21000228"},
        {"20040131", "W", 1, ""},           // unknown unit
        {"20040131", "MM", 1, ""},
        {"20040131", "", 1, ""},
        {"20040230", "D", 1, ""},           // not a date
        {"", "D", 1, ""},
        {"99991231", "D", 1, ""},           // beyond the calendar
        {"00010101", "D", -1, ""},
        {"99991215", "M", 1, ""},
        {"20040131", "Y", -2004, ""},
        {"20040131", "M", -2147483647, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.date) + " " + c.unit + " " + std::to_string(c.amount));
        EXPECT_EQ(AddToDateText(Variant(c.date), c.unit, c.amount), c.result);
    }
}

TEST(DayTexts, AddToDateTextTakesTextsAndDateValuesOnly) {
    const double date = EncodeDate(2004, 1, 31);
    EXPECT_EQ(AddToDateText(Variant(u"20040131"), "M", 1), "20040229");
    EXPECT_EQ(AddToDateText(Variant::FromDate(date), "M", 1), "20040229");
    EXPECT_EQ(AddToDateText(Variant::FromDate(date + 0.75), "D", 1), "20040201");
    EXPECT_EQ(AddToDateText(Variant::FromDate(0), "D", 1), "");
    EXPECT_EQ(AddToDateText(Variant(date), "D", 1), "");  // a plain number is no date
    EXPECT_EQ(AddToDateText(Variant(38017), "D", 1), "");
    EXPECT_EQ(AddToDateText(Variant(), "D", 1), "");
    EXPECT_EQ(AddToDateText(Variant::Null(), "D", 1), "");
}

TEST(DayTexts, DaysInMonthFollowsTheGregorianLeapRule) {
    const struct {
        int year, month, days;
    } cases[] = {
        {1900, 2, 28}, {2000, 2, 29}, {2004, 2, 29}, {2003, 2, 28}, {2004, 1, 31},
        {2004, 4, 30}, {2004, 6, 30}, {2004, 9, 30}, {2004, 11, 30}, {2004, 12, 31},
        {2004, 13, 0}, {2004, 0, 0},  {2004, -1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month));
        EXPECT_EQ(DaysInMonth(c.year, c.month), c.days);
    }
}

}  // namespace
}  // namespace kw
