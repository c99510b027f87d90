#include "platform/FilePaths.h"

#include <filesystem>
#include <system_error>

namespace kw {

namespace {

bool IsDriveLetterPath(const std::string& path)
{
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// Index just after the last separator or drive colon; 0 when there is none.
size_t NameStart(const std::string& path)
{
    size_t pos = path.find_last_of("\\/");
    if (pos != std::string::npos)
        return pos + 1;
    return IsDriveLetterPath(path) ? 2 : 0;
}

}  // namespace

bool IsPathDelimiter(char c)
{
    return c == '\\' || c == '/';
}

std::string NormalisePath(const std::string& path)
{
    std::string result;
    result.reserve(path.size());
    for (char c : path) {
        if (IsPathDelimiter(c)) {
            if (!result.empty() && result.back() == '/')
                continue;
            c = '/';
        }
        result += c;
    }
    return result;
}

std::string ExtractFileDrive(const std::string& path)
{
    if (IsDriveLetterPath(path))
        return path.substr(0, 2);
    if (path.size() > 2 && IsPathDelimiter(path[0]) && IsPathDelimiter(path[1])) {
        size_t server = path.find_first_of("\\/", 2);
        if (server == std::string::npos || server == 2)
            return "";
        size_t share = path.find_first_of("\\/", server + 1);
        if (share == server + 1)
            return "";
        return path.substr(0, share);
    }
    return "";
}

std::string ExtractFilePath(const std::string& path)
{
    return path.substr(0, NameStart(path));
}

std::string ExtractFileName(const std::string& path)
{
    return path.substr(NameStart(path));
}

std::string ExtractFileExt(const std::string& path)
{
    size_t start = NameStart(path);
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < start)
        return "";
    return path.substr(dot);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext)
{
    size_t start = NameStart(path);
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < start)
        return path + ext;
    return path.substr(0, dot) + ext;
}

std::string IncludeTrailingPathDelimiter(const std::string& path)
{
    if (!path.empty() && IsPathDelimiter(path.back()))
        return path;
    bool slashStyle = path.find('/') != std::string::npos && path.find('\\') == std::string::npos;
    return path + (slashStyle ? '/' : '\\');
}

std::string ExcludeTrailingPathDelimiter(const std::string& path)
{
    if (!path.empty() && IsPathDelimiter(path.back()))
        return path.substr(0, path.size() - 1);
    return path;
}

bool ForceDirectories(const std::string& folder)
{
    if (folder.empty())
        return false;
    std::error_code ec;
    const std::filesystem::path target(NormalisePath(folder));
    std::filesystem::create_directories(target, ec);
    return std::filesystem::is_directory(target, ec);
}

bool FileExists(const std::string& fileName)
{
    std::error_code ec;
    auto status = std::filesystem::status(NormalisePath(fileName), ec);
    return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

bool DirectoryExists(const std::string& folder)
{
    std::error_code ec;
    return !folder.empty() && std::filesystem::is_directory(NormalisePath(folder), ec);
}

}  // namespace kw
