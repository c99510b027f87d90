#include "appserver/JobParams.h"

#include "appserver/DataText.h"

namespace kw {

namespace {

bool IsOneDim(const Variant& value) { return value.isArray() && value.dimCount() == 1; }

bool IsInteger(const Variant& value) {
    return value.type() == VarType::Int32 || value.type() == VarType::Int64;
}

bool IsNonEmptyText(const Variant& value) {
    if (value.type() == VarType::WideString) return !value.toWide().empty();
    return value.type() == VarType::String && !value.bytes().empty();
}

bool IsTextOrEmpty(const Variant& value) { return value.isText() || value.isEmpty() || value.isNull(); }

bool IsMoment(const Variant& value) {
    return value.type() == VarType::Date || value.type() == VarType::Double;
}

std::string Entry(int index, const char* name) {
    return "header entry " + std::to_string(index) + " (" + name + ")";
}

std::string CheckHeader(const Variant& header, int& conditionCount) {
    if (!IsOneDim(header) || header.low() != 1 || header.high() < 9)
        return "element 0 must be the header array 1..H with at least 9 entries";
    const Variant& headerCount = header[2];
    if (!IsInteger(headerCount) || headerCount.toInt() != header.high())
        return Entry(2, "header count") + " does not match the header's " + std::to_string(header.high()) +
               " entries";
    if (!IsInteger(header[3]) || header[3].toInt() < 0) return Entry(3, "condition count") + " is not a count";
    conditionCount = header[3].toInt();
    if (!IsNonEmptyText(header[1])) return Entry(1, "program code") + " is empty or not a text";
    if (!IsTextOrEmpty(header[4])) return Entry(4, "company") + " is not a text";
    if (!IsNonEmptyText(header[5])) return Entry(5, "user") + " is empty or not a text";
    if (!IsTextOrEmpty(header[6])) return Entry(6, "database") + " is not a text";
    if (!IsMoment(header[7])) return Entry(7, "submission time") + " is not a date";
    if (!IsTextOrEmpty(header[9])) return Entry(9, "program kind") + " is not a text";
    if (header.high() >= 10 && !(IsInteger(header[10]) && header[10].toInt() >= 0 && header[10].toInt() <= 2))
        return Entry(10, "run mode") + " must be 0, 1 or 2";
    if (header.high() >= 11 && !IsMoment(header[11])) return Entry(11, "start time") + " is not a date";
    return "";
}

std::string CheckConditions(const Variant& captions, const Variant& values, int count) {
    if (!IsOneDim(captions) || captions.low() != 1 || captions.high() != count)
        return "element 1 must hold the " + std::to_string(count) + " condition captions 1.." +
               std::to_string(count);
    if (!IsOneDim(values) || values.low() != 1 || values.high() != count)
        return "element 2 must hold the " + std::to_string(count) + " condition values 1.." + std::to_string(count);
    for (int i = 1; i <= count; ++i) {
        const Variant& pair = captions[i];
        if (!IsOneDim(pair) || pair.array().size() != 2 || !IsNonEmptyText(pair[pair.low() + 1]))
            return "condition caption " + std::to_string(i) + " must be [caption, component name]";
    }
    return "";
}

std::string CheckPeriodic(const Variant& schedule, const Variant& rules) {
    if (!IsOneDim(schedule) || schedule.low() != 0 || schedule.high() != 3)
        return "element 3 must be the schedule array 0..3";
    if (!schedule[0].isText() || VarToStr(schedule[0]) != "Y") return "schedule entry 0 must be \"Y\"";
    if (!IsOneDim(rules) || rules.low() != 0 || !IsInteger(rules[0]) || rules[0].toInt() != rules.high())
        return "element 4 must be the date-rule array with its rule count at 0";
    return "";
}

}  // namespace

std::string CheckJobParams(const Variant& params) {
    if (!IsOneDim(params) || params.low() != 0 || (params.high() != 2 && params.high() != 4))
        return "the job parameters must be an array 0..2 (0..4 for a periodic job)";
    int conditionCount = 0;
    std::string problem = CheckHeader(params[0], conditionCount);
    if (problem.empty()) problem = CheckConditions(params[1], params[2], conditionCount);
    if (problem.empty() && params.high() == 4) problem = CheckPeriodic(params[3], params[4]);
    return problem.empty() ? "" : "not a job parameter array: " + problem;
}

TJobSummary SummarizeJobParams(const Variant& params) {
    const Variant& header = params[0];
    TJobSummary summary;
    summary.ProgramCode = OptionalDataTextToUtf8(header[1], "program code");
    summary.CompanyId = OptionalDataTextToUtf8(header[4], "company");
    summary.UserId = OptionalDataTextToUtf8(header[5], "user");
    summary.ProgramKind = OptionalDataTextToUtf8(header[9], "program kind");
    if (header.high() >= 10) summary.RunMode = header[10].toInt();
    if (header.high() >= 11) {
        summary.HasStartTime = true;
        summary.StartTime = header[11].toDate();
    }
    return summary;
}

}  // namespace kw
