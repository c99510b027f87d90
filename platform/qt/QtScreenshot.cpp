#include "platform/qt/QtScreenshot.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <iostream>

#include "platform/ComCtrls.h"
#include "platform/qt/QtBackend.h"

namespace kw {

namespace {
bool Save(TQtBackend& backend, TCustomForm& form, const QString& file) {
    backend.ProcessEvents();
    QWidget* window = backend.WidgetOf(form);
    if (window && window->grab().save(file, "PNG")) return true;
    std::cerr << "Cannot write the picture " << file.toStdString() << '\n';
    return false;
}
}  // namespace

std::vector<std::string> SaveFormScreenshots(TCustomForm& form, const std::string& folder,
                                             const std::string& pageControl) {
    std::vector<std::string> written;
    TQtBackend* backend = QtBackend();
    if (!backend) return written;
    const QDir dir(QString::fromStdString(folder));
    if (!QDir().mkpath(dir.absolutePath())) {
        std::cerr << "Cannot make the folder " << folder << '\n';
        return written;
    }
    if (!form.Visible()) backend->UserInput([&form] { form.Show(); });
    const QString formName = QString::fromStdString(form.Name());
    auto* pages = dynamic_cast<TPageControl*>(form.FindComponent(pageControl));
    if (!pages || pages->PageCount() == 0) {
        const QString file = dir.filePath(formName + ".png");
        if (Save(*backend, form, file)) written.push_back(file.toStdString());
        return written;
    }
    TTabSheet* before = pages->ActivePage();
    for (int i = 0; i < pages->PageCount(); ++i) {
        TTabSheet* page = pages->Pages(i);
        backend->UserInput([&] { pages->SetActivePage(page); });
        const QString file = dir.filePath(formName + "-" + QString::fromStdString(page->Name()) + ".png");
        if (Save(*backend, form, file)) written.push_back(file.toStdString());
    }
    backend->UserInput([&] { pages->SetActivePage(before); });
    return written;
}

}  // namespace kw
