// What the shell does with a program module: load it, obtain its
// controller, hand it the host object and the event callback, create the
// condition form with [user, company, database, window, extra], show it,
// end it and read the result after the form's destruction event.
#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace kw {

class TCustomForm;

struct TShellOptions {
    std::string ModulePath;
    std::string User = "DS";
    std::string Company = "DEMO";
    std::string Database = "DEMO";
    bool Trace = false;  // "EVENT <code>" per event, "RESULT <code> <value>" at the end
    bool Dump = false;   // the shown form as JSON (FormDump.h)
    // After the first show, press Esc on the form; otherwise the run lasts
    // until the user closes the form (on a display).
    bool Unattended = true;
    // Called once the form is shown, after the dump.
    std::function<void(TCustomForm&)> OnShown;
};

// Exit codes of a shell run.
enum TShellExit : int {
    ShellOk = 0,
    ShellFormRefused = 1,    // CreateForm answered other than 0
    ShellModuleError = 2,    // the module cannot be loaded or has no GetController
    ShellContractError = 3,  // GetController or CreateForm raised
    ShellDatabaseError = 4,  // the company database cannot be opened
};

// One run on the backend in force. out receives the trace and the dump, err
// what went wrong.
int RunShell(const TShellOptions& options, std::ostream& out, std::ostream& err);

// The module next to a program in build/bin: build/lib/KTXR58C.so.
std::string DefaultModulePath(const std::string& executable);

}  // namespace kw
