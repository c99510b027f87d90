// TfrmBaseGene: creation, initialisation from the shell, the shell's
// services, the connection to the application server, show, received
// payloads, user rights and destruction.
#include "forms/base/BaseGene.h"

#include "platform/Automation.h"
#include "platform/Buttons.h"
#include "platform/ClassBuilder.h"
#include "platform/ClientDataSet.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Mask.h"
#include "platform/CodePage.h"
#include "platform/FilePaths.h"
#include "platform/SocketConn.h"
#include "platform/SysUtils.h"
#include "services/BatonINI.h"
#include "services/CodeConverter.h"
#include "services/LibStrs.h"

namespace kw {

namespace {

constexpr const char* kVersionText = "870401-0.00.00";
constexpr const char* kStandaloneHostClass = "PilotWorkCenter.Manager";

// The fixed parameter array of a standalone run: user, company, database.
Variant StandaloneParams() {
    return Variant::ArrayOf({Variant("DS"), Variant("DEMO"), Variant("KWDEMO")});
}

// A late-bound call whose failure leaves the result unassigned.
Variant TryCall(const Variant& object, const std::string& method, Args args = {}) {
    if (!object.isDispatch()) return Variant();
    try {
        return CallMethod(object, method, std::move(args));
    } catch (const std::exception&) {
        return Variant();
    }
}

}  // namespace

KW_BEGIN_CLASS(TfrmBaseGene, TKWForm)
    b.Prop("WantLog", &TfrmBaseGene::WantLog, &TfrmBaseGene::WantLog);
    b.Component("pnlCondition", &TfrmBaseGene::pnlCondition);
    b.Component("lblCondition", &TfrmBaseGene::lblCondition);
    b.Component("pgOption", &TfrmBaseGene::pgOption);
    b.Component("tsOption1", &TfrmBaseGene::tsOption1);
    b.Component("tsOption2", &TfrmBaseGene::tsOption2);
    b.Component("edPrintDate", &TfrmBaseGene::edPrintDate);
    b.Component("btnOk", &TfrmBaseGene::btnOk);
    b.Component("btnCancel", &TfrmBaseGene::btnCancel);
    b.Component("MainMidas", &TfrmBaseGene::MainMidas);
    b.Component("ClientDataSet1", &TfrmBaseGene::ClientDataSet1);
    b.Method<TKeyEvent, &TfrmBaseGene::FormKeyDown>("FormKeyDown");
    b.Method<TKeyPressEvent, &TfrmBaseGene::FormKeyPress>("FormKeyPress");
    b.Method<TNotifyEvent, &TfrmBaseGene::pgOptionChange>("pgOptionChange");
    b.Method<TTabChangingEvent, &TfrmBaseGene::pgOptionChanging>("pgOptionChanging");
    b.Method<TNotifyEvent, &TfrmBaseGene::btnCancelClick>("btnCancelClick");
    b.Method<TNotifyEvent, &TfrmBaseGene::tsOption2Show>("tsOption2Show");
    b.Message<&TfrmBaseGene::WMLookupRequest>(WM_LOOKUPREQUEST);
    b.Message<&TfrmBaseGene::WMMove>(WM_MOVE);
    b.Message<&TfrmBaseGene::CMFocusChanged>(CM_FOCUSCHANGED);
KW_END_CLASS(TfrmBaseGene)

TfrmBaseGene::TfrmBaseGene(TComponent* owner) : TKWForm(owner) {}

TfrmBaseGene::~TfrmBaseGene() = default;

void TfrmBaseGene::FormCreate() {
    TKWForm::FormCreate();
    if (SystemCodePageText() == "950") FormatSettings().DateSeparator = '/';
    Application()->SetHintHidePause(500000);
    VersionText = kVersionText;
    SetParentWindow(0);
    CompanyId.clear();
    ProgramCode.clear();
    ProgramName.clear();
    RequiredFields.clear();
    DateFields.clear();
    YearMonthFields.clear();
    CheckFailed = false;
    SystemPageArranged = false;
    LastFocused = this;
    InPageChange = false;
    ShowSubmitInfo = true;
    TranslateDataSets();
    DynamicDateRules = new TStringList();
    ClearImeNames();
}

void TfrmBaseGene::TranslateDataSets() {
    for (TComponent* component : ComponentList()) {
        auto* dataSet = dynamic_cast<TClientDataSet*>(component);
        if (!dataSet || !KwConverter()) continue;
        TCodeConverter* converter = KwConverter();
        for (TField* field : dataSet->Fields()) {
            field->SetDisplayLabel(VarToStr(converter->ConvertUIVariant(Variant(field->DisplayLabel()))));
            if (field->DataType() != TFieldType::String && field->DataType() != TFieldType::Memo) continue;
            if (!field->OnGetText.Assigned())
                field->OnGetText = [converter](TField* sender, std::string& text, bool) {
                    text = VarToStr(converter->ConvertUIVariant(Variant(sender->AsString())));
                };
            if (!field->OnSetText.Assigned())
                field->OnSetText = [converter](TField* sender, const std::string& text) {
                    sender->SetAsString(VarToStr(converter->ConvertFromUIVariant(Variant(text))));
                };
        }
    }
}

// ---- Module file and program ----------------------------------------------

void TfrmBaseGene::SetModuleFileName(const std::string& path) {
    ModuleFileName = path;
    if (!IsLibraryBuild()) Initialize(StandaloneParams());
}

bool TfrmBaseGene::IsLibraryBuild() const {
    const std::string ext = ExtractFileExt(ModuleFileName);
    return SameText(ext, ".Dll") || SameText(ext, ".so");
}

std::string TfrmBaseGene::ProgramCodeFromFile() const {
    const std::string name = ExtractFileName(ModuleFileName);
    const std::string ext = ExtractFileExt(ModuleFileName);
    int n = static_cast<int>(name.size()) - static_cast<int>(ext.size()) - (IsLibraryBuild() ? 1 : 2);
    if (n < 6) n = 6;
    return name.substr(0, std::min<size_t>(static_cast<size_t>(n), name.size()));
}

void TfrmBaseGene::DefineProgram() {
    SetDateFields("edPrintDate");
    ProgramKind = "R";
    HeaderCount = 9;
    SetProgramCode(ProgramCodeFromFile());
    OptionBits = 0;
    SetConditionCount(0);
}

void TfrmBaseGene::SetProgramCode(const std::string& code) {
    ProgramCode = UpperCase(code);
    ServerClassName = ProgramCode + "S.Class1";
    std::string name;
    try {
        Variant result;
        if (ValidatorQuery("ADMMB", "01", false, result, Variant::ArrayOf({Variant(ProgramCode)})) &&
            result.isArray()) {
            name = VarToStr(result[result.low()]);
            WantLog = result.high() >= result.low() + 4 && VarToStr(result[result.low() + 4]) == "Y";
            if (result.high() >= 7 && UICodePage() == "437") name = VarToStr(result[7]);
        }
    } catch (const std::exception&) {
        name = ProgramCode;
        WantLog = false;
    }
    ProgramName = CaptionText = name;
}

void TfrmBaseGene::SetConditionCount(int count) {
    ConditionCount = ConditionCount > ReservedCount ? count : count + ReservedCount;
}

// ---- Initialisation --------------------------------------------------------

bool TfrmBaseGene::Initialize(const Variant& params) {
    if (!CompanyId.empty()) return false;
    try {
        delete SysInfoCache;
        SysInfoCache = new TStringList();
        pageEndControls_.clear();
        LookupWindow = Validator = CounterService = Variant();
        ReservedCount = 1;
        RecordError("");
        if (edPrintDate) edPrintDate->SetText("");
        ReceivedPayload = Variant::Null();
        ApplyFlag = true;
        AutoSubmit = false;

        const int high = params.isArray() ? params.high() : -1;
        ShellWindow = high >= 3 ? static_cast<HWND>(params[3].toInt64()) : 0;
        if (high > 3)
            ShellExtra = params[4];
        else
            ShowCatalogMessages("E;000038");

        Hide();
        UserId = VarToStr(params[0]);
        CompanyId = VarToStr(params[1]);
        DatabaseName = VarToStr(params[2]);
        AttachHost();

        const std::string nameCode = Name().size() > 3 ? Name().substr(3, 3) : std::string();
        if (!SameText(nameCode, ProgramCode.substr(0, 3))) {
            ShowCatalogMessages("E;000036");
            PostCloseRequest();
            return true;
        }

        if (MainMidas) MainMidas->Close();
        bool connected = ConnectServer();
        if (connected) {
            ConfigureConnection(MainMidas);
            connected = MainMidas && !MainMidas->ServerName().empty() && OpenAppServer();
        }
        if (!connected) {
            ShowCatalogMessages("E;000006");
            PostCloseRequest();
            return false;
        }
        return true;
    } catch (const std::exception& e) {
        RecordError(e.what());
        return false;
    }
}

void TfrmBaseGene::AttachHost() {
    GetHostServices();
    // VersionType is required of the host: its failure ends the initialisation.
    HostVersionType = CallMethod(HostObject, "VersionType").toInt();
    try {
        ProductId = CallMethod(HostObject, "ProductID").toInt();
    } catch (const std::exception&) {
        ProductId = 3;
    }
    DefineProgram();
    GetLookupWindow();
}

void TfrmBaseGene::GetHostServices() {
    if (!IsLibraryBuild()) {
        try {
            HostObject = Variant(CreateOleObject(kStandaloneHostClass));
        } catch (const std::exception&) {
            HostObject = Variant();
        }
    }
    CounterService = TryCall(HostObject, "Com_Counter");
    if (CounterService.isDispatch()) {
        GetSysInfo("");
        CompanyName = GetSysInfo("KWT002");
    } else {
        CounterService = Variant();
    }
    Validator = TryCall(HostObject, "Com_Validator");
    if (!Validator.isDispatch()) Validator = Variant();
}

void TfrmBaseGene::GetLookupWindow() {
    if (OptionBits & 4) {
        LookupWindow = TryCall(HostObject, "Com_F2Window");
        if (!LookupWindow.isDispatch()) LookupWindow = Variant();
    }
}

bool TfrmBaseGene::ConnectServer() {
    try {
        if (MainMidas) MainMidas->Close();
        TBatonIniC settings;
        if (!MessageCodes.empty()) {
            // Something went wrong earlier in this initialisation: say it again.
            ShowCatalogMessages(MessageCodes);
            return false;
        }
        const Variant& servers = settings.ServerList;
        if (MainMidas && servers.isArray() && servers.dimCount() == 2 && servers.high(2) >= servers.low(2)) {
            const int entry = servers.low(2);
            MainMidas->SetAddress(VarToStr(servers.array().at({0, entry})));
            MainMidas->SetPort(servers.array().at({1, entry}).toInt());
        }
        return true;
    } catch (const std::exception& e) {
        RecordError(e.what());
        return false;
    }
}

bool TfrmBaseGene::OpenAppServer() {
    try {
        AppServer = Variant();
        if (!MainMidas) return false;
        if (MainMidas->Connected()) MainMidas->Close();
        LocalServer = MainMidas->Address() == LocalServerAddress;
        if (LocalServer) {
            AutoRef server = CreateOleObject(MainMidas->ServerName());
            MainMidas->SetAppServer(server);
            AppServer = Variant(server);
        } else {
            MainMidas->Open();
            if (MainMidas->Connected()) AppServer = MainMidas->AppServer();
        }
        return AppServer.isDispatch();
    } catch (const std::exception& e) {
        RecordError(e.what());
        return false;
    }
}

void TfrmBaseGene::PostCloseRequest() { PostMessage(Handle(), WM_CLOSE, 0, 0); }

// ---- Show --------------------------------------------------------------

void TfrmBaseGene::FormShow() {
    TKWForm::FormShow();
    std::string caption = CaptionText;
    if (ProductId == 5) caption += ResourceString("TfrmBaseGene", "sPublicVer", DesignText("-普及版"));
    SetCaption(caption + "[" + CompanyName + "]");
    if (pgOption && pgOption->PageCount() > 0) pgOption->SetActivePageIndex(0);
    pgOptionChange(this);
    ConvertOnce();
    LoadSchemeList();
}

// ---- Received payloads ---------------------------------------------------

void TfrmBaseGene::ReceiveParams(const Variant& pair) {
    const Variant payload = pair.isArray() && pair.high() >= 1 ? pair[1] : Variant();
    ReceivedPayload = payload;
    if (!payload.isArray()) return;
    const int mode = payload[payload.low()].toInt();
    ShowSubmitInfo = mode == 0 || mode == 1;
    AutoSubmit = false;
    bool ok = false;
    if (payload.high() >= payload.low() + 1) {
        const Variant& request = payload[payload.low() + 1];
        if (request.isArray() && request.array().size() > 0) {
            ApplyFlag = request[request.low()].toBool();
            if (request.high() >= request.low() + 1) {
                const Variant& values = request[request.low() + 1];
                if (values.isArray() && values.array().size() > 0) {
                    ok = ApplyFlag ? CheckReceivedValues(values) : AcceptReceivedValues(values);
                    AutoSubmit = ok && mode != 0;
                }
            }
        }
    }
    if (!Converted()) {
        ConvertOnce();
        if (SystemCodePageText() == "950" && KwConverter()) {
            CaptionText = KwConverter()->ConvertToBig5(CaptionText);
            std::string caption = CaptionText;
            if (!IsLibraryBuild())
                caption += ResourceString("TfrmBaseGene", "sExeVer", DesignText("[您现在运行的是Exe版本!]"));
            SetCaption(caption + "[" + CompanyName + "]");
        }
    }
    if (mode > 2 && ok)
        HandleRequest(mode);
    else if (AutoSubmit && btnOk)
        btnOk->Click();
}

bool TfrmBaseGene::CheckReceivedValues(const Variant& values) {
    bool ok = values.isArray() && values.high() >= values.low() + 1 && values[values.low()].isArray();
    if (ok) {
        const Variant& captions = values[values.low()];
        for (int i = captions.low(); ok && i <= captions.high(); ++i) {
            const Variant& pair = captions[i];
            TComponent* component =
                pair.isArray() && pair.high() >= pair.low() + 1 ? FindComponent(VarToStr(pair[pair.low() + 1])) : nullptr;
            ok = component && (component->InheritsFrom("TSelectPanel") || component->InheritsFrom("TCustomComboBox") ||
                               component->InheritsFrom("TComboBox") ||
                               component->ClassInfo().FindProp("ItemIndex") ||
                               component->ClassInfo().FindProp("Checked") ||
                               component->ClassInfo().FindProp("Text") || component->ClassInfo().FindProp("Lines"));
        }
    }
    if (!ok) ShowCatalogMessages("W;000014");
    return ok;
}

// ---- User rights -----------------------------------------------------------

void TfrmBaseGene::ApplyUserRights(const Variant& rights) {
    const std::string fields = VarToStr(rights[1]);
    RightsField1 = GetDelimitedField(fields, ",", 1);
    RightsFlag2 = GetDelimitedField(fields, ",", 2) == "Y";
    RightsFlag3 = GetDelimitedField(fields, ",", 3) == "Y";
    RightsField4 = GetDelimitedField(fields, ",", 4);
    RightsField5 = GetDelimitedField(fields, ",", 5);
    RightsField6 = GetDelimitedField(fields, ",", 6);
    RightsFlagA = RightsField4.size() >= 7 && RightsField4[6] != 'N';
    RightsFlagB = RightsField4.size() >= 8 && RightsField4[7] != 'N';
    RightsExtra = VarToStr(rights[2]);
    WebUserId = VarToStr(rights[3]);
    const std::u16string separator(1, u'\x03');
    const Variant& limits = rights[5];
    std::u16string limit = VarToWideStr(rights[4]) + separator + VarToWideStr(limits[limits.low()]) + separator;
    const int count = limits[limits.low()].toInt();
    for (int i = 1; i <= count; ++i) limit += VarToWideStr(limits[limits.low() + i]) + separator;
    LimitText = limit;
    AfterRightsLoaded();
}

// ---- Closing and destruction -------------------------------------------

void TfrmBaseGene::btnCancelClick(TObject*) { Close(); }

void TfrmBaseGene::DoClose(TCloseAction& action) {
    TKWForm::DoClose(action);
    action = caFree;
}

// OnDestroy runs first: the controller chained there copies the result.
void TfrmBaseGene::DoDestroy() {
    TKWForm::DoDestroy();
    pageEndControls_.clear();
    delete SysInfoCache;
    SysInfoCache = nullptr;
    delete DynamicDateRules;
    DynamicDateRules = nullptr;
    LookupWindow = Validator = CounterService = Variant();
    if (MainMidas && !LocalServer) MainMidas->Close();
    AppServer = Variant();
    HostObject = Variant();
}

}  // namespace kw
