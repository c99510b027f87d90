#include <iostream>

#include "host/ShellDesktop.h"

namespace kw {

bool InstallShellDesktop(int&, char**) {
    std::cerr << "kwshell: this build has no desktop backend; running without a display." << std::endl;
    return false;
}

std::function<void(TCustomForm&)> ScreenshotHook(const std::string&, std::ostream&, std::ostream& err) {
    err << "kwshell: no pictures: this build has no desktop backend." << std::endl;
    return {};
}

}  // namespace kw
