// Stateless text, number and date routines shared by every condition form.
//
// Dates travel as 8-character day texts "YYYYMMDD" (valid from "17530101" to
// "99991231"); in memory a date is the platform's date-time value, 0 meaning
// no date. Date styles are the TDateType values 1..5 (services/DateTypes.h).
//
// No routine raises: a result that cannot be produced is 0, an empty text or
// false, as each routine states.
#pragma once

#include <string>

#include "platform/Variant.h"
#include "services/DateTypes.h"

namespace kw {

// ---- Delimited fields (delimiter search is aware of double-byte characters
// of the system code page) ----

// Field n (1-based) of text, or "" when there is no such field (or n < 1).
std::string GetDelimitedField(const std::string& text, const std::string& delimiter, int n);
// Number of fields: 0 for an empty text, otherwise delimiter occurrences + 1.
int CountDelimitedFields(const std::string& text, const std::string& delimiter);
// Removes and returns the first field; text keeps what follows the delimiter
// (or becomes empty when there is no delimiter).
std::string SplitFirstField(std::string& text, const std::string& delimiter);

// ---- Styled dates ----

// The date in the layout of style 1..5, separated by the first character of
// separator. "" for a date of 0, another style or a date outside years 1..9999.
std::string FormatDateByStyle(int style, const std::string& separator, double date);
// Year and month only (styles 2 and 3 both write month first).
std::string FormatYearMonthByStyle(int style, const std::string& separator, double date);
// Reads a date written in style 1..5 with the whole separator text between
// the parts. A day beyond its month rolls into the following month. 0 when the
// text is empty, a part is not a positive number or the date cannot be formed.
double ParseDateByStyle(const std::string& text, int style, const std::string& separator);

// ---- Day texts and date arithmetic ----

// The date of an 8-character "YYYYMMDD" text, or 0.
double DateFromYMDText(const std::string& dayText);
// True for "" and for a real calendar day written as 8 digits between
// "17530101" and "99991231".
bool IsValidDateText(const std::string& dayText);
// date is a day text (byte or wide) or a date value; unit is "D", "M" or "Y"
// (any case). Months and years keep the day, or the last day of the new month
// when it is shorter. Returns "YYYYMMDD", or "" when the date is absent or
// invalid, the unit unknown or the result outside years 1..9999.
std::string AddToDateText(const Variant& date, const std::string& unit, int amount);
// 28..31, or 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// ---- Periodic schedules and dynamic date rules ----

// Field separator of dynamic date rules and counted lists.
inline constexpr char RuleFieldSeparator = '\x03';

// First day on or after startDay on which the cycle runs. cycle is the array
// [0] kind (0 days, 1 weeks, 2 months, 3 hours), [1] detail:
//   weeks:  [0] every N weeks, [1] weekday 0..6 (0 = Sunday)
//   months: [0] = 0, [1] every N months, [2] day of month, or
//           [0] = 1, [1] every N months, [2] occurrence 0..4 (4 = last),
//                    [3] weekday 0..6
// "" for the hourly cycle, an unknown kind or a malformed array.
std::string FirstRunDate(const std::string& startDay, const Variant& cycle);
// ruleList is [1] the condition values array, [2] (unused), [3] the rules:
// [0] count n, [1..n] dynamic date rules. Returns a copy of the values array
// with every movable date recomputed for runDay, or an empty text when a rule
// cannot be applied (non-numeric count or offset, missing index, ...).
Variant ApplyDynamicDates(const Variant& ruleList, const std::string& runDay);
// One rule part applied to base (a day text, or a year-month text "YYYYMM"
// which only moves by count months). unit "0" means weeks and days, anything
// else months. subMode for months: "0" add dayOffset days, "1" first day,
// "2" last day of the month; for weeks: "0" add count weeks and dayOffset
// days, otherwise the week's Sunday ("1") or Saturday (anything else).
std::string ResolveDynamicDate(const std::string& base, int count, const std::string& unit,
                               const std::string& subMode, int dayOffset);
// base moved by count weeks, then to the Sunday of that week (mode "1") or to
// its Saturday (any other mode).
std::string WeekEdgeDate(const std::string& base, int count, const std::string& mode);

// ---- Other routines ----

// Replaces every occurrence of searched (case-sensitive, searching again from
// the start after each replacement) unless searched and replacement are equal
// ignoring case; then trims blanks and control characters when trim is set.
std::string ReplaceAllText(const std::string& text, const std::string& searched,
                           const std::string& replacement, bool trim);
// prefix #3 n #3 item1 #3 ... itemn #3 for the array [0] n, [1..n] items;
// u"" when the array is malformed.
std::u16string JoinCountedList(const std::string& prefix, const Variant& countedList);
// Chinese caption (design code page) of a standard dialog button name
// ("Yes", "No", "OK", ...); other names come back unchanged.
std::string DialogButtonCaption(const std::string& buttonName);
// The text as a decimal number ("-1.5e3"; '.' whatever the settings say), or
// fallback when the whole text is not one.
double TextToFloatDef(const std::string& text, double fallback);
Variant VariantIfThen(bool flag, const Variant& ifTrue, const Variant& ifFalse);
// True for an empty or a null variant (an empty text is not empty).
bool IsEmptyOrNull(const Variant& value);
// True only for the exact text "127.0.0.1".
bool IsLoopbackAddress(const std::string& address);
// The system temporary folder with its links resolved and a trailing
// separator, or "" when it cannot be resolved.
std::string LongTempFolder();

}  // namespace kw
