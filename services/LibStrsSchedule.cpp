// First run date of a periodic schedule.
#include "services/LibStrs.h"

#include "platform/SysUtils.h"
#include "services/LibStrsPrivate.h"

namespace kw {

namespace {

enum CycleKind { EveryDay = 0, EveryWeek = 1, EveryMonth = 2 };
enum MonthCycle { OnDayOfMonth = 0, OnWeekdayOccurrence = 1 };
constexpr int LastOccurrence = 4;

// Every N weeks on a weekday (0 = Sunday): this week's weekday when it is not
// behind the start, otherwise the one N weeks on; every N weeks counts from
// the start's week.
std::string FirstWeeklyRun(double start, int weeks, int weekday) {
    const int target = weekday + 1;  // DayOfWeek numbering, 1 = Sunday
    const int step = target < DayOfWeek(start) ? weeks : weeks - 1;
    const double moved = start + 7.0 * step;
    if (!libstrs::InDateRange(moved)) return {};
    return libstrs::ShiftedDayText(moved, target - DayOfWeek(moved));
}

// Every N months on a day of the month; a month without that day runs on its
// last day.
std::string FirstMonthlyRunOnDay(double start, int months, int dayOfMonth) {
    int year = 0, month = 0, day = 0;
    DecodeDate(start, year, month, day);
    const int step = dayOfMonth >= day ? months - 1 : months;
    const std::string moved = AddToDateText(Variant::FromDate(start), "M", step);
    if (moved.empty()) return {};
    const std::string yearMonth = moved.substr(0, 6);
    const std::string onDay = yearMonth + Format("%.2d", {dayOfMonth});
    if (IsValidDateText(onDay)) return onDay;
    DecodeDate(DateFromYMDText(moved), year, month, day);
    return yearMonth + IntToStr(DaysInMonth(year, month));
}

// Occurrence 0..3 (first to fourth) or 4 (last) of a weekday in the month
// reached by moving start by step months.
std::string WeekdayOccurrence(double start, int step, int occurrence, int weekday) {
    const std::string moved = AddToDateText(Variant::FromDate(start), "M", step);
    if (moved.empty() || occurrence < 0 || occurrence > LastOccurrence) return {};
    const double first = DateFromYMDText(moved.substr(0, 6) + "01");
    const int target = weekday + 1;  // DayOfWeek numbering, 1 = Sunday
    if (occurrence == LastOccurrence) {
        int year = 0, month = 0, day = 0;
        DecodeDate(first, year, month, day);
        const double last = first + DaysInMonth(year, month) - 1;
        const int lastWeekday = DayOfWeek(last);
        const int back = lastWeekday >= target ? lastWeekday - target : 7 - (target - lastWeekday);
        return libstrs::ShiftedDayText(last, -back);
    }
    const int ahead = target - DayOfWeek(first);
    const int weeks = ahead < 0 ? occurrence + 1 : occurrence;
    return libstrs::ShiftedDayText(first, ahead + 7 * weeks);
}

}  // namespace

std::string FirstRunDate(const std::string& startDay, const Variant& cycle) {
    std::string firstRun;
    try {
        const double start = DateFromYMDText(startDay);
        if (start == 0) return {};
        switch (cycle[0].toInt()) {
            case EveryDay:
                firstRun = libstrs::ShiftedDayText(start, 0);
                break;
            case EveryWeek: {
                const Variant& detail = cycle[1];
                firstRun = FirstWeeklyRun(start, detail[0].toInt(), detail[1].toInt());
                break;
            }
            case EveryMonth: {
                const Variant& detail = cycle[1];
                const int months = detail[1].toInt();
                const int monthCycle = detail[0].toInt();
                if (monthCycle == OnDayOfMonth) {
                    firstRun = FirstMonthlyRunOnDay(start, months, detail[2].toInt());
                    break;
                }
                if (monthCycle != OnWeekdayOccurrence) break;
                const int occurrence = detail[2].toInt();
                const int weekday = detail[3].toInt();
                // Try this interval's month first; when its day has already
                // passed, the run is one full interval later.
                firstRun = WeekdayOccurrence(start, months - 1, occurrence, weekday);
                if (firstRun < startDay) firstRun = WeekdayOccurrence(start, months, occurrence, weekday);
                break;
            }
            default:  // every N hours has no first run date of its own
                break;
        }
    } catch (const std::exception&) {
        // The schedule is malformed: the text computed so far stands.
    }
    return firstRun;
}

}  // namespace kw
