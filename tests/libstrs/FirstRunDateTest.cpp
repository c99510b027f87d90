#include <gtest/gtest.h>

#include "services/LibStrs.h"

namespace kw {
namespace {

// Cycle arrays as the periodic page builds them: counts and days as texts,
// indexes as integers.
Variant EveryDays(const char* days) { return Variant::ArrayOf({0, days}); }
Variant EveryWeeks(const char* weeks, int weekday) {
    return Variant::ArrayOf({1, Variant::ArrayOf({weeks, weekday})});
}
Variant EveryMonthsOnDay(const char* months, const char* day) {
    return Variant::ArrayOf({2, Variant::ArrayOf({0, months, day})});
}
Variant EveryMonthsOnWeekday(const char* months, int occurrence, int weekday) {
    return Variant::ArrayOf({2, Variant::ArrayOf({1, months, occurrence, weekday})});
}
Variant EveryHours(double hours) { return Variant::ArrayOf({3, hours}); }

enum Weekday { Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };
enum Occurrence { First, Second, Third, Fourth, Last };

struct Case {
    const char* name;
    const char* start;
    Variant cycle;
    const char* firstRun;
};

void ExpectFirstRuns(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " from " + c.start);
        EXPECT_EQ(FirstRunDate(c.start, c.cycle), c.firstRun);
    }
}

// 7 January 2004 is a Wednesday; 1 January 2004 a Thursday.
TEST(FirstRunDate, EveryDayStartsOnTheStartDay) {
    ExpectFirstRuns({
        {"daily", "20040107", EveryDays("1"), "20040107"},
        {"every 3 days", "20040229", EveryDays("3"), "20040229"},
    });
}

TEST(FirstRunDate, EveryWeekRunsOnTheWeekdayOfTheStartWeekOrLater) {
    ExpectFirstRuns({
        {"Monday", "20040107", EveryWeeks("1", Monday), "20040112"},
        {"Friday, same week", "20040107", EveryWeeks("1", Friday), "20040109"},
        {"Wednesday, the start day", "20040107", EveryWeeks("1", Wednesday), "20040107"},
        {"Sunday", "20040107", EveryWeeks("1", Sunday), "20040111"},
        {"Saturday", "20040107", EveryWeeks("1", Saturday), "20040110"},
        {"every 2 weeks, Friday", "20040107", EveryWeeks("2", Friday), "20040116"},
        {"every 2 weeks, Monday", "20040107", EveryWeeks("2", Monday), "20040119"},
        {"over the year end", "20041231", EveryWeeks("1", Monday), "20050103"},
    });
}

TEST(FirstRunDate, EveryMonthOnADay) {
    ExpectFirstRuns({
        {"day 31 in February", "20040210", EveryMonthsOnDay("1", "31"), "20040229"},
        {"day 15, later this month", "20040210", EveryMonthsOnDay("1", "15"), "20040215"},
        {"day 10, the start day", "20040210", EveryMonthsOnDay("1", "10"), "20040210"},
        {"day 5, passed", "20040210", EveryMonthsOnDay("1", "5"), "20040305"},
        {"every 3 months, day 5, passed", "20040210", EveryMonthsOnDay("3", "5"), "20040505"},
        {"every 2 months, day 20", "20040210", EveryMonthsOnDay("2", "20"), "20040320"},
        {"day 31 in April", "20040430", EveryMonthsOnDay("1", "31"), "20040430"},
        {"day 30, passed into February", "20040131", EveryMonthsOnDay("1", "30"), "20040229"},
        {"day 5 over the year end", "20041210", EveryMonthsOnDay("1", "5"), "20050105"},
    });
}

TEST(FirstRunDate, EveryMonthOnAnOccurrenceOfAWeekday) {
    ExpectFirstRuns({
        {"first Monday, passed", "20040107", EveryMonthsOnWeekday("1", First, Monday), "20040202"},
        {"first Thursday, the start day", "20040101", EveryMonthsOnWeekday("1", First, Thursday), "20040101"},
        {"second Friday", "20040107", EveryMonthsOnWeekday("1", Second, Friday), "20040109"},
        {"third Tuesday", "20040107", EveryMonthsOnWeekday("1", Third, Tuesday), "20040120"},
        {"fourth Sunday", "20040107", EveryMonthsOnWeekday("1", Fourth, Sunday), "20040125"},
        {"last Saturday", "20040107", EveryMonthsOnWeekday("1", Last, Saturday), "20040131"},
        {"last Monday", "20040107", EveryMonthsOnWeekday("1", Last, Monday), "20040126"},
        {"last Sunday of February", "20040201", EveryMonthsOnWeekday("1", Last, Sunday), "20040229"},
        {"last Friday of February", "20040201", EveryMonthsOnWeekday("1", Last, Friday), "20040227"},
        {"last Monday, passed", "20040130", EveryMonthsOnWeekday("1", Last, Monday), "20040223"},
        {"every 3 months, first Monday", "20040107", EveryMonthsOnWeekday("3", First, Monday), "20040301"},
        {"every 2 months, first Monday", "20040310", EveryMonthsOnWeekday("2", First, Monday), "20040405"},
    });
}

TEST(FirstRunDate, NoDateForHoursUnknownCyclesOrBadInput) {
    ExpectFirstRuns({
        {"every N hours", "20040107", EveryHours(2.5), ""},
        {"unknown kind", "20040107", Variant::ArrayOf({7, "1"}), ""},
        {"unknown month cycle", "20040107", Variant::ArrayOf({2, Variant::ArrayOf({2, "1", "5"})}), ""},
        {"occurrence beyond the last", "20040107", EveryMonthsOnWeekday("1", 5, Monday), ""},
        {"invalid start", "20040230", EveryDays("1"), ""},
        {"empty start", "", EveryWeeks("1", Monday), ""},
        {"no cycle", "20040107", Variant(), ""},
        {"no detail", "20040107", Variant::ArrayOf({1}), ""},
        {"detail not an array", "20040107", Variant::ArrayOf({1, "2"}), ""},
        {"non-numeric week count", "20040107", EveryWeeks("x", Monday), ""},
        {"non-numeric day", "20040107", EveryMonthsOnDay("1", "x"), ""},
        {"beyond the calendar", "99991230", EveryWeeks("1", Monday), ""},
    });
}

}  // namespace
}  // namespace kw
