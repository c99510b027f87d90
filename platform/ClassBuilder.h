// Describes a class to the type information: its published properties,
// events, methods, component fields and message handlers. Used only in the
// sources that define classes:
//
//   KW_BEGIN_CLASS(TEdit, TCustomEdit)
//       b.Prop("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength);
//       b.Event("OnChange", "TNotifyEvent", &TEdit::OnChange);
//   KW_END_CLASS(TEdit)
#pragma once

#include "platform/Messages.h"
#include "platform/TypInfo.h"

namespace kw {

inline const TTypeInfo* TypeInfoOf(int*) { return TypeInteger(); }
inline const TTypeInfo* TypeInfoOf(bool*) { return TypeBoolean(); }
inline const TTypeInfo* TypeInfoOf(char*) { return TypeChar(); }
inline const TTypeInfo* TypeInfoOf(uint8_t*) { return TypeByte(); }
inline const TTypeInfo* TypeInfoOf(uint16_t*) { return TypeWord(); }
inline const TTypeInfo* TypeInfoOf(uint32_t*) { return TypeCardinal(); }
inline const TTypeInfo* TypeInfoOf(double*) { return TypeDouble(); }
inline const TTypeInfo* TypeInfoOf(std::string*) { return TypeString(); }

template <class C>
class TClassBuilder {
public:
    explicit TClassBuilder(TClassInfo& info) : info_(info) {}

    // A property of a deduced type (int, bool, enum, text, float, class pointer).
    template <class G, class S = std::nullptr_t>
    TClassBuilder& Prop(const char* name, G get, S set = nullptr) {
        using V = Value<G>;
        return Prop(name, TypeFor<V>(), get, set);
    }

    // A property of an explicit type (TColor, TCursor, TCaption, sets ...).
    template <class G, class S = std::nullptr_t>
    TClassBuilder& Prop(const char* name, const TTypeInfo* type, G get, S set = nullptr) {
        using V = Value<G>;
        TPropInfo p;
        p.Name = name;
        p.Type = type;
        if constexpr (std::is_pointer_v<V>) {
            using T = std::remove_pointer_t<V>;
            p.GetObj = [get](const TObject& o) -> TObject* { return Get(get, o); };
            if constexpr (!std::is_null_pointer_v<S>)
                p.SetObj = [set](TObject& o, TObject* v) {
                    T* typed = v ? dynamic_cast<T*>(v) : nullptr;
                    if (v && !typed) throw EPropertyError("Invalid property value");
                    Put(set, o, typed);
                };
        } else if constexpr (std::is_same_v<V, std::string>) {
            p.GetStr = [get](const TObject& o) { return std::string(Get(get, o)); };
            if constexpr (!std::is_null_pointer_v<S>)
                p.SetStr = [set](TObject& o, const std::string& v) { Put(set, o, v); };
        } else if constexpr (std::is_floating_point_v<V>) {
            p.GetFloat = [get](const TObject& o) { return double(Get(get, o)); };
            if constexpr (!std::is_null_pointer_v<S>)
                p.SetFloat = [set](TObject& o, double v) { Put(set, o, static_cast<V>(v)); };
        } else {
            static_assert(std::is_integral_v<V> || std::is_enum_v<V>, "unsupported property type");
            p.GetOrd = [get](const TObject& o) { return static_cast<int64_t>(Get(get, o)); };
            if constexpr (!std::is_null_pointer_v<S>)
                p.SetOrd = [set](TObject& o, int64_t v) { Put(set, o, static_cast<V>(v)); };
        }
        last_ = &info_.AddProp(std::move(p));
        return *this;
    }

    // A class property whose object belongs to the holder (Font, Items, Lines):
    // reading gives the object, writing assigns the contents.
    template <class G, class S = std::nullptr_t>
    TClassBuilder& Object(const char* name, G get, S set = nullptr) {
        Prop(name, get, set);
        last_->OwnsObject = true;
        return *this;
    }

    template <class B, class... A>
    TClassBuilder& Event(const char* name, const char* typeName, TEvent<A...> B::*field) {
        static_assert(std::is_base_of_v<B, C>, "event of another class");
        TPropInfo p;
        p.Name = name;
        p.Type = MakeEventType(typeName, TEvent<A...>::SignatureType());
        p.GetMethod = [field](const TObject& o) { return (static_cast<const C&>(o).*field).Method(); };
        p.SetMethod = [field](TObject& o, const TMethod& m) { (static_cast<C&>(o).*field).SetMethod(m); };
        info_.AddProp(std::move(p));
        return *this;
    }

    // A published method that form texts can name as an event handler.
    template <class E, auto M>
    TClassBuilder& Method(const char* name) {
        E e = E::template Of<M>(static_cast<C*>(nullptr));
        info_.AddMethod(name, e.Method().Code, e.Method().Signature);
        return *this;
    }

    // A component field of a form (btnOk), set by name when the form is read.
    template <class T>
    TClassBuilder& Component(const char* name, T* C::*field) {
        info_.AddComponentField(name, [field](TObject& o, TComponent* c) {
            static_cast<C&>(o).*field = c ? dynamic_cast<T*>(c) : nullptr;
        });
        return *this;
    }

    // The handler of a window message number for this class.
    template <auto M>
    TClassBuilder& Message(uint32_t msg) {
        info_.AddMessageHandler(msg, [](TObject& o, TMessage& m) { (static_cast<C&>(o).*M)(m); });
        return *this;
    }

    // Instances can be created by class name (form texts, GetClass).
    TClassBuilder& Creatable() {
        info_.SetFactory([](TComponent* owner) -> TComponent* { return new C(owner); });
        return *this;
    }

private:
    template <class G>
    using Value = std::remove_cv_t<std::remove_reference_t<std::invoke_result_t<G, const C&>>>;

    template <class V>
    const TTypeInfo* TypeFor() {
        if constexpr (std::is_pointer_v<V>) {
            using T = std::remove_pointer_t<V>;
            if constexpr (std::is_same_v<T, C>)
                return info_.Type();
            else
                return T::StaticClassInfo().Type();
        } else {
            return TypeInfoOf(static_cast<V*>(nullptr));
        }
    }

    template <class G>
    static decltype(auto) Get(G get, const TObject& o) {
        return std::invoke(get, static_cast<const C&>(o));
    }
    template <class S, class V>
    static void Put(S set, TObject& o, V&& v) {
        C& c = static_cast<C&>(o);
        if constexpr (std::is_member_function_pointer_v<S>)
            (c.*set)(std::forward<V>(v));
        else
            c.*set = std::forward<V>(v);
    }

    TClassInfo& info_;
    TPropInfo* last_ = nullptr;
};

}  // namespace kw

#define KW_BEGIN_CLASS(T, Base)                                                          \
    const ::kw::TClassInfo& T::StaticClassInfo() {                                       \
        static ::kw::TClassInfo info(#T, &Base::StaticClassInfo());                      \
        static const bool built = [] {                                                   \
            [[maybe_unused]] ::kw::TClassBuilder<T> b(info);

#define KW_END_CLASS(T)                                                                  \
            ::kw::RegisterClass(info);                                                   \
            return true;                                                                 \
        }();                                                                             \
        (void)built;                                                                     \
        return info;                                                                     \
    }                                                                                    \
    namespace {                                                                          \
    [[maybe_unused]] const bool kw_class_registered_##T = (T::StaticClassInfo(), true);  \
    }
