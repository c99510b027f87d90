#include "platform/RpcClient.h"

#include <asio.hpp>

#include <mutex>

#include "platform/RpcCodec.h"

namespace kw {

using asio::ip::tcp;

struct TRpcClient::Impl {
    asio::io_context io;
    tcp::socket socket{io};
    std::mutex mutex;
    uint32_t nextId = 1;
    std::string address;

    void Close() {
        std::error_code ignored;
        socket.shutdown(tcp::socket::shutdown_both, ignored);
        socket.close(ignored);
    }

    [[noreturn]] void Broken(const std::string& what) {
        Close();
        throw EOleError("connection to the application server " + address + " lost: " + what);
    }
};

TRpcClient::TRpcClient() : impl_(std::make_unique<Impl>()) {}

TRpcClient::~TRpcClient() { Disconnect(); }

void TRpcClient::Connect(const std::string& host, int port) {
    std::lock_guard<std::mutex> lock(impl_->mutex);
    impl_->Close();
    impl_->address = host + ":" + std::to_string(port);
    std::error_code error;
    tcp::resolver resolver(impl_->io);
    auto endpoints = resolver.resolve(host, std::to_string(port), error);
    if (!error) asio::connect(impl_->socket, endpoints, error);
    if (error) {
        impl_->Close();
        throw EOleError("cannot connect to the application server " + impl_->address + ": " + error.message());
    }
    impl_->socket.set_option(tcp::no_delay(true), error);
}

void TRpcClient::Disconnect() {
    std::lock_guard<std::mutex> lock(impl_->mutex);
    impl_->Close();
}

bool TRpcClient::Connected() const { return impl_->socket.is_open(); }

Variant TRpcClient::Call(const std::string& method, Args& args) {
    std::lock_guard<std::mutex> lock(impl_->mutex);
    if (!impl_->socket.is_open()) throw EOleError("not connected to the application server");
    TRpcRequest request;
    request.Id = impl_->nextId++;
    request.Method = method;
    request.Params = args;
    std::string frame;
    try {
        frame = EncodeRequestFrame(request);
    } catch (const ERpcError& e) {
        throw EOleError(method + ": " + e.what());
    }
    std::error_code error;
    asio::write(impl_->socket, asio::buffer(frame), error);
    if (error) impl_->Broken(error.message());

    unsigned char header[RpcFrameHeaderBytes];
    asio::read(impl_->socket, asio::buffer(header), error);
    if (error) impl_->Broken(error.message());
    const uint32_t length = FrameBodyLength(header);
    if (length == 0 || length > RpcMaxFrameBytes) impl_->Broken("answer of " + std::to_string(length) + " bytes");
    std::string body(length, '\0');
    asio::read(impl_->socket, asio::buffer(body), error);
    if (error) impl_->Broken(error.message());

    TRpcResponse response;
    try {
        response = DecodeResponse(body.data(), body.size());
    } catch (const ERpcError& e) {
        impl_->Broken(e.what());
    }
    if (response.Id != request.Id) impl_->Broken("answer to another call");
    if (response.Failed) throw EOleError(response.Error);
    for (auto& [index, value] : response.Written)
        if (index < args.size()) args[index] = std::move(value);
    return std::move(response.Result);
}

namespace {

class TRemoteObject : public AutoObject {
public:
    TRemoteObject(std::shared_ptr<TRpcClient> client, std::string className)
        : client_(std::move(client)), className_(std::move(className)) {}

    std::string className() const override { return className_; }
    Variant Invoke(const std::string& method, Args& args) override { return client_->Call(method, args); }

private:
    std::shared_ptr<TRpcClient> client_;
    std::string className_;
};

}  // namespace

AutoRef OpenRemoteObject(std::shared_ptr<TRpcClient> client, const std::string& className) {
    Args open{Variant(className)};
    client->Call("@Open", open);
    return std::make_shared<TRemoteObject>(std::move(client), className);
}

}  // namespace kw
