// Pictures of forms as the desktop shows them.
#pragma once

#include <string>
#include <vector>

#include "platform/Forms.h"

namespace kw {

// Shows the form (when it is not shown yet) and renders it into PNG files
// in Folder, which is made when missing: one picture per page of the page
// control named PageControl, each made the active page in turn, as
// Folder/<form name>-<page name>.png; a form without that page control
// gives Folder/<form name>.png. The answer lists the files written; a file
// that cannot be written is reported on the error output and left out.
// Needs the desktop backend.
std::vector<std::string> SaveFormScreenshots(TCustomForm& form, const std::string& folder,
                                             const std::string& pageControl = "pgOption");

}  // namespace kw
