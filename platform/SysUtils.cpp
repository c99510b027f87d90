#include "platform/SysUtils.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/CodePage.h"

namespace kw {

TFormatSettings& FormatSettings() {
    static TFormatSettings settings;
    return settings;
}

// ---- Text helpers ------------------------------------------------------

std::string TrimLeft(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    return text.substr(i);
}

std::string TrimRight(const std::string& text) {
    size_t n = text.size();
    while (n > 0 && static_cast<unsigned char>(text[n - 1]) <= ' ') --n;
    return text.substr(0, n);
}

std::string Trim(const std::string& text) { return TrimRight(TrimLeft(text)); }

std::string UpperCase(const std::string& text) {
    std::string out = text;
    for (auto& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string LowerCase(const std::string& text) {
    std::string out = text;
    for (auto& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

int CompareText(const std::string& a, const std::string& b) {
    // Byte by byte with ASCII letters folded to upper case; no copies.
    const auto fold = [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 'a' && u <= 'z' ? static_cast<unsigned char>(u - 'a' + 'A') : u;
    };
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = fold(a[i]), y = fold(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

namespace {

bool hasLeadBytes(int codePage) { return codePage == CP_GBK || codePage == CP_BIG5; }

// Lead bytes of the double-byte code pages in use (GBK and Big5 alike).
bool isLeadByte(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0x81 && value <= 0xFE;
}

}  // namespace

size_t AnsiPos(const std::string& text, const std::string& needle, size_t from) {
    if (needle.empty() || needle.size() > text.size()) return std::string::npos;
    if (!hasLeadBytes(SystemCodePage())) return text.find(needle, from);
    const size_t last = text.size() - needle.size();
    for (size_t pos = from; pos <= last;) {
        if (text[pos] == needle[0] && text.compare(pos, needle.size(), needle) == 0) return pos;
        pos += (isLeadByte(text[pos]) && pos + 1 < text.size()) ? 2 : 1;
    }
    return std::string::npos;
}

size_t AnsiCharLength(const std::string& text, size_t pos) {
    if (pos >= text.size()) return 0;
    if (pos + 1 < text.size() && hasLeadBytes(SystemCodePage()) && isLeadByte(text[pos])) return 2;
    return 1;
}

std::string StringReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) return text;
    std::string out;
    size_t pos = 0;
    for (size_t hit; (hit = text.find(from, pos)) != std::string::npos; pos = hit + from.size())
        out.append(text, pos, hit - pos).append(to);
    return out.append(text, pos);
}

// ---- Numbers -----------------------------------------------------------

std::string IntToStr(int64_t value) { return std::to_string(value); }

std::string IntToHex(int64_t value, int digits) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*llX", digits, static_cast<unsigned long long>(value));
    return buffer;
}

int64_t StrToInt64(const std::string& text) {
    const std::string t = Trim(text);
    int64_t value = 0;
    const char* begin = t.data();
    const char* end = t.data() + t.size();
    if (begin != end && *begin == '+') ++begin;
    int base = 10;
    if (begin != end && *begin == '$') {
        base = 16;
        ++begin;
    } else if (end - begin > 2 && begin[0] == '0' && (begin[1] == 'x' || begin[1] == 'X')) {
        base = 16;
        begin += 2;
    }
    auto [ptr, ec] = std::from_chars(begin, end, value, base);
    if (t.empty() || ec != std::errc() || ptr != end) throw EConvertError("'" + text + "' is not a valid integer value");
    return value;
}

int StrToInt(const std::string& text) {
    const int64_t value = StrToInt64(text);
    if (value < INT32_MIN || value > INT32_MAX) throw EConvertError("'" + text + "' is not a valid integer value");
    return static_cast<int>(value);
}

bool TryStrToInt(const std::string& text, int& value) {
    try {
        value = StrToInt(text);
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}

int StrToIntDef(const std::string& text, int fallback) {
    int value;
    return TryStrToInt(text, value) ? value : fallback;
}

bool TryStrToFloat(const std::string& text, double& value) {
    std::string t = Trim(text);
    if (t.empty()) return false;
    const char sep = FormatSettings().DecimalSeparator;
    for (auto& c : t) {
        if (c == sep) c = '.';
        else if (c == '.' && sep != '.') return false;
    }
    if (t[0] == '+') t.erase(0, 1);
    for (char c : t)
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == 'e' || c == 'E' || c == '+'))
            return false;
    auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    return ec == std::errc() && ptr == t.data() + t.size();
}

double StrToFloat(const std::string& text) {
    double value;
    if (!TryStrToFloat(text, value)) throw EConvertError("'" + text + "' is not a valid floating point value");
    return value;
}

std::string FloatToStr(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0) return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);  // 15 significant digits
    std::string s = buffer;
    const size_t ePos = s.find('e');
    const int exponent = std::atoi(s.c_str() + ePos + 1);
    std::string digits;
    for (size_t i = 0; i < ePos; ++i)
        if (std::isdigit(static_cast<unsigned char>(s[i]))) digits += s[i];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const std::string sign = value < 0 ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        std::string mantissa = digits.substr(0, 1);
        if (digits.size() > 1) mantissa += FormatSettings().DecimalSeparator + digits.substr(1);
        return sign + mantissa + "E" + std::to_string(exponent);
    }
    std::string out;
    if (exponent < 0) {
        out = "0";
        out += FormatSettings().DecimalSeparator;
        out += std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    } else {
        const size_t intDigits = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            out = digits + std::string(intDigits - digits.size(), '0');
        } else {
            out = digits.substr(0, intDigits) + FormatSettings().DecimalSeparator + digits.substr(intDigits);
        }
    }
    return sign + out;
}

// ---- Format ------------------------------------------------------------

namespace {

[[noreturn]] void formatError(const std::string& format) {
    throw EConvertError("Format '" + format + "' invalid or incompatible with argument");
}

bool isIntegerKind(const Variant& v) { return v.type() == VarType::Int32 || v.type() == VarType::Int64; }
bool isFloatKind(const Variant& v) { return v.type() == VarType::Double || v.type() == VarType::Date; }

std::string groupThousands(const std::string& fixed) {
    const size_t start = (!fixed.empty() && fixed[0] == '-') ? 1 : 0;
    size_t end = fixed.find('.');
    if (end == std::string::npos) end = fixed.size();
    std::string out = fixed.substr(0, start);
    for (size_t i = start; i < end; ++i) {
        out += fixed[i];
        const size_t remaining = end - i - 1;
        if (remaining > 0 && remaining % 3 == 0) out += ',';
    }
    return out + fixed.substr(end);
}

std::string formatFloat(char kind, int precision, double value) {
    char buffer[512];
    switch (kind) {
        case 'f':
        case 'n':
            std::snprintf(buffer, sizeof buffer, "%.*f", precision < 0 ? 2 : std::min(precision, 18), value);
            return kind == 'n' ? groupThousands(buffer) : buffer;
        case 'e': {
            const int digits = precision < 0 ? 15 : std::clamp(precision, 1, 18);
            std::snprintf(buffer, sizeof buffer, "%.*E", digits - 1, value);
            std::string s = buffer;  // d.dddE+xx -> d.dddE+0xx (three exponent digits)
            const size_t e = s.find('E');
            std::string exponent = s.substr(e + 2);
            while (exponent.size() < 3) exponent = "0" + exponent;
            return s.substr(0, e + 2) + exponent;
        }
        default: {  // 'g'
            if (precision < 0 || precision >= 15) return FloatToStr(value);
            std::snprintf(buffer, sizeof buffer, "%.*G", std::max(precision, 1), value);
            return buffer;
        }
    }
}

}  // namespace

std::string Format(const std::string& format, const std::vector<Variant>& args) {
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (++i >= format.size()) formatError(format);
        if (format[i] == '%') {
            out += '%';
            continue;
        }
        auto takeArg = [&]() -> const Variant& {
            if (next >= args.size()) formatError(format);
            return args[next++];
        };
        auto readNumber = [&](int& target) {
            if (format[i] == '*') {
                const Variant& v = takeArg();
                if (!isIntegerKind(v)) formatError(format);
                target = v.toInt();
                ++i;
                return;
            }
            int n = 0;
            bool any = false;
            while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) {
                n = n * 10 + (format[i++] - '0');
                any = true;
            }
            if (any) target = n;
        };
        // Optional argument index "n:".
        {
            size_t j = i;
            int index = 0;
            bool any = false;
            while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j]))) {
                index = index * 10 + (format[j++] - '0');
                any = true;
            }
            if (any && j < format.size() && format[j] == ':') {
                next = static_cast<size_t>(index);
                i = j + 1;
            }
        }
        bool left = false;
        if (i < format.size() && format[i] == '-') {
            left = true;
            ++i;
        }
        int width = -1, precision = -1;
        if (i < format.size()) readNumber(width);
        if (i < format.size() && format[i] == '.') {
            ++i;
            precision = 0;
            if (i < format.size()) readNumber(precision);
        }
        if (i >= format.size()) formatError(format);
        const char kind = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i])));
        const bool upperHex = format[i] == 'X';
        const Variant& arg = takeArg();
        std::string piece;
        switch (kind) {
            case 'd':
            case 'u': {
                if (!isIntegerKind(arg)) formatError(format);
                int64_t value = arg.toInt64();
                if (kind == 'u' && value < 0) value = static_cast<int64_t>(static_cast<uint32_t>(value));
                std::string digits = std::to_string(value < 0 ? -value : value);
                if (precision > 0 && static_cast<int>(digits.size()) < precision)
                    digits = std::string(static_cast<size_t>(precision) - digits.size(), '0') + digits;
                piece = (value < 0 ? "-" : "") + digits;
                break;
            }
            case 'x': {
                if (!isIntegerKind(arg)) formatError(format);
                char buffer[32];
                const auto value = static_cast<unsigned long long>(arg.type() == VarType::Int32
                                                                        ? static_cast<uint32_t>(arg.toInt())
                                                                        : static_cast<uint64_t>(arg.toInt64()));
                std::snprintf(buffer, sizeof buffer, upperHex ? "%llX" : "%llx", value);
                piece = buffer;
                if (precision > 0 && static_cast<int>(piece.size()) < precision)
                    piece = std::string(static_cast<size_t>(precision) - piece.size(), '0') + piece;
                break;
            }
            case 'f':
            case 'e':
            case 'g':
            case 'n':
                if (!isFloatKind(arg)) formatError(format);
                piece = formatFloat(kind, precision, arg.toDouble());
                break;
            case 's':
                if (!arg.isText()) formatError(format);
                piece = arg.toString();
                if (precision >= 0 && static_cast<int>(piece.size()) > precision)
                    piece.resize(static_cast<size_t>(precision));
                break;
            default: formatError(format);
        }
        if (width > static_cast<int>(piece.size())) {
            const std::string pad(static_cast<size_t>(width) - piece.size(), ' ');
            piece = left ? piece + pad : pad + piece;
        }
        out += piece;
    }
    return out;
}

// ---- Dates -------------------------------------------------------------

namespace {

// Days from 0001-01-01 style civil calendar (proleptic Gregorian) to the
// platform's day count (day 0 = 1899-12-30).
int64_t daysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;  // days since 1970-01-01
}

constexpr int64_t kUnixEpochDay = 25569;  // 1970-01-01 in the platform's count

void civilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t y = yoe + era * 400;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

const char* const kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kLongMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
const char* const kShortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kLongDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string pad(int value, int width) {
    std::string s = std::to_string(value);
    return s.size() < static_cast<size_t>(width) ? std::string(static_cast<size_t>(width) - s.size(), '0') + s : s;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInAMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInAMonth(year, month);
}

bool TryEncodeDate(int year, int month, int day, double& date) {
    if (!IsValidDate(year, month, day)) return false;
    date = static_cast<double>(daysFromCivil(year, month, day) + kUnixEpochDay);
    return true;
}

double EncodeDate(int year, int month, int day) {
    double date;
    if (!TryEncodeDate(year, month, day, date)) throw EConvertError("Invalid argument to date encode");
    return date;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, double& time) {
    if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999) return false;
    time = (hour * 3600000.0 + min * 60000.0 + sec * 1000.0 + msec) / 86400000.0;
    return true;
}

double EncodeTime(int hour, int min, int sec, int msec) {
    double time;
    if (!TryEncodeTime(hour, min, sec, msec, time)) throw EConvertError("Invalid argument to time encode");
    return time;
}

void DecodeDate(double date, int& year, int& month, int& day) {
    civilFromDays(static_cast<int64_t>(std::trunc(date)) - kUnixEpochDay, year, month, day);
}

void DecodeTime(double time, int& hour, int& min, int& sec, int& msec) {
    const double fraction = std::fabs(time - std::trunc(time));
    int64_t ms = static_cast<int64_t>(std::llround(fraction * 86400000.0));
    if (ms >= 86400000) ms = 86399999;
    hour = static_cast<int>(ms / 3600000);
    min = static_cast<int>(ms / 60000 % 60);
    sec = static_cast<int>(ms / 1000 % 60);
    msec = static_cast<int>(ms % 1000);
}

int DayOfWeek(double date) {
    // 1899-12-30 was a Saturday (7).
    const int64_t days = static_cast<int64_t>(std::trunc(date));
    return static_cast<int>(((days - 1) % 7 + 7) % 7) + 1;
}

double Now() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const int ms = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           EncodeTime(local.tm_hour, local.tm_min, local.tm_sec, ms);
}

double Date() { return std::trunc(Now()); }

double IncMonth(double date, int months) {
    int y, m, d;
    DecodeDate(date, y, m, d);
    int64_t total = static_cast<int64_t>(y) * 12 + (m - 1) + months;
    y = static_cast<int>(total / 12);
    m = static_cast<int>(total % 12) + 1;
    d = std::min(d, DaysInAMonth(y, m));
    double result;
    if (!TryEncodeDate(y, m, d, result)) throw EConvertError("Invalid argument to date encode");
    return result + (date - std::trunc(date));
}

std::string FormatDateTime(const std::string& format, double dateTime) {
    const auto& settings = FormatSettings();
    int year, month, day, hour, min, sec, msec;
    DecodeDate(dateTime, year, month, day);
    DecodeTime(dateTime, hour, min, sec, msec);
    std::string out;
    bool lastWasHour = false;
    for (size_t i = 0; i < format.size();) {
        const char c = format[i];
        const char lc = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        size_t run = 1;
        while (i + run < format.size() && std::tolower(static_cast<unsigned char>(format[i + run])) == lc) ++run;
        if (c == '"' || c == '\'') {
            const size_t close = format.find(c, i + 1);
            const size_t stop = close == std::string::npos ? format.size() : close;
            out += format.substr(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        switch (lc) {
            case 'y': out += run <= 2 ? pad(year % 100, 2) : pad(year, 4); break;
            case 'm':
                if (lastWasHour && run <= 2) {
                    out += pad(min, run == 2 ? 2 : 1);
                } else if (run >= 4) {
                    out += kLongMonths[month - 1];
                } else if (run == 3) {
                    out += kShortMonths[month - 1];
                } else {
                    out += pad(month, static_cast<int>(run));
                }
                break;
            case 'd':
                if (run >= 4) out += kLongDays[DayOfWeek(dateTime) - 1];
                else if (run == 3) out += kShortDays[DayOfWeek(dateTime) - 1];
                else out += pad(day, static_cast<int>(run));
                break;
            case 'h': out += pad(hour, run >= 2 ? 2 : 1); break;
            case 'n': out += pad(min, run >= 2 ? 2 : 1); break;
            case 's': out += pad(sec, run >= 2 ? 2 : 1); break;
            case 'z': out += pad(msec, run >= 3 ? 3 : 1); break;
            case 'c': {
                out += FormatDateTime(settings.ShortDateFormat, dateTime);
                if (dateTime != std::trunc(dateTime)) out += " " + FormatDateTime(settings.LongTimeFormat, dateTime);
                break;
            }
            case '/': out += std::string(run, settings.DateSeparator); break;
            case ':': out += std::string(run, settings.TimeSeparator); break;
            default: out += format.substr(i, run); break;
        }
        if (lc == 'h') lastWasHour = true;
        else if (lc == 'y' || lc == 'm' || lc == 'd' || lc == 'n' || lc == 's') lastWasHour = false;
        i += run;
    }
    return out;
}

std::string DateToStr(double date) { return FormatDateTime(FormatSettings().ShortDateFormat, date); }

std::string DateTimeToStr(double dateTime) {
    const auto& settings = FormatSettings();
    const double datePart = std::trunc(dateTime);
    if (dateTime == datePart) return FormatDateTime(settings.ShortDateFormat, dateTime);
    if (datePart == 0) return FormatDateTime(settings.LongTimeFormat, dateTime);
    return FormatDateTime(settings.ShortDateFormat + " " + settings.LongTimeFormat, dateTime);
}

bool TryStrToDateTime(const std::string& text, double& value) {
    const auto& settings = FormatSettings();
    const std::string t = Trim(text);
    if (t.empty()) return false;
    // Order of year, month and day in the short date format.
    std::string order;
    for (char c : LowerCase(settings.ShortDateFormat))
        if ((c == 'y' || c == 'm' || c == 'd') && order.find(c) == std::string::npos) order += c;
    if (order.size() != 3) order = "ymd";

    size_t pos = 0;
    auto readInt = [&](int& target, size_t maxDigits) {
        size_t start = pos;
        int n = 0;
        while (pos < t.size() && pos - start < maxDigits && std::isdigit(static_cast<unsigned char>(t[pos])))
            n = n * 10 + (t[pos++] - '0');
        target = n;
        return pos - start;
    };
    int parts[3] = {0, 0, 0};
    size_t yearDigits = 4;
    double date = 0;
    const bool hasDate = t.find(settings.DateSeparator) != std::string::npos;
    if (hasDate) {
        for (int k = 0; k < 3; ++k) {
            const size_t digits = readInt(parts[k], 4);
            if (digits == 0) return false;
            if (order[k] == 'y') yearDigits = digits;
            if (k < 2) {
                if (pos >= t.size() || t[pos] != settings.DateSeparator) return false;
                ++pos;
            }
        }
        int y = 0, m = 0, d = 0;
        for (int k = 0; k < 3; ++k) (order[k] == 'y' ? y : order[k] == 'm' ? m : d) = parts[k];
        if (yearDigits <= 2) {
            int currentYear, cm, cd;
            DecodeDate(Date(), currentYear, cm, cd);
            y += (currentYear / 100) * 100;
            if (y > currentYear + 50) y -= 100;
        }
        if (!TryEncodeDate(y, m, d, date)) return false;
        while (pos < t.size() && t[pos] == ' ') ++pos;
    }
    double time = 0;
    if (pos < t.size()) {
        int h = 0, n = 0, s = 0, z = 0;
        if (readInt(h, 2) == 0) return false;
        if (pos >= t.size() || t[pos] != settings.TimeSeparator) return false;
        ++pos;
        if (readInt(n, 2) == 0) return false;
        if (pos < t.size() && t[pos] == settings.TimeSeparator) {
            ++pos;
            if (readInt(s, 2) == 0) return false;
            if (pos < t.size() && (t[pos] == '.' || t[pos] == settings.TimeSeparator)) {
                ++pos;
                if (readInt(z, 3) == 0) return false;
            }
        }
        if (pos != t.size() || !TryEncodeTime(h, n, s, z, time)) return false;
    } else if (!hasDate) {
        return false;
    }
    value = date + time;
    return true;
}

double StrToDateTime(const std::string& text) {
    double value;
    if (!TryStrToDateTime(text, value)) throw EConvertError("'" + text + "' is not a valid date and time");
    return value;
}

}  // namespace kw
