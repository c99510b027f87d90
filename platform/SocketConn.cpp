#include "platform/SocketConn.h"

#include "platform/ClassBuilder.h"
#include "platform/RpcClient.h"

namespace kw {

KW_BEGIN_CLASS(TSocketConnection, TComponent)
    b.Prop("Address", &TSocketConnection::Address, &TSocketConnection::SetAddress);
    b.Prop("Port", &TSocketConnection::Port, &TSocketConnection::SetPort);
    b.Prop("ServerName", &TSocketConnection::ServerName, &TSocketConnection::SetServerName);
    b.Prop("Connected", &TSocketConnection::Connected, &TSocketConnection::SetConnected);
    b.Creatable();
KW_END_CLASS(TSocketConnection)

TSocketConnection::TSocketConnection(TComponent* owner) : TComponent(owner) {}

TSocketConnection::~TSocketConnection() { Close(); }

bool TSocketConnection::Connected() const {
    if (!appServer_) return false;
    return !client_ || client_->Connected();
}

void TSocketConnection::SetConnected(bool connected) {
    if (connected)
        Open();
    else
        Close();
}

void TSocketConnection::Open() {
    if (Connected()) return;
    Close();
    if (serverName_.empty()) throw EOleError("the connection names no server class");
    if (address_ == LocalServerAddress) {
        appServer_ = CreateOleObject(serverName_);
        return;
    }
    if (address_.empty()) throw EOleError("the connection names no server address");
    auto client = std::make_shared<TRpcClient>();
    client->Connect(address_, port_);
    appServer_ = OpenRemoteObject(client, serverName_);
    client_ = std::move(client);
}

void TSocketConnection::Close() {
    appServer_.reset();
    if (client_) client_->Disconnect();
    client_.reset();
}

Variant TSocketConnection::AppServer() const {
    if (!Connected()) return Variant();
    return Variant(appServer_);
}

void TSocketConnection::SetAppServer(AutoRef object) {
    Close();
    appServer_ = std::move(object);
}

}  // namespace kw
