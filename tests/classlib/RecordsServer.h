// An in-process application server for the data-aware tests: its provider
// "pvdItems" delivers fixed records, and a client dataset reaches it through
// a socket connection to the local address.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Automation.h"
#include "platform/ClientDataSet.h"
#include "platform/SocketConn.h"

namespace kw::testing {

// Answers AS_GetRecords with the field names and the rows of texts, built
// afresh for every call.
class TRecordsServer : public DispatchObject {
public:
    TRecordsServer(const std::string& className, std::vector<std::string> fields,
                   std::vector<std::vector<std::string>> rows)
        : DispatchObject(className) {
        AddMethod("AS_GetRecords", [fields = std::move(fields), rows = std::move(rows)](Args&) {
            return Variant::ArrayOf({TextsArray(fields), RowsArray(rows)});
        });
    }

private:
    static Variant TextsArray(const std::vector<std::string>& texts) {
        std::vector<Variant> items;
        for (const std::string& text : texts) items.push_back(Variant(text));
        return Variant::ArrayOf(items);
    }
    static Variant RowsArray(const std::vector<std::vector<std::string>>& rows) {
        std::vector<Variant> items;
        for (const auto& row : rows) items.push_back(TextsArray(row));
        return Variant::ArrayOf(items);
    }
};

// Registers a TRecordsServer under its class name:
//   AutoClassRegistrar registrar(Name, RecordsServerFactory(Name, {"CODE"}, {{"A-1"}}));
inline AutoFactory RecordsServerFactory(const std::string& className, std::vector<std::string> fields,
                                        std::vector<std::vector<std::string>> rows) {
    return [=] { return std::make_shared<TRecordsServer>(className, fields, rows); };
}

// A dataset owned by owner, bound to provider "pvdItems" of the server class
// through connection (pointed at the local address); not yet open.
inline TClientDataSet* MakeItemsDataSet(TComponent* owner, TSocketConnection& connection,
                                        const std::string& serverClass) {
    connection.SetAddress(LocalServerAddress);
    connection.SetServerName(serverClass);
    auto* dataSet = new TClientDataSet(owner);
    dataSet->SetRemoteServer(&connection);
    dataSet->SetProviderName("pvdItems");
    return dataSet;
}

}  // namespace kw::testing
