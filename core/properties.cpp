#include "core/properties.h"

#include <charconv>
#include <map>
#include <mutex>

#include "core/component.h"
#include "core/persistent.h"
#include "core/rtlconsts.h"
#include "core/strutils.h"
#include "core/sysformat.h"

namespace tv {

namespace {

std::string FloatText(double v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

bool ParseFloat(std::string_view text, double& v) {
    std::string t = Trim(text);
    if (t.empty()) return false;
    const char* b = t.data();
    if (*b == '+') ++b;
    auto r = std::from_chars(b, t.data() + t.size(), v);
    return r.ec == std::errc() && r.ptr == t.data() + t.size();
}

[[noreturn]] void InvalidValue() { throw EPropertyError(LoadResString(SInvalidPropertyValue)); }
[[noreturn]] void WrongKind(const TPropInfo& p) {
    throw EPropertyError(Format(LoadResString(SInvalidPropertyType), p.Name()));
}
[[noreturn]] void ReadOnly() { throw EPropertyError(LoadResString(SReadOnlyProperty)); }

bool IsOrdinal(TPropKind k) {
    switch (k) {
    case TPropKind::Integer:
    case TPropKind::Int64:
    case TPropKind::Enumeration:
    case TPropKind::Set:
    case TPropKind::Char:
    case TPropKind::Boolean:
        return true;
    default:
        return false;
    }
}

struct ClassProps {
    std::vector<const TPropInfo*> list;
    std::vector<std::unique_ptr<TPropInfo>> own;
    std::vector<TMethodInfo> methods;
    std::vector<TFieldInfo> ownFields;
    std::vector<const TFieldInfo*> fields;
};

struct PropRegistry {
    std::recursive_mutex mutex;
    std::map<TClass, std::unique_ptr<ClassProps>> classes;
};

PropRegistry& Registry() {
    static PropRegistry r;
    return r;
}

bool PublishesOwn(TClass cls) {
    return cls->publish && (!cls->parent || cls->publish != cls->parent->publish);
}

ClassProps& PropsOf(TClass cls) {
    auto& r = Registry();
    std::lock_guard lock(r.mutex);
    auto it = r.classes.find(cls);
    if (it != r.classes.end()) return *it->second;
    auto props = std::make_unique<ClassProps>();
    if (cls->parent) {
        props->list = PropsOf(cls->parent).list;
        props->fields = PropsOf(cls->parent).fields;
    }
    if (PublishesOwn(cls)) {
        TPublisher pub(cls);
        cls->publish(pub);
        props->own = std::move(pub.Properties());
        props->methods = std::move(pub.Methods());
        props->ownFields = std::move(pub.Fields());
        for (const TFieldInfo& f : props->ownFields) props->fields.push_back(&f);
        for (auto& p : props->own) {
            bool replaced = false;
            for (auto& existing : props->list)
                if (SameText(existing->Name(), p->Name())) {
                    existing = p.get();
                    replaced = true;
                    break;
                }
            if (!replaced) props->list.push_back(p.get());
        }
    }
    auto& ref = *props;
    r.classes.emplace(cls, std::move(props));
    return ref;
}

} // namespace

bool IdentToInt(const TIdentMap& map, std::string_view ident, std::int64_t& value) {
    for (const auto& e : map)
        if (SameText(e.name, ident)) {
            value = e.value;
            return true;
        }
    return false;
}

bool IntToIdent(const TIdentMap& map, std::int64_t value, std::string& ident) {
    for (const auto& e : map)
        if (e.value == value) {
            ident = e.name;
            return true;
        }
    return false;
}

// --- TEnumInfo -------------------------------------------------------------------

std::string TEnumInfo::NameOf(std::int64_t ordinal) const {
    if (ordinal < 0 || ordinal >= static_cast<std::int64_t>(names.size())) return {};
    return names[static_cast<std::size_t>(ordinal)];
}

int TEnumInfo::ValueOf(std::string_view n) const {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (SameText(names[i], n)) return static_cast<int>(i);
    return -1;
}

std::string TEnumInfo::SetToString(std::uint64_t bits, bool brackets) const {
    std::string result;
    for (std::size_t i = 0; i < names.size() && i < 64; ++i)
        if (bits & (std::uint64_t(1) << i)) {
            if (!result.empty()) result += ", ";
            result += names[i];
        }
    return brackets ? "[" + result + "]" : result;
}

std::uint64_t TEnumInfo::StringToSet(std::string_view text) const {
    std::string t = Trim(text);
    if (!t.empty() && t.front() == '[') {
        if (t.back() != ']') InvalidValue();
        t = t.substr(1, t.size() - 2);
    }
    std::uint64_t bits = 0;
    std::size_t p = 0;
    while (p <= t.size()) {
        std::size_t q = t.find(',', p);
        if (q == std::string::npos) q = t.size();
        std::string item = Trim(std::string_view(t).substr(p, q - p));
        if (!item.empty()) {
            int v = ValueOf(item);
            if (v < 0 || v >= 64) throw EPropertyError(Format(LoadResString(SInvalidPropertyElement), item));
            bits |= std::uint64_t(1) << v;
        }
        p = q + 1;
    }
    return bits;
}

// --- TPropInfo -------------------------------------------------------------------

bool TPropInfo::IsWritable() const {
    return static_cast<bool>(setOrd_ || setFloat_ || setStr_ || setObj_ || setMethod_);
}

std::int64_t TPropInfo::GetOrd(TObject* obj) const {
    if (!IsOrdinal(kind_)) WrongKind(*this);
    if (!getOrd_) InvalidValue();
    return getOrd_(obj);
}

void TPropInfo::SetOrd(TObject* obj, std::int64_t value) const {
    if (!IsOrdinal(kind_)) WrongKind(*this);
    if (!setOrd_) ReadOnly();
    setOrd_(obj, value);
}

double TPropInfo::GetFloat(TObject* obj) const {
    if (kind_ != TPropKind::Float) WrongKind(*this);
    if (!getFloat_) InvalidValue();
    return getFloat_(obj);
}

void TPropInfo::SetFloat(TObject* obj, double value) const {
    if (kind_ != TPropKind::Float) WrongKind(*this);
    if (!setFloat_) ReadOnly();
    setFloat_(obj, value);
}

std::string TPropInfo::GetStr(TObject* obj) const {
    if (kind_ != TPropKind::String && kind_ != TPropKind::Binary) WrongKind(*this);
    if (!getStr_) InvalidValue();
    return getStr_(obj);
}

void TPropInfo::SetStr(TObject* obj, const std::string& value) const {
    if (kind_ != TPropKind::String && kind_ != TPropKind::Binary) WrongKind(*this);
    if (!setStr_) ReadOnly();
    setStr_(obj, value);
}

TObject* TPropInfo::GetObject(TObject* obj) const {
    if (!getObj_) WrongKind(*this);
    return getObj_(obj);
}

void TPropInfo::SetObject(TObject* obj, TObject* value) const {
    if (!getObj_) WrongKind(*this);
    if (!setObj_) ReadOnly();
    setObj_(obj, value);
}

bool TPropInfo::MethodAssigned(TObject* obj) const {
    if (kind_ != TPropKind::Method) WrongKind(*this);
    return methodAssigned_(obj);
}

void TPropInfo::SetMethod(TObject* obj, TObject* instance, const TMethodInfo* method) const {
    if (kind_ != TPropKind::Method) WrongKind(*this);
    auto* persistent = dynamic_cast<TPersistent*>(obj);
    if (!method) {
        setMethod_(obj, std::any());
        if (persistent) persistent->SetBoundMethodName(name_, {});
        return;
    }
    setMethod_(obj, method->bind(instance));
    if (persistent) persistent->SetBoundMethodName(name_, method->name);
}

std::string TPropInfo::GetAsText(TObject* obj) const {
    switch (kind_) {
    case TPropKind::Integer:
    case TPropKind::Int64: {
        std::string ident;
        if (identMap_ && IntToIdent(*identMap_, GetOrd(obj), ident)) return ident;
        return IntToStr(GetOrd(obj));
    }
    case TPropKind::Boolean:
        return GetOrd(obj) ? "True" : "False";
    case TPropKind::Char:
        return Utf8Encode(static_cast<char32_t>(GetOrd(obj)));
    case TPropKind::Enumeration:
        return enumInfo_ ? enumInfo_->NameOf(GetOrd(obj)) : IntToStr(GetOrd(obj));
    case TPropKind::Set:
        return enumInfo_ ? enumInfo_->SetToString(static_cast<std::uint64_t>(GetOrd(obj))) : IntToStr(GetOrd(obj));
    case TPropKind::Float:
        return FloatText(GetFloat(obj));
    case TPropKind::String:
    case TPropKind::Binary:
        return GetStr(obj);
    case TPropKind::ComponentRef: {
        auto* c = dynamic_cast<TComponent*>(GetObject(obj));
        return c ? c->Name() : std::string();
    }
    case TPropKind::Method: {
        auto* persistent = dynamic_cast<TPersistent*>(obj);
        if (persistent && persistent->BoundMethodNames()) {
            auto it = persistent->BoundMethodNames()->find(name_);
            if (it != persistent->BoundMethodNames()->end()) return it->second;
        }
        return {};
    }
    default:
        WrongKind(*this);
    }
}

void TPropInfo::SetAsText(TObject* obj, std::string_view text) const {
    switch (kind_) {
    case TPropKind::Integer:
    case TPropKind::Int64: {
        std::int64_t v;
        if (!(identMap_ && IdentToInt(*identMap_, Trim(text), v)) && !TryStrToInt64(text, v)) InvalidValue();
        SetOrd(obj, v);
        return;
    }
    case TPropKind::Boolean: {
        bool b;
        if (!TryStrToBool(text, b)) InvalidValue();
        SetOrd(obj, b ? 1 : 0);
        return;
    }
    case TPropKind::Char: {
        std::size_t pos = 0;
        SetOrd(obj, text.empty() ? 0 : static_cast<std::int64_t>(Utf8Next(text, pos)));
        return;
    }
    case TPropKind::Enumeration: {
        int v = enumInfo_ ? enumInfo_->ValueOf(Trim(text)) : -1;
        if (v < 0) InvalidValue();
        SetOrd(obj, v);
        return;
    }
    case TPropKind::Set:
        if (!enumInfo_) InvalidValue();
        SetOrd(obj, static_cast<std::int64_t>(enumInfo_->StringToSet(text)));
        return;
    case TPropKind::Float: {
        double d;
        if (!ParseFloat(text, d)) InvalidValue();
        SetFloat(obj, d);
        return;
    }
    case TPropKind::String:
    case TPropKind::Binary:
        SetStr(obj, std::string(text));
        return;
    default:
        WrongKind(*this);
    }
}

bool TPropInfo::IsStored(TObject* obj) const {
    switch (storedRule_) {
    case TStoredRule::srNever: return false;
    case TStoredRule::srPredicate: return storedPredicate_ ? storedPredicate_(obj) : true;
    default: return true;
    }
}

bool TPropInfo::IsDefaultValue(TObject* obj) const {
    switch (kind_) {
    case TPropKind::Integer:
    case TPropKind::Enumeration:
    case TPropKind::Set:
    case TPropKind::Char:
    case TPropKind::Boolean:
        return hasDefault_ && GetOrd(obj) == defaultOrd_;
    case TPropKind::Int64:
        return GetOrd(obj) == (hasDefault_ ? defaultOrd_ : 0);
    case TPropKind::Float:
        return GetFloat(obj) == (hasDefault_ ? defaultFloat_ : 0.0);
    case TPropKind::String:
        return GetStr(obj) == (hasDefault_ ? defaultStr_ : std::string());
    case TPropKind::Binary:
        return GetStr(obj).empty();
    case TPropKind::ComponentRef:
        return GetObject(obj) == nullptr;
    case TPropKind::Method:
        return !MethodAssigned(obj);
    default:
        return false;
    }
}

// --- building -----------------------------------------------------------------------

TObject* detail::CheckCast(TObject* obj, bool ok, const std::string& prop) {
    if (!ok)
        throw EPropertyError(Format(LoadResString(SInvalidPropertyType), obj ? obj->ClassName() + " (" + prop + ")"
                                                                             : "nil (" + prop + ")"));
    return obj;
}

void detail::RangeError() { InvalidValue(); }

TPropBuilder& TPropBuilder::Default(std::int64_t value) {
    info_.hasDefault_ = true;
    info_.defaultOrd_ = value;
    info_.defaultFloat_ = static_cast<double>(value);
    return *this;
}

TPropBuilder& TPropBuilder::Default(double value) {
    info_.hasDefault_ = true;
    info_.defaultFloat_ = value;
    return *this;
}

TPropBuilder& TPropBuilder::Default(const std::string& value) {
    info_.hasDefault_ = true;
    info_.defaultStr_ = value;
    return *this;
}

TPropBuilder& TPropBuilder::NoDefault() {
    info_.hasDefault_ = false;
    return *this;
}

TPropBuilder& TPropBuilder::Stored(bool stored) {
    info_.storedRule_ = stored ? TStoredRule::srAlways : TStoredRule::srNever;
    info_.storedPredicate_ = nullptr;
    return *this;
}

TPropBuilder& TPropBuilder::StoredIf(std::function<bool(TObject*)> pred) {
    info_.storedRule_ = TStoredRule::srPredicate;
    info_.storedPredicate_ = std::move(pred);
    return *this;
}

TPropBuilder& TPropBuilder::Idents(const TIdentMap& map) {
    info_.identMap_ = &map;
    return *this;
}

TPropBuilder& TPropBuilder::Scaled(bool value) {
    info_.scaled_ = value;
    return *this;
}

TPropInfo& TPublisher::Add(const std::string& name, TPropKind kind) {
    auto p = std::make_unique<TPropInfo>();
    p->name_ = name;
    p->kind_ = kind;
    p->ownerClass_ = cls_;
    last_ = p.get();
    props_.push_back(std::move(p));
    return *last_;
}

TPropBuilder TPublisher::Add(TPropInfo info) {
    auto p = std::make_unique<TPropInfo>(std::move(info));
    p->ownerClass_ = cls_;
    last_ = p.get();
    props_.push_back(std::move(p));
    return TPropBuilder(*last_);
}

TPropBuilder TPublisher::Ord(const std::string& name, TPropKind kind, std::function<std::int64_t(TObject*)> get,
                             std::function<void(TObject*, std::int64_t)> set) {
    TPropInfo& p = Add(name, kind);
    p.getOrd_ = std::move(get);
    p.setOrd_ = std::move(set);
    return TPropBuilder(p);
}

TPropBuilder TPublisher::Str(const std::string& name, TPropKind kind, std::function<std::string(TObject*)> get,
                             std::function<void(TObject*, const std::string&)> set) {
    TPropInfo& p = Add(name, kind);
    p.getStr_ = std::move(get);
    p.setStr_ = std::move(set);
    return TPropBuilder(p);
}

void TPublisher::ThrowMethodMismatch(const std::string& name) {
    throw EPropertyError(Format(LoadResString(SInvalidPropertyType), name));
}

// --- looking up ----------------------------------------------------------------------

const std::vector<const TPropInfo*>& GetPropList(TClass cls) { return PropsOf(cls).list; }

const TPropInfo* GetPropInfo(TClass cls, std::string_view name) {
    if (!cls) return nullptr;
    for (const TPropInfo* p : GetPropList(cls))
        if (SameText(p->Name(), name)) return p;
    return nullptr;
}

const TPropInfo* GetPropInfo(const TObject* obj, std::string_view name) {
    return obj ? GetPropInfo(obj->ClassType(), name) : nullptr;
}

const TMethodInfo* FindMethod(TClass cls, std::string_view name) {
    for (TClass c = cls; c; c = c->parent) {
        if (!PublishesOwn(c)) continue;
        for (const TMethodInfo& m : PropsOf(c).methods)
            if (SameText(m.name, name)) return &m;
    }
    return nullptr;
}

const std::vector<const TFieldInfo*>& GetFieldList(TClass cls) { return PropsOf(cls).fields; }

const TFieldInfo* FindField(TClass cls, std::string_view name) {
    if (!cls) return nullptr;
    for (const TFieldInfo* f : GetFieldList(cls))
        if (SameText(f->name, name)) return f;
    return nullptr;
}

void ClearPublishedField(TComponent* owner, TComponent* component) {
    if (!owner || !component || component->Name().empty()) return;
    const TFieldInfo* f = FindField(owner->ClassType(), component->Name());
    if (f && f->get(owner) == component) f->set(owner, nullptr);
}

namespace {
const TPropInfo& Require(TObject* obj, std::string_view name) {
    const TPropInfo* p = GetPropInfo(obj, name);
    if (!p) throw EPropertyError(Format(LoadResString(SUnknownProperty), std::string(name)));
    return *p;
}
} // namespace

std::string GetStrProp(TObject* obj, std::string_view name) { return Require(obj, name).GetStr(obj); }
void SetStrProp(TObject* obj, std::string_view name, const std::string& value) { Require(obj, name).SetStr(obj, value); }
std::int64_t GetOrdProp(TObject* obj, std::string_view name) { return Require(obj, name).GetOrd(obj); }
void SetOrdProp(TObject* obj, std::string_view name, std::int64_t value) { Require(obj, name).SetOrd(obj, value); }
double GetFloatProp(TObject* obj, std::string_view name) { return Require(obj, name).GetFloat(obj); }
void SetFloatProp(TObject* obj, std::string_view name, double value) { Require(obj, name).SetFloat(obj, value); }
TObject* GetObjectProp(TObject* obj, std::string_view name) { return Require(obj, name).GetObject(obj); }
void SetObjectProp(TObject* obj, std::string_view name, TObject* value) { Require(obj, name).SetObject(obj, value); }

std::string GetEnumProp(TObject* obj, std::string_view name) {
    const TPropInfo& p = Require(obj, name);
    if (p.Kind() != TPropKind::Enumeration) WrongKind(p);
    return p.GetAsText(obj);
}

void SetEnumProp(TObject* obj, std::string_view name, std::string_view value) {
    const TPropInfo& p = Require(obj, name);
    if (p.Kind() != TPropKind::Enumeration) WrongKind(p);
    p.SetAsText(obj, value);
}

std::string GetPropValueText(TObject* obj, std::string_view name) { return Require(obj, name).GetAsText(obj); }
void SetPropValueText(TObject* obj, std::string_view name, std::string_view value) {
    Require(obj, name).SetAsText(obj, value);
}
bool IsPublishedProp(const TObject* obj, std::string_view name) { return GetPropInfo(obj, name) != nullptr; }

} // namespace tv
