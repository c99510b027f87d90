// Date routines of LibStrs: the five date styles, day texts and date
// arithmetic.
#include "services/LibStrs.h"

#include <cctype>

#include "platform/SysUtils.h"
#include "services/LibStrsPrivate.h"

namespace kw {

namespace libstrs {

bool InDateRange(double date) { return date >= MinDateTime && date < MaxDateTime + 1; }

std::string ShiftedDayText(double date, double days) {
    if (date == 0) return {};
    const double moved = date + days;
    return InDateRange(moved) ? FormatDateTime("yyyymmdd", moved) : std::string();
}

}  // namespace libstrs

using libstrs::InDateRange;

namespace {

constexpr int MinYear = 1;
constexpr int MaxYear = 9999;

// Digits of text[pos, pos + length) as a number; 0 when any is not a digit.
int DigitsValue(const std::string& text, size_t pos, size_t length) {
    int value = 0;
    for (size_t i = pos; i < pos + length; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return 0;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// Year, month and day of an 8-character day text; false for another length.
bool ReadDayText(const std::string& dayText, int& year, int& month, int& day) {
    if (dayText.size() != 8) return false;
    year = DigitsValue(dayText, 0, 4);
    month = DigitsValue(dayText, 4, 2);
    day = DigitsValue(dayText, 6, 2);
    return true;
}

// The first character of the separator text ("" for an empty one).
std::string WrittenSeparator(const std::string& separator) {
    return separator.substr(0, AnsiCharLength(separator));
}

std::string FormatStyled(int style, const std::string& separator, double date, bool withDay) {
    if (date == 0 || style < dt_YYYYMMDD || style > dt_YYYMMDD || !InDateRange(date)) return {};
    try {
        int year = 0, month = 0, day = 0;
        DecodeDate(date, year, month, day);
        const Variant sep(WrittenSeparator(separator));
        switch (style) {
            case dt_YYYYMMDD:
                return withDay ? Format("%.4d%s%.2d%s%.2d", {year, sep, month, sep, day})
                               : Format("%.4d%s%.2d", {year, sep, month});
            case dt_MMDDYYYY:
                return withDay ? Format("%.2d%s%.2d%s%.4d", {month, sep, day, sep, year})
                               : Format("%.2d%s%.4d", {month, sep, year});
            case dt_DDMMYYYY:
                return withDay ? Format("%.2d%s%.2d%s%.4d", {day, sep, month, sep, year})
                               : Format("%.2d%s%.4d", {month, sep, year});
            case dt_YYMMDD:
                year -= MinguoYearOffset;
                return withDay ? Format("%.2d%s%.2d%s%.2d", {year, sep, month, sep, day})
                               : Format("%.2d%s%.2d", {year, sep, month});
            default:  // dt_YYYMMDD
                year -= MinguoYearOffset;
                return withDay ? Format("%.3d%s%.2d%s%.2d", {year, sep, month, sep, day})
                               : Format("%.3d%s%.2d", {year, sep, month});
        }
    } catch (const std::exception&) {
        return {};
    }
}

// The day shortened until it exists in the month.
double EncodeClampedDate(int year, int month, int day) {
    const int lastDay = DaysInMonth(year, month);
    return EncodeDate(year, month, day < lastDay ? day : lastDay);
}

}  // namespace

std::string FormatDateByStyle(int style, const std::string& separator, double date) {
    return FormatStyled(style, separator, date, true);
}

std::string FormatYearMonthByStyle(int style, const std::string& separator, double date) {
    return FormatStyled(style, separator, date, false);
}

double ParseDateByStyle(const std::string& text, int style, const std::string& separator) {
    std::string rest = Trim(text);
    if (rest.empty()) return 0;
    int parts[3];
    for (int& part : parts) part = StrToIntDef(Trim(SplitFirstField(rest, separator)), -1);
    if (parts[0] <= 0 || parts[1] <= 0 || parts[2] <= 0) return 0;
    int year = 0, month = 0, day = 0;
    switch (style) {
        case dt_YYYYMMDD: year = parts[0], month = parts[1], day = parts[2]; break;
        case dt_MMDDYYYY: month = parts[0], day = parts[1], year = parts[2]; break;
        case dt_DDMMYYYY: day = parts[0], month = parts[1], year = parts[2]; break;
        case dt_YYMMDD:
        case dt_YYYMMDD:
            if (parts[0] > MaxYear) return 0;
            year = parts[0] + MinguoYearOffset, month = parts[1], day = parts[2];
            break;
        default: return 0;
    }
    double firstOfMonth = 0;
    if (!TryEncodeDate(year, month, 1, firstOfMonth)) return 0;
    // A day beyond the end of the month rolls into the following months.
    const double date = firstOfMonth + (static_cast<double>(day) - 1);
    return InDateRange(date) ? date : 0;
}

double DateFromYMDText(const std::string& dayText) {
    int year = 0, month = 0, day = 0;
    if (!ReadDayText(dayText, year, month, day) || year == 0 || month == 0 || day == 0) return 0;
    double date = 0;
    return TryEncodeDate(year, month, day, date) ? date : 0;
}

bool IsValidDateText(const std::string& dayText) {
    if (dayText.empty()) return true;
    int year = 0, month = 0, day = 0;
    if (!ReadDayText(dayText, year, month, day) || !IsValidDate(year, month, day)) return false;
    return dayText >= "17530101" && dayText <= "99991231";
}

std::string AddToDateText(const Variant& date, const std::string& unit, int amount) {
    try {
        double start = 0;
        if (date.isText()) {
            start = DateFromYMDText(date.toString());
        } else if (date.type() == VarType::Date) {
            start = date.toDate();
        } else {
            return {};
        }
        if (start == 0 || !InDateRange(start) || unit.size() != 1) return {};

        int year = 0, month = 0, day = 0;
        DecodeDate(start, year, month, day);
        double moved = 0;
        switch (std::toupper(static_cast<unsigned char>(unit[0]))) {
            case 'D':
                return libstrs::ShiftedDayText(start, amount);
            case 'M': {
                const int64_t total = int64_t{year} * 12 + month + amount;
                int64_t newYear = total / 12;
                int64_t newMonth = total % 12;
                if (newMonth == 0) newMonth = 12, newYear -= 1;
                if (newYear < MinYear || newYear > MaxYear) return {};
                moved = EncodeClampedDate(static_cast<int>(newYear), static_cast<int>(newMonth), day);
                break;
            }
            case 'Y': {
                const int64_t newYear = int64_t{year} + amount;
                if (newYear < MinYear || newYear > MaxYear) return {};
                moved = EncodeClampedDate(static_cast<int>(newYear), month, day);
                break;
            }
            default:
                return {};
        }
        return libstrs::ShiftedDayText(moved, 0);
    } catch (const std::exception&) {
        return {};
    }
}

int DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

}  // namespace kw
