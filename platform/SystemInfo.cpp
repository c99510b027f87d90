#include "platform/SystemInfo.h"

#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cctype>
#include <climits>
#include <cstdlib>

#include "platform/SysUtils.h"

namespace kw {

namespace {

constexpr size_t kMaxComputerNameLength = 15;

// Leading decimal number of text at pos; pos moves past it. -1 when none.
long ReadNumber(const std::string& text, size_t& pos)
{
    if (pos >= text.size() || !std::isdigit(static_cast<unsigned char>(text[pos])))
        return -1;
    long value = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) && value < 100000000)
        value = value * 10 + (text[pos++] - '0');
    return value;
}

}  // namespace

std::string TempFolder()
{
    const char* folder = std::getenv("TMPDIR");
    if (!folder || !*folder)
        return "/tmp/";
    std::string result = folder;
    return result.back() == '/' ? result : result + '/';
}

std::string ComputerName()
{
    char host[HOST_NAME_MAX + 1] = {};
    if (gethostname(host, sizeof host - 1) != 0)
        return "";
    std::string name = host;
    name = name.substr(0, name.find('.'));
    return UpperCase(name.substr(0, kMaxComputerNameLength));
}

std::string LogonUserName()
{
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_name && *entry->pw_name)
        return entry->pw_name;
    for (const char* variable : {"USER", "LOGNAME"}) {
        if (const char* value = std::getenv(variable); value && *value)
            return value;
    }
    return "";
}

std::string OsVersionText()
{
    utsname info{};
    if (uname(&info) != 0)
        return "";
    const std::string release = info.release;
    long parts[3] = {0, 0, 0};
    size_t pos = 0;
    for (int i = 0; i < 3; ++i) {
        long value = ReadNumber(release, pos);
        if (value < 0) {
            if (i == 0)
                return "";
            break;
        }
        parts[i] = value;
        if (pos >= release.size() || release[pos] != '.')
            break;
        ++pos;
    }
    return std::to_string(parts[0]) + "." + std::to_string(parts[1]) + "." + std::to_string(parts[2]);
}

}  // namespace kw
