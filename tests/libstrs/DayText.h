// Date values written as day texts, so that expectations read as dates.
#pragma once

#include <string>

#include "platform/SysUtils.h"

namespace kw::test {

// "YYYYMMDD" of a date value, "" for 0.
inline std::string DayText(double date) { return date == 0 ? std::string() : FormatDateTime("yyyymmdd", date); }

}  // namespace kw::test
