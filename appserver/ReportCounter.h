// The application server's remote object "ReportCounterS.dmReportCounter":
// condition schemes, job submission, user rights and the scheme provider.
// One object serves one client connection: it keeps that connection's
// provider state and last error, and its own database connection.
//
// Methods (arguments passed by reference; texts are data text, see
// DataText.h):
//   LoadTable([user, program])                  -> empty; the provider
//       "pvdConSave" then delivers that user's schemes of the program
//   InsertConTable([name, user, "YYYYMMDD", program, property list,
//                   value text, replace flag])  -> error text, "" = saved
//   DeleteConTable([name, user, program])       -> error text, "" = deleted
//   ChangeConName([old name, user, program], [new name, user, program])
//                                               -> error text, "" = renamed
//   SQLType()                                   -> the database engine's name
//   GetPower([database, user, program, ""])     -> rights record (UserRights.h)
//   Request(job parameter array)                -> job number, or "ERROR"
//   Request1(job parameter array, computer)     -> job number, or "ERROR"
//   ErrorDescript()                             -> text of the last error
//   UpdateStatus1(job number, messages, moment) -> empty
//   AS_GetRecords(provider name)                -> data packet [field names,
//       rows, field kinds] (the shape platform/ClientDataSet.h reads)
// A wrong number of arguments, an unknown provider and (for the methods
// without an error-text result) a wrong argument raise EOleError.
#pragma once

#include <memory>
#include <string>

#include "appserver/CompanyDb.h"
#include "appserver/JobStore.h"
#include "appserver/SchemeStore.h"
#include "platform/Automation.h"

namespace kw {

inline constexpr const char* ReportCounterClassName = "ReportCounterS.dmReportCounter";
inline constexpr const char* SchemeProviderName = "pvdConSave";

class TdmReportCounter : public DispatchObject {
public:
    explicit TdmReportCounter(std::unique_ptr<TCompanyDb> db);

private:
    Variant LoadTable(Args& args);
    Variant InsertConTable(Args& args);
    Variant DeleteConTable(Args& args);
    Variant ChangeConName(Args& args);
    Variant SQLType(Args& args);
    Variant GetPower(Args& args);
    Variant Request(Args& args);
    Variant Request1(Args& args);
    Variant ErrorDescript(Args& args);
    Variant UpdateStatus1(Args& args);
    Variant GetRecords(Args& args);

    // Runs a method whose result is an error text: argument and database
    // errors become that text (and the last error).
    Variant ErrorTextOf(const std::function<std::string()>& body);
    // Runs a job submission: any failure answers "ERROR".
    Variant JobNumberOf(const std::function<std::string()>& body);
    // Runs any other method: failures raise EOleError with their text.
    Variant Raising(const std::string& method, const std::function<Variant()>& body);
    void ExpectArgs(const std::string& method, const Args& args, size_t count) const;

    std::unique_ptr<TCompanyDb> db_;
    TSchemeStore schemes_;
    TJobStore jobs_;
    bool providerLoaded_ = false;
    std::string providerUser_;
    std::string providerProgram_;
    std::string lastError_;
};

}  // namespace kw
