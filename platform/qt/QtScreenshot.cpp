#include "platform/qt/QtScreenshot.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <iostream>

#include "platform/qt/QtBackend.h"

namespace kw {

namespace {
// The pages of a page control: its windowed children, made the active
// page through its published ActivePage.
std::vector<TWinControl*> PagesOf(TComponent* pageControl, const TPropInfo*& activePage) {
    std::vector<TWinControl*> pages;
    auto* control = dynamic_cast<TWinControl*>(pageControl);
    activePage = control ? control->ClassInfo().FindProp("ActivePage") : nullptr;
    if (!activePage || !activePage->SetObj) return pages;
    for (TControl* child : control->ControlList())
        if (auto* page = dynamic_cast<TWinControl*>(child)) pages.push_back(page);
    return pages;
}

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
    const TPropInfo* activePage = nullptr;
    TComponent* pages = form.FindComponent(pageControl);
    const std::vector<TWinControl*> list = PagesOf(pages, activePage);
    if (list.empty()) {
        const QString file = dir.filePath(formName + ".png");
        if (Save(*backend, form, file)) written.push_back(file.toStdString());
        return written;
    }
    TObject* before = activePage->GetObj ? activePage->GetObj(*pages) : nullptr;
    for (TWinControl* page : list) {
        backend->UserInput([&] { activePage->SetObj(*pages, page); });
        const QString file = dir.filePath(formName + "-" + QString::fromStdString(page->Name()) + ".png");
        if (Save(*backend, form, file)) written.push_back(file.toStdString());
    }
    if (before) backend->UserInput([&] { activePage->SetObj(*pages, before); });
    return written;
}

}  // namespace kw
