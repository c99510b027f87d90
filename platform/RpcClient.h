// The client end of the application server's TCP calls (frames of
// platform/RpcCodec.h over one blocking connection). Calls on one client are
// serialised; a transport failure closes the connection.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Automation.h"

namespace kw {

class TRpcClient {
public:
    TRpcClient();
    ~TRpcClient();
    TRpcClient(const TRpcClient&) = delete;
    TRpcClient& operator=(const TRpcClient&) = delete;

    // Connects to host:port; raises EOleError naming the address when that fails.
    void Connect(const std::string& host, int port);
    void Disconnect();
    bool Connected() const;

    // Calls method with args; arguments the server changed are written back
    // into args. An error answer raises EOleError with the server's text; a
    // broken connection raises EOleError and leaves the client disconnected.
    Variant Call(const std::string& method, Args& args);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The remote object of a connection: an automation object whose calls go to
// the server ("@Open" with the class name is sent when it is made).
AutoRef OpenRemoteObject(std::shared_ptr<TRpcClient> client, const std::string& className);

}  // namespace kw
