// What the application server reads from a job parameter array: the shape
// check that decides whether an array is a job at all, and the header
// entries kept beside the stored array.
#pragma once

#include <string>

#include "platform/Variant.h"

namespace kw {

struct TJobSummary {
    std::string ProgramCode;  // header entry 1
    std::string CompanyId;    // entry 4
    std::string UserId;       // entry 5
    std::string ProgramKind;  // entry 9 (lower case for a periodic job)
    int RunMode = 0;          // entry 10: 0 queued, 1 at once, 2 at a given time
    bool HasStartTime = false;
    double StartTime = 0;     // entry 11
};

// Empty when params is a job parameter array; otherwise why it is not.
std::string CheckJobParams(const Variant& params);
// The header entries of a checked array, as UTF-8.
TJobSummary SummarizeJobParams(const Variant& params);

}  // namespace kw
