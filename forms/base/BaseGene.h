// TfrmBaseGene: the base of every condition window. It owns the window
// layout (scheme list pane, option pages, OK and Cancel), takes the shell's
// parameter array, attaches the shell's services, connects to the
// application server, handles keyboard navigation, receives payloads from
// the shell, keeps the message log, and defines the ordered virtual hooks
// through which the option layer, the report layer and the concrete form
// plug in (each layer calls the inherited hook first).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/LookupRequest.h"
#include "forms/base/KWForm.h"
#include "platform/Messages.h"
#include "platform/Variant.h"

namespace kw {

class TBitBtn;
class TClientDataSet;
class TLabel;
class TMaskEdit;
class TPageControl;
class TPanel;
class TSocketConnection;
class TStringList;
class TTabSheet;
class TWinControl;

class TfrmBaseGene : public TKWForm {
    KW_CLASS(TfrmBaseGene)
public:
    explicit TfrmBaseGene(TComponent* owner);
    ~TfrmBaseGene() override;

    // ---- Virtual hooks, in slot order -------------------------------------
    virtual void ArrangeSystemPage();
    virtual bool CollectParameters();
    virtual void DefineProgram();
    virtual void FillFromPhrase(TWinControl* control);
    virtual void SetRequiredFields(const std::string& list);
    virtual bool RunServerLibrary(const std::string& p1, const std::string& programCode, const std::string& p3,
                                  const std::string& companyId, const std::string& userId,
                                  const std::string& serverClassName, const std::string& programKind,
                                  const std::string& databaseName, const Variant& p9, int p10,
                                  const std::string& p11);
    virtual void TranslateDataSets();
    virtual void AttachHost();
    virtual bool Initialize(const Variant& params);
    virtual void SpareHook() {}
    virtual bool FillConditionValues(Variant& values, int offset);
    virtual bool AcceptReceivedValues(const Variant& values) { return false; }
    virtual void ResetOptions() {}
    virtual bool FillHeader(Variant& header, int count);
    virtual bool FillConditionCaptions(Variant& captions, int offset);
    virtual void AfterRightsLoaded() {}
    virtual void LookupData(const std::string& key, const std::string& mode, Variant& result, bool multi,
                            const std::string& text, const Variant& params);
    virtual void ConfigureConnection(TSocketConnection* connection) {}
    virtual bool SaveScheme(const std::string& propertyList, const std::string& name, bool replace);
    virtual bool RestoreScheme(const std::string& propertyList, const std::string& values);
    virtual bool LoadSchemeList();
    virtual bool AfterSchemeOpened() { return true; }
    virtual bool HandleRequest(int mode) { return true; }
    virtual void BeforeRestoreValue(TComponent* component, const std::string& value) {}
    virtual void AfterRestoreValue(TComponent* component, const std::string& value) {}

    // Dynamically dispatched operations.
    virtual void LookupOnControl(int key, TWinControl* control);
    virtual void GetHostServices();
    virtual void GetLookupWindow();

    // ---- Operations used by the controller and the other layers ----------
    void SetModuleFileName(const std::string& path);
    // The module runs as a library (".Dll" or the platform's ".so").
    bool IsLibraryBuild() const;
    std::string ProgramCodeFromFile() const;
    void SetProgramCode(const std::string& code);
    void SetConditionCount(int count);
    bool ConnectServer();
    bool OpenAppServer();
    void ReceiveParams(const Variant& pair);
    bool CheckReceivedValues(const Variant& values);
    void ApplyUserRights(const Variant& rights);
    bool IsPageEndControl(TWinControl* control) const;
    std::vector<TWinControl*>& PageEndControls() { return pageEndControls_; }
    void ShowHelp();
    void SetDateFields(const std::string& list);

    // Message catalogue and prompts. Nothing is logged or shown while the
    // Cancel button has the focus (the user is leaving).
    bool CancelFocused() const;
    void ShowCatalogMessages(const std::string& text);
    void RecordError(const std::string& text);
    std::string GetCatalogText(const std::string& type, const std::string& id);
    int ShowDialog(const std::string& text, TMsgDlgType kind, TMsgDlgButtons buttons);
    int ShowCatalogDialog(const std::string& type, const std::string& id, TMsgDlgButtons buttons,
                          const std::vector<Variant>& args);

    // System information and validator queries through the shell.
    std::string GetSysInfo(const std::string& key);
    int DateStyle();
    std::string DateSeparator();
    // The date picker: the picked date for display, Text when cancelled.
    std::string PickDate(const std::string& text);
    bool ValidatorQuery(const std::string& table, const std::string& kind, bool queryMode, Variant& result,
                        const Variant& params);

    // ---- Fields read by the controller and the layers --------------------
    Variant HostObject;
    Variant CounterService, Validator, LookupWindow, AppServer;
    std::string UserId, CompanyId, DatabaseName;
    HWND ShellWindow = 0;
    Variant ShellExtra;
    std::string CompanyName;
    std::string VersionText;
    int HostVersionType = 0;
    int ProductId = 3;
    std::string ProgramCode, ProgramName, CaptionText;
    std::string ServerClassName;
    std::string ProgramKind = "R";
    int HeaderCount = 9, ConditionCount = 0, ReservedCount = 1;
    uint8_t OptionBits = 0;
    std::string DateFields, YearMonthFields, RequiredFields;
    TWinControl* LastFocused = nullptr;
    bool InPageChange = false;
    bool CheckFailed = false;
    std::string MessageCodes, MessageTexts;
    Variant JobParams;
    Variant ReceivedPayload;
    bool ApplyFlag = true, AutoSubmit = false, ShowSubmitInfo = true;
    int ResultCode = 0;
    Variant ResultValue;
    std::string SavedPropertyList;
    // The user-rights record.
    std::u16string LimitText;
    std::string RightsField1, RightsField4, RightsField5, RightsField6, RightsExtra;
    bool RightsFlag2 = false, RightsFlag3 = false, RightsFlagA = true, RightsFlagB = true;
    std::string WebUserId;
    std::string ModuleFileName;
    bool LocalServer = false;
    bool SystemPageArranged = false;
    bool WantLog = false;
    bool CaptionsCollected = false;
    TStringList* SysInfoCache = nullptr;
    TStringList* DynamicDateRules = nullptr;

    // Components of the layout.
    TPanel* pnlCondition = nullptr;
    TLabel* lblCondition = nullptr;
    TPageControl* pgOption = nullptr;
    TTabSheet* tsOption1 = nullptr;
    TTabSheet* tsOption2 = nullptr;
    TMaskEdit* edPrintDate = nullptr;
    TBitBtn* btnOk = nullptr;
    TBitBtn* btnCancel = nullptr;
    TSocketConnection* MainMidas = nullptr;
    TClientDataSet* ClientDataSet1 = nullptr;

protected:
    void FormCreate() override;
    void FormShow() override;
    void DoClose(TCloseAction& action) override;
    void DoDestroy() override;
    void Resize() override;

    // Handlers named in the form text.
    void FormKeyDown(TObject* sender, uint16_t& key, TShiftState shift);
    void FormKeyPress(TObject* sender, char& key);
    void pgOptionChange(TObject* sender);
    void pgOptionChanging(TObject* sender, bool& allowChange);
    void btnCancelClick(TObject* sender);
    void tsOption2Show(TObject* sender);

    // Window messages.
    void WMLookupRequest(TMessage& message);
    void WMMove(TMessage& message);
    void CMFocusChanged(TMessage& message);

    // Moves to the next (or previous) page of pgOption, if any.
    void SelectPage(bool forward);
    // Focuses the first enabled control in tab order on the active page.
    void FocusFirstOnPage();
    void RepaintShellWindow();
    void PostCloseRequest();

private:
    std::vector<TWinControl*> pageEndControls_;
    bool initialized_ = false;
};

}  // namespace kw
