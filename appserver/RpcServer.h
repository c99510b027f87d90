// The application server's TCP side: accepts connections, reads call frames
// (platform/RpcCodec.h) and runs them on the connection's own remote object.
//
// A connection first opens its object with the call "@Open" [class name]
// (only classes registered in this process are served); every later call
// goes to that object. "@Echo" answers its first argument without touching
// any object (transport measurements). A frame whose announced body is
// empty or larger than RpcMaxFrameBytes, a body that does not decode, or a
// connection that ends inside a frame closes that connection and is logged
// with its reason; errors of a call are answered as error texts.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace kw {

using TServerLog = std::function<void(const std::string&)>;

// Writes "[YYYY/MM/DD hh:nn:ss:zzz] text" lines to standard error.
void LogToStderr(const std::string& text);

class TRpcServer {
public:
    // Binds host:port at once (port 0 picks a free port); raises
    // std::runtime_error when that fails.
    TRpcServer(const std::string& host, uint16_t port, int threads, TServerLog log);
    ~TRpcServer();

    uint16_t Port() const;
    // Serves until Stop; returns when every worker has ended.
    void Run();
    // Safe from any thread and from signal handling set up by Run's caller.
    void Stop();
    // Stops on SIGINT and SIGTERM (call before Run).
    void StopOnSignals();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace kw
