#include "module/DLLRPCtrller.h"

#include <stdexcept>

#include "forms/base/BaseGene.h"
#include "module/DLLFunc.h"
#include "platform/CodePage.h"
#include "platform/DynLib.h"

namespace kw {

const TClassInfo* frmBaseGeneClass = nullptr;

namespace {

// The controller unit registers its class when the library loads, unless
// another unit did so first.
const bool registered = [] {
    if (!DLLControllerClass) DLLControllerClass = [] () -> TDLLBaseController* { return new TDLLRPCtrller(); };
    return true;
}();

}  // namespace

TDLLRPCtrller::~TDLLRPCtrller() {
    if (FormRef) FreeForm();
}

void TDLLRPCtrller::GetVersion(std::u16string& Text) {
    if (FormRef) Text = MultiByteToWide(FormRef->VersionText, CP_ACP);
}

int32_t TDLLRPCtrller::GetVisible() { return FormRef && FormRef->Visible() ? -1 : 0; }

void TDLLRPCtrller::SetVisible(int16_t Value) {
    if (!FormRef) return;
    FormRef->SetVisible(Value != 0);
    if (Value != 0) {
        if (FormRef->WindowState() == wsMinimized) FormRef->SetWindowState(wsNormal);
        FormRef->Activate();
    }
}

TDLLWindowHandle TDLLRPCtrller::GetWindowHandle() { return FormRef ? FormRef->Handle() : 0; }

int32_t TDLLRPCtrller::CreateForm(const Variant& Params) {
    int32_t result = -1;
    const Variant params = Params;  // kept for the duration of the call
    if (!FormRef) {
        if (!frmBaseGeneClass || !frmBaseGeneClass->Factory())
            throw std::runtime_error("KWT DLL Internal Error :\rNot Assign \"frmBaseGeneClass\" varible");
        TComponent* created = frmBaseGeneClass->Factory()(nullptr);
        auto* form = dynamic_cast<TfrmBaseGene*>(created);
        if (!form) {
            if (created) created->Free();
            throw std::runtime_error("KWT DLL Internal Error :\rNot Assign \"frmBaseGeneClass\" varible");
        }
        try {
            form->InitializeForm();
        } catch (...) {
            form->Free();
            throw;
        }
        FormRef = form;
        FormRef->SetModuleFileName(ModuleFileName(reinterpret_cast<const void*>(&GetController)));
        FormRef->HostObject = HostObject;
        DoFormCreated();
    }
    if (!chained_) {
        SavedOnShow = FormRef->OnShow;
        FormRef->OnShow = TNotifyEvent::Of<&TDLLRPCtrller::DoFormShow>(this);
        SavedOnHide = FormRef->OnHide;
        FormRef->OnHide = TNotifyEvent::Of<&TDLLRPCtrller::DoFormHide>(this);
        SavedOnDestroy = FormRef->OnDestroy;
        FormRef->OnDestroy = TNotifyEvent::Of<&TDLLRPCtrller::DoFormDestroy>(this);
        chained_ = true;
    }
    if (FormRef->Initialize(params)) result = 0;
    return result;
}

int32_t TDLLRPCtrller::DeliverToForm(bool marker, const Variant& payload) {
    try {
        FormRef->ReceiveParams(Variant::ArrayOf({Variant(marker), payload}));
        return 0;
    } catch (const std::exception&) {
        return -1;
    }
}

int32_t TDLLRPCtrller::SendParams(const Variant& Params) {
    if (!FormRef || Params.isNull() || !Params.isArray()) return -1;
    return DeliverToForm(true, Params.high() >= 1 ? Params[1] : Variant());
}

int32_t TDLLRPCtrller::SendNotice(int32_t Kind, const Variant& Data) {
    if (!FormRef || (Kind != 5 && Kind != 9)) return -1;
    return DeliverToForm(false, Data);
}

void TDLLRPCtrller::ShowModalForm(Variant& ModalResult) {
    ModalResult = Variant(FormRef ? static_cast<int>(FormRef->ShowModal()) : static_cast<int>(mrCancel));
}

void TDLLRPCtrller::FreeForm() {
    if (FormRef && !FormRef->HasState(csDestroying)) FormRef->Free();
}

int32_t TDLLRPCtrller::GetFormInfo(Variant& Info) {
    if (!FormRef) return -1;
    Info = Variant::ArrayOf({Variant(FormRef->UserId), Variant(FormRef->CompanyId), Variant(FormRef->ProgramCode),
                             Variant(FormRef->ProgramName)});
    return 0;
}

bool TDLLRPCtrller::IsFormFreed() { return FormRef == nullptr; }

void TDLLRPCtrller::DoFormShow(TObject* Sender) {
    if (SavedOnShow.Assigned()) SavedOnShow(Sender);
    TDLLBaseController::DoFormShow(Sender);
}

void TDLLRPCtrller::DoFormHide(TObject* Sender) {
    if (SavedOnHide.Assigned()) SavedOnHide(Sender);
    TDLLBaseController::DoFormHide(Sender);
}

void TDLLRPCtrller::DoFormDestroy(TObject* Sender) {
    if (FormRef) {
        ResultCode = FormRef->ResultCode;
        ResultValue = FormRef->ResultValue;
        if (SavedOnDestroy.Assigned()) SavedOnDestroy(Sender);
        TDLLBaseController::DoFormDestroy(Sender);
    }
    FormRef = nullptr;
}

}  // namespace kw
