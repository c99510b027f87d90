#include "appserver/ReportCounter.h"

#include "appserver/DataText.h"
#include "appserver/JobParams.h"
#include "appserver/UserRights.h"

namespace kw {

namespace {

const char* const JobError = "ERROR";
const char* const SchemeFields[] = {"NCONDITION", "CREATOR", "CREATE_DATE", "PROGRAMME", "SCONDITION", "VCONDITION"};
const char* const SchemeFieldKinds[] = {"String", "String", "String", "String", "Memo", "Memo"};

// Element i (counted from the array's low bound) of an array argument.
const Variant& Item(const Variant& array, int index, const std::string& what) {
    if (!array.isArray() || array.dimCount() != 1)
        throw EArgumentError(what + " must be an array");
    if (array.array().size() <= static_cast<size_t>(index))
        throw EArgumentError(what + " has " + std::to_string(array.array().size()) + " elements, at least " +
                             std::to_string(index + 1) + " expected");
    return array[array.low() + index];
}

void ExpectLength(const Variant& array, size_t count, const std::string& what) {
    if (!array.isArray() || array.dimCount() != 1) throw EArgumentError(what + " must be an array");
    if (array.array().size() != count)
        throw EArgumentError(what + " must have " + std::to_string(count) + " elements, not " +
                             std::to_string(array.array().size()));
}

TSchemeKey SchemeKeyArg(const Variant& key, const std::string& what) {
    ExpectLength(key, 3, what);
    return TSchemeKey{DataTextToUtf8(Item(key, 0, what), what + ": name"),
                      DataTextToUtf8(Item(key, 1, what), what + ": user"),
                      DataTextToUtf8(Item(key, 2, what), what + ": program code")};
}

bool FlagArg(const Variant& value, const std::string& what) {
    if (value.type() == VarType::Boolean || value.type() == VarType::Int32 || value.type() == VarType::Int64)
        return value.toBool();
    throw EArgumentError(what + " must be a Boolean, not " + value.typeName());
}

Variant DataTextArray(const std::vector<std::string>& texts) {
    std::vector<Variant> items;
    items.reserve(texts.size());
    for (const std::string& text : texts) items.push_back(Utf8ToDataText(text));
    return Variant::ArrayOf(std::move(items));
}

}  // namespace

TdmReportCounter::TdmReportCounter(std::unique_ptr<TCompanyDb> db)
    : DispatchObject(ReportCounterClassName), db_(std::move(db)), schemes_(*db_), jobs_(*db_) {
    AddMethod("LoadTable", [this](Args& a) { return LoadTable(a); });
    AddMethod("InsertConTable", [this](Args& a) { return InsertConTable(a); });
    AddMethod("DeleteConTable", [this](Args& a) { return DeleteConTable(a); });
    AddMethod("ChangeConName", [this](Args& a) { return ChangeConName(a); });
    AddMethod("SQLType", [this](Args& a) { return SQLType(a); });
    AddMethod("GetPower", [this](Args& a) { return GetPower(a); });
    AddMethod("Request", [this](Args& a) { return Request(a); });
    AddMethod("Request1", [this](Args& a) { return Request1(a); });
    AddMethod("ErrorDescript", [this](Args& a) { return ErrorDescript(a); });
    AddMethod("UpdateStatus1", [this](Args& a) { return UpdateStatus1(a); });
    AddMethod("AS_GetRecords", [this](Args& a) { return GetRecords(a); });
}

void TdmReportCounter::ExpectArgs(const std::string& method, const Args& args, size_t count) const {
    if (args.size() != count)
        throw EOleError(method + " takes " + std::to_string(count) + " argument" + (count == 1 ? "" : "s") + ", " +
                        std::to_string(args.size()) + " given");
}

Variant TdmReportCounter::ErrorTextOf(const std::function<std::string()>& body) {
    std::string error;
    try {
        error = body();
    } catch (const EArgumentError& e) {
        error = e.what();
    } catch (const EDbError& e) {
        error = std::string("database error: ") + e.what();
    }
    if (!error.empty()) lastError_ = error;
    return Utf8ToDataText(error);
}

Variant TdmReportCounter::JobNumberOf(const std::function<std::string()>& body) {
    try {
        return Utf8ToDataText(body());
    } catch (const std::exception& e) {
        lastError_ = e.what();
    }
    return Utf8ToDataText(JobError);
}

Variant TdmReportCounter::Raising(const std::string& method, const std::function<Variant()>& body) {
    try {
        return body();
    } catch (const EOleError&) {
        throw;
    } catch (const std::exception& e) {
        lastError_ = e.what();
        throw EOleError(method + ": " + e.what());
    }
}

Variant TdmReportCounter::LoadTable(Args& args) {
    ExpectArgs("LoadTable", args, 1);
    return Raising("LoadTable", [&] {
        ExpectLength(args[0], 2, "the user and program");
        std::string user = DataTextToUtf8(Item(args[0], 0, "the user and program"), "the user");
        std::string program = DataTextToUtf8(Item(args[0], 1, "the user and program"), "the program code");
        providerUser_ = std::move(user);
        providerProgram_ = std::move(program);
        providerLoaded_ = true;
        return Variant();
    });
}

Variant TdmReportCounter::InsertConTable(Args& args) {
    ExpectArgs("InsertConTable", args, 1);
    return ErrorTextOf([&] {
        const std::string what = "the scheme record";
        ExpectLength(args[0], 7, what);
        TScheme scheme;
        scheme.Key.Name = DataTextToUtf8(Item(args[0], 0, what), "the scheme name");
        scheme.Key.User = DataTextToUtf8(Item(args[0], 1, what), "the user");
        scheme.CreateDate = DataTextToUtf8(Item(args[0], 2, what), "the creation date");
        scheme.Key.Program = DataTextToUtf8(Item(args[0], 3, what), "the program code");
        scheme.Properties = OptionalDataTextToUtf8(Item(args[0], 4, what), "the property list");
        scheme.Values = OptionalDataTextToUtf8(Item(args[0], 5, what), "the value text");
        bool replace = FlagArg(Item(args[0], 6, what), "the replace flag");
        return schemes_.Insert(scheme, replace);
    });
}

Variant TdmReportCounter::DeleteConTable(Args& args) {
    ExpectArgs("DeleteConTable", args, 1);
    return ErrorTextOf([&] { return schemes_.Delete(SchemeKeyArg(args[0], "the scheme key")); });
}

Variant TdmReportCounter::ChangeConName(Args& args) {
    ExpectArgs("ChangeConName", args, 2);
    return ErrorTextOf([&] {
        return schemes_.Rename(SchemeKeyArg(args[0], "the old scheme key"), SchemeKeyArg(args[1], "the new scheme key"));
    });
}

Variant TdmReportCounter::SQLType(Args& args) {
    ExpectArgs("SQLType", args, 0);
    return Utf8ToDataText(db_->Dialect());
}

Variant TdmReportCounter::GetPower(Args& args) {
    ExpectArgs("GetPower", args, 1);
    return Raising("GetPower", [&] {
        const std::string what = "the rights query";
        std::string user = DataTextToUtf8(Item(args[0], 1, what), "the user");
        std::string program = DataTextToUtf8(Item(args[0], 2, what), "the program code");
        return LoadUserRights(*db_, user, program);
    });
}

Variant TdmReportCounter::Request(Args& args) {
    ExpectArgs("Request", args, 1);
    return JobNumberOf([&] {
        if (std::string problem = CheckJobParams(args[0]); !problem.empty()) throw EArgumentError(problem);
        return jobs_.Submit(args[0], SummarizeJobParams(args[0]), TJobOrigin::Queued, "");
    });
}

Variant TdmReportCounter::Request1(Args& args) {
    ExpectArgs("Request1", args, 2);
    return JobNumberOf([&] {
        if (std::string problem = CheckJobParams(args[0]); !problem.empty()) throw EArgumentError(problem);
        std::string computer = OptionalDataTextToUtf8(args[1], "the computer name");
        return jobs_.Submit(args[0], SummarizeJobParams(args[0]), TJobOrigin::LocalRun, computer);
    });
}

Variant TdmReportCounter::ErrorDescript(Args& args) {
    ExpectArgs("ErrorDescript", args, 0);
    return Utf8ToDataText(lastError_);
}

Variant TdmReportCounter::UpdateStatus1(Args& args) {
    ExpectArgs("UpdateStatus1", args, 3);
    return Raising("UpdateStatus1", [&] {
        std::string jobNo = DataTextToUtf8(args[0], "the job number");
        std::string messages = OptionalDataTextToUtf8(args[1], "the messages");
        if (args[2].type() != VarType::Date && args[2].type() != VarType::Double)
            throw EArgumentError(std::string("the moment must be a date, not ") + args[2].typeName());
        if (!jobs_.AddStatus(jobNo, messages, args[2].toDate()))
            throw EArgumentError("there is no job " + jobNo);
        return Variant();
    });
}

Variant TdmReportCounter::GetRecords(Args& args) {
    ExpectArgs("AS_GetRecords", args, 1);
    return Raising("AS_GetRecords", [&] {
        std::string provider = DataTextToUtf8(args[0], "the provider name");
        if (provider != SchemeProviderName) throw EArgumentError("there is no provider " + provider);
        std::vector<Variant> rows;
        if (providerLoaded_) {
            for (const TScheme& s : schemes_.Load(providerUser_, providerProgram_))
                rows.push_back(DataTextArray(
                    {s.Key.Name, s.Key.User, s.CreateDate, s.Key.Program, s.Properties, s.Values}));
        }
        Variant packet = Variant::Array(0, 2);
        packet[0] = DataTextArray(std::vector<std::string>(std::begin(SchemeFields), std::end(SchemeFields)));
        packet[1] = rows.empty() ? Variant::Array(0, -1) : Variant::ArrayOf(std::move(rows));
        packet[2] = DataTextArray(std::vector<std::string>(std::begin(SchemeFieldKinds), std::end(SchemeFieldKinds)));
        return packet;
    });
}

namespace {

AutoClassRegistrar registrar(ReportCounterClassName, [] {
    try {
        return std::static_pointer_cast<AutoObject>(std::make_shared<TdmReportCounter>(OpenCompanyDb()));
    } catch (const EDbError& e) {
        throw EOleError(std::string(ReportCounterClassName) + ": " + e.what());
    }
});

}  // namespace

}  // namespace kw
