// Which installation a component's settings come from: the client's or the
// server's (install folder, code pages).
#pragma once

#include "platform/TypInfo.h"

namespace kw {

enum TDesignType { dtClient, dtServer };
KW_DECLARE_ENUM(TDesignType)

}  // namespace kw
