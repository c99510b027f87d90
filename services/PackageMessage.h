// Named texts of the language packages: a message is an element named
// after its id whose "Msg" attribute holds the text.
#pragma once

#include <string>

#include "services/DesignType.h"

namespace kw {

// The "Msg" text of the element messageId in the package packageName of the
// installation's language, as a screen text (bytes of the UI code page).
// defaultText when the package does not exist, cannot be read, or has no
// such element or attribute. Never raises.
std::string LookupPackageMessage(TDesignType designType, const std::string& packageName,
                                 const std::string& messageId, const std::string& defaultText);

}  // namespace kw
