#include "platform/SysUtils.h"

#include <gtest/gtest.h>

using namespace kw;

TEST(Format, Specifiers) {
    struct Case {
        std::string format;
        std::vector<Variant> args;
        std::string expected;
    } cases[] = {
        {"%.4d%s%.2d%s%.2d", {2004, "/", 2, "/", 9}, "2004/02/09"},
        {"%.3d", {93}, "093"},
        {"%.2d", {-5}, "-05"},
        {"%.2d", {123}, "123"},  // precision is a minimum
        {"[%5s|%-5s]", {"ab", "cd"}, "[   ab|cd   ]"},
        {"%.2s", {"abcdef"}, "ab"},
        {"%x %X %.4x", {255, 255, 10}, "ff FF 000a"},
        {"%f %.3f %.0f", {1.5, 2.0, 2.5}, "1.50 2.000 2"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%d%%", {50}, "50%"},
        {"%*d", {4, 7}, "   7"},
        {"%1:s %0:s", {"a", "b"}, "b a"},
        {"%d", {int64_t{1} << 40}, "1099511627776"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format(c.format, c.args), c.expected) << c.format;
}

TEST(Format, SpecifierThatDoesNotFitRaises) {
    struct Case {
        std::string format;
        std::vector<Variant> args;
    } cases[] = {
        {"%d", {"abc"}}, {"%s", {5}}, {"%f", {5}}, {"%d", {}}, {"%q", {1}}, {"abc%", {}}, {"%d", {1.5}},
    };
    for (const auto& c : cases) EXPECT_THROW(Format(c.format, c.args), EConvertError) << c.format;
}

TEST(FloatToStr, DefaultConversion) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {{0, "0"},          {1, "1"},        {-2.5, "-2.5"},           {0.1, "0.1"},
                 {1.0 / 3, "0.333333333333333"}, {123456789012345.0, "123456789012345"},
                 {1e15, "1E15"},    {0.0001, "0.0001"}, {0.00001, "1E-5"},    {1.5e-7, "1.5E-7"}};
    for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.value), c.text) << c.value;
}

TEST(Numbers, StrToIntAndDefaults) {
    EXPECT_EQ(StrToInt(" 42 "), 42);
    EXPECT_EQ(StrToInt("-7"), -7);
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_THROW(StrToInt("4x"), EConvertError);
    EXPECT_THROW(StrToInt(""), EConvertError);
    EXPECT_THROW(StrToInt("99999999999"), EConvertError);
    EXPECT_EQ(StrToIntDef("abc", -1), -1);
    double d;
    EXPECT_TRUE(TryStrToFloat("1.25e2", d));
    EXPECT_DOUBLE_EQ(d, 125);
    EXPECT_FALSE(TryStrToFloat("1.2.3", d));
    EXPECT_FALSE(TryStrToFloat("", d));
}

TEST(Dates, DayCountStartsAtEndOf1899) {
    EXPECT_DOUBLE_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_DOUBLE_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_DOUBLE_EQ(EncodeDate(2000, 1, 1), 36526);
    EXPECT_DOUBLE_EQ(EncodeDate(1753, 1, 1), -53688);
    int y, m, d;
    DecodeDate(EncodeDate(9999, 12, 31), y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 99991231);
    DecodeDate(-53688.5, y, m, d);  // negative day counts keep their date
    EXPECT_EQ(y * 10000 + m * 100 + d, 17530101);
}

TEST(Dates, InvalidPartsAreRefused) {
    double date;
    EXPECT_FALSE(TryEncodeDate(2003, 2, 29, date));
    EXPECT_TRUE(TryEncodeDate(2000, 2, 29, date));
    EXPECT_FALSE(TryEncodeDate(1900, 2, 29, date));
    EXPECT_FALSE(TryEncodeDate(2004, 13, 1, date));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, date));
    EXPECT_THROW(EncodeDate(2004, 4, 31), EConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
}

TEST(Dates, WeekdaysAndMonthArithmetic) {
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 11)), 6);  // a Friday
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);
    EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2004, 1, 31), 1), EncodeDate(2004, 2, 29));
    EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2004, 12, 31), -12), EncodeDate(2003, 12, 31));
    EXPECT_EQ(DaysInAMonth(2100, 2), 28);
    EXPECT_EQ(DaysInAMonth(2004, 0), 0);
}

TEST(Dates, FormatDateTimeLetters) {
    const double t = EncodeDate(2004, 3, 7) + EncodeTime(9, 5, 3, 42);
    struct Case {
        const char* format;
        const char* text;
    } cases[] = {
        {"YYYYMMDD", "20040307"},
        {"YYYY/MM/DD hh:nn:ss:zzz", "2004/03/07 09:05:03:042"},
        {"yy-m-d", "04-3-7"},
        {"hh:mm", "09:05"},  // m after h means minutes
        {"'day' dd", "day 07"},
        {"ddd mmm", "Sun Mar"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.format, t), c.text) << c.format;
}

TEST(Dates, SettingsDriveDateTextBothWays) {
    auto saved = FormatSettings();
    FormatSettings().ShortDateFormat = "dd-mm-yyyy";
    FormatSettings().DateSeparator = '-';
    EXPECT_EQ(DateToStr(EncodeDate(2004, 3, 7)), "07-03-2004");
    EXPECT_DOUBLE_EQ(StrToDateTime("07-03-2004"), EncodeDate(2004, 3, 7));
    EXPECT_DOUBLE_EQ(StrToDateTime("07-03-2004 10:30"), EncodeDate(2004, 3, 7) + EncodeTime(10, 30, 0, 0));
    double v;
    EXPECT_FALSE(TryStrToDateTime("2004/03/07", v));
    EXPECT_FALSE(TryStrToDateTime("aa-bb-cccc", v));
    FormatSettings() = saved;
}

TEST(Text, TrimTakesControlCharacters) {
    EXPECT_EQ(Trim(" \t\x03" "ab c\x01 "), "ab c");
    EXPECT_EQ(UpperCase("ab\xb0\xa1z"), "AB\xb0\xa1Z");  // double-byte text untouched
    EXPECT_TRUE(SameText("Caption", "CAPTION"));
    EXPECT_EQ(StringReplaceAll("a,b,,c", ",", ";"), "a;b;;c");
}
