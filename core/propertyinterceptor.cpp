#include "core/propertyinterceptor.h"

#include <memory>

namespace tv {

namespace {
struct Registry {
    std::vector<TClass> targets, interceptors;
};
std::unique_ptr<Registry> gRegistry;
const std::vector<TClass> kEmpty;
} // namespace

TStoragePropertyInterceptor* CreateStoragePropertyInterceptor(TClass interceptorClass, TPersistent* target) {
    TObject* obj = interceptorClass->Create(nullptr);
    auto* i = dynamic_cast<TStoragePropertyInterceptor*>(obj);
    if (!i) {
        delete obj;
        return nullptr;
    }
    i->Create(target);
    return i;
}

void AddReadPropertyInterceptor(TClass targetClass, TClass interceptorClass) {
    if (!gRegistry) gRegistry = std::make_unique<Registry>();
    for (int i = static_cast<int>(gRegistry->targets.size()) - 1; i >= 0; --i)
        if (gRegistry->targets[static_cast<std::size_t>(i)] == targetClass) {
            gRegistry->targets.erase(gRegistry->targets.begin() + i);
            gRegistry->interceptors.erase(gRegistry->interceptors.begin() + i);
        }
    gRegistry->targets.push_back(targetClass);
    gRegistry->interceptors.push_back(interceptorClass);
}

void RemoveReadPropertyInterceptor(TClass targetClass, TClass interceptorClass) {
    if (!gRegistry) return;
    for (int i = static_cast<int>(gRegistry->targets.size()) - 1; i >= 0; --i)
        if (gRegistry->targets[static_cast<std::size_t>(i)] == targetClass &&
            gRegistry->interceptors[static_cast<std::size_t>(i)] == interceptorClass) {
            gRegistry->targets.erase(gRegistry->targets.begin() + i);
            gRegistry->interceptors.erase(gRegistry->interceptors.begin() + i);
        }
}

const std::vector<TClass>& ReadPropertyInterceptorTargets() { return gRegistry ? gRegistry->targets : kEmpty; }
const std::vector<TClass>& ReadPropertyInterceptorClasses() { return gRegistry ? gRegistry->interceptors : kEmpty; }
void FreeReadPropertyInterceptors() { gRegistry.reset(); }

} // namespace tv
