// Dynamic date rules: date conditions that move with the day a job runs.
#include "services/LibStrs.h"

#include <vector>

#include "platform/SysUtils.h"
#include "services/LibStrsPrivate.h"

namespace kw {

namespace {

const std::string RuleSeparator(1, RuleFieldSeparator);

// The fields of a rule, numbered from 1; a missing field is "".
class RuleFields {
public:
    explicit RuleFields(std::string rule) {
        while (!rule.empty()) fields_.push_back(SplitFirstField(rule, RuleSeparator));
    }
    const std::string& operator()(size_t number) const {
        static const std::string missing;
        return number >= 1 && number <= fields_.size() ? fields_[number - 1] : missing;
    }

private:
    std::vector<std::string> fields_;
};

// The run day, or its year-month unless the rule asks for the full day ("D").
std::string RuleBase(const std::string& runDay, const std::string& dayMarker) {
    return dayMarker == "D" ? runDay : runDay.substr(0, 6);
}

// The rule part whose count field is first (count, unit, sub-mode, day
// offset) applied to base. A part of all zeros means the base itself. Raises
// EConvertError for a non-numeric count or offset.
std::string MovedDate(const std::string& base, const RuleFields& fields, size_t first) {
    const std::string& count = fields(first);
    const std::string& unit = fields(first + 1);
    const std::string& subMode = fields(first + 2);
    const std::string& dayOffset = fields(first + 3);
    if (count == "0" && subMode == "0" && dayOffset == "0") return base;
    return ResolveDynamicDate(base, StrToInt(count), unit, subMode, StrToInt(dayOffset));
}

std::string ShiftedDayText(const std::string& dayText, int64_t days) {
    return libstrs::ShiftedDayText(DateFromYMDText(dayText), static_cast<double>(days));
}

}  // namespace

Variant ApplyDynamicDates(const Variant& ruleList, const std::string& runDay) {
    try {
        Variant values = ruleList[1];
        const Variant& rules = ruleList[3];
        const int ruleCount = rules[0].toInt();
        for (int i = 1; i <= ruleCount; ++i) {
            const RuleFields fields(VarToStr(rules[i]));
            if (fields(1) != "0") {  // a single date
                const std::string base = RuleBase(runDay, fields(8));
                Variant& value = values[StrToInt(fields(9))];
                if (fields(3) == "Y") value = Variant(MovedDate(base, fields, 4));
            } else {  // a range [1] start, [2] end
                const std::string base = RuleBase(runDay, fields(13));
                Variant& range = values[StrToInt(fields(14))];
                if (fields(3) == "Y") range[1] = Variant(MovedDate(base, fields, 4));
                if (fields(8) == "Y") range[2] = Variant(MovedDate(base, fields, 9));
            }
        }
        return values;
    } catch (const std::exception&) {
        return Variant(std::string());
    }
}

std::string ResolveDynamicDate(const std::string& base, int count, const std::string& unit,
                               const std::string& subMode, int dayOffset) {
    try {
        if (base.size() < 7) {  // a year-month moves by months only
            return AddToDateText(Variant(base + "01"), "M", count).substr(0, 6);
        }
        if (unit != "0") {  // months
            const std::string moved = AddToDateText(Variant(base), "M", count);
            if (moved.empty()) return {};
            if (subMode == "0") return ShiftedDayText(moved, dayOffset);
            if (subMode == "1") return moved.substr(0, 6) + "01";
            if (subMode == "2") {
                int year = 0, month = 0, day = 0;
                DecodeDate(DateFromYMDText(moved), year, month, day);
                return moved.substr(0, 6) + IntToStr(DaysInMonth(year, month));
            }
            return moved;
        }
        if (subMode != "0") return WeekEdgeDate(base, count, subMode);
        return ShiftedDayText(base, int64_t{count} * 7 + dayOffset);
    } catch (const std::exception&) {
        return {};
    }
}

std::string WeekEdgeDate(const std::string& base, int count, const std::string& mode) {
    const double moved = DateFromYMDText(ShiftedDayText(base, int64_t{count} * 7));
    if (moved == 0) return {};
    const int weekday = DayOfWeek(moved);  // 1 = Sunday .. 7 = Saturday
    return libstrs::ShiftedDayText(moved, mode == "1" ? 1 - weekday : 7 - weekday);
}

}  // namespace kw
