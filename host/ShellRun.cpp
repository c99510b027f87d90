#include "host/ShellRun.h"

#include <chrono>
#include <thread>

#include "host/FormDump.h"
#include "host/HostObject.h"
#include "module/DLLBaseCtrller.h"
#include "platform/DynLib.h"
#include "platform/FilePaths.h"
#include "platform/Forms.h"
#include "platform/InputSim.h"

namespace kw {

namespace {

struct TShellState {
    TDLLBaseController* Controller = nullptr;
    std::ostream* Out = nullptr;
    bool Trace = false;
    bool Destroyed = false;
    int32_t ResultCode = 0;
    Variant ResultValue;
};

void ShellEvent(void* data, int32_t code, TObject*) {
    auto& state = *static_cast<TShellState*>(data);
    if (state.Trace) *state.Out << "EVENT " << code << std::endl;
    if (code == EV_FORM_DESTROYED) {
        state.Destroyed = true;
        state.ResultCode = state.Controller->ResultCode;
        state.ResultValue = state.Controller->ResultValue;
    }
}

// The module stays loaded for the rest of the process: the classes it
// registered with the platform live as long as the platform's registries.
TGetControllerFunc LoadModule(const std::string& path, std::ostream& err) {
    auto* module = new DynLib;
    if (!module->Load(path)) {
        err << "kwshell: cannot load the module " << path << ": " << module->ErrorText() << std::endl;
        delete module;
        return nullptr;
    }
    auto getController = reinterpret_cast<TGetControllerFunc>(module->Export("GetController"));
    if (!getController) {
        err << "kwshell: the module " << path << " has no GetController: " << module->ErrorText() << std::endl;
        delete module;
    }
    return getController;
}

// Gives the form time to close itself, then frees it if it did not.
void EndForm(TDLLBaseController& controller) {
    Application()->ProcessMessages();
    if (!controller.IsFormFreed()) controller.FreeForm();
    Application()->ProcessMessages();
}

void WaitWhileShown(TDLLBaseController& controller, bool unattended) {
    if (unattended) {
        PressKey(VK_ESCAPE);
        return;
    }
    while (!controller.IsFormFreed()) {
        Backend().ProcessEvents();
        Application()->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// The result value as the trace prints it.
std::string ResultText(const TShellData& data, const Variant& value) {
    try {
        return data.Utf8Of(value);
    } catch (const EVariantError&) {
        return std::string("(") + value.typeName() + ")";
    }
}

}  // namespace

std::string DefaultModulePath(const std::string& executable) {
    return ExtractFilePath(ExcludeTrailingPathDelimiter(ExtractFilePath(executable))) + "lib/KTXR58C.so";
}

int RunShell(const TShellOptions& options, std::ostream& out, std::ostream& err) {
    TGetControllerFunc getController = LoadModule(options.ModulePath, err);
    if (!getController) return ShellModuleError;

    std::shared_ptr<TShellData> data;
    try {
        data = TShellData::OpenDefault();
    } catch (const std::exception& e) {
        err << "kwshell: cannot open the company database " << CompanyDbPath() << ": " << e.what() << std::endl;
        return ShellDatabaseError;
    }

    TShellState state;
    state.Out = &out;
    state.Trace = options.Trace;
    try {
        state.Controller = getController();
    } catch (const std::exception& e) {
        err << "kwshell: GetController failed: " << e.what() << std::endl;
        return ShellContractError;
    }
    std::unique_ptr<TDLLBaseController> controller(state.Controller);
    controller->HostObject = Variant(AutoRef(std::make_shared<THostObject>(data)));
    controller->OnEvent = {&ShellEvent, &state};

    const Variant params = Variant::ArrayOf({Variant(options.User), Variant(options.Company),
                                             Variant(options.Database), Variant(0), Variant("")});
    int32_t created = -1;
    try {
        created = controller->CreateForm(params);
    } catch (const std::exception& e) {
        err << "kwshell: CreateForm failed: " << e.what() << std::endl;
        return ShellContractError;
    }
    Application()->ProcessMessages();  // a refusing form closes itself
    if (created != 0) {
        err << "kwshell: the form did not initialise (CreateForm answered " << created << ")" << std::endl;
    } else if (!controller->IsFormFreed()) {
        controller->SetVisible(-1);
        Application()->ProcessMessages();
        auto* form = controller->IsFormFreed()
                         ? nullptr
                         : dynamic_cast<TCustomForm*>(FindControl(controller->GetWindowHandle()));
        if (form && options.Dump) out << DumpFormJson(*form);
        if (form && options.OnShown) options.OnShown(*form);
        if (!controller->IsFormFreed()) WaitWhileShown(*controller, options.Unattended);
    }
    EndForm(*controller);

    if (options.Trace) {
        const int32_t code = state.Destroyed ? state.ResultCode : controller->ResultCode;
        const Variant& value = state.Destroyed ? state.ResultValue : controller->ResultValue;
        out << "RESULT " << code << " " << ResultText(*data, value) << std::endl;
    }
    controller.reset();
    Application()->ProcessMessages();
    return created == 0 ? ShellOk : ShellFormRefused;
}

}  // namespace kw
