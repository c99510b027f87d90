// Data-aware controls: TDBEdit, an edit that shows one field of a data
// source's current record and writes what the user types into that field
// while the record is being edited.
#pragma once

#include <string>

#include "platform/DB.h"
#include "platform/StdCtrls.h"

namespace kw {

class TDBEdit : public TCustomEdit {
    KW_CLASS(TDBEdit)
public:
    explicit TDBEdit(TComponent* owner);

    TDataSource* DataSource() const { return link_.DataSource(); }
    void SetDataSource(TDataSource* source);
    const std::string& DataField() const { return dataField_; }
    virtual void SetDataField(const std::string& name);
    // The field DataField names in the dataset, or none.
    TField* Field() const;
    // Typing reaches the field: there is one, its record is being edited and
    // the edit is not read-only.
    bool CanModify() const;

    void Loaded() override;

protected:
    // A change of the text while the field can be modified goes to the
    // field through its SetText.
    void Change() override;
    // Refused with a beep unless the field can be modified.
    void TypeInsert(const std::string& text) override;
    void TypeDelete(bool forward) override;
    void KeyPress(char& ch) override;
    // Entering shows the record as it is now.
    void DoEnter() override;

private:
    class TFieldLink : public TDataLink {
    public:
        explicit TFieldLink(TDBEdit& edit) : edit_(edit) {}

    protected:
        void DataChanged() override { edit_.ShowField(); }

    private:
        TDBEdit& edit_;
    };

    // The field's text of the current record; empty without a field.
    void ShowField();
    bool RefuseTyping() const;

    TFieldLink link_{*this};
    std::string dataField_;
    bool showingField_ = false;
};

}  // namespace kw
