// A small program module for the shell's tests: its controller keeps the
// contract of module/DLLBaseCtrller.h, and its form stands for a condition
// form ("frmKtxr58" with "btnOk" and "btnCancel"). The form asks the shell's
// validator for the program's name, as a condition form does; Esc or Cancel
// close it with result 2, OK with result 1 and the value "FAKE-JOB".
#include <stdexcept>

#include "module/DLLBaseCtrller.h"
#include "platform/Automation.h"
#include "platform/ClassBuilder.h"
#include "platform/CodePage.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace kw {

class TfrmFakeCondition : public TForm {
    KW_CLASS(TfrmFakeCondition)
public:
    explicit TfrmFakeCondition(TComponent* owner) : TForm(owner) {
        SetName("frmKtxr58");
        SetBounds(0, 0, 509, 355);
        AddButton("btnOk", "确定", 1, "FAKE-JOB", 340);
        AddButton("btnCancel", "取消", 2, "", 420)->SetCancel(true);
        OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    }

    bool Initialize(const Variant& params) {
        if (!params.isArray() || params.high() < 4) return false;
        UserId = VarToStr(params[0]);
        CompanyId = VarToStr(params[1]);
        if (HostObject.isDispatch()) {
            Variant validator = CallMethod(HostObject, "Com_Validator");
            Args args{Variant("ADMMB"), Variant("01"), params[2], Variant::ArrayOf({Variant(ProgramCode)}), Variant()};
            if (validator.toObject()->Invoke("CheckValue", args).toBool()) ProgramName = VarToStr(args[4][0]);
        }
        return true;
    }

    Variant HostObject;
    std::string UserId, CompanyId, ProgramCode = "KTXR58", ProgramName;
    int32_t ResultCode = 0;
    Variant ResultValue;

private:
    TButton* AddButton(const char* name, const char* caption, int32_t code, const char* value, int left) {
        auto* button = new TButton(this);
        button->SetName(name);
        button->SetText(DesignText(caption));
        button->SetBounds(left, 320, 75, 25);
        button->SetParent(this);
        button->OnClick = [this, code, value](TObject*) {
            ResultCode = code;
            ResultValue = Variant(std::u16string(Utf8ToWide(value)));
            Close();
        };
        return button;
    }
};

KW_BEGIN_CLASS(TfrmFakeCondition, TForm)
KW_END_CLASS(TfrmFakeCondition)

class TFakeController : public TDLLBaseController {
public:
    ~TFakeController() override {
        if (form_) FreeForm();
    }
    void GetVersion(std::u16string& text) override {
        if (form_) text = u"870401-0.00.00";
    }
    int32_t GetVisible() override { return form_ && form_->Visible() ? -1 : 0; }
    void SetVisible(int16_t value) override {
        if (!form_) return;
        form_->SetVisible(value != 0);
        if (value != 0) {
            if (form_->WindowState() == wsMinimized) form_->SetWindowState(wsNormal);
            form_->Activate();
        }
    }
    TDLLWindowHandle GetWindowHandle() override { return form_ ? form_->Handle() : 0; }
    int32_t CreateForm(const Variant& params) override {
        if (!form_) {
            form_ = kw::CreateForm<TfrmFakeCondition>(nullptr);
            form_->HostObject = HostObject;
            DoFormCreated();
            savedShow_ = form_->OnShow;
            form_->OnShow = TNotifyEvent::Of<&TFakeController::DoFormShow>(this);
            savedHide_ = form_->OnHide;
            form_->OnHide = TNotifyEvent::Of<&TFakeController::DoFormHide>(this);
            savedDestroy_ = form_->OnDestroy;
            form_->OnDestroy = TNotifyEvent::Of<&TFakeController::DoFormDestroy>(this);
        }
        return form_->Initialize(params) ? 0 : -1;
    }
    int32_t SendParams(const Variant& params) override {
        if (!form_ || params.isNull() || !params.isArray()) return -1;
        received_ = Variant::ArrayOf({Variant(true), params.high() >= 1 ? params[1] : Variant()});
        return 0;
    }
    int32_t SendNotice(int32_t kind, const Variant& data) override {
        if (!form_ || (kind != 5 && kind != 9)) return -1;
        received_ = Variant::ArrayOf({Variant(false), data});
        return 0;
    }
    void ShowModalForm(Variant& modalResult) override {
        modalResult = Variant(form_ ? static_cast<int>(form_->ShowModal()) : static_cast<int>(mrCancel));
    }
    void FreeForm() override {
        if (form_ && !form_->HasState(csDestroying)) form_->Free();
    }
    int32_t GetFormInfo(Variant& info) override {
        if (!form_) return -1;
        info = Variant::ArrayOf({Variant(form_->UserId), Variant(form_->CompanyId), Variant(form_->ProgramCode),
                                 Variant(form_->ProgramName)});
        return 0;
    }
    bool IsFormFreed() override { return form_ == nullptr; }
    void DoFormShow(TObject* sender) override {
        savedShow_(sender);
        TDLLBaseController::DoFormShow(sender);
    }
    void DoFormHide(TObject* sender) override {
        savedHide_(sender);
        TDLLBaseController::DoFormHide(sender);
    }
    void DoFormDestroy(TObject* sender) override {
        if (form_) {
            ResultCode = form_->ResultCode;
            ResultValue = form_->ResultValue;
            savedDestroy_(sender);
            TDLLBaseController::DoFormDestroy(sender);
        }
        form_ = nullptr;
    }

private:
    TfrmFakeCondition* form_ = nullptr;
    TNotifyEvent savedShow_, savedHide_, savedDestroy_;
    Variant received_;
};

extern "C" __attribute__((visibility("default"))) TDLLBaseController* GetController() {
    return new TFakeController();
}

}  // namespace kw
