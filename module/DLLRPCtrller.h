// TDLLRPCtrller: the report-program controller. It owns one condition form,
// creates and initialises it from the shell's parameters, relays its show,
// hide and destroy to the shell as events, and copies its result into the
// contract fields when the form goes.
#pragma once

#include "module/DLLBaseCtrller.h"
#include "platform/TypInfo.h"

namespace kw {

class TfrmBaseGene;

// The form class the controller creates (set by the library's start-up).
extern const TClassInfo* frmBaseGeneClass;

class TDLLRPCtrller : public TDLLBaseController {
public:
    TDLLRPCtrller() = default;
    ~TDLLRPCtrller() override;

    void GetVersion(std::u16string& Text) override;
    int32_t GetVisible() override;
    void SetVisible(int16_t Value) override;
    TDLLWindowHandle GetWindowHandle() override;
    int32_t CreateForm(const Variant& Params) override;
    int32_t SendParams(const Variant& Params) override;
    int32_t SendNotice(int32_t Kind, const Variant& Data) override;
    void ShowModalForm(Variant& ModalResult) override;
    void FreeForm() override;
    int32_t GetFormInfo(Variant& Info) override;
    bool IsFormFreed() override;

    void DoFormShow(TObject* Sender) override;
    void DoFormHide(TObject* Sender) override;
    void DoFormDestroy(TObject* Sender) override;

    TfrmBaseGene* FormRef = nullptr;
    TNotifyEvent SavedOnShow;
    TNotifyEvent SavedOnHide;
    TNotifyEvent SavedOnDestroy;

private:
    // Hands a [marker, payload] pair to the form; -1 when the form raised.
    int32_t DeliverToForm(bool marker, const Variant& payload);
    bool chained_ = false;
};

}  // namespace kw
