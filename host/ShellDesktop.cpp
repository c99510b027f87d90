#include "host/ShellDesktop.h"

#include "platform/qt/QtBackend.h"
#include "platform/qt/QtScreenshot.h"

namespace kw {

bool InstallShellDesktop(int& argc, char** argv) { return InstallQtBackend(argc, argv); }

std::function<void(TCustomForm&)> ScreenshotHook(const std::string& folder, std::ostream& out, std::ostream& err) {
    if (!QtBackend()) {
        err << "kwshell: no pictures without the desktop backend (no usable display; QT_QPA_PLATFORM=offscreen "
               "gives one)"
            << std::endl;
        return {};
    }
    return [folder, &out](TCustomForm& form) {
        for (const std::string& file : SaveFormScreenshots(form, folder)) out << "SCREENSHOT " << file << std::endl;
    };
}

}  // namespace kw
