// A client dataset that reads its records from a provider of the
// application server: Open asks the connection's server object for
// AS_GetRecords(ProviderName) and keeps the records locally. The records
// can be browsed, ordered by named fields (IndexFieldNames), searched
// (Locate) and changed locally (Edit, Post); nothing is written back.
//
// Fields: Open makes a field for every column of the packet. Fields added
// with AddField before Open are persistent: they take the column of their
// name at every Open and keep their display label and text handlers across
// Close and Open (other fields go with Close).
//
// The data packet a provider answers: a variant array [names, rows, kinds]
// with the field names, the rows (each an array of the field values in the
// order of the names) and, optionally, the field kinds as texts ("String",
// "Memo", "Integer", "Float", "Boolean", "DateTime").
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Variant.h"

namespace kw {

class TSocketConnection;
class TClientDataSet;

class EDatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TFieldType { Unknown, String, Memo, Integer, Float, Boolean, DateTime };
enum class TDataSetState { Inactive, Browse, Edit };

class TField;
// Sender, the text to show (var), whether it is for display.
using TFieldGetTextEvent = TEvent<TField*, std::string&, bool>;
// Sender, the text entered.
using TFieldSetTextEvent = TEvent<TField*, const std::string&>;

class TField {
public:
    TField(TClientDataSet& dataSet, int index, std::string name, TFieldType type);

    const std::string& FieldName() const { return name_; }
    // The field's column in the records (set at Open).
    int Index() const { return index_; }
    bool Persistent() const { return persistent_; }
    TFieldType DataType() const { return type_; }
    TClientDataSet& DataSet() const { return dataSet_; }
    // The caption of the field; its name until set.
    const std::string& DisplayLabel() const { return displayLabel_.empty() ? name_ : displayLabel_; }
    void SetDisplayLabel(const std::string& label) { displayLabel_ = label; }

    // The value in the current record (or in the record being edited).
    Variant Value() const;
    // Raises EDatabaseError unless the dataset is being edited.
    void SetValue(const Variant& value);
    bool IsNull() const;
    std::string AsString() const;
    // Keeps the field's byte-string code page when the value is a byte string.
    void SetAsString(const std::string& text);
    int AsInteger() const;

    // Text through OnGetText when assigned, else AsString.
    std::string Text() const;
    std::string DisplayText() const;
    // Through OnSetText when assigned, else SetAsString.
    void SetText(const std::string& text);

    TFieldGetTextEvent OnGetText;
    TFieldSetTextEvent OnSetText;

private:
    friend class TClientDataSet;
    std::string TextFor(bool display) const;
    TClientDataSet& dataSet_;
    int index_;
    std::string name_;
    std::string displayLabel_;
    TFieldType type_;
    bool persistent_ = false;
};

enum TLocateOption : uint32_t { loCaseInsensitive = 1, loPartialKey = 2 };

class TClientDataSet : public TComponent {
    KW_CLASS(TClientDataSet)
public:
    explicit TClientDataSet(TComponent* owner);
    ~TClientDataSet() override;

    const std::string& ProviderName() const { return providerName_; }
    void SetProviderName(const std::string& name) { providerName_ = name; }
    TSocketConnection* RemoteServer() const { return remoteServer_; }
    void SetRemoteServer(TSocketConnection* connection);
    // Field names separated by ";": the order of the records.
    const std::string& IndexFieldNames() const { return indexFieldNames_; }
    void SetIndexFieldNames(const std::string& names);

    bool Active() const { return state_ != TDataSetState::Inactive; }
    void SetActive(bool active);
    // Fetches the provider's records (opening the connection when needed);
    // raises EDatabaseError or the connection's error.
    void Open();
    void Close();
    TDataSetState State() const { return state_; }

    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    int RecordCount() const;
    // 1-based number of the current record, 0 when there is none.
    int RecNo() const;
    bool IsEmpty() const { return RecordCount() == 0; }

    int FieldCount() const { return static_cast<int>(fields_.size()); }
    TField& Fields(int index) const;
    std::vector<TField*> Fields() const;
    // A persistent field; only while the dataset is closed.
    TField& AddField(const std::string& name, TFieldType type = TFieldType::Unknown);
    TField* FindField(const std::string& name) const;
    // Raises EDatabaseError when there is no such field.
    TField& FieldByName(const std::string& name) const;

    // Moves to the first record (in index order) whose fields named in
    // keyFields (";"-separated) equal keyValues: a single value for one field,
    // an array of values for several. False (cursor unchanged) when none does.
    bool Locate(const std::string& keyFields, const Variant& keyValues, uint32_t options = 0);

    // Local changes: Edit starts on the current record, Post keeps the
    // changes (re-ordering the records by the index), Cancel drops them.
    void Edit();
    void Post();
    void Cancel();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TField;
    struct Record {
        uint64_t serial;
        std::vector<Variant> values;
    };
    void CheckActive() const;
    void Load(const Variant& packet);
    void Sort();
    std::vector<int> FieldIndexes(const std::string& names) const;
    const std::vector<Variant>& CurrentValues() const;
    void SetCursor(int index);

    std::string providerName_;
    TSocketConnection* remoteServer_ = nullptr;
    std::string indexFieldNames_;
    TDataSetState state_ = TDataSetState::Inactive;
    std::vector<std::unique_ptr<TField>> fields_;
    std::vector<Record> records_;
    std::vector<Variant> editBuffer_;
    int cursor_ = -1;
    bool eof_ = true;
    bool bof_ = true;
};

}  // namespace kw
