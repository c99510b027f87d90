// Reaching the application server the way the condition forms do: through
// a TSocketConnection, either created in this process by class name (address
// "127.0.0.1") or over TCP from a kwappserver child process.
#pragma once

#include <memory>
#include <string>

#include "appserver/CompanyDb.h"
#include "appserver/ReportCounter.h"
#include "platform/CodePage.h"
#include "platform/SocketConn.h"
#include "tests/appserver/ServerProcess.h"

namespace kw::testing {

enum class TTransport { InProcess, Tcp };

inline std::string TransportName(TTransport transport) {
    return transport == TTransport::InProcess ? "InProcess" : "Tcp";
}

// Data text as a form sends it: bytes of code page 936.
inline Variant Data(const std::string& utf8) { return Variant(Utf8ToCodePage(utf8, 936)); }
// A data text the server answered, as UTF-8.
inline std::string Utf8Of(const Variant& value) {
    return value.type() == VarType::WideString ? WideToUtf8(value.toWide()) : CodePageToUtf8(VarToStr(value), 936);
}

// An opened connection to a kwappserver on this machine.
inline std::unique_ptr<TSocketConnection> ConnectTcp(int port) {
    auto connection = std::make_unique<TSocketConnection>(nullptr);
    connection->SetServerName(ReportCounterClassName);
    connection->SetAddress("localhost");
    connection->SetPort(port);
    connection->Open();
    return connection;
}

// One database in a temporary folder, served in-process or by a kwappserver.
class TServedDatabase {
public:
    explicit TServedDatabase(TTransport transport) : transport_(transport) {
        if (transport == TTransport::Tcp)
            server_ = std::make_unique<TServerProcess>(DatabasePath(), folder_.File("server.log"));
        else
            SetCompanyDbPath(DatabasePath());
    }
    ~TServedDatabase() {
        if (transport_ == TTransport::InProcess) SetCompanyDbPath("");
    }

    std::string DatabasePath() const { return folder_.File("Company.db"); }
    TServerProcess* Server() { return server_.get(); }

    // A new, opened connection (one server object with its own state).
    std::unique_ptr<TSocketConnection> Connect() const {
        if (transport_ == TTransport::Tcp) return ConnectTcp(server_->Port());
        auto connection = std::make_unique<TSocketConnection>(nullptr);
        connection->SetServerName(ReportCounterClassName);
        connection->SetAddress(LocalServerAddress);
        connection->Open();
        return connection;
    }

private:
    TTransport transport_;
    TTempFolder folder_;
    std::unique_ptr<TServerProcess> server_;
};

// Calls a method of a connection's server object, keeping the arguments.
inline Variant Call(TSocketConnection& connection, const std::string& method, Args& args) {
    return connection.AppServer().toObject()->Invoke(method, args);
}
inline Variant Call(TSocketConnection& connection, const std::string& method, Args&& args = {}) {
    Args kept = std::move(args);
    return Call(connection, method, kept);
}

}  // namespace kw::testing
