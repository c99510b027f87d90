#include "services/LanguageController.h"

#include "platform/ClassBuilder.h"
#include "platform/SysUtils.h"
#include "services/LanguagePackage.h"

namespace kw {

KW_BEGIN_CLASS(TLanguageController, TComponent)
    b.Prop("Active", &TLanguageController::Active, &TLanguageController::SetActive);
    b.Object("ExcludeControls", &TLanguageController::ExcludeControls, &TLanguageController::SetExcludeControls);
    b.Event("AfterClose", "TNotifyEvent", &TLanguageController::AfterClose);
    b.Event("AfterOpen", "TNotifyEvent", &TLanguageController::AfterOpen);
    b.Event("BeforeClose", "TNotifyEvent", &TLanguageController::BeforeClose);
    b.Event("BeforeOpen", "TNotifyEvent", &TLanguageController::BeforeOpen);
    b.Event("AfterLoadComponent", "TLoadComponentEvent", &TLanguageController::AfterLoadComponent);
    b.Event("BeforeLoadComponent", "TLoadComponentEvent", &TLanguageController::BeforeLoadComponent);
    b.Creatable();
KW_END_CLASS(TLanguageController)

TLanguageController::TLanguageController(TComponent* owner)
    : TComponent(owner), inlinePackage_(new TStringList), excludeControls_(new TStringList)
{
    inlinePackage_->OnChange = TNotifyEvent::Of<&TLanguageController::InlinePackageChanged>(this);
    excludeControls_->OnChange = TNotifyEvent::Of<&TLanguageController::ExcludeControlsChanged>(this);
}

TLanguageController::~TLanguageController()
{
    reader_.reset();
    document_.reset();
    delete inlinePackage_;
    delete excludeControls_;
}

bool TLanguageController::Active() const
{
    return document_ && document_->document_element();
}

void TLanguageController::SetActive(bool active)
{
    if (HasState(csLoading)) {
        streamedActive_ = active;
        return;
    }
    if (active == Active())
        return;
    if (active)
        Open();
    else
        Close();
}

void TLanguageController::Loaded()
{
    TComponent::Loaded();
    if (streamedActive_)
        SetActive(true);
}

void TLanguageController::SetFileName(const std::string& fileName)
{
    if (fileName == fileName_)
        return;
    fileName_ = fileName;
    Deactivate();
}

void TLanguageController::SetInlinePackage(TStrings* text)
{
    inlinePackage_->Assign(text);
}

void TLanguageController::ClearInlinePackage()
{
    quietInlineChange_ = true;
    inlinePackage_->Clear();
    quietInlineChange_ = false;
}

void TLanguageController::InlinePackageChanged(TObject*)
{
    if (quietInlineChange_ || HasState(csLoading))
        return;
    if (inlinePackage_->Count() > 0)
        fileName_.clear();
    Deactivate();
}

void TLanguageController::SetExcludeControls(TStrings* names)
{
    excludeControls_->Assign(names);
}

void TLanguageController::ExcludeControlsChanged(TObject*)
{
    if (reader_)
        reader_->SetExcludeControls(*excludeControls_);
}

TLangReader& TLanguageController::Reader()
{
    if (!Active() || !reader_)
        throw LanguageControllerError("No active LanguageController!");
    return *reader_;
}

void TLanguageController::Open()
{
    BeforeOpen(this);
    reader_.reset();
    document_.reset();
    auto document = std::make_unique<pugi::xml_document>();
    std::string reason;
    if (inlinePackage_->Count() > 0)
        reason = LoadPackageText(*document, inlinePackage_->Text());
    else if (fileName_.empty())
        throw LanguageControllerError(Format("Cannot Find File %s!", {fileName_}));
    else
        reason = LoadPackageFile(*document, fileName_);
    if (!reason.empty())
        throw LanguageControllerError(reason);
    document_ = std::move(document);
    reader_ = std::make_unique<TLangReader>(*document_);
    reader_->SetExcludeControls(*excludeControls_);
    reader_->BeforeLoadComponent = BeforeLoadComponent;
    reader_->AfterLoadComponent = AfterLoadComponent;
    AfterOpen(this);
}

void TLanguageController::Deactivate()
{
    if (Active())
        Close();
}

void TLanguageController::Close()
{
    BeforeClose(this);
    reader_.reset();
    document_.reset();
    AfterClose(this);
}

}  // namespace kw
