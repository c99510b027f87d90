#include "services/PropAccess.h"

#include "platform/SysUtils.h"

namespace kw {

namespace {

const TPropInfo* Find(const TObject* object, const std::string& name) {
    if (!object || name.empty()) return nullptr;
    return object->ClassInfo().FindProp(name);
}

bool IsOrdinal(TTypeKind kind) {
    return kind == TTypeKind::Integer || kind == TTypeKind::Char || kind == TTypeKind::Enumeration ||
           kind == TTypeKind::Set;
}

bool IsInteger(const Variant& v) { return v.type() == VarType::Int32 || v.type() == VarType::Int64; }

void Store(TObject& object, const TPropInfo& prop, const Variant& value) {
    const TTypeInfo& type = *prop.Type;
    switch (type.Kind) {
        case TTypeKind::Integer: {
            if (!prop.SetOrd) throw EPropertyError("Property " + prop.Name + " is read-only");
            int64_t mapped;
            if (type.IdentMap && !IsInteger(value) && type.IdentMap->IdentToInt(Trim(VarToStr(value)), mapped)) {
                prop.SetOrd(object, mapped);
                return;
            }
            prop.SetOrd(object, value.toInt64());
            return;
        }
        case TTypeKind::Enumeration:
        case TTypeKind::Set: {
            if (!prop.SetOrd) throw EPropertyError("Property " + prop.Name + " is read-only");
            if (IsInteger(value)) {
                prop.SetOrd(object, value.toInt64());
                return;
            }
            std::string text = Trim(VarToStr(value));
            if (type.Kind == TTypeKind::Set) {
                prop.SetOrd(object, StringToSet(type, text));
                return;
            }
            int v = type.EnumValue(text);
            if (v < 0) throw EPropertyError("Invalid property value: " + text);
            prop.SetOrd(object, v);
            return;
        }
        case TTypeKind::Char: {
            if (!prop.SetOrd) throw EPropertyError("Property " + prop.Name + " is read-only");
            if (IsInteger(value)) {
                prop.SetOrd(object, value.toInt64());
                return;
            }
            std::string text = VarToStr(value);
            prop.SetOrd(object, text.empty() ? 0 : static_cast<unsigned char>(text[0]));
            return;
        }
        case TTypeKind::Float:
            if (!prop.SetFloat) throw EPropertyError("Property " + prop.Name + " is read-only");
            prop.SetFloat(object, value.toDouble());
            return;
        case TTypeKind::String:
            if (!prop.SetStr) throw EPropertyError("Property " + prop.Name + " is read-only");
            prop.SetStr(object, VarToStr(value));
            return;
        case TTypeKind::Class:
        case TTypeKind::Method:
            throw EPropertyError("Invalid property type: " + prop.Name);
    }
}

}  // namespace

bool HasProperty(const TObject* component, const std::string& name) { return Find(component, name) != nullptr; }

bool HasPropertyOfType(const TObject* component, const std::string& name, const std::string& typeName) {
    const TPropInfo* prop = Find(component, name);
    return prop && SameText(prop->Type->Name, typeName);
}

std::string GetTextProperty(const TObject* component, const std::string& name) {
    const TPropInfo* prop = Find(component, name);
    if (!prop || prop->Kind() != TTypeKind::String || !prop->GetStr) return {};
    return prop->GetStr(*component);
}

void SetTextProperty(TObject* component, const std::string& name, const std::string& text) {
    const TPropInfo* prop = Find(component, name);
    if (prop && prop->Kind() == TTypeKind::String && prop->SetStr) prop->SetStr(*component, text);
}

int64_t GetOrdinalProperty(const TObject* component, const std::string& name) {
    const TPropInfo* prop = Find(component, name);
    if (!prop || !IsOrdinal(prop->Kind()) || !prop->GetOrd) return 0;
    return prop->GetOrd(*component);
}

void SetOrdinalProperty(TObject* component, const std::string& name, int64_t value) {
    const TPropInfo* prop = Find(component, name);
    if (prop && IsOrdinal(prop->Kind()) && prop->SetOrd) prop->SetOrd(*component, value);
}

TMethod GetEventProperty(const TObject& component, const std::string& name) {
    const TPropInfo* prop = Find(&component, name);
    if (!prop || prop->Kind() != TTypeKind::Method || !prop->GetMethod) return {};
    return prop->GetMethod(component);
}

void SetEventProperty(TObject& component, const std::string& name, const TMethod& handler) {
    const TPropInfo* prop = Find(&component, name);
    if (prop && prop->Kind() == TTypeKind::Method && prop->SetMethod) prop->SetMethod(component, handler);
}

TObject* GetObjectProperty(const TObject* object, const std::string& name) {
    const TPropInfo* prop = Find(object, name);
    if (!prop || prop->Kind() != TTypeKind::Class || !prop->GetObj) return nullptr;
    return prop->GetObj(*object);
}

void SetPropertyPath(TObject* object, const std::string& path, const Variant& value) {
    if (!object) return;
    size_t dot = path.find('.');
    if (dot != std::string::npos) {
        std::string head = path.substr(0, dot);
        const TPropInfo* prop = Find(object, head);
        if (!prop || prop->Kind() != TTypeKind::Class) throw EPropertyError(head + " is not an object property");
        TObject* held = prop->GetObj ? prop->GetObj(*object) : nullptr;
        if (!held) throw EPropertyError(head + " holds no object");
        SetPropertyPath(held, path.substr(dot + 1), value);
        return;
    }
    const TPropInfo* prop = Find(object, path);
    if (!prop) return;
    Store(*object, *prop, value);
}

bool TrySetPropertyPath(TObject* object, const std::string& path, const Variant& value) {
    try {
        SetPropertyPath(object, path, value);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

LRESULT SimulateClick(TControl& control, WPARAM wParam, LPARAM lParam) {
    if (auto win = dynamic_cast<TWinControl*>(&control)) {
        HWND handle = win->Handle();
        SendMessage(handle, WM_LBUTTONDOWN, wParam, lParam);
        return SendMessage(handle, WM_LBUTTONUP, wParam, lParam);
    }
    TMessage down{WM_LBUTTONDOWN, wParam, lParam, 0};
    control.MainWndProc(down);
    TMessage up{WM_LBUTTONUP, wParam, lParam, 0};
    control.MainWndProc(up);
    return up.Result;
}

}  // namespace kw
