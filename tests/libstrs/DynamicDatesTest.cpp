#include <gtest/gtest.h>

#include <initializer_list>

#include "services/LibStrs.h"

namespace kw {
namespace {

std::string Rule(std::initializer_list<const char*> fields) {
    std::string rule;
    for (const char* field : fields) {
        if (!rule.empty()) rule += RuleFieldSeparator;
        rule += field;
    }
    return rule;
}

// A movable single date: fields 3..8, then the condition index.
std::string SingleRule(const char* moves, const char* count, const char* unit, const char* subMode,
                       const char* days, const char* base, const char* index) {
    return Rule({"1", "edDate", moves, count, unit, subMode, days, base, index});
}

std::string RangeRule(const char* startMoves, std::initializer_list<const char*> start, const char* endMoves,
                      std::initializer_list<const char*> end, const char* index) {
    std::string rule = Rule({"0", "spDate", startMoves});
    for (const char* field : start) rule += RuleFieldSeparator + std::string(field);
    rule += RuleFieldSeparator + std::string(endMoves);
    for (const char* field : end) rule += RuleFieldSeparator + std::string(field);
    return rule + RuleFieldSeparator + "D" + RuleFieldSeparator + index;
}

// The rule list [1] values, [2] schedule, [3] rules ([0] count, [1..n]).
Variant RuleList(const Variant& values, const std::vector<std::string>& rules) {
    Variant ruleArray = Variant::Array(0, static_cast<int>(rules.size()));
    ruleArray[0] = static_cast<int>(rules.size());
    for (size_t i = 0; i < rules.size(); ++i) ruleArray[static_cast<int>(i) + 1] = rules[i];
    return Variant::ArrayOf(1, {values, Variant::ArrayOf({"Y", "08:00"}), ruleArray});
}

// Condition values [1..3]: a text, a date, a range.
Variant ConditionValues() {
    return Variant::ArrayOf(1, {"A001", "20000101", Variant::ArrayOf(1, {"20000101", "20001231"})});
}

// 7 January 2004 is a Wednesday.
const std::string RunDay = "20040107";

TEST(DynamicDates, SingleRuleMovesTheDateWithTheRunDay) {
    const struct {
        const char* name;
        std::string rule;
        const char* date;
    } cases[] = {
        {"all zeros: the run day", SingleRule("Y", "0", "0", "0", "0", "D", "2"), "20040107"},
        {"weeks and days", SingleRule("Y", "1", "0", "0", "2", "D", "2"), "20040116"},
        {"days back", SingleRule("Y", "0", "0", "0", "-10", "D", "2"), "20031228"},
        {"months and days", SingleRule("Y", "-1", "1", "0", "3", "D", "2"), "20031210"},
        {"first day of last month", SingleRule("Y", "-1", "1", "1", "0", "D", "2"), "20031201"},
        {"last day of next month", SingleRule("Y", "1", "1", "2", "0", "D", "2"), "20040229"},
        {"a month on, other sub-mode", SingleRule("Y", "1", "1", "3", "9", "D", "2"), "20040207"},
        {"Sunday of this week", SingleRule("Y", "0", "0", "1", "0", "D", "2"), "20040104"},
        {"Saturday of next week", SingleRule("Y", "1", "0", "2", "0", "D", "2"), "20040117"},
        {"year-month base", SingleRule("Y", "-1", "1", "0", "0", "M", "2"), "200312"},
        {"year-month base, all zeros", SingleRule("Y", "0", "0", "0", "0", "M", "2"), "200401"},
        {"not moving", SingleRule("N", "5", "1", "0", "0", "D", "2"), "20000101"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Variant values = ApplyDynamicDates(RuleList(ConditionValues(), {c.rule}), RunDay);
        ASSERT_TRUE(values.isArray());
        EXPECT_EQ(VarToStr(values[2]), c.date);
        EXPECT_EQ(VarToStr(values[1]), "A001");
        EXPECT_EQ(values[3], ConditionValues()[3]);
    }
}

TEST(DynamicDates, RangeRuleMovesStartAndEndEachOnItsOwn) {
    const struct {
        const char* name;
        std::string rule;
        const char* start;
        const char* end;
    } cases[] = {
        {"last month", RangeRule("Y", {"-1", "1", "1", "0"}, "Y", {"-1", "1", "2", "0"}, "3"), "20031201",
         "20031231"},
        {"this week, end shortcut", RangeRule("Y", {"0", "0", "1", "0"}, "Y", {"0", "0", "0", "0"}, "3"),
         "20040104", "20040107"},
        {"start only", RangeRule("Y", {"0", "0", "0", "-7"}, "N", {"9", "1", "1", "0"}, "3"), "20031231",
         "20001231"},
        {"end only", RangeRule("N", {"9", "1", "1", "0"}, "Y", {"2", "0", "0", "0"}, "3"), "20000101",
         "20040121"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Variant values = ApplyDynamicDates(RuleList(ConditionValues(), {c.rule}), RunDay);
        ASSERT_TRUE(values.isArray());
        EXPECT_EQ(VarToStr(values[3][1]), c.start);
        EXPECT_EQ(VarToStr(values[3][2]), c.end);
        EXPECT_EQ(VarToStr(values[2]), "20000101");
    }
}

TEST(DynamicDates, SeveralRulesApplyInTurn) {
    const Variant values = ApplyDynamicDates(
        RuleList(ConditionValues(), {SingleRule("Y", "0", "0", "0", "1", "D", "2"),
                                     RangeRule("Y", {"1", "1", "1", "0"}, "Y", {"1", "1", "2", "0"}, "3")}),
        RunDay);
    ASSERT_TRUE(values.isArray());
    EXPECT_EQ(VarToStr(values[2]), "20040108");
    EXPECT_EQ(VarToStr(values[3][1]), "20040201");
    EXPECT_EQ(VarToStr(values[3][2]), "20040229");
}

TEST(DynamicDates, NoRulesLeaveTheValuesAsTheyAre) {
    EXPECT_EQ(ApplyDynamicDates(RuleList(ConditionValues(), {}), RunDay), ConditionValues());
}

TEST(DynamicDates, WithoutARunDayMovedDatesComeOutEmpty) {
    const Variant values = ApplyDynamicDates(
        RuleList(ConditionValues(), {SingleRule("Y", "0", "0", "0", "0", "D", "2"),
                                     RangeRule("Y", {"-1", "1", "1", "0"}, "N", {"0", "0", "0", "0"}, "3")}),
        "");
    ASSERT_TRUE(values.isArray());
    EXPECT_EQ(VarToStr(values[2]), "");
    EXPECT_EQ(VarToStr(values[3][1]), "");
    EXPECT_EQ(VarToStr(values[3][2]), "20001231");
}

TEST(DynamicDates, AnyBadRuleMakesTheWholeResultAnEmptyText) {
    const struct {
        const char* name;
        Variant ruleList;
    } cases[] = {
        {"non-numeric count", RuleList(ConditionValues(), {SingleRule("Y", "x", "0", "0", "0", "D", "2")})},
        {"non-numeric days", RuleList(ConditionValues(), {SingleRule("Y", "1", "0", "0", "", "D", "2")})},
        {"index beyond the values", RuleList(ConditionValues(), {SingleRule("N", "0", "0", "0", "0", "D", "9")})},
        {"non-numeric index", RuleList(ConditionValues(), {SingleRule("Y", "0", "0", "0", "0", "D", "b")})},
        {"range index on a text",
         RuleList(ConditionValues(), {RangeRule("Y", {"0", "0", "0", "0"}, "N", {"0", "0", "0", "0"}, "1")})},
        {"too few rules", [] {
             Variant list = RuleList(ConditionValues(), {SingleRule("Y", "0", "0", "0", "0", "D", "2")});
             list[3][0] = 2;
             return list;
         }()},
        {"no rule list", Variant()},
        {"no rules", Variant::ArrayOf(1, {ConditionValues()})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Variant result = ApplyDynamicDates(c.ruleList, RunDay);
        EXPECT_EQ(result.type(), VarType::String);
        EXPECT_EQ(VarToStr(result), "");
    }
}

TEST(DynamicDates, ResolveDynamicDateMovesAYearMonthByMonthsOnly) {
    EXPECT_EQ(ResolveDynamicDate("200401", -1, "0", "1", 5), "200312");
    EXPECT_EQ(ResolveDynamicDate("200412", 1, "1", "2", 0), "200501");
    EXPECT_EQ(ResolveDynamicDate("", 1, "1", "0", 0), "");
    EXPECT_EQ(ResolveDynamicDate("2004013", 1, "1", "0", 0), "");  // neither a day nor a year-month
}

TEST(DynamicDates, WeekEdgeDateGoesToSundayOrSaturday) {
    const struct {
        const char* base;
        int weeks;
        const char* mode;
        const char* date;
    } cases[] = {
        {"20040107", 0, "1", "20040104"}, {"20040107", 0, "2", "20040110"}, {"20040107", 0, "", "20040110"},
        {"20040107", 1, "1", "20040111"}, {"20040107", -1, "2", "20040103"}, {"20040104", 0, "1", "20040104"},
        {"20040110", 0, "2", "20040110"}, {"20040230", 0, "1", ""},          {"", 0, "1", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.base) + " " + std::to_string(c.weeks) + " " + c.mode);
        EXPECT_EQ(WeekEdgeDate(c.base, c.weeks, c.mode), c.date);
    }
}

}  // namespace
}  // namespace kw
