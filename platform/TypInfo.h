// Run-time type information of the class library: every class describes its
// published properties (name, type, accessors), its component fields, its
// published methods (event handlers that form texts name) and its message
// handlers. Properties are found by name without regard to case; a derived
// class sees what its bases publish. Classes register by name so that form
// texts can create them.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kw {

class TObject;
class TComponent;
class TClassInfo;
struct TMessage;

// Raised when a property value does not fit the property (an unknown
// enumeration name, a text that is no number, an object of the wrong class).
class EPropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An event handler as the component model keeps it: the code to run and the
// object it belongs to. Two handlers are equal when both parts are.
// Handlers bound to a lambda keep the closure alive in Closure; Code then
// points at the closure itself.
struct TMethod {
    void* Code = nullptr;
    void* Data = nullptr;
    std::shared_ptr<void> Closure;
    std::type_index Signature = typeid(void);

    bool Assigned() const { return Code != nullptr; }
    bool operator==(const TMethod& other) const { return Code == other.Code && Data == other.Data; }
    bool operator!=(const TMethod& other) const { return !(*this == other); }
};

// A typed event property: TEvent<TObject*> is the platform's notify event.
// Reference parameters carry the "var" arguments (var Key, var Accept).
template <class... A>
class TEvent {
public:
    using Thunk = void (*)(void*, A...);
    using Closure = std::function<void(A...)>;

    TEvent() = default;
    TEvent(std::nullptr_t) {}
    template <class F, class = std::enable_if_t<std::is_invocable_v<F&, A...> &&
                                                !std::is_same_v<std::decay_t<F>, TEvent>>>
    TEvent(F f) {
        auto closure = std::make_shared<Closure>(std::move(f));
        method_.Code = closure.get();
        method_.Data = nullptr;
        method_.Closure = closure;
        method_.Signature = typeid(Thunk);
    }

    // A handler that is a method of an object: TEvent<...>::Of<&TForm1::Click>(form).
    template <auto M, class C>
    static TEvent Of(C* object) {
        TEvent e;
        Thunk thunk = [](void* data, A... args) { (static_cast<C*>(data)->*M)(std::forward<A>(args)...); };
        e.method_.Code = reinterpret_cast<void*>(thunk);
        e.method_.Data = object;
        e.method_.Signature = typeid(Thunk);
        return e;
    }

    bool Assigned() const { return method_.Assigned(); }
    explicit operator bool() const { return Assigned(); }
    void operator()(A... args) const {
        if (!method_.Code) return;
        if (method_.Closure)
            (*static_cast<Closure*>(method_.Code))(std::forward<A>(args)...);
        else
            reinterpret_cast<Thunk>(method_.Code)(method_.Data, std::forward<A>(args)...);
    }

    const TMethod& Method() const { return method_; }
    // Puts back a handler pair read earlier; a pair of another signature
    // raises EPropertyError.
    void SetMethod(const TMethod& m) {
        if (m.Code && m.Signature != std::type_index(typeid(Thunk)))
            throw EPropertyError("Event handler of an incompatible type");
        method_ = m;
        if (!m.Code) method_ = TMethod{};
    }
    static std::type_index SignatureType() { return typeid(Thunk); }

    bool operator==(const TEvent& other) const { return method_ == other.method_; }

private:
    TMethod method_;
};

using TNotifyEvent = TEvent<TObject*>;

enum class TTypeKind { Integer, Char, Enumeration, Float, String, Set, Class, Method };

// Identifier map of an integer type (clRed -> 255, crHourGlass -> -11, ...).
class TIdentMap {
public:
    TIdentMap(std::initializer_list<std::pair<int64_t, const char*>> entries);
    bool IdentToInt(std::string_view ident, int64_t& value) const;
    bool IntToIdent(int64_t value, std::string& ident) const;
    const std::vector<std::pair<int64_t, std::string>>& Entries() const { return entries_; }

private:
    std::vector<std::pair<int64_t, std::string>> entries_;
};

struct TTypeInfo {
    std::string Name;
    TTypeKind Kind = TTypeKind::Integer;
    std::vector<std::string> EnumNames;    // enumerations: value i is EnumNames[i]
    const TTypeInfo* ElementType = nullptr;  // sets: the enumeration of the elements
    const TIdentMap* IdentMap = nullptr;   // integers with identifiers
    const TClassInfo* ClassType = nullptr;  // class properties
    std::type_index EventSignature = typeid(void);  // method properties

    // Enumeration names: value by name (case-insensitive), -1 when unknown.
    int EnumValue(std::string_view name) const;
    std::string EnumName(int64_t value) const;
};

// Built-in types.
const TTypeInfo* TypeInteger();
const TTypeInfo* TypeByte();
const TTypeInfo* TypeWord();
const TTypeInfo* TypeCardinal();
const TTypeInfo* TypeChar();
const TTypeInfo* TypeBoolean();
const TTypeInfo* TypeDouble();
const TTypeInfo* TypeString();
const TTypeInfo* TypeCaption();  // "TCaption"
const TTypeInfo* TypeImeName();  // "TImeName"
// New type descriptions, kept alive for the process.
const TTypeInfo* MakeEnumType(std::string name, std::vector<std::string> names);
const TTypeInfo* MakeSetType(std::string name, const TTypeInfo* element);
const TTypeInfo* MakeIntegerType(std::string name, const TIdentMap* map);
const TTypeInfo* MakeStringType(std::string name);
const TTypeInfo* MakeEventType(std::string name, std::type_index signature);

// Set notation: "[fsBold,fsItalic]" <-> bit mask (bit i = element i).
std::string SetToString(const TTypeInfo& setType, uint32_t value, bool brackets = true);
uint32_t StringToSet(const TTypeInfo& setType, std::string_view text);  // raises EPropertyError

// One published property. Accessors that do not fit the kind are empty.
struct TPropInfo {
    std::string Name;
    const TTypeInfo* Type = nullptr;
    std::function<int64_t(const TObject&)> GetOrd;
    std::function<void(TObject&, int64_t)> SetOrd;
    std::function<double(const TObject&)> GetFloat;
    std::function<void(TObject&, double)> SetFloat;
    std::function<std::string(const TObject&)> GetStr;
    std::function<void(TObject&, const std::string&)> SetStr;
    std::function<TObject*(const TObject&)> GetObj;
    std::function<void(TObject&, TObject*)> SetObj;
    std::function<TMethod(const TObject&)> GetMethod;
    std::function<void(TObject&, const TMethod&)> SetMethod;

    TTypeKind Kind() const { return Type->Kind; }
    bool Writable() const { return SetOrd || SetFloat || SetStr || SetObj || SetMethod; }
    // A class property whose object belongs to its holder (Font, Items) as
    // opposed to a reference to another component (FocusControl, PopupMenu).
    bool OwnsObject = false;
};

using TMessageHandler = std::function<void(TObject&, TMessage&)>;
using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

class TClassInfo {
public:
    TClassInfo(std::string name, const TClassInfo* parent);
    TClassInfo(const TClassInfo&) = delete;

    const std::string& ClassName() const { return name_; }
    const TClassInfo* Parent() const { return parent_; }
    // The type description of this class as a property type ("TFont").
    const TTypeInfo* Type() const { return &type_; }
    bool InheritsFrom(const TClassInfo& other) const;
    bool InheritsFrom(std::string_view className) const;

    // Properties of this class and its bases, found by name (case-insensitive).
    const TPropInfo* FindProp(std::string_view name) const;
    // All properties, those of the oldest base first.
    std::vector<const TPropInfo*> Props() const;
    const std::vector<TPropInfo>& OwnProps() const { return props_; }

    // Published methods (handlers a form text can name) of this class and its bases.
    std::optional<TMethod> FindMethod(std::string_view name, const void* instance) const;
    std::string MethodName(const TMethod& method) const;
    // Component fields (btnOk of a form): set when a component of that name
    // is read into an instance, cleared when it goes.
    bool SetComponentField(TObject& instance, std::string_view name, TComponent* value) const;
    // Message handler for a message number, searching from this class up.
    const TMessageHandler* FindMessageHandler(uint32_t msg) const;
    const TMessageHandler* OwnMessageHandler(uint32_t msg) const;

    const TComponentFactory& Factory() const { return factory_; }

    // Filled by TClassBuilder.
    TPropInfo& AddProp(TPropInfo prop);
    void AddMethod(std::string name, void* code, std::type_index signature);
    void AddComponentField(std::string name, std::function<void(TObject&, TComponent*)> setter);
    void AddMessageHandler(uint32_t msg, TMessageHandler handler);
    void SetFactory(TComponentFactory factory) { factory_ = std::move(factory); }

private:
    struct MethodEntry {
        std::string Name;
        void* Code;
        std::type_index Signature;
    };
    std::string name_;
    const TClassInfo* parent_;
    TTypeInfo type_;
    std::vector<TPropInfo> props_;
    std::vector<MethodEntry> methods_;
    std::vector<std::pair<std::string, std::function<void(TObject&, TComponent*)>>> fields_;
    std::map<uint32_t, TMessageHandler> messages_;
    TComponentFactory factory_;
    mutable std::unordered_map<std::string, const TPropInfo*> lookup_;
    mutable bool lookupBuilt_ = false;
};

// The class registry (the platform's RegisterClass / GetClass).
void RegisterClass(const TClassInfo& info);
const TClassInfo* GetClass(std::string_view className);
// GetClass, raising EClassNotFound ("Class %s not found") when unknown.
const TClassInfo& FindClass(std::string_view className);

class EClassNotFound : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Ordinal, float, text and object views of a property by name; raise
// EPropertyError for a property of another kind.
std::string GetEnumProp(const TObject& obj, const TPropInfo& prop);
void SetEnumProp(TObject& obj, const TPropInfo& prop, std::string_view name);
std::string GetSetProp(const TObject& obj, const TPropInfo& prop, bool brackets = true);
void SetSetProp(TObject& obj, const TPropInfo& prop, std::string_view text);

}  // namespace kw

namespace kw {

// The root of the class hierarchy.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TClassInfo& StaticClassInfo();
    virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
    const std::string& ClassName() const;
    bool InheritsFrom(std::string_view className) const;
    // Runs the handler of the message's number found in the class chain, or
    // DefaultHandler when no class handles it.
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message) {}
};

}  // namespace kw

// In a class body: the class's own type information.
#define KW_CLASS(T)                                                                      \
public:                                                                                  \
    static const ::kw::TClassInfo& StaticClassInfo();                                    \
    const ::kw::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }     \
                                                                                         \
private:

// An enumeration type with its value names: declare in the header next to the
// enum, define in the source.
#define KW_DECLARE_ENUM(E) const ::kw::TTypeInfo* TypeInfoOf(E*);
#define KW_DEFINE_ENUM(E, ...)                                                           \
    const ::kw::TTypeInfo* TypeInfoOf(E*) {                                              \
        static const ::kw::TTypeInfo* type = ::kw::MakeEnumType(#E, {__VA_ARGS__});      \
        return type;                                                                     \
    }
