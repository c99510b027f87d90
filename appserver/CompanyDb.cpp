#include "appserver/CompanyDb.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "appserver/SqliteCompanyDb.h"
#include "platform/Resources.h"

namespace kw {

namespace {

std::mutex pathMutex;
std::string pathOverride;

std::string InstallFolder() {
    if (const char* home = std::getenv("KWT_HOME"); home && *home) return home;
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return ".";
    return exe.parent_path().parent_path().string();
}

}  // namespace

std::string DbText(const DbValue& value) {
    if (auto text = std::get_if<std::string>(&value)) return *text;
    if (auto integer = std::get_if<int64_t>(&value)) return std::to_string(*integer);
    if (auto real = std::get_if<double>(&value)) {
        std::string text = std::to_string(*real);
        text.erase(text.find_last_not_of('0') + 1);
        if (!text.empty() && text.back() == '.') text.pop_back();
        return text;
    }
    if (auto blob = std::get_if<DbBlob>(&value)) return blob->bytes;
    return "";
}

int64_t DbInt(const DbValue& value, int64_t fallback) {
    if (auto integer = std::get_if<int64_t>(&value)) return *integer;
    if (auto real = std::get_if<double>(&value)) return static_cast<int64_t>(*real);
    if (auto text = std::get_if<std::string>(&value)) {
        char* end = nullptr;
        long long parsed = std::strtoll(text->c_str(), &end, 10);
        if (!text->empty() && end && *end == '\0') return parsed;
    }
    return fallback;
}

double DbReal(const DbValue& value, double fallback) {
    if (auto real = std::get_if<double>(&value)) return *real;
    if (auto integer = std::get_if<int64_t>(&value)) return static_cast<double>(*integer);
    if (auto text = std::get_if<std::string>(&value)) {
        char* end = nullptr;
        double parsed = std::strtod(text->c_str(), &end);
        if (!text->empty() && end && *end == '\0') return parsed;
    }
    return fallback;
}

std::string DbBytes(const DbValue& value) {
    if (auto blob = std::get_if<DbBlob>(&value)) return blob->bytes;
    if (auto text = std::get_if<std::string>(&value)) return *text;
    return "";
}

bool DbIsNull(const DbValue& value) { return std::holds_alternative<std::nullptr_t>(value); }

TDbTransaction::~TDbTransaction() {
    if (done_) return;
    try {
        db_.Rollback();
    } catch (...) {
        // The connection is going away or already rolled back; nothing to keep.
    }
}

void TDbTransaction::Commit() {
    db_.Commit();
    done_ = true;
}

std::vector<TDbScript> CompanyDbScripts() {
    const std::string prefix = "COMPANYDB";
    std::vector<TDbScript> scripts;
    for (const std::string& name : ResourceNames()) {  // sorted by name
        std::string_view bytes;
        if (name.compare(0, prefix.size(), prefix) == 0 && FindResource(name, bytes))
            scripts.push_back(TDbScript{name, std::string(bytes)});
    }
    return scripts;
}

std::unique_ptr<TCompanyDb> OpenCompanyDb(const std::string& path) {
    return std::make_unique<TSqliteCompanyDb>(path);
}

std::unique_ptr<TCompanyDb> OpenCompanyDb() { return OpenCompanyDb(CompanyDbPath()); }

std::string CompanyDbPath() {
    {
        std::lock_guard<std::mutex> lock(pathMutex);
        if (!pathOverride.empty()) return pathOverride;
    }
    if (const char* env = std::getenv("KWT_COMPANY_DB"); env && *env) return env;
    return (std::filesystem::path(InstallFolder()) / "Data" / "Company.db").string();
}

void SetCompanyDbPath(const std::string& path) {
    std::lock_guard<std::mutex> lock(pathMutex);
    pathOverride = path;
}

}  // namespace kw
