#include "appserver/JobStore.h"

#include <stdexcept>

#include "platform/RpcCodec.h"
#include "platform/SysUtils.h"

namespace kw {

namespace {

constexpr int SequenceDigits = 6;
constexpr int MaxSequence = 999999;

std::string ServerMoment() { return FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", Now()); }

}  // namespace

// Continues the latest day's series when the server's clock reads an
// earlier day than the last number handed out, so numbers never repeat or
// go backwards.
std::string TJobStore::NextJobNo() {
    const std::string today = FormatDateTime("yyyymmdd", Now());
    DbRows last = db_.Query("SELECT MAX(JOBNO) FROM JOBS");
    std::string day = today;
    int sequence = 1;
    if (!last.empty() && !DbIsNull(last.rows[0][0])) {
        const std::string lastNo = DbText(last.rows[0][0]);
        const std::string lastDay = lastNo.substr(0, 8);
        if (lastDay >= today) {
            day = lastDay;
            sequence = std::stoi(lastNo.substr(8)) + 1;
        }
    }
    if (sequence > MaxSequence) throw std::runtime_error("no job numbers left for " + day);
    std::string digits = std::to_string(sequence);
    return day + std::string(SequenceDigits - digits.size(), '0') + digits;
}

std::string TJobStore::Submit(const Variant& params, const TJobSummary& summary, TJobOrigin origin,
                              const std::string& computer) {
    DbBlob encoded{EncodeVariant(params)};
    TDbTransaction transaction(db_);
    std::string jobNo = NextJobNo();
    db_.Execute(
        "INSERT INTO JOBS (JOBNO, SUBMITTED, COMPANY, USERID, PROGRAMME, PROGKIND, RUNMODE, STARTTIME, "
        "ORIGIN, COMPUTER, STATUS, PARAMS) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'W', ?)",
        {jobNo, ServerMoment(), summary.CompanyId, summary.UserId, summary.ProgramCode, summary.ProgramKind,
         static_cast<int64_t>(summary.RunMode),
         summary.HasStartTime ? DbValue(summary.StartTime) : DbValue(nullptr),
         std::string(1, static_cast<char>(origin)), computer, std::move(encoded)});
    transaction.Commit();
    return jobNo;
}

bool TJobStore::AddStatus(const std::string& jobNo, const std::string& messages, double stamp) {
    TDbTransaction transaction(db_);
    if (db_.Query("SELECT 1 FROM JOBS WHERE JOBNO = ?", {jobNo}).empty()) return false;
    db_.Execute(
        "INSERT INTO JOBSTATUS (JOBNO, SEQ, STAMP, RECEIVED, MESSAGES) "
        "VALUES (?, (SELECT COALESCE(MAX(SEQ), 0) + 1 FROM JOBSTATUS WHERE JOBNO = ?), ?, ?, ?)",
        {jobNo, jobNo, stamp, ServerMoment(), messages});
    db_.Execute("UPDATE JOBS SET STATUS = 'D' WHERE JOBNO = ?", {jobNo});
    transaction.Commit();
    return true;
}

std::optional<TStoredJob> TJobStore::Find(const std::string& jobNo) {
    DbRows rows = db_.Query(
        "SELECT JOBNO, SUBMITTED, USERID, PROGRAMME, ORIGIN, COMPUTER, STATUS, PARAMS, "
        "(SELECT COUNT(*) FROM JOBSTATUS S WHERE S.JOBNO = J.JOBNO) FROM JOBS J WHERE JOBNO = ?",
        {jobNo});
    if (rows.empty()) return std::nullopt;
    const DbRow& row = rows.rows[0];
    TStoredJob job;
    job.JobNo = DbText(row[0]);
    job.Submitted = DbText(row[1]);
    job.UserId = DbText(row[2]);
    job.ProgramCode = DbText(row[3]);
    job.Origin = DbText(row[4]) == "L" ? TJobOrigin::LocalRun : TJobOrigin::Queued;
    job.Computer = DbText(row[5]);
    job.Status = DbText(row[6]);
    job.Params = DecodeVariant(DbBytes(row[7]));
    job.StatusCount = static_cast<int>(DbInt(row[8]));
    return job;
}

}  // namespace kw
