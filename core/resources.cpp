#include "core/resources.h"

#include <map>
#include <mutex>

#include "core/strutils.h"

namespace tv {

namespace {
struct Store {
    std::mutex mutex;
    std::map<std::string, std::string_view> byName;
};

// Function-local, so generated registrations may run in any order, before or
// after anything else starts.
Store& Resources() {
    static Store s;
    return s;
}

std::string StemOf(std::string_view path) {
    auto slash = path.find_last_of('/');
    std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
    auto dot = file.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0) file = file.substr(0, dot);
    return std::string(file);
}
} // namespace

void RegisterResource(std::string_view name, const void* data, std::size_t size) {
    auto& s = Resources();
    std::lock_guard lock(s.mutex);
    s.byName[std::string(name)] = std::string_view(static_cast<const char*>(data), size);
}

std::optional<std::string_view> FindResource(std::string_view name) {
    auto& s = Resources();
    std::lock_guard lock(s.mutex);
    if (auto it = s.byName.find(std::string(name)); it != s.byName.end()) return it->second;
    for (auto& [key, data] : s.byName)
        if (SameText(key, name)) return data;
    if (name.find('/') == std::string_view::npos) {
        std::string stem = StemOf(name);
        bool withExtension = stem.size() != name.size();
        for (auto& [key, data] : s.byName) {
            if (withExtension) {
                auto slash = key.find_last_of('/');
                std::string_view file = slash == std::string::npos ? std::string_view(key)
                                                                    : std::string_view(key).substr(slash + 1);
                if (SameText(file, name)) return data;
            } else if (SameText(StemOf(key), name)) {
                return data;
            }
        }
    }
    return std::nullopt;
}

std::vector<std::string> ResourceNames() {
    auto& s = Resources();
    std::lock_guard lock(s.mutex);
    std::vector<std::string> names;
    for (auto& [key, data] : s.byName) names.push_back(key);
    return names;
}

} // namespace tv
