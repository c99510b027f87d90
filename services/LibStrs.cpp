// Text routines of LibStrs: delimited fields, replacement, counted lists,
// dialog captions, number reading and small variant helpers.
#include "services/LibStrs.h"

#include <cctype>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "platform/CodePage.h"
#include "platform/FilePaths.h"
#include "platform/SysUtils.h"
#include "platform/SystemInfo.h"
#include "services/LibStrsPrivate.h"

namespace kw {


std::string GetDelimitedField(const std::string& text, const std::string& delimiter, int n) {
    if (n < 1) return {};
    size_t start = 0;
    size_t fieldStart = 0;
    size_t fieldEnd = 0;
    int taken = 0;
    while (taken < n && start < text.size()) {
        const size_t found = AnsiPos(text, delimiter, start);
        fieldStart = start;
        ++taken;
        if (found == std::string::npos) {
            fieldEnd = text.size();
            break;
        }
        fieldEnd = found;
        start = found + delimiter.size();
    }
    if (taken < n) return {};
    return text.substr(fieldStart, fieldEnd - fieldStart);
}

int CountDelimitedFields(const std::string& text, const std::string& delimiter) {
    if (text.empty()) return 0;
    // Each occurrence counts once; the next search starts one byte after the
    // start of the previous one, so overlapping occurrences count as well.
    int count = 1;
    for (size_t found = AnsiPos(text, delimiter); found != std::string::npos;
         found = AnsiPos(text, delimiter, found + 1)) {
        ++count;
    }
    return count;
}

std::string SplitFirstField(std::string& text, const std::string& delimiter) {
    const size_t found = AnsiPos(text, delimiter);
    std::string first;
    if (found == std::string::npos) {
        first.swap(text);
    } else {
        first = text.substr(0, found);
        text.erase(0, found + delimiter.size());
    }
    return first;
}

std::string ReplaceAllText(const std::string& text, const std::string& searched,
                           const std::string& replacement, bool trim) {
    std::string result = text;
    if (!searched.empty() && !SameText(searched, replacement)) {
        if (AnsiPos(replacement, searched) == std::string::npos) {
            // Search again from the start: a removal may join two halves into
            // a new occurrence, which goes as well.
            for (size_t found = AnsiPos(result, searched); found != std::string::npos;
                 found = AnsiPos(result, searched)) {
                result.replace(found, searched.size(), replacement);
            }
        } else {
            // The replacement brings the searched text back; searching from
            // the start again would never end, so replace each occurrence once.
            for (size_t found = AnsiPos(result, searched); found != std::string::npos;
                 found = AnsiPos(result, searched, found + replacement.size())) {
                result.replace(found, searched.size(), replacement);
            }
        }
    }
    return trim ? Trim(result) : result;
}

std::u16string JoinCountedList(const std::string& prefix, const Variant& countedList) {
    constexpr char16_t separator = RuleFieldSeparator;
    try {
        const int count = countedList[0].toInt();
        std::u16string joined = MultiByteToWide(prefix, CP_ACP);
        joined += separator;
        joined += Utf8ToWide(IntToStr(count));
        joined += separator;
        for (int index = 1; index <= count; ++index) {
            joined += VarToWideStr(countedList[index]);
            joined += separator;
        }
        return joined;
    } catch (const std::exception&) {
        return {};
    }
}

std::string DialogButtonCaption(const std::string& buttonName) {
    struct Caption {
        const char* name;
        const char* caption;  // UTF-8
    };
    static constexpr Caption captions[] = {
        {"Yes", "是(&Y)"},      {"No", "否(&N)"},       {"OK", "确定"},
        {"Cancel", "取消"},     {"Abort", "中断(&A)"},  {"Retry", "重试(&R)"},
        {"Ignore", "忽略(&I)"}, {"All", "全部(&A)"},    {"NoToAll", "全否(&o)"},
        {"YesToAll", "全是(&A)"}, {"Help", "帮助(&H)"},
    };
    for (const Caption& entry : captions) {
        if (buttonName == entry.name) return DesignText(entry.caption);
    }
    return buttonName;
}

double TextToFloatDef(const std::string& text, double fallback) {
    const char* const first = text.data();
    const char* const last = first + text.size();
    const char* digits = first;
    if (digits != last && (*digits == '+' || *digits == '-')) ++digits;
    // Only decimal numbers: no "inf", "nan" or a second sign.
    if (digits == last || !(std::isdigit(static_cast<unsigned char>(*digits)) || *digits == '.')) {
        return fallback;
    }
    double value = 0;
    const char* const parseFrom = *first == '+' ? digits : first;  // from_chars takes no '+'
    const auto [end, error] = std::from_chars(parseFrom, last, value, std::chars_format::general);
    if (error != std::errc() || end != last) return fallback;
    return value;
}

Variant VariantIfThen(bool flag, const Variant& ifTrue, const Variant& ifFalse) {
    return flag ? ifTrue : ifFalse;
}

bool IsEmptyOrNull(const Variant& value) { return VarIsEmptyOrNull(value); }

bool IsLoopbackAddress(const std::string& address) { return address == "127.0.0.1"; }

std::string LongTempFolder() {
    constexpr size_t MaxPathLength = 260;
    const std::string temp = TempFolder();
    if (temp.size() > MaxPathLength) return {};
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(temp, error);
    if (error) return {};
    return IncludeTrailingPathDelimiter(resolved.string());
}

}  // namespace kw
