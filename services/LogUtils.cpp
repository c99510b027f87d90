#include "services/LogUtils.h"

#include <cxxabi.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ios>
#include <memory>
#include <system_error>
#include <typeinfo>

#include "platform/CodePage.h"
#include "platform/DBEngineError.h"
#include "platform/DynLib.h"
#include "platform/FilePaths.h"
#include "platform/Registry.h"
#include "platform/SysUtils.h"
#include "platform/SystemInfo.h"
#include "services/BatonRegistry.h"

namespace kw {

namespace {

constexpr size_t kMaxTempFolderLength = 255;
constexpr const char* kFallbackLogBase = "/tmp/";
constexpr const char* kErrorLogName = "NorvexGenerator";
constexpr const char* kReportDashes = "----------------------------------";

// Registry "ClientPath", else "ServerPath"; "" when neither has a value.
std::string InstallFolderFromRegistry()
{
    RegistryKey key;
    if (!key.Open(BatonRegistryKey))
        return "";
    std::string folder;
    if (key.ReadString(ClientPathValue, folder) && !folder.empty())
        return folder;
    folder.clear();
    key.ReadString(ServerPathValue, folder);
    return folder;
}

std::string ErrorLogBaseFolder()
{
    std::string base = InstallFolderFromRegistry();
    if (!base.empty())
        return base;
    base = TempFolder();
    if (!base.empty() && base.size() <= kMaxTempFolderLength)
        return base;
    return kFallbackLogBase;
}

bool WriteStampedLine(const std::string& baseFolder, const std::string& logName, const std::string& text,
                      const std::string& period)
{
    const double now = Now();
    return AppendLogLine(AlertLogFileName(baseFolder, logName, period, now), AlertLogTimeStamp(now), text);
}

// The class name of an error without its namespaces ("EConvertError").
std::string ErrorClassName(const std::exception& error)
{
    const char* mangled = typeid(error).name();
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                          &std::free);
    std::string name = (status == 0 && demangled) ? demangled.get() : mangled;
    size_t colons = name.rfind("::");
    return colons == std::string::npos ? name : name.substr(colons + 2);
}

// The error's detail lines; answers how many errors they describe.
int WriteErrorDetails(const std::exception& error)
{
    if (const auto* engine = dynamic_cast<const EDBEngineError*>(&error)) {
        int index = 0;
        for (const auto& sub : engine->Errors()) {
            ++index;
            WriteErrorLogLine(Format("EDBEngineError Error %.2d: Code: %d, Message: %s",
                                     {index, sub.code, sub.message}));
        }
        return index;
    }
    const char* systemKind = nullptr;
    int code = 0;
    if (const auto* io = dynamic_cast<const std::ios_base::failure*>(&error)) {
        systemKind = "EInOutError";
        code = io->code().value();
    } else if (const auto* fs = dynamic_cast<const std::filesystem::filesystem_error*>(&error)) {
        systemKind = "EInOutError";
        code = fs->code().value();
    } else if (const auto* system = dynamic_cast<const std::system_error*>(&error)) {
        systemKind = "EWin32Error";
        code = system->code().value();
    }
    if (systemKind) {
        WriteErrorLogLine(Format(std::string(systemKind) + " Error %.2d: Code: %d, Message: %s",
                                 {1, code, std::string(error.what())}));
        return 1;
    }
    WriteErrorLogLine(Format("Exception is %s\r\nMessage %.2d: ", {ErrorClassName(error), 1}) + error.what());
    return 1;
}

}  // namespace

std::string LogPeriodStamp(const std::string& period, double date)
{
    if (period == "M")
        return FormatDateTime("yyyymm", date);
    if (period == "Y")
        return FormatDateTime("yyyy", date);
    return FormatDateTime("yyyymmdd", date);
}

std::string AlertLogFileName(const std::string& baseFolder, const std::string& logName, const std::string& period,
                             double date)
{
    std::string fileName = baseFolder + "\\Log" + "\\Alert_" + logName + "_" + LogPeriodStamp(period, date);
    if (logName.find('.') == std::string::npos)
        fileName += ".log";
    return fileName;
}

std::string AlertLogTimeStamp(double dateTime)
{
    return FormatDateTime("yyyy/mm/dd hh:nn:ss:zzz", dateTime);
}

std::string HostProgramFolder()
{
    return ExtractFilePath(ExecutableFileName());
}

bool AppendLogLine(const std::string& fileName, const std::string& timeStamp, const std::string& text)
{
    const std::string path = NormalisePath(fileName);
    if (!ForceDirectories(ExtractFilePath(path)))
        return false;
    std::ofstream file(path, std::ios::binary | std::ios::app);
    if (!file)
        return false;
    file << "[" << timeStamp << "] " << text << "\n";
    file.close();
    return !file.fail();
}

bool WriteAlertLog(const std::string& logName, const std::string& text, const std::string& period)
{
    std::string base = InstallFolderFromRegistry();
    if (base.empty())
        base = HostProgramFolder();
    return WriteStampedLine(base, logName, text, period);
}

bool WriteDownloadLog(const std::string& logName, const std::string& text, const std::string& period)
{
    return WriteStampedLine(HostProgramFolder(), logName, text, period);
}

bool WriteErrorLogLine(const std::string& text)
{
    const double now = Now();
    const auto& settings = FormatSettings();
    const std::string fileName =
        ErrorLogBaseFolder() + "\\Log" + "\\Alert_" + kErrorLogName + "_" + FormatDateTime("yyyymmdd", now) + ".log";
    const std::string stamp = FormatDateTime(settings.ShortDateFormat + " " + settings.LongTimeFormat, now);
    return AppendLogLine(fileName, stamp, text);
}

void WriteErrorReport(const std::exception* error, const std::string& location, const std::string& programmerMessage)
{
    if (Trim(location).empty())
        WriteErrorLogLine(std::string(kReportDashes) + kReportDashes);
    else
        WriteErrorLogLine(std::string(kReportDashes) + " on " + location + " " + kReportDashes);
    if (error) {
        WriteErrorLogLine(DesignText("讯息信息:"));
        const int count = WriteErrorDetails(*error);
        WriteErrorLogLine(Format("ErrorMessage Count: %d", {count}));
    }
    if (!Trim(programmerMessage).empty())
        WriteErrorLogLine("Programer Message: " + programmerMessage);
}

}  // namespace kw
