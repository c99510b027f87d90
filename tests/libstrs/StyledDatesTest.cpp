#include <gtest/gtest.h>

#include "platform/SysUtils.h"
#include "services/LibStrs.h"
#include "tests/libstrs/CodePageScope.h"
#include "tests/libstrs/DayText.h"

namespace kw {
namespace {

using test::DayText;

struct StyledCase {
    int style;
    const char* separator;
    int year, month, day;
    const char* full;
    const char* yearMonth;
};

TEST(StyledDates, FormatWritesEachStyleLayout) {
    const StyledCase cases[] = {
        {dt_YYYYMMDD, "/", 2011, 3, 5, "2011/03/05", "2011/03"},
        {dt_MMDDYYYY, "-x", 2011, 3, 5, "03-05-2011", "03-2011"},  // first character only
        {dt_DDMMYYYY, "/", 2011, 3, 5, "05/03/2011", "03/2011"},   // year-month is month first
        {dt_YYMMDD, "/", 2004, 3, 5, "93/03/05", "93/03"},
        {dt_YYYMMDD, "/", 2004, 3, 5, "093/03/05", "093/03"},
        {dt_YYMMDD, "/", 2011, 3, 5, "100/03/05", "100/03"},      // widths are minimum widths
        {dt_YYYMMDD, ".", 2011, 12, 31, "100.12.31", "100.12"},
        {dt_YYYYMMDD, "", 2004, 2, 29, "20040229", "200402"},
        {dt_DDMMYYYY, "-", 1753, 1, 1, "01-01-1753", "01-1753"},
    };
    for (const StyledCase& c : cases) {
        SCOPED_TRACE(c.full);
        const double date = EncodeDate(c.year, c.month, c.day);
        EXPECT_EQ(FormatDateByStyle(c.style, c.separator, date), c.full);
        EXPECT_EQ(FormatYearMonthByStyle(c.style, c.separator, date), c.yearMonth);
    }
}

TEST(StyledDates, FormatWritesADoubleByteSeparatorWhole) {
    test::CodePageScope gbk(CP_GBK);
    const std::string separator = DesignText("年月");
    EXPECT_EQ(CodePageToUtf8(FormatDateByStyle(dt_YYYYMMDD, separator, EncodeDate(2004, 3, 5)), CP_GBK),
              "2004年03年05");
}

TEST(StyledDates, FormatGivesEmptyTextWithoutDateOrLayout) {
    const double date = EncodeDate(2004, 3, 5);
    const struct {
        int style;
        double date;
    } cases[] = {{dt_YYYYMMDD, 0}, {dt_NoneCare, date}, {6, date}, {-1, date}, {dt_YYYYMMDD, 1e9}, {dt_YYMMDD, -1e9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.style) + " " + std::to_string(c.date));
        EXPECT_EQ(FormatDateByStyle(c.style, "/", c.date), "");
        EXPECT_EQ(FormatYearMonthByStyle(c.style, "/", c.date), "");
    }
}

TEST(StyledDates, ParseReadsEachStyle) {
    const struct {
        const char* text;
        int style;
        const char* separator;
        const char* date;  // day text, "" for 0
    } cases[] = {
        {"93/2/29", dt_YYMMDD, "/", "20040229"},
        {"92/2/29", dt_YYMMDD, "/", "20030301"},  // day beyond the month rolls over
        {"2004/02/30", dt_YYYYMMDD, "/", "20040301"},
        {"2004/12/32", dt_YYYYMMDD, "/", "20050101"},
        {"113/01/05", dt_YYYMMDD, "/", "20240105"},
        {"03-05-2011", dt_MMDDYYYY, "-", "20110305"},
        {"05.03.2011", dt_DDMMYYYY, ".", "20110305"},
        {"  2004 / 3 / 5  ", dt_YYYYMMDD, "/", "20040305"},
        {"2004--03--05", dt_YYYYMMDD, "--", "20040305"},  // the whole separator text delimits
        {"2004/03/05/99", dt_YYYYMMDD, "/", "20040305"},
        {"2004/13/01", dt_YYYYMMDD, "/", ""},
        {"2004/0/01", dt_YYYYMMDD, "/", ""},
        {"2004/03/0", dt_YYYYMMDD, "/", ""},
        {"2004/ab/01", dt_YYYYMMDD, "/", ""},
        {"2004/-3/01", dt_YYYYMMDD, "/", ""},
        {"2004/03", dt_YYYYMMDD, "/", ""},
        {"2004-03-05", dt_YYYYMMDD, "/", ""},
        {"20040305", dt_YYYYMMDD, "", ""},
        {"", dt_YYYYMMDD, "/", ""},
        {"   ", dt_YYYYMMDD, "/", ""},
        {"2004/03/05", dt_NoneCare, "/", ""},
        {"2004/03/05", 6, "/", ""},
        {"10000/01/01", dt_YYYYMMDD, "/", ""},
        {"9999/12/99", dt_YYYYMMDD, "/", ""},  // rolls past the last day of the calendar
        {"9999/01/01", dt_YYMMDD, "/", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " style " + std::to_string(c.style));
        EXPECT_EQ(DayText(ParseDateByStyle(c.text, c.style, c.separator)), c.date);
    }
}

TEST(StyledDates, ParseReadsBackWhatFormatWrites) {
    const double dates[] = {EncodeDate(1912, 1, 1), EncodeDate(2004, 2, 29), EncodeDate(2011, 12, 31),
                            EncodeDate(9999, 12, 31)};
    for (int style = dt_YYYYMMDD; style <= dt_YYYMMDD; ++style) {
        for (const char* separator : {"/", "-", "."}) {
            for (double date : dates) {
                const std::string text = FormatDateByStyle(style, separator, date);
                SCOPED_TRACE(text + " style " + std::to_string(style));
                EXPECT_EQ(ParseDateByStyle(text, style, separator), date);
            }
        }
    }
}

}  // namespace
}  // namespace kw
