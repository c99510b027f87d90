#include "platform/ClientDataSet.h"

#include <algorithm>

#include "platform/Automation.h"
#include "platform/ClassBuilder.h"
#include "platform/SocketConn.h"
#include "platform/SysUtils.h"

namespace kw {

namespace {

const char* const GetRecordsMethod = "AS_GetRecords";

TFieldType FieldTypeOf(const std::string& kind) {
    static const std::pair<const char*, TFieldType> kinds[] = {
        {"String", TFieldType::String},   {"Memo", TFieldType::Memo},       {"Integer", TFieldType::Integer},
        {"Float", TFieldType::Float},     {"Boolean", TFieldType::Boolean}, {"DateTime", TFieldType::DateTime}};
    for (const auto& [name, type] : kinds)
        if (SameText(kind, name)) return type;
    return TFieldType::Unknown;
}

TFieldType FieldTypeOf(const Variant& value) {
    switch (value.type()) {
    case VarType::String:
    case VarType::WideString:
        return TFieldType::String;
    case VarType::Int32:
    case VarType::Int64:
        return TFieldType::Integer;
    case VarType::Double:
        return TFieldType::Float;
    case VarType::Boolean:
        return TFieldType::Boolean;
    case VarType::Date:
        return TFieldType::DateTime;
    default:
        return TFieldType::Unknown;
    }
}

bool IsNumber(const Variant& value) { return value.isNumeric() || value.type() == VarType::Date; }

// Order of two field values: missing values first, numbers by value, the
// rest by their text's bytes.
int CompareValues(const Variant& a, const Variant& b) {
    if (VarIsEmptyOrNull(a) || VarIsEmptyOrNull(b)) return VarIsEmptyOrNull(b) - VarIsEmptyOrNull(a);
    if (IsNumber(a) && IsNumber(b)) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return VarToStr(a).compare(VarToStr(b));
}

bool Matches(const Variant& field, const Variant& key, uint32_t options) {
    if (VarIsEmptyOrNull(field) || VarIsEmptyOrNull(key)) return VarIsEmptyOrNull(field) && VarIsEmptyOrNull(key);
    if (IsNumber(field) && IsNumber(key)) return field.toDouble() == key.toDouble();
    std::string text = VarToStr(field);
    const std::string wanted = VarToStr(key);
    if (options & loPartialKey) text = text.substr(0, wanted.size());
    return (options & loCaseInsensitive) ? SameText(text, wanted) : text == wanted;
}

std::vector<std::string> SplitNames(const std::string& names) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= names.size()) {
        size_t end = names.find(';', start);
        if (end == std::string::npos) end = names.size();
        std::string name = Trim(names.substr(start, end - start));
        if (!name.empty()) parts.push_back(name);
        start = end + 1;
    }
    return parts;
}

[[noreturn]] void BadPacket(const std::string& why) {
    throw EDatabaseError("the provider's data packet is malformed: " + why);
}

}  // namespace

// ---------------------------------------------------------------- TField

TField::TField(TClientDataSet& dataSet, int index, std::string name, TFieldType type)
    : dataSet_(dataSet), index_(index), name_(std::move(name)), type_(type) {}

Variant TField::Value() const {
    if (dataSet_.state_ == TDataSetState::Inactive || dataSet_.records_.empty()) return Variant::Null();
    return dataSet_.CurrentValues()[index_];
}

void TField::SetValue(const Variant& value) {
    if (dataSet_.state_ != TDataSetState::Edit) throw EDatabaseError(dataSet_.Name() + ": dataset not in edit mode");
    dataSet_.editBuffer_[index_] = value;
}

bool TField::IsNull() const { return VarIsEmptyOrNull(Value()); }

std::string TField::AsString() const { return VarToStr(Value()); }

void TField::SetAsString(const std::string& text) {
    Variant current = Value();
    SetValue(current.type() == VarType::String ? Variant(text, current.codePage()) : Variant(text));
}

int TField::AsInteger() const {
    Variant value = Value();
    return VarIsEmptyOrNull(value) ? 0 : value.toInt();
}

std::string TField::TextFor(bool display) const {
    std::string text = AsString();
    if (OnGetText) OnGetText(const_cast<TField*>(this), text, display);
    return text;
}

std::string TField::Text() const { return TextFor(false); }

std::string TField::DisplayText() const { return TextFor(true); }

void TField::SetText(const std::string& text) {
    if (OnSetText)
        OnSetText(this, text);
    else
        SetAsString(text);
}

// ---------------------------------------------------------------- TClientDataSet

KW_BEGIN_CLASS(TClientDataSet, TComponent)
    b.Prop("ProviderName", &TClientDataSet::ProviderName, &TClientDataSet::SetProviderName);
    b.Prop("RemoteServer", &TClientDataSet::RemoteServer, &TClientDataSet::SetRemoteServer);
    b.Prop("IndexFieldNames", &TClientDataSet::IndexFieldNames, &TClientDataSet::SetIndexFieldNames);
    b.Creatable();
KW_END_CLASS(TClientDataSet)

TClientDataSet::TClientDataSet(TComponent* owner) : TComponent(owner) {}

TClientDataSet::~TClientDataSet() = default;

void TClientDataSet::SetRemoteServer(TSocketConnection* connection) {
    if (remoteServer_ == connection) return;
    if (remoteServer_) remoteServer_->RemoveFreeNotification(this);
    remoteServer_ = connection;
    if (connection) connection->FreeNotification(this);
}

void TClientDataSet::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == remoteServer_) remoteServer_ = nullptr;
}

void TClientDataSet::SetIndexFieldNames(const std::string& names) {
    indexFieldNames_ = names;
    if (Active()) {
        if (state_ == TDataSetState::Edit) Post();
        Sort();
        First();
    }
}

void TClientDataSet::SetActive(bool active) {
    if (active)
        Open();
    else
        Close();
}

void TClientDataSet::Open() {
    if (Active()) return;
    if (!remoteServer_) throw EDatabaseError(Name() + ": missing remote server");
    if (providerName_.empty()) throw EDatabaseError(Name() + ": missing data provider");
    if (!remoteServer_->Connected()) remoteServer_->Open();
    Load(CallMethod(remoteServer_->AppServer(), GetRecordsMethod, {Variant(providerName_)}));
    state_ = TDataSetState::Browse;
    Sort();
    First();
}

void TClientDataSet::Close() {
    state_ = TDataSetState::Inactive;
    records_.clear();
    fields_.erase(std::remove_if(fields_.begin(), fields_.end(), [](const auto& f) { return !f->Persistent(); }),
                  fields_.end());
    editBuffer_.clear();
    cursor_ = -1;
    eof_ = bof_ = true;
}

void TClientDataSet::Load(const Variant& packet) {
    if (!packet.isArray() || packet.dimCount() != 1 || packet.array().size() < 2) BadPacket("not [names, rows]");
    const Variant& names = packet[packet.low()];
    const Variant& rows = packet[packet.low() + 1];
    if (!names.isArray() || names.dimCount() != 1) BadPacket("the field names are not an array");
    if (!rows.isArray() || rows.dimCount() != 1) BadPacket("the rows are not an array");
    const size_t fieldCount = names.array().size();
    std::vector<Record> records;
    uint64_t serial = 0;
    for (const Variant& row : rows.array().items()) {
        if (!row.isArray() || row.array().size() != fieldCount) BadPacket("a row does not hold every field");
        records.push_back(Record{serial++, row.array().items()});
    }
    const Variant* kinds = packet.array().size() > 2 ? &packet[packet.low() + 2] : nullptr;
    if (kinds && (!kinds->isArray() || kinds->array().size() != fieldCount)) BadPacket("the field kinds do not fit");
    std::vector<std::string> columnNames;
    for (const Variant& name : names.array().items()) columnNames.push_back(VarToStr(name));
    for (const auto& field : fields_) {
        auto column = std::find_if(columnNames.begin(), columnNames.end(),
                                   [&](const std::string& n) { return SameText(n, field->FieldName()); });
        if (column == columnNames.end())
            throw EDatabaseError(Name() + ": field '" + field->FieldName() + "' not found in the provider's data");
        field->index_ = static_cast<int>(column - columnNames.begin());
    }
    for (size_t i = 0; i < fieldCount; ++i) {
        TFieldType type = TFieldType::Unknown;
        if (kinds) type = FieldTypeOf(VarToStr(kinds->array().items()[i]));
        for (size_t r = 0; type == TFieldType::Unknown && r < records.size(); ++r)
            type = FieldTypeOf(records[r].values[i]);
        if (TField* existing = FindField(columnNames[i])) {
            if (existing->type_ == TFieldType::Unknown) existing->type_ = type;
            continue;
        }
        fields_.push_back(std::make_unique<TField>(*this, static_cast<int>(i), columnNames[i], type));
    }
    records_ = std::move(records);
}

std::vector<int> TClientDataSet::FieldIndexes(const std::string& names) const {
    std::vector<int> indexes;
    for (const std::string& name : SplitNames(names)) indexes.push_back(FieldByName(name).Index());
    return indexes;
}

void TClientDataSet::Sort() {
    const std::vector<int> keys = FieldIndexes(indexFieldNames_);
    if (keys.empty()) return;
    std::stable_sort(records_.begin(), records_.end(), [&](const Record& a, const Record& b) {
        for (int k : keys)
            if (int c = CompareValues(a.values[k], b.values[k]); c != 0) return c < 0;
        return false;
    });
}

void TClientDataSet::CheckActive() const {
    if (!Active()) throw EDatabaseError(Name() + ": cannot perform this operation on a closed dataset");
}

const std::vector<Variant>& TClientDataSet::CurrentValues() const {
    return state_ == TDataSetState::Edit ? editBuffer_ : records_.at(cursor_).values;
}

void TClientDataSet::SetCursor(int index) {
    cursor_ = records_.empty() ? -1 : std::clamp(index, 0, static_cast<int>(records_.size()) - 1);
}

void TClientDataSet::First() {
    CheckActive();
    if (state_ == TDataSetState::Edit) Post();
    SetCursor(0);
    bof_ = true;
    eof_ = records_.empty();
}

void TClientDataSet::Next() {
    CheckActive();
    if (state_ == TDataSetState::Edit) Post();
    if (cursor_ + 1 < static_cast<int>(records_.size())) {
        ++cursor_;
        bof_ = false;
    } else {
        eof_ = true;
    }
}

void TClientDataSet::Prior() {
    CheckActive();
    if (state_ == TDataSetState::Edit) Post();
    if (cursor_ > 0) {
        --cursor_;
        eof_ = false;
    } else {
        bof_ = true;
    }
}

void TClientDataSet::Last() {
    CheckActive();
    if (state_ == TDataSetState::Edit) Post();
    SetCursor(static_cast<int>(records_.size()) - 1);
    eof_ = true;
    bof_ = records_.empty();
}

int TClientDataSet::RecordCount() const { return Active() ? static_cast<int>(records_.size()) : 0; }

int TClientDataSet::RecNo() const { return Active() && cursor_ >= 0 ? cursor_ + 1 : 0; }

TField& TClientDataSet::Fields(int index) const {
    if (index < 0 || index >= FieldCount()) throw EDatabaseError(Name() + ": field index out of range");
    return *fields_[index];
}

std::vector<TField*> TClientDataSet::Fields() const {
    std::vector<TField*> fields;
    for (const auto& field : fields_) fields.push_back(field.get());
    return fields;
}

TField& TClientDataSet::AddField(const std::string& name, TFieldType type) {
    if (Active()) throw EDatabaseError(Name() + ": fields can only be added to a closed dataset");
    if (FindField(name)) throw EDatabaseError(Name() + ": duplicate field name '" + name + "'");
    fields_.push_back(std::make_unique<TField>(*this, -1, name, type));
    fields_.back()->persistent_ = true;
    return *fields_.back();
}

TField* TClientDataSet::FindField(const std::string& name) const {
    for (const auto& field : fields_)
        if (SameText(field->FieldName(), name)) return field.get();
    return nullptr;
}

TField& TClientDataSet::FieldByName(const std::string& name) const {
    if (TField* field = FindField(name)) return *field;
    throw EDatabaseError(Name() + ": field '" + name + "' not found");
}

bool TClientDataSet::Locate(const std::string& keyFields, const Variant& keyValues, uint32_t options) {
    CheckActive();
    if (state_ == TDataSetState::Edit) Post();
    const std::vector<int> fields = FieldIndexes(keyFields);
    if (fields.empty()) throw EDatabaseError(Name() + ": no key fields to locate on");
    std::vector<Variant> keys;
    if (fields.size() == 1 && !(keyValues.isArray() && keyValues.array().size() == 1)) {
        keys.push_back(keyValues);
    } else {
        if (!keyValues.isArray() || keyValues.array().size() != fields.size())
            throw EDatabaseError(Name() + ": " + std::to_string(fields.size()) + " key values expected");
        keys = keyValues.array().items();
    }
    for (size_t r = 0; r < records_.size(); ++r) {
        bool all = true;
        for (size_t k = 0; all && k < fields.size(); ++k) all = Matches(records_[r].values[fields[k]], keys[k], options);
        if (all) {
            cursor_ = static_cast<int>(r);
            bof_ = eof_ = false;
            return true;
        }
    }
    return false;
}

void TClientDataSet::Edit() {
    CheckActive();
    if (state_ == TDataSetState::Edit) return;
    if (records_.empty()) throw EDatabaseError(Name() + ": cannot perform this operation on an empty dataset");
    editBuffer_ = records_.at(cursor_).values;
    state_ = TDataSetState::Edit;
}

void TClientDataSet::Post() {
    if (state_ != TDataSetState::Edit) throw EDatabaseError(Name() + ": dataset not in edit mode");
    const uint64_t serial = records_.at(cursor_).serial;
    records_[cursor_].values = std::move(editBuffer_);
    editBuffer_.clear();
    state_ = TDataSetState::Browse;
    Sort();
    auto it = std::find_if(records_.begin(), records_.end(), [&](const Record& r) { return r.serial == serial; });
    cursor_ = static_cast<int>(it - records_.begin());
}

void TClientDataSet::Cancel() {
    if (state_ != TDataSetState::Edit) return;
    editBuffer_.clear();
    state_ = TDataSetState::Browse;
}

}  // namespace kw
