#include "platform/DBCtrls.h"

#include "platform/ClassBuilder.h"

namespace kw {

KW_BEGIN_CLASS(TDBEdit, TCustomEdit)
    b.Prop("DataSource", &TDBEdit::DataSource, &TDBEdit::SetDataSource);
    b.Prop("DataField", &TDBEdit::DataField, &TDBEdit::SetDataField);
    b.Prop("MaxLength", &TDBEdit::MaxLength, &TDBEdit::SetMaxLength);
    b.Prop("ReadOnly", &TDBEdit::ReadOnly, &TDBEdit::SetReadOnly);
    b.Prop("CharCase", &TDBEdit::CharCase, &TDBEdit::SetCharCase);
    b.Prop("AutoSelect", &TDBEdit::AutoSelect, &TDBEdit::SetAutoSelect);
    b.Prop("ImeName", TypeImeName(), &TDBEdit::ImeName, &TDBEdit::SetImeName);
    b.Prop("PasswordChar", &TDBEdit::PasswordChar, &TDBEdit::SetPasswordChar);
    b.Event("OnChange", "TNotifyEvent", &TDBEdit::OnChange);
    b.Creatable();
KW_END_CLASS(TDBEdit)

TDBEdit::TDBEdit(TComponent* owner) : TCustomEdit(owner) {}

void TDBEdit::SetDataSource(TDataSource* source) { link_.SetDataSource(source); }

void TDBEdit::SetDataField(const std::string& name) {
    if (name == dataField_) return;
    dataField_ = name;
    ShowField();
}

TField* TDBEdit::Field() const {
    TClientDataSet* dataSet = link_.DataSet();
    return dataSet && !dataField_.empty() ? dataSet->FindField(dataField_) : nullptr;
}

bool TDBEdit::CanModify() const { return !ReadOnly() && link_.Editing() && Field(); }

void TDBEdit::Loaded() {
    TCustomEdit::Loaded();
    ShowField();
}

void TDBEdit::ShowField() {
    if ((ComponentState() & csLoading) || Destroying()) return;
    TField* field = link_.Active() ? Field() : nullptr;
    const std::string text = field ? field->Text() : std::string();
    showingField_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{showingField_};
    SetText(text);
    SetModified(false);
}

void TDBEdit::Change() {
    TCustomEdit::Change();
    if (showingField_ || !CanModify()) return;
    Field()->SetText(Text());
}

bool TDBEdit::RefuseTyping() const {
    if (CanModify()) return false;
    Backend().Beep();
    return true;
}

void TDBEdit::TypeInsert(const std::string& text) {
    if (ReadOnly() || RefuseTyping()) return;
    TCustomEdit::TypeInsert(text);
}

void TDBEdit::TypeDelete(bool forward) {
    if (ReadOnly() || RefuseTyping()) return;
    TCustomEdit::TypeDelete(forward);
}

// Cutting changes the text without typing.
void TDBEdit::KeyPress(char& ch) {
    const char cut = 24;
    if (ch == cut && !ReadOnly() && RefuseTyping()) return;
    TCustomEdit::KeyPress(ch);
}

void TDBEdit::DoEnter() {
    ShowField();
    TCustomEdit::DoEnter();
}

}  // namespace kw
