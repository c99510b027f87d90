#include "forms/report/Ktxr58CF.h"

#include "platform/ClassBuilder.h"
#include "platform/SocketConn.h"

namespace kw {

KW_BEGIN_CLASS(TfrmKtxr58, TfrmBaseGene)
    b.Creatable();
KW_END_CLASS(TfrmKtxr58)

TfrmKtxr58::TfrmKtxr58(TComponent* owner) : TfrmBaseGene(owner) {}

}  // namespace kw

namespace kw {

void TfrmKtxr58::ConfigureConnection(TSocketConnection* connection) {
    TfrmBaseGene::ConfigureConnection(connection);
    if (connection) connection->SetServerName("ReportCounterS.dmReportCounter");
}

}  // namespace kw
