#include "platform/Automation.h"

#include <memory>
#include <mutex>

#include "platform/DynLib.h"
#include "platform/Registry.h"
#include "platform/SysUtils.h"

namespace kw {

bool NoCaseLess::operator()(const std::string& a, const std::string& b) const { return CompareText(a, b) < 0; }

Variant AutoObject::GetProperty(const std::string& name) {
    throw EOleError("Unknown name \"" + name + "\" of " + className());
}

void AutoObject::PutProperty(const std::string& name, const Variant&) {
    throw EOleError("Unknown name \"" + name + "\" of " + className());
}

Variant DispatchObject::Invoke(const std::string& method, Args& args) {
    const auto it = methods_.find(method);
    if (it == methods_.end()) {
        // A property may also be read through a call without arguments.
        if (args.empty() && properties_.count(method) && properties_.at(method).first) return GetProperty(method);
        throw EOleError("Method \"" + method + "\" not supported by automation object " + className());
    }
    return it->second(args);
}

Variant DispatchObject::GetProperty(const std::string& name) {
    const auto it = properties_.find(name);
    if (it == properties_.end() || !it->second.first) return AutoObject::GetProperty(name);
    return it->second.first();
}

void DispatchObject::PutProperty(const std::string& name, const Variant& value) {
    const auto it = properties_.find(name);
    if (it == properties_.end() || !it->second.second) return AutoObject::PutProperty(name, value);
    it->second.second(value);
}

void DispatchObject::AddProperty(const std::string& name, Getter get, Setter set) {
    properties_[name] = {std::move(get), std::move(set)};
}

void DispatchObject::RequireArgs(const std::string& method, const Args& args, size_t count) const {
    if (args.size() < count)
        throw EOleError("Method \"" + method + "\" of " + className() + " expects " + std::to_string(count) +
                        " arguments, got " + std::to_string(args.size()));
}

Variant CallMethod(const AutoRef& object, const std::string& method, Args args) {
    if (!object) throw EOleError("Method \"" + method + "\" called on no object");
    return object->Invoke(method, args);
}

Variant CallMethod(const Variant& object, const std::string& method, Args args) {
    if (!object.isDispatch()) throw EOleError("Method \"" + method + "\" called on a variant that is not an object");
    return CallMethod(object.toObject(), method, std::move(args));
}

namespace {

struct ClassRegistry {
    std::mutex lock;
    std::map<std::string, AutoFactory, NoCaseLess> factories;
    // Libraries loaded to find a class stay loaded for the process's life:
    // the objects they create may outlive any single caller.
    std::vector<std::unique_ptr<DynLib>> libraries;
};

// Never destroyed: factories may live in libraries that unload at exit, and
// objects created through them may outlive every static destructor.
ClassRegistry& registry() {
    static ClassRegistry* instance = new ClassRegistry();
    return *instance;
}

AutoFactory findFactory(const std::string& className) {
    auto& reg = registry();
    std::lock_guard guard(reg.lock);
    const auto it = reg.factories.find(className);
    return it == reg.factories.end() ? nullptr : it->second;
}

}  // namespace

void RegisterAutoClass(const std::string& className, AutoFactory factory) {
    auto& reg = registry();
    std::lock_guard guard(reg.lock);
    reg.factories[className] = std::move(factory);
}

void UnregisterAutoClass(const std::string& className) {
    auto& reg = registry();
    std::lock_guard guard(reg.lock);
    reg.factories.erase(className);
}

bool IsAutoClassRegistered(const std::string& className) { return findFactory(className) != nullptr; }

AutoRef CreateOleObject(const std::string& className) {
    AutoFactory factory = findFactory(className);
    if (!factory) {
        std::string libraryPath;
        if (!RegistryReadString("Software\\Classes\\" + className + "\\InprocServer32", "", libraryPath))
            throw EOleError("Invalid class string: " + className);
        auto library = std::make_unique<DynLib>();
        if (!library->Load(libraryPath))
            throw EOleError("Cannot load the library of class " + className + ": " + library->ErrorText());
        {
            auto& reg = registry();
            std::lock_guard guard(reg.lock);
            reg.libraries.push_back(std::move(library));
        }
        factory = findFactory(className);
        if (!factory) throw EOleError("Class " + className + " is not registered by " + libraryPath);
    }
    AutoRef object = factory();
    if (!object) throw EOleError("Class " + className + " could not create an object");
    return object;
}

}  // namespace kw
