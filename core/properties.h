#pragma once
// Published properties: per class, in declaration order after those of its
// ancestors, each with its kind, getter and setter, default and stored rule.
// The form reader and writer, translation and the property interceptors walk
// objects through this registry.
//
// A class publishes by declaring
//     static void Publish(tv::TPublisher& p) {
//         p.Integer("Left", &TControl::Left, &TControl::SetLeft).Default(0).Scaled();
//         p.Enum("Align", &TControl::Align, &TControl::SetAlign, TAlignInfo).Default(alNone);
//         p.Event("OnClick", &TControl::OnClick);
//         p.Method("Button1Click", &TForm1::Button1Click);
//         p.Field("Button1", &TForm1::Button1);
//     }
// beside TV_CLASS. Lists are built on first use, so the order in which units
// start never matters.
#include <any>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/exceptions.h"
#include "core/object.h"
#include "core/sets.h"

namespace tv {

class TComponent;

enum class TPropKind {
    Integer,
    Int64,
    Enumeration,
    Set,
    String,
    Float,
    Char,
    Boolean,
    Object,       // an owned sub-object (font, margins...), stored through its own properties
    Method,       // an event, stored as the name of a published method of the root
    Collection,   // an owned TCollection, stored as < item ... end >
    StringList,   // an owned TStrings, stored through its "Strings" property
    Binary,       // raw bytes, stored as { hex }
    ComponentRef  // a reference to a component, stored by name
};

// Names of the values of an enumeration, by ordinal (0, 1, 2...).
struct TEnumInfo {
    std::string name;
    std::vector<std::string> names;
    // "" when out of range.
    std::string NameOf(std::int64_t ordinal) const;
    // -1 when not a name of this enumeration (case-insensitive).
    int ValueOf(std::string_view name) const;
    // "[a, b]" for the set's members.
    std::string SetToString(std::uint64_t bits, bool brackets = true) const;
    // Reverse of SetToString (brackets optional); raises EPropertyError
    // "Invalid property element: x" for an unknown name.
    std::uint64_t StringToSet(std::string_view text) const;
};

// Names for particular values of an integer property (colours, cursors,
// character sets): stored definitions may use the name in place of the number.
struct TIdentMapEntry {
    std::int64_t value;
    const char* name;
};
using TIdentMap = std::vector<TIdentMapEntry>;
bool IdentToInt(const TIdentMap& map, std::string_view ident, std::int64_t& value);
bool IntToIdent(const TIdentMap& map, std::int64_t value, std::string& ident);

enum class TStoredRule { srAlways, srNever, srPredicate };

// A published method: binds to an instance as the std::function of its signature.
struct TMethodInfo {
    std::string name;
    TClass ownerClass = nullptr;
    // Returns std::function<R(Args...)> bound to `instance`, held in std::any.
    std::function<std::any(TObject* instance)> bind;
};

// A published field: a member pointing to a component of the root's stored
// definition, set by the form reader to the component of that name as it
// creates it, and cleared when the component leaves its owner.
struct TFieldInfo {
    std::string name;
    TClass ownerClass = nullptr;
    // The class the member is declared as, for messages.
    TClass fieldClass = nullptr;
    std::function<TComponent*(TObject* instance)> get;
    // False (leaving the member) when the component is not of the member's class.
    std::function<bool(TObject* instance, TComponent* value)> set;
};

class TPropInfo {
public:
    const std::string& Name() const { return name_; }
    TPropKind Kind() const { return kind_; }
    // The class that published the property.
    TClass OwnerClass() const { return ownerClass_; }
    // For enumerations and sets.
    const TEnumInfo* EnumInfo() const { return enumInfo_; }
    // For object kinds: the class the value is declared as (may be null).
    TClass PropClass() const { return propClass_; }
    bool IsReadable() const { return static_cast<bool>(getOrd_ || getFloat_ || getStr_ || getObj_ || methodAssigned_); }
    bool IsWritable() const;
    // Positions and sizes that the reader scales by the stored pixels per inch.
    bool IsScaled() const { return scaled_; }
    // Value names of an integer property, or null.
    const TIdentMap* IdentMap() const { return identMap_; }

    // --- values (EPropertyError when the kind does not fit or the property
    // cannot be read or written) ---
    // Integer, Int64, Enumeration, Set (bits), Char (code point), Boolean (0/1).
    std::int64_t GetOrd(TObject* obj) const;
    void SetOrd(TObject* obj, std::int64_t value) const;
    double GetFloat(TObject* obj) const;
    void SetFloat(TObject* obj, double value) const;
    // String; Binary (the bytes).
    std::string GetStr(TObject* obj) const;
    void SetStr(TObject* obj, const std::string& value) const;
    // Object, Collection, StringList, ComponentRef.
    TObject* GetObject(TObject* obj) const;
    void SetObject(TObject* obj, TObject* value) const;
    // Method.
    bool MethodAssigned(TObject* obj) const;
    // Binds the event to `method` of `instance`; EPropertyError when the
    // signatures differ. A null method clears the event.
    void SetMethod(TObject* obj, TObject* instance, const TMethodInfo* method) const;

    // Any kind but objects as text: numbers in decimal with "." (integers by
    // their ident name when they have one), enumerations by name, sets as
    // "[a, b]", booleans as True/False, references and events by name.
    std::string GetAsText(TObject* obj) const;
    void SetAsText(TObject* obj, std::string_view text) const;

    // --- storing ---
    bool HasDefault() const { return hasDefault_; }
    std::int64_t DefaultOrd() const { return defaultOrd_; }
    double DefaultFloat() const { return defaultFloat_; }
    const std::string& DefaultStr() const { return defaultStr_; }
    TStoredRule StoredRule() const { return storedRule_; }
    // Whether the property is to be stored at all for this object.
    bool IsStored(TObject* obj) const;
    // Whether the value is the default one: ordinals equal to the declared
    // default, floats and 64-bit integers 0, texts empty, references and
    // events unassigned. Ordinals without a default are never default.
    bool IsDefaultValue(TObject* obj) const;

private:
    friend class TPublisher;
    friend class TPropBuilder;
    std::string name_;
    TPropKind kind_ = TPropKind::Integer;
    TClass ownerClass_ = nullptr;
    TClass propClass_ = nullptr;
    const TEnumInfo* enumInfo_ = nullptr;
    const TIdentMap* identMap_ = nullptr;
    bool scaled_ = false;
    bool hasDefault_ = false;
    std::int64_t defaultOrd_ = 0;
    double defaultFloat_ = 0;
    std::string defaultStr_;
    TStoredRule storedRule_ = TStoredRule::srAlways;
    std::function<bool(TObject*)> storedPredicate_;

    std::function<std::int64_t(TObject*)> getOrd_;
    std::function<void(TObject*, std::int64_t)> setOrd_;
    std::function<double(TObject*)> getFloat_;
    std::function<void(TObject*, double)> setFloat_;
    std::function<std::string(TObject*)> getStr_;
    std::function<void(TObject*, const std::string&)> setStr_;
    std::function<TObject*(TObject*)> getObj_;
    std::function<void(TObject*, TObject*)> setObj_;
    std::function<bool(TObject*)> methodAssigned_;
    std::function<void(TObject*, const std::any&)> setMethod_;  // empty any clears
};

namespace detail {
template <class M>
struct GetterTraits;
template <class C, class R>
struct GetterTraits<R (C::*)() const> {
    using Class = C;
    using Value = std::remove_cvref_t<R>;
};
template <class C, class R>
struct GetterTraits<R (C::*)()> {
    using Class = C;
    using Value = std::remove_cvref_t<R>;
};
template <class M>
struct SetterTraits;
template <class C, class A>
struct SetterTraits<void (C::*)(A)> {
    using Class = C;
    using Value = std::remove_cvref_t<A>;
};
template <class M>
struct EventTraits;
template <class C, class R, class... A>
struct EventTraits<std::function<R(A...)> C::*> {
    using Class = C;
    using Function = std::function<R(A...)>;
};
template <class M>
struct MethodTraits;
template <class C, class R, class... A>
struct MethodTraits<R (C::*)(A...)> {
    using Class = C;
    using Function = std::function<R(A...)>;
};

// The object as C, or EPropertyError naming the property.
TObject* CheckCast(TObject* obj, bool ok, const std::string& prop);
// EPropertyError "Invalid property value".
[[noreturn]] void RangeError();
template <class C>
C* As(TObject* obj, const std::string& prop) {
    C* c = dynamic_cast<C*>(obj);
    CheckCast(obj, c != nullptr, prop);
    return c;
}

template <class T, class G>
std::function<T(TObject*)> Getter(G g, const std::string& prop) {
    if constexpr (std::is_null_pointer_v<G>) {
        return {};
    } else {
        using C = typename GetterTraits<G>::Class;
        return [g, prop](TObject* o) -> T { return static_cast<T>((As<C>(o, prop)->*g)()); };
    }
}
template <class T, class S>
std::function<void(TObject*, T)> Setter(S s, const std::string& prop) {
    if constexpr (std::is_null_pointer_v<S>) {
        return {};
    } else {
        using C = typename SetterTraits<S>::Class;
        using A = typename SetterTraits<S>::Value;
        return [s, prop](TObject* o, T v) {
            // A number that does not fit the property's type is refused, not cut.
            if constexpr (std::is_integral_v<A> && std::is_integral_v<std::remove_cvref_t<T>>)
                if (static_cast<std::remove_cvref_t<T>>(static_cast<A>(v)) != v) RangeError();
            (As<C>(o, prop)->*s)(static_cast<A>(v));
        };
    }
}
template <class G>
TClass ValueClassOf() {
    using V = std::remove_pointer_t<typename GetterTraits<G>::Value>;
    if constexpr (requires { V::StaticClass(); })
        return V::StaticClass();
    else
        return nullptr;
}
} // namespace detail

// Refines the property just published.
class TPropBuilder {
public:
    explicit TPropBuilder(TPropInfo& info) : info_(info) {}
    TPropBuilder& Default(std::int64_t value);
    TPropBuilder& Default(int value) { return Default(static_cast<std::int64_t>(value)); }
    TPropBuilder& Default(bool value) { return Default(static_cast<std::int64_t>(value)); }
    TPropBuilder& Default(double value);
    TPropBuilder& Default(const char* value) { return Default(std::string(value)); }
    TPropBuilder& Default(const std::string& value);
    template <class E>
        requires std::is_enum_v<E>
    TPropBuilder& Default(E value) { return Default(static_cast<std::int64_t>(value)); }
    template <class E>
    TPropBuilder& Default(TSet<E> value) { return Default(static_cast<std::int64_t>(value.Bits())); }
    TPropBuilder& NoDefault();
    TPropBuilder& Stored(bool stored);
    // Stored when the predicate (a const member function of the class, or any
    // callable taking the object) answers true.
    template <class C>
    TPropBuilder& Stored(bool (C::*pred)() const) {
        std::string n = info_.name_;
        return StoredIf([pred, n](TObject* o) { return (detail::As<C>(o, n)->*pred)(); });
    }
    TPropBuilder& StoredIf(std::function<bool(TObject*)> pred);
    TPropBuilder& Scaled(bool value = true);
    // Names for values of an integer property; the map must outlive the program.
    TPropBuilder& Idents(const TIdentMap& map);

private:
    TPropInfo& info_;
};

// Collects the properties and methods a class publishes.
class TPublisher {
public:
    explicit TPublisher(TClass cls) : cls_(cls) {}

    template <class G, class S = std::nullptr_t>
    TPropBuilder Integer(const std::string& name, G get, S set = nullptr) {
        return Ord(name, TPropKind::Integer, detail::Getter<std::int64_t>(get, name),
                   detail::Setter<std::int64_t>(set, name));
    }
    template <class G, class S = std::nullptr_t>
    TPropBuilder Int64(const std::string& name, G get, S set = nullptr) {
        return Ord(name, TPropKind::Int64, detail::Getter<std::int64_t>(get, name),
                   detail::Setter<std::int64_t>(set, name));
    }
    template <class G, class S = std::nullptr_t>
    TPropBuilder Boolean(const std::string& name, G get, S set = nullptr) {
        return Ord(name, TPropKind::Boolean, detail::Getter<std::int64_t>(get, name),
                   detail::Setter<std::int64_t>(set, name));
    }
    template <class G, class S = std::nullptr_t>
    TPropBuilder Char(const std::string& name, G get, S set = nullptr) {
        return Ord(name, TPropKind::Char, detail::Getter<std::int64_t>(get, name),
                   detail::Setter<std::int64_t>(set, name));
    }
    template <class G, class S = std::nullptr_t>
    TPropBuilder Enum(const std::string& name, G get, S set, const TEnumInfo& info) {
        TPropBuilder b = Ord(name, TPropKind::Enumeration, detail::Getter<std::int64_t>(get, name),
                             detail::Setter<std::int64_t>(set, name));
        last_->enumInfo_ = &info;
        return b;
    }
    // Getter returns TSet<E>; setter takes it.
    template <class G, class S = std::nullptr_t>
    TPropBuilder Set(const std::string& name, G get, S set, const TEnumInfo& info) {
        using V = typename detail::GetterTraits<G>::Value;
        using C = typename detail::GetterTraits<G>::Class;
        std::function<std::int64_t(TObject*)> g = [get, name](TObject* o) {
            return static_cast<std::int64_t>((detail::As<C>(o, name)->*get)().Bits());
        };
        std::function<void(TObject*, std::int64_t)> s;
        if constexpr (!std::is_null_pointer_v<S>) {
            using SC = typename detail::SetterTraits<S>::Class;
            s = [set, name](TObject* o, std::int64_t v) {
                (detail::As<SC>(o, name)->*set)(V::FromBits(static_cast<std::uint64_t>(v)));
            };
        }
        TPropBuilder b = Ord(name, TPropKind::Set, std::move(g), std::move(s));
        last_->enumInfo_ = &info;
        return b;
    }
    template <class G, class S = std::nullptr_t>
    TPropBuilder Float(const std::string& name, G get, S set = nullptr) {
        TPropInfo& p = Add(name, TPropKind::Float);
        p.getFloat_ = detail::Getter<double>(get, name);
        p.setFloat_ = detail::Setter<double>(set, name);
        return TPropBuilder(p);
    }
    template <class G, class S = std::nullptr_t>
    TPropBuilder String(const std::string& name, G get, S set = nullptr) {
        return Str(name, TPropKind::String, detail::Getter<std::string>(get, name),
                   detail::Setter<const std::string&>(set, name));
    }
    template <class G, class S = std::nullptr_t>
    TPropBuilder Binary(const std::string& name, G get, S set = nullptr) {
        return Str(name, TPropKind::Binary, detail::Getter<std::string>(get, name),
                   detail::Setter<const std::string&>(set, name));
    }
    // An owned sub-object; its setter usually assigns (copies) the value.
    template <class G, class S = std::nullptr_t>
    TPropBuilder Object(const std::string& name, G get, S set = nullptr) {
        return Obj(name, TPropKind::Object, get, set);
    }
    template <class G, class S = std::nullptr_t>
    TPropBuilder Collection(const std::string& name, G get, S set = nullptr) {
        return Obj(name, TPropKind::Collection, get, set);
    }
    template <class G, class S = std::nullptr_t>
    TPropBuilder Strings(const std::string& name, G get, S set = nullptr) {
        return Obj(name, TPropKind::StringList, get, set);
    }
    // A reference to a component found by name when the definition is read.
    template <class G, class S = std::nullptr_t>
    TPropBuilder Component(const std::string& name, G get, S set = nullptr) {
        return Obj(name, TPropKind::ComponentRef, get, set);
    }
    // An event: a std::function member of the class.
    template <class M>
    TPropBuilder Event(const std::string& name, M member) {
        using C = typename detail::EventTraits<M>::Class;
        using F = typename detail::EventTraits<M>::Function;
        TPropInfo& p = Add(name, TPropKind::Method);
        p.methodAssigned_ = [member, name](TObject* o) { return static_cast<bool>(detail::As<C>(o, name)->*member); };
        p.setMethod_ = [member, name](TObject* o, const std::any& f) {
            C* c = detail::As<C>(o, name);
            if (!f.has_value()) {
                c->*member = nullptr;
                return;
            }
            const F* fn = std::any_cast<F>(&f);
            if (!fn) ThrowMethodMismatch(name);
            c->*member = *fn;
        };
        return TPropBuilder(p);
    }
    // A published method, which events in stored definitions name.
    template <class M>
    void Method(const std::string& name, M method) {
        using C = typename detail::MethodTraits<M>::Class;
        using F = typename detail::MethodTraits<M>::Function;
        TMethodInfo info;
        info.name = name;
        info.ownerClass = cls_;
        info.bind = [method, name](TObject* instance) -> std::any {
            C* c = detail::As<C>(instance, name);
            return F([c, method](auto&&... args) { return (c->*method)(std::forward<decltype(args)>(args)...); });
        };
        methods_.push_back(std::move(info));
    }

    // A published field: `member` is set to the component named `name` when the
    // class's stored definition is read (see formreader.h).
    template <class C, class T>
    void Field(const std::string& name, T* C::*member) {
        static_assert(std::is_base_of_v<TComponent, T>, "a published field points to a component");
        TFieldInfo info;
        info.name = name;
        info.ownerClass = cls_;
        info.fieldClass = T::StaticClass();
        info.get = [member, name](TObject* o) -> TComponent* { return detail::As<C>(o, name)->*member; };
        info.set = [member, name](TObject* o, TComponent* v) {
            T* typed = dynamic_cast<T*>(v);
            if (v && !typed) return false;
            detail::As<C>(o, name)->*member = typed;
            return true;
        };
        fields_.push_back(std::move(info));
    }

    // Low-level: a property built by hand.
    TPropBuilder Add(TPropInfo info);

    // Used by the registry.
    std::vector<std::unique_ptr<TPropInfo>>& Properties() { return props_; }
    std::vector<TMethodInfo>& Methods() { return methods_; }
    std::vector<TFieldInfo>& Fields() { return fields_; }

private:
    TPropInfo& Add(const std::string& name, TPropKind kind);
    TPropBuilder Ord(const std::string& name, TPropKind kind, std::function<std::int64_t(TObject*)> get,
                     std::function<void(TObject*, std::int64_t)> set);
    TPropBuilder Str(const std::string& name, TPropKind kind, std::function<std::string(TObject*)> get,
                     std::function<void(TObject*, const std::string&)> set);
    template <class G, class S>
    TPropBuilder Obj(const std::string& name, TPropKind kind, G get, S set) {
        TPropInfo& p = Add(name, kind);
        p.getObj_ = detail::Getter<TObject*>(get, name);
        if constexpr (!std::is_null_pointer_v<S>) {
            using SC = typename detail::SetterTraits<S>::Class;
            using A = typename detail::SetterTraits<S>::Value;
            p.setObj_ = [set, name](TObject* o, TObject* v) {
                A typed = nullptr;
                if (v) {
                    typed = dynamic_cast<A>(v);
                    detail::CheckCast(v, typed != nullptr, name);
                }
                (detail::As<SC>(o, name)->*set)(typed);
            };
        }
        p.propClass_ = detail::ValueClassOf<G>();
        return TPropBuilder(p);
    }
    [[noreturn]] static void ThrowMethodMismatch(const std::string& name);

    TClass cls_;
    TPropInfo* last_ = nullptr;
    std::vector<std::unique_ptr<TPropInfo>> props_;
    std::vector<TMethodInfo> methods_;
    std::vector<TFieldInfo> fields_;
};

// --- looking properties up -------------------------------------------------------

// The published properties of the class, ancestors' first. A class that
// publishes a property of an ancestor's name again replaces it in place.
const std::vector<const TPropInfo*>& GetPropList(TClass cls);
// By name, case-insensitive; null when none.
const TPropInfo* GetPropInfo(TClass cls, std::string_view name);
const TPropInfo* GetPropInfo(const TObject* obj, std::string_view name);
// The published method of that name in the class or its ancestors; null when none.
const TMethodInfo* FindMethod(TClass cls, std::string_view name);
// The published fields of the class, ancestors' first; by name, case-insensitive.
const std::vector<const TFieldInfo*>& GetFieldList(TClass cls);
const TFieldInfo* FindField(TClass cls, std::string_view name);
// Clears the published field of `owner` that points to `component`, if any.
void ClearPublishedField(TComponent* owner, TComponent* component);

// Shortcuts by name; they raise EPropertyError "Property X does not exist".
std::string GetStrProp(TObject* obj, std::string_view name);
void SetStrProp(TObject* obj, std::string_view name, const std::string& value);
std::int64_t GetOrdProp(TObject* obj, std::string_view name);
void SetOrdProp(TObject* obj, std::string_view name, std::int64_t value);
double GetFloatProp(TObject* obj, std::string_view name);
void SetFloatProp(TObject* obj, std::string_view name, double value);
TObject* GetObjectProp(TObject* obj, std::string_view name);
void SetObjectProp(TObject* obj, std::string_view name, TObject* value);
std::string GetEnumProp(TObject* obj, std::string_view name);
void SetEnumProp(TObject* obj, std::string_view name, std::string_view value);
std::string GetPropValueText(TObject* obj, std::string_view name);
void SetPropValueText(TObject* obj, std::string_view name, std::string_view value);
bool IsPublishedProp(const TObject* obj, std::string_view name);

} // namespace tv
