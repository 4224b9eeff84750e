#pragma once
// TObject, the root of the framework's classes, and class information: every
// class that declares TV_CLASS carries a TClassInfo record (name, parent,
// factory, published-property hook). Classes are found by name once registered.
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tv {

class TObject;
class TComponent;
class TCollection;
class TPublisher;
struct TClassInfo;

// A class reference, as the framework's `class of TObject`.
using TClass = const TClassInfo*;

struct TClassInfo {
    const char* name;
    TClass parent;
    // Creates an instance (components receive their owner; other classes ignore
    // it). Null for abstract classes.
    TObject* (*create)(TComponent* owner);
    // The class's published-property registration (see properties.h).
    void (*publish)(TPublisher&);

    std::string ClassName() const { return name; }
    TClass ClassParent() const { return parent; }
    bool InheritsFrom(TClass ancestor) const;
    // Raises EInvalidOperation when the class cannot be instantiated.
    TObject* Create(TComponent* owner = nullptr) const;
};

namespace detail {
template <class T>
TObject* CreateInstance(TComponent* owner) {
    if constexpr (std::is_abstract_v<T>) {
        return nullptr;
    } else if constexpr (std::is_constructible_v<T, TComponent*>) {
        return new T(owner);
    } else if constexpr (std::is_constructible_v<T, TCollection*>) {
        // Collection items: the collection that asked for one takes it in.
        return new T(static_cast<TCollection*>(nullptr));
    } else if constexpr (std::is_default_constructible_v<T>) {
        return new T();
    } else {
        return nullptr;
    }
}
} // namespace detail

// Declares the class information of `Class`, derived from `Parent`. Put it first
// in the class body; it leaves the access at public.
#define TV_CLASS(Class, Parent)                                                          \
public:                                                                                  \
    static ::tv::TClass StaticClass() {                                                  \
        static const ::tv::TClassInfo info{#Class, Parent::StaticClass(),                \
                                           &::tv::detail::CreateInstance<Class>,         \
                                           &Class::Publish};                             \
        return &info;                                                                    \
    }                                                                                    \
    ::tv::TClass ClassType() const override { return StaticClass(); }

class TObject {
public:
    TObject() = default;
    virtual ~TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;

    static TClass StaticClass();
    virtual TClass ClassType() const { return StaticClass(); }
    // Classes publish their properties by declaring their own static Publish.
    static void Publish(TPublisher&) {}

    std::string ClassName() const { return ClassType()->name; }
    TClass ClassParent() const { return ClassType()->parent; }
    bool InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }
    bool ClassNameIs(std::string_view name) const;
};

// Deletes the object and clears the pointer.
template <class T>
void FreeAndNil(T*& obj) {
    T* p = obj;
    obj = nullptr;
    delete p;
}

// --- the class registry --------------------------------------------------------

void RegisterClass(TClass cls);
void RegisterClasses(std::initializer_list<TClass> classes);
void UnRegisterClass(TClass cls);
// The registered class of that name (case-insensitive), or null.
TClass GetClass(std::string_view name);
// Raises EClassNotFound "Class X not found".
TClass FindClass(std::string_view name);
// The registered class nearest to `cls` in its inheritance chain (itself
// included), or null.
TClass NearestRegisteredClass(TClass cls);

// Number of steps from `cls` up to `ancestor` (0 for the same class), -1 when
// `ancestor` is not in its chain.
int InheritanceDistance(TClass cls, TClass ancestor);
// Of `candidates`, the one nearest to `cls` in its inheritance chain, or null.
TClass NearestClass(TClass cls, std::span<const TClass> candidates);

} // namespace tv
