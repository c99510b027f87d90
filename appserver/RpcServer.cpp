#include "appserver/RpcServer.h"

#include <asio.hpp>

#include <array>
#include <iostream>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/Automation.h"
#include "platform/RpcCodec.h"
#include "platform/SysUtils.h"

namespace kw {

namespace {

using asio::ip::tcp;

const char* const OpenMethod = "@Open";
const char* const EchoMethod = "@Echo";

class TSession : public std::enable_shared_from_this<TSession> {
public:
    TSession(tcp::socket socket, const TServerLog& log) : socket_(std::move(socket)), log_(log) {
        std::error_code error;
        auto endpoint = socket_.remote_endpoint(error);
        peer_ = error ? std::string("unknown peer") : endpoint.address().to_string() + ":" + std::to_string(endpoint.port());
    }

    void Start() { ReadHeader(); }

private:
    void ReadHeader() {
        auto self = shared_from_this();
        asio::async_read(socket_, asio::buffer(header_), [this, self](std::error_code error, size_t got) {
            if (error) {
                if (got != 0) Close("truncated frame: the connection ended inside a frame header");
                else if (error != asio::error::eof && error != asio::error::connection_reset)
                    Close("read failed: " + error.message());
                return;
            }
            const uint32_t length = FrameBodyLength(header_.data());
            if (length == 0) return Close("malformed frame: empty body");
            if (length > RpcMaxFrameBytes)
                return Close("oversized frame: " + std::to_string(length) + " bytes announced, the limit is " +
                             std::to_string(RpcMaxFrameBytes));
            body_.resize(length);
            ReadBody();
        });
    }

    void ReadBody() {
        auto self = shared_from_this();
        asio::async_read(socket_, asio::buffer(body_), [this, self](std::error_code error, size_t got) {
            if (error) {
                Close("truncated frame: the connection ended after " + std::to_string(got) + " of " +
                      std::to_string(body_.size()) + " body bytes");
                return;
            }
            TRpcRequest request;
            try {
                request = DecodeRequest(body_.data(), body_.size());
            } catch (const ERpcError& e) {
                return Close(std::string("malformed frame: ") + e.what());
            }
            body_.clear();
            body_.shrink_to_fit();
            Reply(Handle(request));
        });
    }

    TRpcResponse Handle(TRpcRequest& request) {
        TRpcResponse response;
        response.Id = request.Id;
        try {
            if (request.Method == EchoMethod) {
                if (!request.Params.empty()) response.Result = request.Params[0];
            } else if (request.Method == OpenMethod) {
                Open(request.Params);
            } else if (!object_) {
                throw EOleError("no server object is open on this connection");
            } else {
                Args before = request.Params;
                response.Result = object_->Invoke(request.Method, request.Params);
                response.Written = ChangedArgs(before, request.Params);
            }
        } catch (const std::exception& e) {
            response.Failed = true;
            response.Error = e.what();
            response.Result = Variant();
            response.Written.clear();
        }
        return response;
    }

    void Open(const Args& params) {
        if (params.size() != 1 || !params[0].isText()) throw EOleError("@Open takes the server class name");
        const std::string className = VarToStr(params[0]);
        if (!IsAutoClassRegistered(className)) throw EOleError("this server does not serve the class " + className);
        object_ = CreateOleObject(className);
    }

    void Reply(const TRpcResponse& response) {
        try {
            outgoing_ = EncodeResponseFrame(response);
        } catch (const std::exception& e) {
            TRpcResponse failure;
            failure.Id = response.Id;
            failure.Failed = true;
            failure.Error = std::string("the answer cannot be sent: ") + e.what();
            outgoing_ = EncodeResponseFrame(failure);
        }
        auto self = shared_from_this();
        asio::async_write(socket_, asio::buffer(outgoing_), [this, self](std::error_code error, size_t) {
            if (error) return Close("write failed: " + error.message());
            outgoing_.clear();
            ReadHeader();
        });
    }

    void Close(const std::string& reason) {
        log_("closing connection from " + peer_ + ": " + reason);
        std::error_code ignored;
        socket_.shutdown(tcp::socket::shutdown_both, ignored);
        socket_.close(ignored);
    }

    tcp::socket socket_;
    TServerLog log_;
    std::string peer_;
    std::array<unsigned char, RpcFrameHeaderBytes> header_{};
    std::vector<char> body_;
    std::string outgoing_;
    AutoRef object_;
};

}  // namespace

void LogToStderr(const std::string& text) {
    static std::mutex mutex;
    std::string line = "[" + FormatDateTime("yyyy/mm/dd hh:nn:ss:zzz", Now()) + "] " + text + "\n";
    std::lock_guard<std::mutex> lock(mutex);
    std::cerr << line << std::flush;
}

struct TRpcServer::Impl {
    asio::io_context io;
    tcp::acceptor acceptor{io};
    asio::signal_set signals{io};
    int threads = 1;
    TServerLog log;

    void Accept() {
        acceptor.async_accept([this](std::error_code error, tcp::socket socket) {
            if (!acceptor.is_open()) return;
            if (!error) {
                std::error_code ignored;
                socket.set_option(tcp::no_delay(true), ignored);
                std::make_shared<TSession>(std::move(socket), log)->Start();
            } else {
                log("accept failed: " + error.message());
            }
            Accept();
        });
    }
};

TRpcServer::TRpcServer(const std::string& host, uint16_t port, int threads, TServerLog log)
    : impl_(std::make_unique<Impl>()) {
    impl_->threads = threads < 1 ? 1 : threads;
    impl_->log = log ? std::move(log) : TServerLog(LogToStderr);
    std::error_code error;
    asio::ip::address address = asio::ip::make_address(host, error);
    if (error) {
        tcp::resolver resolver(impl_->io);
        auto results = resolver.resolve(host, std::to_string(port), error);
        if (error || results.empty()) throw std::runtime_error("cannot resolve the address " + host);
        address = results.begin()->endpoint().address();
    }
    tcp::endpoint endpoint(address, port);
    impl_->acceptor.open(endpoint.protocol(), error);
    if (!error) impl_->acceptor.set_option(tcp::acceptor::reuse_address(true), error);
    if (!error) impl_->acceptor.bind(endpoint, error);
    if (!error) impl_->acceptor.listen(asio::socket_base::max_listen_connections, error);
    if (error)
        throw std::runtime_error("cannot listen on " + host + ":" + std::to_string(port) + ": " + error.message());
    impl_->Accept();
}

TRpcServer::~TRpcServer() { Stop(); }

uint16_t TRpcServer::Port() const { return impl_->acceptor.local_endpoint().port(); }

void TRpcServer::Run() {
    std::vector<std::thread> workers;
    for (int i = 1; i < impl_->threads; ++i) workers.emplace_back([this] { impl_->io.run(); });
    impl_->io.run();
    for (std::thread& worker : workers) worker.join();
}

void TRpcServer::Stop() { impl_->io.stop(); }

void TRpcServer::StopOnSignals() {
    impl_->signals.add(SIGINT);
    impl_->signals.add(SIGTERM);
    impl_->signals.async_wait([this](std::error_code error, int signal) {
        if (error) return;
        impl_->log("stopping on signal " + std::to_string(signal));
        Stop();
    });
}

}  // namespace kw
