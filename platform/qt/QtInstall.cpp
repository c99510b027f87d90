#include <QApplication>
#include <iostream>

#include "platform/qt/QtBackend.h"
#include "platform/qt/QtDisplay.h"
#include "platform/qt/QtText.h"

namespace kw {

bool InstallQtBackend(int& argc, char** argv) {
    if (QtBackend()) return true;
    if (!QApplication::instance()) {
        std::string why;
        if (!DisplayUsable(&why)) {
            std::cerr << "The windows cannot be shown: " << why << ". Running without a display.\n";
            return false;
        }
        // Lives for the process: widgets may be made until the end.
        new QApplication(argc, argv);
        QApplication::setStyle("Fusion");
        QFont font(QString::fromLatin1(CjkFontFamily));
        font.setPixelSize(12);
        QApplication::setFont(font);
    }
    SetBackend(std::make_unique<TQtBackend>());
    return true;
}

}  // namespace kw
