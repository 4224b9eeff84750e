#include "core/unitinit.h"

#include <algorithm>
#include <exception>
#include <mutex>

namespace tv {

namespace {
struct Unit {
    std::string name;
    int rank;
    std::function<void()> init;
    std::function<void()> finalize;
};

struct Units {
    std::recursive_mutex mutex;
    std::vector<Unit> registered;
    std::vector<Unit> initialized;  // in the order they ran
    bool running = false;           // InitializeUnits has been called
};

Units& State() {
    static Units u;
    return u;
}

void SortUnits(std::vector<Unit>& v) {
    std::stable_sort(v.begin(), v.end(), [](const Unit& a, const Unit& b) {
        return a.rank != b.rank ? a.rank < b.rank : a.name < b.name;
    });
}

bool IsInitialized(const Units& u, const std::string& name) {
    return std::any_of(u.initialized.begin(), u.initialized.end(), [&](const Unit& x) { return x.name == name; });
}
} // namespace

void RegisterUnit(const std::string& name, int rank, std::function<void()> init, std::function<void()> finalize) {
    auto& u = State();
    std::lock_guard lock(u.mutex);
    std::erase_if(u.registered, [&](const Unit& x) { return x.name == name; });
    u.registered.push_back(Unit{name, rank, std::move(init), std::move(finalize)});
    SortUnits(u.registered);
    if (u.running && !IsInitialized(u, name)) {
        Unit unit = u.registered.front();
        for (auto& x : u.registered)
            if (x.name == name) unit = x;
        if (unit.init) unit.init();
        u.initialized.push_back(unit);
    }
}

void UnregisterUnit(const std::string& name) {
    auto& u = State();
    std::lock_guard lock(u.mutex);
    std::erase_if(u.registered, [&](const Unit& x) { return x.name == name; });
}

void InitializeUnits() {
    auto& u = State();
    std::lock_guard lock(u.mutex);
    u.running = true;
    std::vector<Unit> order = u.registered;
    for (const Unit& unit : order) {
        if (IsInitialized(u, unit.name)) continue;
        if (unit.init) unit.init();
        u.initialized.push_back(unit);
    }
}

void FinalizeUnits() {
    auto& u = State();
    std::lock_guard lock(u.mutex);
    std::exception_ptr first;
    while (!u.initialized.empty()) {
        Unit unit = std::move(u.initialized.back());
        u.initialized.pop_back();
        if (!unit.finalize) continue;
        try {
            unit.finalize();
        } catch (...) {
            if (!first) first = std::current_exception();
        }
    }
    u.running = false;
    if (first) std::rethrow_exception(first);
}

bool UnitsInitialized() {
    auto& u = State();
    std::lock_guard lock(u.mutex);
    return u.running;
}

std::vector<std::string> UnitOrder() {
    auto& u = State();
    std::lock_guard lock(u.mutex);
    std::vector<std::string> names;
    for (const Unit& x : u.registered) names.push_back(x.name);
    return names;
}

} // namespace tv
