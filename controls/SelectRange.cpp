#include "controls/SelectRange.h"

#include "platform/ClassBuilder.h"
#include "platform/SysUtils.h"
#include "services/LibStrs.h"

namespace kw {

KW_DEFINE_ENUM(TSelectStyle, "sp_Range", "sp_Discrete", "sp_UserChoice")
KW_DEFINE_ENUM(TValueType, "vt_String", "vt_Number", "vt_Date", "vt_Time", "vt_Float", "vt_OtherMask")
KW_DEFINE_ENUM(TDateType, "dt_NoneCare", "dt_YYYYMMDD", "dt_MMDDYYYY", "dt_DDMMYYYY", "dt_YYMMDD", "dt_YYYMMDD")
KW_DEFINE_ENUM(TCheckDuplicate, "cd_None", "cd_CheckCase", "cd_CaseInsensitive")

namespace {

// A whole number, or fallback when the text is not one.
int64_t WholeNumber(const std::string& text, int64_t fallback) {
    try {
        return StrToInt64(Trim(text));
    } catch (const EConvertError&) {
        return fallback;
    }
}

int CountOccurrences(const std::string& text, const std::string& sign) {
    int n = 0;
    for (size_t at = AnsiPos(text, sign); at != std::string::npos; at = AnsiPos(text, sign, at + sign.size())) ++n;
    return n;
}

// "12.05" and " 12 . 05" alike become "12.05"; a part that is not a whole
// number counts as 0. Texts without "." stay as they are.
std::string NormalizeFloatText(const std::string& text) {
    const size_t dot = text.find('.');
    if (dot == std::string::npos) return text;
    const std::string wholeText = Trim(text.substr(0, dot));
    const std::string fractionText = Trim(text.substr(dot + 1));
    const int64_t whole = WholeNumber(wholeText, 0);
    const bool negative = whole < 0 || (!wholeText.empty() && wholeText[0] == '-');
    bool digits = !fractionText.empty();
    for (char c : fractionText) digits = digits && c >= '0' && c <= '9';
    return std::string(negative && whole == 0 ? "-" : "") + IntToStr(whole) + "." + (digits ? fractionText : "0");
}

bool StopsExchange(const TRangeRules& rules, const std::string& begin, const std::string& end) {
    if (begin == rules.EmptyMaskText || end == rules.EmptyMaskText) return true;
    return rules.UseDiscard && (Trim(begin) == rules.Discard || Trim(end) == rules.Discard);
}

}  // namespace

int ParseRangeDate(const std::string& text, TDateType type, const std::string& dateSign,
                   const std::string& emptyMaskText) {
    std::string t = Trim(text);
    if (t.empty() || t == Trim(emptyMaskText) || dateSign.empty()) return 0;
    const int signs = CountOccurrences(t, dateSign);
    if (signs == 1) {
        switch (type) {
            case dt_YYYYMMDD:
            case dt_YYMMDD:
            case dt_YYYMMDD: t = t + dateSign + "01"; break;
            case dt_MMDDYYYY: t = t.substr(0, 2) + dateSign + "01" + (t.size() > 2 ? t.substr(2, 5) : ""); break;
            case dt_DDMMYYYY: t = "01" + dateSign + t; break;
            default: return 0;
        }
    } else if (signs != 2) {
        return 0;
    }
    int64_t part[3];
    std::string rest = t;
    for (int64_t& p : part) {
        const size_t at = AnsiPos(rest, dateSign);
        p = WholeNumber(rest.substr(0, at), -1);
        rest = at == std::string::npos ? std::string() : rest.substr(at + dateSign.size());
        if (p == -1) return 0;
    }
    int64_t year, month, day;
    switch (type) {
        case dt_YYYYMMDD: year = part[0], month = part[1], day = part[2]; break;
        case dt_MMDDYYYY: year = part[2], month = part[0], day = part[1]; break;
        case dt_DDMMYYYY: year = part[2], month = part[1], day = part[0]; break;
        case dt_YYMMDD:
        case dt_YYYMMDD: year = part[0] + MinguoYearOffset, month = part[1], day = part[2]; break;
        default: return 0;
    }
    double date;
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31 ||
        !TryEncodeDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day), date))
        return 0;
    // Days counted from 1 January of year 1, which is day 1.
    return static_cast<int>(date - MinDateTime) + 1;
}

bool RangeNeedsExchange(const TRangeRules& rules, const std::string& begin, const std::string& end) {
    if (begin.empty() || end.empty()) return false;
    switch (rules.ValueType) {
        case vt_String:
        case vt_Time:
            return !StopsExchange(rules, begin, end) && begin > end;
        case vt_Number:
            return WholeNumber(begin, 0) > WholeNumber(end, 0);
        case vt_Date:
            if (!rules.AutoChangeDateSite || StopsExchange(rules, begin, end)) return false;
            if (rules.DateType == dt_NoneCare) return begin > end;
            return ParseRangeDate(begin, rules.DateType, rules.DateSign, rules.EmptyMaskText) >
                   ParseRangeDate(end, rules.DateType, rules.DateSign, rules.EmptyMaskText);
        case vt_Float:
            return TextToFloatDef(NormalizeFloatText(begin), 0) > TextToFloatDef(NormalizeFloatText(end), 0);
        case vt_OtherMask:
            return false;
    }
    return false;
}

int CompareRows(const std::vector<std::string>& a, const std::vector<std::string>& b, int sortColumn,
                bool ascending) {
    auto cell = [](const std::vector<std::string>& row, int column) -> std::string {
        return column >= 0 && column < static_cast<int>(row.size()) ? row[column] : std::string();
    };
    return CompareRowsBy(a, b, cell, sortColumn, ascending);
}

}  // namespace kw
