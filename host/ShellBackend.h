// How kwshell shows forms: the headless backend, where a dialog nobody
// queued an answer for is closed with Esc and reported, so that unattended
// runs never wait for input.
#pragma once

#include <ostream>

#include "platform/HeadlessBackend.h"

namespace kw {

class TShellHeadlessBackend : public THeadlessBackend {
public:
    // report: where unanswered dialogs are told ("DIALOG <caption>: <text>").
    explicit TShellHeadlessBackend(std::ostream& report) : report_(report) {}
    void RunModal(TCustomForm& form) override;

private:
    std::ostream& report_;
};

// Installs the headless shell backend for the process.
void InstallShellHeadlessBackend(std::ostream& report);

}  // namespace kw
