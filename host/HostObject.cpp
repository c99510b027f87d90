#include "host/HostObject.h"

#include <sys/stat.h>

#include <ctime>
#include <filesystem>

#include "host/CounterService.h"
#include "host/LookupWindow.h"
#include "host/Validator.h"
#include "platform/FilePaths.h"
#include "platform/SysUtils.h"
#include "services/BatonINI.h"
#include "services/LogUtils.h"

namespace kw {

namespace {

AutoClassRegistrar hostRegistrar(HostClassName,
                                 [] { return std::make_shared<THostObject>(TShellData::OpenDefault()); });

// The first element of an argument array (or the value itself).
Variant FirstElement(const Variant& value) {
    if (value.isArray() && value.dimCount() == 1 && value.array().size() > 0) return value[value.low()];
    return value.isArray() ? Variant() : value;
}

// The local time the file was last written, "YYYYMMDDhhnnss".
std::string ModifyStamp(const std::filesystem::path& file) {
    struct stat info {};
    struct tm local {};
    if (stat(file.c_str(), &info) != 0 || !localtime_r(&info.st_mtime, &local)) return "";
    char stamp[16];
    std::strftime(stamp, sizeof stamp, "%Y%m%d%H%M%S", &local);
    return stamp;
}

}  // namespace

std::string FileListRecord(const std::string& fileName) {
    const std::string wanted = ExtractFileName(fileName);
    if (wanted.empty()) return "";
    TBatonIniS settings;
    for (const std::string& folder : settings.WorkFolders) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(NormalisePath(folder), error)) {
            if (!entry.is_regular_file() || !SameText(entry.path().filename().string(), wanted)) continue;
            return "<Modify>" + ModifyStamp(entry.path()) + "</Modify><Path>" + entry.path().string() + "</Path>";
        }
    }
    return "";
}

THostObject::THostObject(std::shared_ptr<TShellData> data, int versionType, int productId)
    : DispatchObject(HostClassName),
      data_(std::move(data)),
      counter_(std::make_shared<TCounterService>(data_)),
      validator_(std::make_shared<TValidator>(data_)),
      lookupWindow_(std::make_shared<TLookupWindow>(data_)) {
    AddMethod("VersionType", [versionType](Args&) { return Variant(versionType); });
    AddMethod("ProductID", [productId](Args&) { return Variant(productId); });
    AddMethod("Com_Counter", [this](Args&) { return Variant(counter_); });
    AddMethod("Com_Validator", [this](Args&) { return Variant(validator_); });
    AddMethod("Com_F2Window", [this](Args&) { return Variant(lookupWindow_); });
    AddMethod("GetMessage", [this](Args& a) {
        RequireArgs("GetMessage", a, 2);
        return data_->DataText(MessageText(data_->Utf8Of(a[0]), data_->Utf8Of(a[1])));
    });
    AddMethod("CallHelp", [this](Args& a) {
        RequireArgs("CallHelp", a, 1);
        const std::vector<std::string> topic = data_->ParamTexts(a[0]);
        std::string text = "CallHelp";
        for (const std::string& part : topic) text += " " + part;
        WriteAlertLog("kwshell", text, "D");
        return Variant();
    });
    AddMethod("GetFileList", [this](Args& a) {
        RequireArgs("GetFileList", a, 1);
        return data_->DataText(FileListRecord(data_->Utf8Of(FirstElement(a[0]))));
    });
}

std::string THostObject::MessageText(const std::string& type, const std::string& id) {
    DbRows rows = data_->Db().Query(
        std::string("SELECT ") + (data_->English() ? "TEXT_ENG" : "TEXT_CHS") +
            " FROM MESSAGES WHERE MSG_TYPE = upper(?) AND MSG_ID = ?",
        {Trim(type), Trim(id)});
    return rows.empty() ? Trim(type) + ";" + Trim(id) : DbText(rows.rows.front().front());
}

}  // namespace kw
