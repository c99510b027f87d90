// kwshell on a display: the desktop backend and pictures of the shown form.
// A build without the desktop backend links ShellDesktopNone.cpp instead of
// ShellDesktop.cpp: it stays headless and takes no pictures.
#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace kw {

class TCustomForm;

// Installs the desktop backend when a display is usable; false (with the
// reason on the error output) when the run stays headless.
bool InstallShellDesktop(int& argc, char** argv);

// What to do once the form is shown to save its pictures in folder (one per
// option page), each file named on out as "SCREENSHOT <file>"; empty when
// pictures cannot be taken (the reason on err).
std::function<void(TCustomForm&)> ScreenshotHook(const std::string& folder, std::ostream& out, std::ostream& err);

}  // namespace kw
