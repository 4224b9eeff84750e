#include "core/object.h"

#include <map>
#include <mutex>

#include "core/exceptions.h"
#include "core/rtlconsts.h"
#include "core/strutils.h"
#include "core/sysformat.h"

namespace tv {

TClass TObject::StaticClass() {
    static const TClassInfo info{"TObject", nullptr, &detail::CreateInstance<TObject>, &TObject::Publish};
    return &info;
}

bool TObject::ClassNameIs(std::string_view name) const { return SameText(ClassType()->name, name); }

bool TClassInfo::InheritsFrom(TClass ancestor) const {
    for (TClass c = this; c; c = c->parent)
        if (c == ancestor) return true;
    return false;
}

TObject* TClassInfo::Create(TComponent* owner) const {
    if (!create) throw EInvalidOperation(Format(LoadResString(SCannotCreate), name));
    TObject* obj = create(owner);
    if (!obj) throw EInvalidOperation(Format(LoadResString(SCannotCreate), name));
    return obj;
}

namespace {
struct ClassRegistry {
    std::mutex mutex;
    std::map<std::string, TClass> byName;  // upper-case names
};
ClassRegistry& Registry() {
    static ClassRegistry r;
    return r;
}
} // namespace

void RegisterClass(TClass cls) {
    if (!cls) return;
    auto& r = Registry();
    std::lock_guard lock(r.mutex);
    r.byName[UpperCase(cls->name)] = cls;
}

void RegisterClasses(std::initializer_list<TClass> classes) {
    for (TClass c : classes) RegisterClass(c);
}

void UnRegisterClass(TClass cls) {
    if (!cls) return;
    auto& r = Registry();
    std::lock_guard lock(r.mutex);
    auto it = r.byName.find(UpperCase(cls->name));
    if (it != r.byName.end() && it->second == cls) r.byName.erase(it);
}

TClass GetClass(std::string_view name) {
    auto& r = Registry();
    std::lock_guard lock(r.mutex);
    auto it = r.byName.find(UpperCase(name));
    return it == r.byName.end() ? nullptr : it->second;
}

TClass FindClass(std::string_view name) {
    TClass c = GetClass(name);
    if (!c) throw EClassNotFound(Format(LoadResString(SClassNotFound), std::string(name)));
    return c;
}

TClass NearestRegisteredClass(TClass cls) {
    for (TClass c = cls; c; c = c->parent)
        if (GetClass(c->name) == c) return c;
    return nullptr;
}

int InheritanceDistance(TClass cls, TClass ancestor) {
    int d = 0;
    for (TClass c = cls; c; c = c->parent, ++d)
        if (c == ancestor) return d;
    return -1;
}

TClass NearestClass(TClass cls, std::span<const TClass> candidates) {
    TClass best = nullptr;
    int bestDistance = -1;
    for (TClass cand : candidates) {
        int d = InheritanceDistance(cls, cand);
        if (d >= 0 && (bestDistance < 0 || d < bestDistance)) {
            best = cand;
            bestDistance = d;
        }
    }
    return best;
}

} // namespace tv
