#pragma once
// Read-property interceptors: objects that stand in for a component while its
// stored properties are read and apply the values in their own way at the
// end. A process-wide registry pairs target classes with interceptor classes.
#include <vector>

#include "core/persistent.h"

namespace tv {

class TStoragePropertyInterceptor : public TPersistent {
    TV_CLASS(TStoragePropertyInterceptor, TPersistent)
public:
    TStoragePropertyInterceptor() = default;
    static void Publish(TPublisher&) {}
    // Keeps the target (the construction step an interceptor class may extend).
    virtual void Create(TPersistent* target) { target_ = target; }
    virtual bool InterceptsProperties() { return true; }
    virtual void AfterPropertiesRead() {}
    TPersistent* Target() const { return target_; }

protected:
    TPersistent* target_ = nullptr;
};

// Makes an interceptor of the class for the target.
TStoragePropertyInterceptor* CreateStoragePropertyInterceptor(TClass interceptorClass, TPersistent* target);

void AddReadPropertyInterceptor(TClass targetClass, TClass interceptorClass);
void RemoveReadPropertyInterceptor(TClass targetClass, TClass interceptorClass);
// The registered pairs, in order (targets and interceptors).
const std::vector<TClass>& ReadPropertyInterceptorTargets();
const std::vector<TClass>& ReadPropertyInterceptorClasses();
// Frees the registry (at shutdown).
void FreeReadPropertyInterceptors();

} // namespace tv
