#include "platform/TypInfo.h"

#include <deque>
#include <mutex>

#include "platform/Messages.h"
#include "platform/SysUtils.h"

namespace kw {

namespace {

std::string Lower(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// Type descriptions made at run time live here for the process.
struct TypeStore {
    std::mutex lock;
    std::deque<TTypeInfo> types;
    std::map<std::string, const TTypeInfo*> events;
};
TypeStore& Store() {
    static TypeStore store;
    return store;
}

const TTypeInfo* Keep(TTypeInfo t) {
    auto& s = Store();
    std::lock_guard guard(s.lock);
    s.types.push_back(std::move(t));
    return &s.types.back();
}

// A type of that kind and name, with nothing more filled in.
TTypeInfo Named(std::string name, TTypeKind kind) {
    TTypeInfo t;
    t.Name = std::move(name);
    t.Kind = kind;
    return t;
}

const TTypeInfo* Simple(const char* name, TTypeKind kind) { return Keep(Named(name, kind)); }

struct Registry {
    std::mutex lock;
    std::unordered_map<std::string, const TClassInfo*> classes;
};
Registry& Classes() {
    static Registry registry;
    return registry;
}

}  // namespace

TIdentMap::TIdentMap(std::initializer_list<std::pair<int64_t, const char*>> entries) {
    for (auto& [value, name] : entries) entries_.emplace_back(value, name);
}

bool TIdentMap::IdentToInt(std::string_view ident, int64_t& value) const {
    for (auto& [v, name] : entries_)
        if (SameName(name, ident)) {
            value = v;
            return true;
        }
    return false;
}

bool TIdentMap::IntToIdent(int64_t value, std::string& ident) const {
    for (auto& [v, name] : entries_)
        if (v == value) {
            ident = name;
            return true;
        }
    return false;
}

int TTypeInfo::EnumValue(std::string_view name) const {
    for (size_t i = 0; i < EnumNames.size(); ++i)
        if (SameName(EnumNames[i], name)) return static_cast<int>(i);
    return -1;
}

std::string TTypeInfo::EnumName(int64_t value) const {
    if (value >= 0 && static_cast<size_t>(value) < EnumNames.size()) return EnumNames[value];
    return std::to_string(value);
}

const TTypeInfo* TypeInteger() { static auto t = Simple("Integer", TTypeKind::Integer); return t; }
const TTypeInfo* TypeByte() { static auto t = Simple("Byte", TTypeKind::Integer); return t; }
const TTypeInfo* TypeWord() { static auto t = Simple("Word", TTypeKind::Integer); return t; }
const TTypeInfo* TypeCardinal() { static auto t = Simple("Cardinal", TTypeKind::Integer); return t; }
const TTypeInfo* TypeChar() { static auto t = Simple("Char", TTypeKind::Char); return t; }
const TTypeInfo* TypeDouble() { static auto t = Simple("Double", TTypeKind::Float); return t; }
const TTypeInfo* TypeString() { static auto t = Simple("string", TTypeKind::String); return t; }
const TTypeInfo* TypeCaption() { static auto t = MakeStringType("TCaption"); return t; }
const TTypeInfo* TypeImeName() { static auto t = MakeStringType("TImeName"); return t; }
const TTypeInfo* TypeBoolean() {
    static auto t = MakeEnumType("Boolean", {"False", "True"});
    return t;
}

const TTypeInfo* MakeEnumType(std::string name, std::vector<std::string> names) {
    TTypeInfo t = Named(std::move(name), TTypeKind::Enumeration);
    t.EnumNames = std::move(names);
    return Keep(std::move(t));
}

const TTypeInfo* MakeSetType(std::string name, const TTypeInfo* element) {
    TTypeInfo t = Named(std::move(name), TTypeKind::Set);
    t.ElementType = element;
    return Keep(std::move(t));
}

const TTypeInfo* MakeIntegerType(std::string name, const TIdentMap* map) {
    TTypeInfo t = Named(std::move(name), TTypeKind::Integer);
    t.IdentMap = map;
    return Keep(std::move(t));
}

const TTypeInfo* MakeStringType(std::string name) {
    return Keep(Named(std::move(name), TTypeKind::String));
}

const TTypeInfo* MakeEventType(std::string name, std::type_index signature) {
    auto& s = Store();
    {
        std::lock_guard guard(s.lock);
        auto it = s.events.find(name);
        if (it != s.events.end()) return it->second;
    }
    TTypeInfo t = Named(name, TTypeKind::Method);
    t.EventSignature = signature;
    const TTypeInfo* kept = Keep(std::move(t));
    std::lock_guard guard(s.lock);
    return s.events.emplace(name, kept).first->second;
}

std::string SetToString(const TTypeInfo& setType, uint32_t value, bool brackets) {
    std::string out;
    const auto& names = setType.ElementType->EnumNames;
    for (size_t i = 0; i < names.size() && i < 32; ++i)
        if (value & (1u << i)) {
            if (!out.empty()) out += ',';
            out += names[i];
        }
    return brackets ? "[" + out + "]" : out;
}

uint32_t StringToSet(const TTypeInfo& setType, std::string_view text) {
    std::string s = Trim(std::string(text));
    if (!s.empty() && s.front() == '[') s.erase(0, 1);
    if (!s.empty() && s.back() == ']') s.pop_back();
    uint32_t result = 0;
    size_t start = 0;
    while (start <= s.size()) {
        size_t comma = s.find(',', start);
        std::string item = Trim(s.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (!item.empty()) {
            int v = setType.ElementType->EnumValue(item);
            if (v < 0) throw EPropertyError("Invalid property element: " + item);
            result |= 1u << v;
        }
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return result;
}

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent) : name_(std::move(name)), parent_(parent) {
    type_.Name = name_;
    type_.Kind = TTypeKind::Class;
    type_.ClassType = this;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        if (c == &other) return true;
    return false;
}

bool TClassInfo::InheritsFrom(std::string_view className) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        if (SameName(c->name_, className)) return true;
    return false;
}

const TPropInfo* TClassInfo::FindProp(std::string_view name) const {
    if (!lookupBuilt_) {
        static std::mutex buildLock;
        std::lock_guard guard(buildLock);
        if (!lookupBuilt_) {
            for (const TPropInfo* p : Props()) lookup_[Lower(p->Name)] = p;
            lookupBuilt_ = true;
        }
    }
    auto it = lookup_.find(Lower(name));
    return it == lookup_.end() ? nullptr : it->second;
}

std::vector<const TPropInfo*> TClassInfo::Props() const {
    std::vector<const TPropInfo*> all = parent_ ? parent_->Props() : std::vector<const TPropInfo*>{};
    for (const TPropInfo& p : props_) {
        bool replaced = false;
        for (auto& q : all)
            if (SameName(q->Name, p.Name)) {
                q = &p;  // a derived class republishes with its own accessors
                replaced = true;
            }
        if (!replaced) all.push_back(&p);
    }
    return all;
}

std::optional<TMethod> TClassInfo::FindMethod(std::string_view name, const void* instance) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        for (const auto& m : c->methods_)
            if (SameName(m.Name, name)) return TMethod{m.Code, const_cast<void*>(instance), nullptr, m.Signature};
    return std::nullopt;
}

std::string TClassInfo::MethodName(const TMethod& method) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        for (const auto& m : c->methods_)
            if (m.Code == method.Code) return m.Name;
    return {};
}

bool TClassInfo::SetComponentField(TObject& instance, std::string_view name, TComponent* value) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        for (const auto& [fieldName, setter] : c->fields_)
            if (SameName(fieldName, name)) {
                setter(instance, value);
                return true;
            }
    return false;
}

const TMessageHandler* TClassInfo::OwnMessageHandler(uint32_t msg) const {
    auto it = messages_.find(msg);
    return it == messages_.end() ? nullptr : &it->second;
}

const TMessageHandler* TClassInfo::FindMessageHandler(uint32_t msg) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        if (auto h = c->OwnMessageHandler(msg)) return h;
    return nullptr;
}

TPropInfo& TClassInfo::AddProp(TPropInfo prop) {
    for (auto& p : props_)
        if (SameName(p.Name, prop.Name)) {
            p = std::move(prop);
            return p;
        }
    props_.push_back(std::move(prop));
    return props_.back();
}

void TClassInfo::AddMethod(std::string name, void* code, std::type_index signature) {
    methods_.push_back({std::move(name), code, signature});
}

void TClassInfo::AddComponentField(std::string name, std::function<void(TObject&, TComponent*)> setter) {
    fields_.emplace_back(std::move(name), std::move(setter));
}

void TClassInfo::AddMessageHandler(uint32_t msg, TMessageHandler handler) { messages_[msg] = std::move(handler); }

void RegisterClass(const TClassInfo& info) {
    auto& r = Classes();
    std::lock_guard guard(r.lock);
    r.classes[Lower(info.ClassName())] = &info;
}

const TClassInfo* GetClass(std::string_view className) {
    auto& r = Classes();
    std::lock_guard guard(r.lock);
    auto it = r.classes.find(Lower(className));
    return it == r.classes.end() ? nullptr : it->second;
}

const TClassInfo& FindClass(std::string_view className) {
    if (auto c = GetClass(className)) return *c;
    throw EClassNotFound("Class " + std::string(className) + " not found");
}

std::string GetEnumProp(const TObject& obj, const TPropInfo& prop) {
    if (prop.Kind() != TTypeKind::Enumeration) throw EPropertyError("Invalid property type: " + prop.Name);
    return prop.Type->EnumName(prop.GetOrd(obj));
}

void SetEnumProp(TObject& obj, const TPropInfo& prop, std::string_view name) {
    if (prop.Kind() != TTypeKind::Enumeration || !prop.SetOrd)
        throw EPropertyError("Invalid property type: " + prop.Name);
    int v = prop.Type->EnumValue(name);
    if (v < 0) throw EPropertyError("Invalid property value: " + std::string(name));
    prop.SetOrd(obj, v);
}

std::string GetSetProp(const TObject& obj, const TPropInfo& prop, bool brackets) {
    if (prop.Kind() != TTypeKind::Set) throw EPropertyError("Invalid property type: " + prop.Name);
    return SetToString(*prop.Type, static_cast<uint32_t>(prop.GetOrd(obj)), brackets);
}

void SetSetProp(TObject& obj, const TPropInfo& prop, std::string_view text) {
    if (prop.Kind() != TTypeKind::Set || !prop.SetOrd) throw EPropertyError("Invalid property type: " + prop.Name);
    prop.SetOrd(obj, StringToSet(*prop.Type, text));
}

const TClassInfo& TObject::StaticClassInfo() {
    static TClassInfo info("TObject", nullptr);
    return info;
}

const std::string& TObject::ClassName() const { return ClassInfo().ClassName(); }

bool TObject::InheritsFrom(std::string_view className) const { return ClassInfo().InheritsFrom(className); }

void TObject::Dispatch(TMessage& message) {
    if (auto handler = ClassInfo().FindMessageHandler(message.Msg))
        (*handler)(*this, message);
    else
        DefaultHandler(message);
}

}  // namespace kw
