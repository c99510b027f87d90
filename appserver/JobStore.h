// Submitted jobs in the company database. A job number is the server's date
// "YYYYMMDD" followed by a six-digit sequence of that day; numbers are unique
// and increase with every submission. The parameter array is stored in the
// lossless variant encoding (platform/RpcCodec.h) before the number is
// handed out.
#pragma once

#include <optional>
#include <string>

#include "appserver/CompanyDb.h"
#include "appserver/JobParams.h"
#include "platform/Variant.h"

namespace kw {

enum class TJobOrigin : char { Queued = 'Q', LocalRun = 'L' };

struct TStoredJob {
    std::string JobNo;
    std::string Submitted;
    std::string UserId;
    std::string ProgramCode;
    TJobOrigin Origin = TJobOrigin::Queued;
    std::string Computer;
    std::string Status;  // W waiting, D done
    int StatusCount = 0;
    Variant Params;
};

class TJobStore {
public:
    explicit TJobStore(TCompanyDb& db) : db_(db) {}

    // Stores a checked job parameter array; answers the new job number.
    // Raises EDbError, or std::runtime_error when the day's numbers are used up.
    std::string Submit(const Variant& params, const TJobSummary& summary, TJobOrigin origin,
                       const std::string& computer);
    // Records the messages of a run and marks the job done; false when there
    // is no such job.
    bool AddStatus(const std::string& jobNo, const std::string& messages, double stamp);
    std::optional<TStoredJob> Find(const std::string& jobNo);

private:
    std::string NextJobNo();
    TCompanyDb& db_;
};

}  // namespace kw
