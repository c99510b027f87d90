// Helpers shared by the LibStrs source files only.
#pragma once

#include <string>

namespace kw::libstrs {

// Position of the first occurrence of needle in text at or after from, where
// from is a character start. Matches start only at character starts of the
// system code page, so a delimiter never matches the second byte of a
// double-byte character. npos for an empty needle or no match.
size_t FindText(const std::string& text, const std::string& needle, size_t from = 0);
// Length in bytes (1 or 2) of the character that starts text; 0 for "".
size_t FirstCharLength(const std::string& text);

// True for dates from 1 January 0001 to 31 December 9999.
bool InDateRange(double date);
// "YYYYMMDD" of date + days; "" when date is 0 or the result is outside the
// calendar.
std::string ShiftedDayText(double date, double days);

}  // namespace kw::libstrs
