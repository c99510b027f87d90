// TfrmKtxr58: the condition window of the report program KTXR58 (bills of
// materials by parent item). It stands on the base condition form; its own
// conditions come with the report layer.
#pragma once

#include "forms/base/BaseGene.h"

namespace kw {

class TfrmKtxr58 : public TfrmBaseGene {
    KW_CLASS(TfrmKtxr58)
public:
    explicit TfrmKtxr58(TComponent* owner);

    // The report program's server object. (The option layer, when it comes
    // between this form and the base, takes this over for every report.)
    void ConfigureConnection(TSocketConnection* connection) override;
};

}  // namespace kw
