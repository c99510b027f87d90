// TfrmBaseGene: the base behaviour of the hooks that the layers extend.
//
// The condition values and the job parameter array, condition schemes, and
// the date and required-field checks have work of their own still to come;
// until then their hooks here are minimal: they keep the lists they are
// given and report that nothing was collected, saved or restored.
#include "forms/base/BaseGene.h"

#include "platform/ComCtrls.h"
#include "platform/Mask.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

namespace kw {

void TfrmBaseGene::ArrangeSystemPage() {
    if (SystemPageArranged || !tsOption2) return;
    SystemPageArranged = true;
    tsOption2->Font()->Assign(Font());
    tsOption2->Font()->SetSize(9);
    if (Height() < 110) SetHeight(110);
    if (Width() < 315) SetWidth(315);
    if (auto* label = FindComponent("lblToday")) {
        if (auto* control = dynamic_cast<TControl*>(label)) {
            control->SetLeft(8);
            control->SetTop(12);
        }
        if (auto* custom = dynamic_cast<TCustomLabel*>(label)) custom->SetAutoSize(true);
    }
    if (edPrintDate) edPrintDate->SetBounds(60, 8, 85, edPrintDate->Height());
    // The date button follows its edit (a bound lookup button places itself
    // beside its control whenever that control moves).
}

bool TfrmBaseGene::CollectParameters() { return false; }

bool TfrmBaseGene::FillHeader(Variant&, int) { return false; }

bool TfrmBaseGene::FillConditionCaptions(Variant&, int) {
    CaptionsCollected = true;
    return false;
}

bool TfrmBaseGene::FillConditionValues(Variant&, int) { return false; }

void TfrmBaseGene::SetRequiredFields(const std::string& list) { RequiredFields = Trim(list); }

void TfrmBaseGene::SetDateFields(const std::string& list) {
    std::string fields = Trim(list);
    if (fields == DateFields) return;
    if (!DateFields.empty() && fields.find("edPrintDate") == std::string::npos) fields += "," + DateFields;
    DateFields = fields;
}

bool TfrmBaseGene::SaveScheme(const std::string&, const std::string&, bool) { return false; }

bool TfrmBaseGene::RestoreScheme(const std::string&, const std::string&) { return false; }

bool TfrmBaseGene::LoadSchemeList() { return false; }

}  // namespace kw
