// A job parameter array as the KTXR58 condition form sends it with Request:
// a 14-entry header, six conditions of the form plus the four reserved ones
// (sign-off, footer, date style, print date), texts as wide strings.
#pragma once

#include <string>

#include "platform/Variant.h"

namespace kw::testing {

Variant Ktxr58JobParams(const std::string& user = "ZHANGWEI");
// The same as a periodic job: elements [3] (schedule) and [4] (date rules).
Variant Ktxr58PeriodicJobParams(const std::string& user = "ZHANGWEI");

}  // namespace kw::testing
