// Date layouts of the system. The numeric value of a layout is the company's
// date style (1..5) as stored in the system information and used by the
// date formatting routines; dt_NoneCare (0) has no layout.
#pragma once

namespace kw {

enum TDateType : int {
    dt_NoneCare = 0,
    dt_YYYYMMDD = 1,  // Gregorian year, month, day
    dt_MMDDYYYY = 2,  // month, day, Gregorian year
    dt_DDMMYYYY = 3,  // day, month, Gregorian year
    dt_YYMMDD = 4,    // year counted from 1912 (year - 1911), at least two digits
    dt_YYYMMDD = 5,   // year counted from 1912, at least three digits
};

// Years of the dt_YYMMDD and dt_YYYMMDD layouts are the calendar year minus this.
inline constexpr int MinguoYearOffset = 1911;

}  // namespace kw
