// The connection of a form to the application server: address, port and the
// class name of the server object. Opening it gives the remote object
// (AppServer), an automation object called late-bound by method name.
//
// For the address "127.0.0.1" the server object is created in this process
// by class name (CreateOleObject; the class registers itself when its
// library is loaded or is found through the registry stand-in). For any other
// address the connection opens a TCP connection to a kwappserver and
// AppServer is a proxy whose calls travel as msgpack frames
// (platform/RpcClient.h).
#pragma once

#include <memory>
#include <string>

#include "platform/Automation.h"
#include "platform/Classes.h"

namespace kw {

class TRpcClient;

// The address that means "create the server object in this process".
inline constexpr const char* LocalServerAddress = "127.0.0.1";
inline constexpr int DefaultServerPort = 211;

class TSocketConnection : public TComponent {
    KW_CLASS(TSocketConnection)
public:
    explicit TSocketConnection(TComponent* owner);
    ~TSocketConnection() override;

    const std::string& Address() const { return address_; }
    void SetAddress(const std::string& address) { address_ = address; }
    int Port() const { return port_; }
    void SetPort(int port) { port_ = port; }
    // The class name of the server object, e.g. "ReportCounterS.dmReportCounter".
    const std::string& ServerName() const { return serverName_; }
    void SetServerName(const std::string& name) { serverName_ = name; }

    // True while a server object is open (for TCP: and the connection holds).
    bool Connected() const;
    void SetConnected(bool connected);
    // Opens the server object; raises EOleError when it cannot be created or
    // reached. Nothing happens when already connected.
    void Open();
    void Close();

    // The server object as an automation variant; unassigned (empty) when
    // not connected.
    Variant AppServer() const;
    // Makes an object created by the caller the connection's server object.
    void SetAppServer(AutoRef object);

private:
    std::string address_;
    int port_ = DefaultServerPort;
    std::string serverName_;
    std::shared_ptr<TRpcClient> client_;
    AutoRef appServer_;
};

}  // namespace kw
