// TfrmBaseGene: running a job through the program's server library (program
// code + "S" + the platform's library extension, export "GetSvrController")
// for direct query, report design and web report.
#include <memory>

#include "forms/base/BaseGene.h"
#include "forms/base/SvrController.h"
#include "platform/CodePage.h"
#include "platform/DynLib.h"
#include "platform/FilePaths.h"
#include "platform/SysUtils.h"
#include "platform/SystemInfo.h"
#include "services/BatonINI.h"

namespace kw {

namespace {

// The one system where a server library must stay loaded after its run.
constexpr const char* kKeepLoadedOsVersion = "4.90.73010104";

// The first folder holding the library; the folder whose name contains
// "S_PKG" (else the first folder) when none does; "" without folders.
std::string FindServerLibrary(const std::vector<std::string>& folders, const std::string& fileName) {
    std::string packageFolder;
    for (const std::string& folder : folders) {
        const std::string path = IncludeTrailingPathDelimiter(folder) + fileName;
        if (FileExists(path)) return path;
        if (packageFolder.empty() && UpperCase(folder).find("S_PKG") != std::string::npos) packageFolder = folder;
    }
    if (folders.empty()) return {};
    const std::string fallback = IncludeTrailingPathDelimiter(packageFolder.empty() ? folders.front() : packageFolder);
    return FileExists(fallback + fileName) ? fallback + fileName : std::string();
}

}  // namespace

bool TfrmBaseGene::RunServerLibrary(const std::string& p1, const std::string& programCode, const std::string& p3,
                                    const std::string& companyId, const std::string& userId,
                                    const std::string&, const std::string& programKind,
                                    const std::string& databaseName, const Variant& p9, int p10,
                                    const std::string& p11) {
    Application()->ProcessMessages();
    const TBatonIniS settings;
    const std::string path = FindServerLibrary(settings.WorkFolders, programCode + "S" + LibraryExtension);
    if (path.empty()) return false;

    DynLib library;
    if (!library.Load(path)) return false;
    auto getController = library.Function<TDLLSvrController*()>("GetSvrController");
    if (!getController) return false;

    bool result = true;
    try {
        std::unique_ptr<TDLLSvrController> controller(getController());
        if (!controller) return false;
        const std::string kind = UpperCase(programKind);
        Variant params;
        if (kind != "B")
            params = Variant::ArrayOf({Variant(p1), Variant(p3), Variant(companyId), Variant(userId),
                                       Variant(databaseName), p9, Variant(p10), Variant(kind), Variant(p11),
                                       Variant(ProductId), Variant(CaptionsCollected ? 1 : 0),
                                       Variant(UICodePage())});
        else
            params = Variant::ArrayOf({Variant(p1), Variant(companyId), Variant(userId), p9, Variant(databaseName),
                                       Variant(p11), Variant(ProductId)});
        controller->Execute(params);
        std::u16string error;
        controller->GetErrorText(error);
        RecordError(WideToMultiByte(error, CP_ACP));
    } catch (const std::exception& e) {
        RecordError(e.what());
        result = false;
    }
    if (OsVersionText() == kKeepLoadedOsVersion) library.Release();
    Application()->ProcessMessages();
    return result;
}

}  // namespace kw
