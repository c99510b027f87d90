// Late-bound automation objects: calls by method name with variant
// arguments, property gets and puts, and creation by class name.
//
// Every argument of Invoke is passed by reference: a callee that writes
// args[i] hands the new value back to the caller. Method and property names
// are compared without regard to case, as automation does.
//
// Classes are created through a process-wide registry that libraries
// register into (RegisterAutoClass, usually from a static registrar). A class
// name that is not registered is looked up in the registry stand-in under
// "Software\Classes\<class name>\InprocServer32" (default value: the path of a
// shared library); the library is loaded, registers its classes while
// loading, and the lookup is tried again.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Variant.h"

namespace kw {

using Args = std::vector<Variant>;

// Raised for an unknown class, method or property, or a failing call; the
// message names what was asked for.
class EOleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class AutoObject {
public:
    virtual ~AutoObject() = default;
    virtual std::string className() const = 0;
    virtual Variant Invoke(const std::string& method, Args& args) = 0;
    virtual Variant GetProperty(const std::string& name);
    virtual void PutProperty(const std::string& name, const Variant& value);
};

// Case-insensitive ordering for the method tables.
struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

// An automation object whose methods and properties are kept in tables.
// Derived classes fill the tables in their constructor.
class DispatchObject : public AutoObject {
public:
    using Method = std::function<Variant(Args&)>;
    using Getter = std::function<Variant()>;
    using Setter = std::function<void(const Variant&)>;

    explicit DispatchObject(std::string className) : className_(std::move(className)) {}
    std::string className() const override { return className_; }
    Variant Invoke(const std::string& method, Args& args) override;
    Variant GetProperty(const std::string& name) override;
    void PutProperty(const std::string& name, const Variant& value) override;
    bool HasMethod(const std::string& method) const { return methods_.count(method) != 0; }

protected:
    void AddMethod(const std::string& name, Method method) { methods_[name] = std::move(method); }
    void AddProperty(const std::string& name, Getter get, Setter set = nullptr);
    // Raises EOleError when args has fewer than count elements.
    void RequireArgs(const std::string& method, const Args& args, size_t count) const;

private:
    std::string className_;
    std::map<std::string, Method, NoCaseLess> methods_;
    std::map<std::string, std::pair<Getter, Setter>, NoCaseLess> properties_;
};

// Convenience for callers: CallMethod(obj, "Name", {a, b}) passes copies;
// use Invoke with an Args you keep to read by-reference results.
Variant CallMethod(const AutoRef& object, const std::string& method, Args args = {});
// Invokes on the object a variant refers to; raises EOleError when it does
// not refer to an object.
Variant CallMethod(const Variant& object, const std::string& method, Args args = {});

using AutoFactory = std::function<AutoRef()>;
void RegisterAutoClass(const std::string& className, AutoFactory factory);
void UnregisterAutoClass(const std::string& className);
bool IsAutoClassRegistered(const std::string& className);
// Creates an object by class name (the platform's CreateOleObject).
AutoRef CreateOleObject(const std::string& className);

// Registers a class while a library or executable is loaded:
//   static kw::AutoClassRegistrar reg("X.Y", [] { return std::make_shared<Y>(); });
struct AutoClassRegistrar {
    AutoClassRegistrar(const std::string& className, AutoFactory factory) {
        RegisterAutoClass(className, std::move(factory));
    }
};

}  // namespace kw
