// Helpers shared by the LibStrs source files only.
#pragma once

#include <string>

namespace kw::libstrs {

// True for dates from 1 January 0001 to 31 December 9999.
bool InDateRange(double date);
// "YYYYMMDD" of date + days; "" when date is 0 or the result is outside the
// calendar.
std::string ShiftedDayText(double date, double days);

}  // namespace kw::libstrs
