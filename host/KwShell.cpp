// kwshell: the shell stand-in. Loads a program module, drives its
// controller as the ERP shell does and answers the shell's services from the
// company database.
#include <CLI/CLI.hpp>

#include <iostream>

#include "host/ShellBackend.h"
#include "host/ShellDesktop.h"
#include "host/ShellRun.h"
#include "platform/DynLib.h"

int main(int argc, char** argv) {
    kw::TShellOptions options;
    options.ModulePath = kw::DefaultModulePath(kw::ExecutableFileName());
    bool headless = false;
    std::string screenshots;

    CLI::App app{"kwshell: the ERP shell stand-in. Loads a program module, creates and shows its condition form "
                 "with the shell's services (host object, counter, validator, lookup window) answering from the "
                 "company database, and ends it."};
    app.add_option("--module", options.ModulePath, "The program module to load")->capture_default_str();
    app.add_option("--user", options.User, "User identifier passed to the form")->capture_default_str();
    app.add_option("--company", options.Company, "Company identifier passed to the form")->capture_default_str();
    app.add_option("--database", options.Database, "Database name passed to the form")->capture_default_str();
    app.add_flag("--headless", headless,
                 "Run without a display: show the form, press Esc, end (also the choice when no display is usable)");
    app.add_flag("--trace", options.Trace, "Print every event as EVENT <code> and at the end RESULT <code> <value>");
    app.add_flag("--dump", options.Dump, "Print the shown form and every component it owns as JSON");
    app.add_option("--screenshot", screenshots,
                   "Save pictures of the shown form (one per option page) in this folder, then press Esc; needs "
                   "the desktop backend");
    CLI11_PARSE(app, argc, argv);

    const bool desktop = !headless && kw::InstallShellDesktop(argc, argv);
    if (!desktop) kw::InstallShellHeadlessBackend(std::cerr);
    options.Unattended = !desktop || !screenshots.empty();
    if (!screenshots.empty()) options.OnShown = kw::ScreenshotHook(screenshots, std::cout, std::cerr);
    return kw::RunShell(options, std::cout, std::cerr);
}
