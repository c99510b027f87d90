#include "host/ShellBackend.h"

#include "platform/Dialogs.h"
#include "platform/InputSim.h"

namespace kw {

void TShellHeadlessBackend::RunModal(TCustomForm& form) {
    if (PendingAnswers() > 0) {
        THeadlessBackend::RunModal(form);
        return;
    }
    std::string text = MessageDialogText(form);
    if (auto label = dynamic_cast<TControl*>(form.FindComponent("Message")); label && !text.empty())
        text = Readable(text, *label->Font());
    report_ << "DIALOG " << Readable(form.Caption(), *form.Font()) << (text.empty() ? "" : ": " + text)
            << " -> Esc" << std::endl;
    Application()->ProcessMessages();
    if (form.ModalLoopDone()) return;
    if (KeyTarget() && GetParentForm(KeyTarget()) == &form) PressKey(VK_ESCAPE);
    Application()->ProcessMessages();
    if (!form.ModalLoopDone()) form.SetModalResult(mrCancel);
}

void InstallShellHeadlessBackend(std::ostream& report) {
    SetBackend(std::make_unique<TShellHeadlessBackend>(report));
}

}  // namespace kw
