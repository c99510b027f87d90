#include "platform/Resources.h"

#include <map>
#include <mutex>

#include "platform/SysUtils.h"

namespace kw {

namespace {
struct Store {
    std::mutex lock;
    std::map<std::string, std::string_view> items;  // upper-case name -> bytes
};
Store& Resources() {
    static Store store;
    return store;
}
}  // namespace

void RegisterResource(const std::string& name, const unsigned char* data, size_t size) {
    auto& s = Resources();
    std::lock_guard guard(s.lock);
    s.items[UpperCase(name)] = std::string_view(reinterpret_cast<const char*>(data), size);
}

bool FindResource(std::string_view name, std::string_view& bytes) {
    auto& s = Resources();
    std::lock_guard guard(s.lock);
    auto it = s.items.find(UpperCase(std::string(name)));
    if (it == s.items.end()) return false;
    bytes = it->second;
    return true;
}

std::vector<std::string> ResourceNames() {
    auto& s = Resources();
    std::lock_guard guard(s.lock);
    std::vector<std::string> names;
    for (auto& [name, bytes] : s.items) names.push_back(name);
    return names;
}

}  // namespace kw
