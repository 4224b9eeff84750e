#include "core/formreader.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "core/collection.h"
#include "core/exceptions.h"
#include "core/formtext.h"
#include "core/properties.h"
#include "core/resources.h"
#include "core/rtlconsts.h"
#include "core/scopeguards.h"
#include "core/streams.h"
#include "core/strutils.h"
#include "core/sysformat.h"

namespace tv {

namespace {

struct Fixup {
    TComponent* root;       // the root whose definition named the reference
    TComponent* component;  // the component being read when it was met
    TPersistent* instance;  // the object whose property waits
    const TPropInfo* prop;
    std::string name;
    int line;
    // A collection item may be freed before the reference resolves (its
    // collection read again); it is found again by its id.
    TCollection* collection = nullptr;
    int itemId = -1;

    TPersistent* Target() const {
        if (!collection) return instance;
        return collection->FindItemID(itemId);
    }
};

struct GlobalState {
    std::mutex mutex;
    std::vector<Fixup> pending;
    std::map<int, TFindGlobalComponent> finders;
    int nextId = 1;
};

GlobalState& Global() {
    static GlobalState g;
    return g;
}

// While an inherited component reads the definitions of its classes one after
// another, Loaded waits until the last one is read.
thread_local std::vector<std::vector<TComponent*>*> globalLoading;

std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t p = 0;
    for (;;) {
        std::size_t q = path.find('.', p);
        parts.push_back(path.substr(p, q == std::string::npos ? std::string::npos : q - p));
        if (q == std::string::npos) break;
        p = q + 1;
    }
    return parts;
}

[[noreturn]] void InvalidValue() { throw EReadError(LoadResString(SInvalidPropertyValue)); }

bool IsObjectKind(TPropKind k) {
    return k == TPropKind::Object || k == TPropKind::Collection || k == TPropKind::StringList ||
           k == TPropKind::ComponentRef;
}

TComponent* ResolveReference(TComponent* root, const std::string& name) {
    auto dot = name.find('.');
    if (dot == std::string::npos) {
        if (TComponent* c = root->FindComponent(name)) return c;
        if (SameText(root->Name(), name)) return root;
        return FindGlobalComponent(name);
    }
    std::string rootName = name.substr(0, dot);
    std::string rest = name.substr(dot + 1);
    TComponent* r = nullptr;
    if (SameText(root->Name(), rootName))
        r = root;
    else if (TComponent* inner = root->FindComponent(rootName))
        r = inner;
    else
        r = FindGlobalComponent(rootName);
    if (!r) return nullptr;
    for (const std::string& part : SplitPath(rest)) {
        r = r->FindComponent(part);
        if (!r) return nullptr;
    }
    return r;
}

// Sets the root's published field of the component's name; a root whose
// class publishes fields has one for every component its definition creates.
void BindField(TComponent* root, TComponent* component) {
    TClass cls = root->ClassType();
    if (GetFieldList(cls).empty() || component->Name().empty()) return;
    const TFieldInfo* field = FindField(cls, component->Name());
    if (!field) throw EReadError(Format(LoadResString(SFieldNotFound), cls->name, component->Name()));
    if (!field->set(root, component))
        throw EReadError(Format(LoadResString(SFieldClassMismatch), cls->name, field->name, field->fieldClass->name,
                                component->ClassName()));
}

// The reverse: every published field was given its component.
void CheckFieldsCreated(TComponent* root) {
    TClass cls = root->ClassType();
    for (const TFieldInfo* field : GetFieldList(cls))
        if (!field->get(root)) throw EReadError(Format(LoadResString(SFieldNotCreated), cls->name, field->name));
}

void AddUnique(std::vector<TComponent*>& v, TComponent* c) {
    if (std::find(v.begin(), v.end(), c) == v.end()) v.push_back(c);
}

} // namespace

struct TReader::Impl {
    TFormObject root;
    std::string source;
    std::vector<const TFormObject*> nodes;
    struct Frame {
        const TFormValue* single;
        const std::vector<TFormValue>* list;
        std::size_t index;
        bool consumed;
    };
    std::vector<Frame> frames;
    std::vector<TComponent*> loaded;
    std::vector<Fixup> fixups;
    std::vector<TComponent*> lookupRoots;
    TComponent* reading = nullptr;  // the component whose properties are read
    std::string definedName;
    const TFormValue* definedValue = nullptr;
    bool definedHandled = false;
    int line = 0;

    const TFormValue* Peek() const {
        if (frames.empty()) return nullptr;
        const Frame& f = frames.back();
        if (f.list) return f.index < f.list->size() ? &(*f.list)[f.index] : nullptr;
        return f.consumed ? nullptr : f.single;
    }
    const TFormValue& Take() {
        if (frames.empty()) InvalidValue();
        Frame& f = frames.back();
        if (f.list) {
            if (f.index >= f.list->size()) InvalidValue();
            return (*f.list)[f.index++];
        }
        if (f.consumed) InvalidValue();
        f.consumed = true;
        return *f.single;
    }
};

TReader::TReader(std::string_view text, std::string source) : TFiler(true), impl_(std::make_unique<Impl>()) {
    impl_->source = std::move(source);
    impl_->root = ParseFormText(text);
}

TReader::~TReader() = default;

int TReader::Line() const { return impl_->line; }

int TReader::StoredPixelsPerInch() const {
    for (const TFormProperty& p : impl_->root.properties)
        if (SameText(p.name, "PixelsPerInch") && p.value.type == TValueType::vaInt)
            return static_cast<int>(p.value.intValue);
    return defaultPpi_;
}

// --- values -----------------------------------------------------------------------

TValueType TReader::NextValue() const {
    const TFormValue* v = impl_->Peek();
    return v ? v->type : TValueType::vaNull;
}

std::int64_t TReader::ReadInteger() {
    const TFormValue& v = impl_->Take();
    if (v.type != TValueType::vaInt) InvalidValue();
    return v.intValue;
}

double TReader::ReadFloat() {
    const TFormValue& v = impl_->Take();
    if (v.type == TValueType::vaInt) return static_cast<double>(v.intValue);
    if (v.type != TValueType::vaExtended) InvalidValue();
    return v.floatValue;
}

std::string TReader::ReadString() {
    const TFormValue& v = impl_->Take();
    if (v.type != TValueType::vaString) throw EReadError(LoadResString(SStringExpected));
    return v.text;
}

std::string TReader::ReadIdent() {
    const TFormValue& v = impl_->Take();
    if (v.type != TValueType::vaIdent && v.type != TValueType::vaTrue && v.type != TValueType::vaFalse &&
        v.type != TValueType::vaNil)
        throw EReadError(LoadResString(SIdentifierExpected));
    return v.text;
}

bool TReader::ReadBoolean() {
    const TFormValue& v = impl_->Take();
    if (v.type == TValueType::vaTrue) return true;
    if (v.type == TValueType::vaFalse) return false;
    InvalidValue();
}

char32_t TReader::ReadChar() {
    const TFormValue& v = impl_->Take();
    if (v.type == TValueType::vaInt) return static_cast<char32_t>(v.intValue);
    if (v.type != TValueType::vaString || Utf8Length(v.text) != 1) InvalidValue();
    std::size_t pos = 0;
    return Utf8Next(v.text, pos);
}

std::vector<std::string> TReader::ReadSet() {
    const TFormValue& v = impl_->Take();
    if (v.type != TValueType::vaSet) InvalidValue();
    return v.set;
}

std::string TReader::ReadBinary() {
    const TFormValue& v = impl_->Take();
    if (v.type != TValueType::vaBinary && v.type != TValueType::vaString) InvalidValue();
    return v.text;
}

void TReader::ReadListBegin() {
    const TFormValue& v = impl_->Take();
    if (v.type != TValueType::vaList) InvalidValue();
    impl_->frames.push_back(Impl::Frame{nullptr, &v.list, 0, false});
}

bool TReader::EndOfList() const {
    if (impl_->frames.empty() || !impl_->frames.back().list) return true;
    const auto& f = impl_->frames.back();
    return f.index >= f.list->size();
}

void TReader::ReadListEnd() {
    if (impl_->frames.empty() || !impl_->frames.back().list) InvalidValue();
    impl_->frames.pop_back();
}

void TReader::SkipValue() { impl_->Take(); }

void TReader::ReadCollection(TCollection* collection) {
    const TFormValue& v = impl_->Take();
    if (v.type != TValueType::vaCollection || !collection) InvalidValue();
    TUpdateLock<TCollection> update(collection);
    collection->Clear();
    for (const TFormItem& item : v.items) {
        TCollectionItem* ci = collection->Add();
        for (const TFormProperty& p : item.properties) ReadProperty(ci, p);
    }
}

// --- defined properties ---------------------------------------------------------------

void TReader::DefineProperty(const std::string& name, TReaderProc read, TWriterProc, bool) {
    if (!impl_->definedValue || impl_->definedHandled || !read || !SameText(name, impl_->definedName)) return;
    impl_->definedHandled = true;
    std::size_t depth = impl_->frames.size();
    impl_->frames.push_back(Impl::Frame{impl_->definedValue, nullptr, 0, false});
    try {
        read(*this);
    } catch (...) {
        impl_->frames.resize(depth);
        throw;
    }
    impl_->frames.resize(depth);
}

void TReader::DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc, bool) {
    if (!impl_->definedValue || impl_->definedHandled || !read || !SameText(name, impl_->definedName)) return;
    impl_->definedHandled = true;
    const TFormValue& v = *impl_->definedValue;
    if (v.type != TValueType::vaBinary) throw EReadError(LoadResString(SInvalidBinary));
    TMemoryStream stream;
    stream.WriteString(v.text);
    stream.SetPosition(0);
    read(stream);
}

bool TReader::ReadDefined(TPersistent* target, const std::string& name, const TFormValue& value) {
    std::string savedName = impl_->definedName;
    const TFormValue* savedValue = impl_->definedValue;
    bool savedHandled = impl_->definedHandled;
    impl_->definedName = name;
    impl_->definedValue = &value;
    impl_->definedHandled = false;
    bool handled;
    try {
        target->DefineProperties(*this);
        handled = impl_->definedHandled;
    } catch (...) {
        impl_->definedName = savedName;
        impl_->definedValue = savedValue;
        impl_->definedHandled = savedHandled;
        throw;
    }
    impl_->definedName = savedName;
    impl_->definedValue = savedValue;
    impl_->definedHandled = savedHandled;
    return handled;
}

void TReader::PropertyNotFound(TPropertyNotFoundArgs& args) {
    if (OnPropertyNotFound) OnPropertyNotFound(*this, args);
}

// --- properties ------------------------------------------------------------------------

std::int64_t TReader::Scale(std::int64_t value) const {
    int stored = StoredPixelsPerInch();
    if (scaleTo_ <= 0 || stored <= 0 || stored == scaleTo_) return value;
    // Rounded multiply-divide, halves away from zero.
    std::int64_t num = value * scaleTo_;
    std::int64_t half = stored / 2;
    return num >= 0 ? (num + half) / stored : -((-num + half) / stored);
}

void TReader::ReadProperty(TPersistent* instance, const TFormProperty& prop) {
    impl_->line = prop.line;
    std::vector<std::string> parts = SplitPath(prop.name);
    TPersistent* obj = instance;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        std::string name = parts[i];
        const TPropInfo* info = GetPropInfo(obj, name);
        if (!info) {
            TPropertyNotFoundArgs args{obj, name, true};
            PropertyNotFound(args);
            if (args.skip) return;
            if (args.handled && args.instance) {
                obj = args.instance;
                name = args.name;
                info = GetPropInfo(obj, name);
            }
            if (!info) throw EReadError(Format(LoadResString(SUnknownProperty), name));
        }
        TPersistent* sub = nullptr;
        if (IsObjectKind(info->Kind())) sub = dynamic_cast<TPersistent*>(info->GetObject(obj));
        if (!sub) throw EReadError(LoadResString(SInvalidPropertyPath));
        obj = sub;
    }
    std::string name = parts.back();
    TPersistent* target = obj;
    // A handler may send the property elsewhere; a few redirections are plenty.
    for (int attempt = 0; attempt < 8; ++attempt) {
        if (const TPropInfo* info = GetPropInfo(target, name)) {
            ReadPropValue(target, info, prop.value);
            return;
        }
        if (ReadDefined(target, name, prop.value)) return;
        TPropertyNotFoundArgs args{target, name, false};
        PropertyNotFound(args);
        if (args.skip) return;
        if (!args.handled || !args.instance) break;
        target = args.instance;
        name = args.name;
    }
    throw EReadError(Format(LoadResString(SUnknownProperty), name));
}

void TReader::ReadPropValue(TPersistent* obj, const TPropInfo* info, const TFormValue& v) {
    switch (info->Kind()) {
    case TPropKind::Integer:
    case TPropKind::Int64: {
        std::int64_t n;
        if (v.type == TValueType::vaInt)
            n = v.intValue;
        else if (v.type == TValueType::vaIdent && info->IdentMap() && IdentToInt(*info->IdentMap(), v.text, n))
            ;
        else
            InvalidValue();
        if (info->IsScaled() && n >= INT32_MIN && n <= INT32_MAX) {
            // Positions and sizes beyond any screen come from a damaged definition;
            // kept within what the window system's arithmetic can take.
            constexpr std::int64_t kMaxCoordinate = 32767;
            n = std::clamp(Scale(std::clamp(n, -kMaxCoordinate, kMaxCoordinate)), -kMaxCoordinate, kMaxCoordinate);
        }
        info->SetOrd(obj, n);
        return;
    }
    case TPropKind::Boolean:
        if (v.type == TValueType::vaTrue)
            info->SetOrd(obj, 1);
        else if (v.type == TValueType::vaFalse)
            info->SetOrd(obj, 0);
        else
            InvalidValue();
        return;
    case TPropKind::Char:
        if (v.type == TValueType::vaInt) {
            info->SetOrd(obj, v.intValue);
        } else if (v.type == TValueType::vaString && Utf8Length(v.text) == 1) {
            std::size_t pos = 0;
            info->SetOrd(obj, static_cast<std::int64_t>(Utf8Next(v.text, pos)));
        } else {
            InvalidValue();
        }
        return;
    case TPropKind::Enumeration: {
        if (v.type != TValueType::vaIdent && v.type != TValueType::vaTrue && v.type != TValueType::vaFalse)
            InvalidValue();
        int n = info->EnumInfo() ? info->EnumInfo()->ValueOf(v.text) : -1;
        if (n < 0) InvalidValue();
        info->SetOrd(obj, n);
        return;
    }
    case TPropKind::Set: {
        if (v.type != TValueType::vaSet || !info->EnumInfo()) InvalidValue();
        std::uint64_t bits = 0;
        for (const std::string& m : v.set) {
            int n = info->EnumInfo()->ValueOf(m);
            if (n < 0 || n >= 64) throw EReadError(Format(LoadResString(SInvalidPropertyElement), m));
            bits |= std::uint64_t(1) << n;
        }
        info->SetOrd(obj, static_cast<std::int64_t>(bits));
        return;
    }
    case TPropKind::Float:
        if (v.type == TValueType::vaInt)
            info->SetFloat(obj, static_cast<double>(v.intValue));
        else if (v.type == TValueType::vaExtended)
            info->SetFloat(obj, v.floatValue);
        else
            InvalidValue();
        return;
    case TPropKind::String:
        if (v.type != TValueType::vaString) InvalidValue();
        info->SetStr(obj, v.text);
        return;
    case TPropKind::Binary:
        if (v.type != TValueType::vaBinary && v.type != TValueType::vaString) InvalidValue();
        info->SetStr(obj, v.text);
        return;
    case TPropKind::Collection: {
        if (v.type != TValueType::vaCollection) InvalidValue();
        auto* collection = dynamic_cast<TCollection*>(info->GetObject(obj));
        if (!collection) InvalidValue();
        impl_->frames.push_back(Impl::Frame{&v, nullptr, 0, false});
        try {
            ReadCollection(collection);
        } catch (...) {
            impl_->frames.pop_back();
            throw;
        }
        impl_->frames.pop_back();
        return;
    }
    case TPropKind::ComponentRef:
        if (v.type == TValueType::vaNil) {
            info->SetObject(obj, nullptr);
        } else if (v.type == TValueType::vaIdent) {
            Fixup f{root_, impl_->reading, obj, info, v.text, v.line};
            if (auto* item = dynamic_cast<TCollectionItem*>(obj); item && item->Collection()) {
                f.collection = item->Collection();
                f.itemId = item->ID();
            }
            impl_->fixups.push_back(std::move(f));
        } else {
            InvalidValue();
        }
        return;
    case TPropKind::Method: {
        if (v.type == TValueType::vaNil) {
            info->SetMethod(obj, nullptr, nullptr);
            return;
        }
        if (v.type != TValueType::vaIdent) InvalidValue();
        const TMethodInfo* method = FindMethod(root_->ClassType(), v.text);
        if (!method) throw EReadError(Format(LoadResString(SMethodNotFound), v.text));
        info->SetMethod(obj, root_, method);
        return;
    }
    case TPropKind::Object:
    case TPropKind::StringList:
        // Owned objects are read through their own properties ("Font.Name").
        if (v.type == TValueType::vaNil) return;
        InvalidValue();
    }
}

// --- components ------------------------------------------------------------------------

void TReader::ReadData(TComponent* instance) {
    if (impl_->nodes.empty()) return;
    const TFormObject& node = *impl_->nodes.back();
    TComponent* previous = impl_->reading;
    impl_->reading = instance;
    for (const TFormProperty& prop : node.properties) {
        std::string reason;
        try {
            ReadProperty(instance, prop);
            continue;
        } catch (const Exception& e) {
            reason = e.Message();
        } catch (const std::exception& e) {
            reason = e.what();
        }
        std::string message = Format(LoadResString(SParseError),
                                     Format(LoadResString(SPropertyException), instance->Name(), ".", prop.name, reason),
                                     impl_->line);
        bool handled = false;
        if (OnError) OnError(*this, message, handled);
        if (!handled) {
            impl_->reading = previous;
            throw EReadError(message);
        }
    }
    for (const TFormObject& child : node.children) ReadObject(child, instance);
    impl_->reading = previous;
}

TClass TReader::FindComponentClass(const std::string& className, int line) {
    TClass cls = nullptr;
    if (OnFindComponentClass) OnFindComponentClass(*this, className, cls);
    if (!cls) cls = GetClass(className);
    if (!cls)
        throw EClassNotFound(
            Format(LoadResString(SParseError), Format(LoadResString(SClassNotFound), className), line));
    if (!cls->InheritsFrom(TComponent::StaticClass()))
        throw EReadError(Format(LoadResString(SParseError), LoadResString(SInvalidImage), line));
    return cls;
}

void TReader::ReadObject(const TFormObject& node, TComponent* parent) {
    impl_->line = node.line;
    TComponent* lookup = impl_->lookupRoots.empty() ? root_ : impl_->lookupRoots.back();
    TComponent* comp = nullptr;
    bool created = false;
    if (node.kind != TFormObjectKind::fkObject && !node.name.empty()) comp = lookup->FindComponent(node.name);
    if (node.kind == TFormObjectKind::fkInherited && !comp)
        throw EReadError(Format(LoadResString(SParseError), Format(LoadResString(SAncestorNotFound), node.name),
                                node.line));
    if (!comp) {
        TClass cls = FindComponentClass(node.className, node.line);
        comp = dynamic_cast<TComponent*>(cls->Create(root_));
        created = true;
        try {
            comp->SetName(node.name);
            if (impl_->lookupRoots.empty()) BindField(root_, comp);
        } catch (Exception& e) {
            delete comp;
            e.SetMessage(Format(LoadResString(SParseError), e.Message(), node.line));
            throw;
        }
        if (node.kind == TFormObjectKind::fkInline) comp->SetInline(true);
    }
    comp->IncludeState(csLoading);
    comp->IncludeState(csReading);
    AddUnique(impl_->loaded, comp);
    TComponent* previousParent = parent_;
    parent_ = parent;
    impl_->nodes.push_back(&node);
    bool isInline = node.kind == TFormObjectKind::fkInline;
    if (isInline) impl_->lookupRoots.push_back(comp);
    auto restore = [&] {
        impl_->nodes.pop_back();
        if (isInline) impl_->lookupRoots.pop_back();
        parent_ = previousParent;
        comp->ExcludeState(csReading);
    };
    try {
        comp->SetParentComponent(parent);
        comp->ReadState(*this);
    } catch (...) {
        restore();
        if (created) {
            // What was read inside it comes after it in the list; freeing it may
            // free those too (a control frees its child controls), so they are
            // forgotten before it goes.
            auto at = std::find(impl_->loaded.begin(), impl_->loaded.end(), comp);
            std::vector<TComponent*> inside(at, impl_->loaded.end());
            impl_->loaded.erase(at, impl_->loaded.end());
            for (TComponent* c : inside) {
                c->ExcludeState(csReading);
                c->ExcludeState(csLoading);
            }
            std::erase_if(impl_->fixups, [&](const Fixup& f) {
                return std::find(inside.begin(), inside.end(), f.component) != inside.end() ||
                       f.instance == static_cast<TPersistent*>(comp);
            });
            delete comp;
        }
        throw;
    }
    restore();
}

void TReader::ResolveFixups() {
    std::vector<Fixup> fixups = std::move(impl_->fixups);
    impl_->fixups.clear();
    for (const Fixup& f : fixups) {
        TPersistent* instance = f.Target();
        if (!instance) continue;
        if (TComponent* target = ResolveReference(root_, f.name)) {
            try {
                f.prop->SetObject(instance, target);
            } catch (const Exception& e) {
                std::string who = f.component ? f.component->Name() : std::string();
                throw EReadError(Format(LoadResString(SParseError),
                                        Format(LoadResString(SPropertyException), who, ".", f.prop->Name(),
                                               e.Message()),
                                        f.line));
            }
        } else {
            auto& g = Global();
            std::lock_guard lock(g.mutex);
            g.pending.push_back(f);
        }
    }
}

TComponent* TReader::ReadRootComponent(TComponent* root, TComponent* owner) {
    const TFormObject& node = impl_->root;
    bool created = false;
    if (!root) {
        TClass cls = FindComponentClass(node.className, node.line);
        root = dynamic_cast<TComponent*>(cls->Create(owner));
        created = true;
    }
    root_ = root;
    ancestor_ = nullptr;
    parent_ = nullptr;
    impl_->loaded.clear();
    impl_->fixups.clear();
    try {
        if (!node.name.empty() && !SameText(root->Name(), node.name)) {
            // A second window of the same class gets a name of its own.
            std::string candidate = node.name;
            if (TComponent* o = root->Owner())
                for (int i = 1; o->FindComponent(candidate) && o->FindComponent(candidate) != root; ++i)
                    candidate = node.name + "_" + IntToStr(i);
            root->SetName(candidate);
        }
        root->IncludeState(csLoading);
        root->IncludeState(csReading);
        AddUnique(impl_->loaded, root);
        impl_->nodes.push_back(&node);
        root->ReadState(*this);
        impl_->nodes.pop_back();
        for (TComponent* c : impl_->loaded) c->ExcludeState(csReading);
        ResolveFixups();
        if (globalLoading.empty()) CheckFieldsCreated(root);
    } catch (...) {
        impl_->nodes.clear();
        impl_->frames.clear();
        impl_->fixups.clear();
        for (TComponent* c : impl_->loaded) {
            c->ExcludeState(csReading);
            c->ExcludeState(csLoading);
        }
        impl_->loaded.clear();
        if (created) delete root;
        root_ = nullptr;
        throw;
    }
    if (!globalLoading.empty()) {
        for (TComponent* c : impl_->loaded) AddUnique(*globalLoading.back(), c);
    } else {
        for (TComponent* c : impl_->loaded) c->Loaded();
    }
    impl_->loaded.clear();
    GlobalFixupReferences();
    return root;
}

// --- entry points ------------------------------------------------------------------------

namespace {
std::optional<std::string_view> FindFormResource(const std::string& name) {
    if (name.find('.') == std::string::npos)
        if (auto res = FindResource(name + ".dfm")) return res;
    return FindResource(name);
}
} // namespace

void ReadComponentRes(const std::string& name, TComponent* instance, int scaleTo) {
    auto res = FindFormResource(name);
    if (!res) throw EReadError(Format(LoadResString(SResNotFound), name));
    TReader reader(*res, name);
    reader.SetScaleTo(scaleTo);
    reader.ReadRootComponent(instance);
}

void ReadComponentText(std::string_view text, TComponent* instance, int scaleTo) {
    TReader reader(text);
    reader.SetScaleTo(scaleTo);
    reader.ReadRootComponent(instance);
}

TComponent* CreateComponentFromText(std::string_view text, TComponent* owner) {
    TReader reader(text);
    return reader.ReadRootComponent(nullptr, owner);
}

bool InitInheritedComponent(TComponent* instance, TClass rootAncestor, int scaleTo) {
    std::vector<TClass> chain;
    for (TClass c = instance->ClassType(); c && c != rootAncestor; c = c->parent) chain.push_back(c);
    std::reverse(chain.begin(), chain.end());
    std::vector<TComponent*> loaded;
    globalLoading.push_back(&loaded);
    bool any = false;
    int ppi = 0;
    try {
        for (TClass c : chain) {
            auto res = FindFormResource(c->name);
            if (!res) continue;
            TReader reader(*res, c->name);
            reader.SetScaleTo(scaleTo);
            reader.SetDefaultPixelsPerInch(ppi);
            ppi = reader.StoredPixelsPerInch();
            reader.ReadRootComponent(instance);
            any = true;
        }
        if (any) CheckFieldsCreated(instance);
    } catch (...) {
        globalLoading.pop_back();
        for (TComponent* c : loaded) c->ExcludeState(csLoading);
        throw;
    }
    globalLoading.pop_back();
    for (TComponent* c : loaded) c->Loaded();
    return any;
}

int RegisterFindGlobalComponent(TFindGlobalComponent finder) {
    auto& g = Global();
    std::lock_guard lock(g.mutex);
    int id = g.nextId++;
    g.finders[id] = std::move(finder);
    return id;
}

void UnregisterFindGlobalComponent(int id) {
    auto& g = Global();
    std::lock_guard lock(g.mutex);
    g.finders.erase(id);
}

TComponent* FindGlobalComponent(std::string_view name) {
    std::vector<TFindGlobalComponent> finders;
    {
        auto& g = Global();
        std::lock_guard lock(g.mutex);
        for (auto& [id, f] : g.finders) finders.push_back(f);
    }
    for (auto& f : finders)
        if (TComponent* c = f(name)) return c;
    return nullptr;
}

void GlobalFixupReferences() {
    std::vector<Fixup> pending;
    {
        auto& g = Global();
        std::lock_guard lock(g.mutex);
        if (g.pending.empty() || g.finders.empty()) return;
        pending = std::move(g.pending);
        g.pending.clear();
    }
    std::vector<Fixup> left;
    for (const Fixup& f : pending) {
        TPersistent* instance = f.Target();
        if (!instance) continue;
        TComponent* target = ResolveReference(f.root, f.name);
        if (!target) {
            left.push_back(f);
            continue;
        }
        try {
            f.prop->SetObject(instance, target);
        } catch (const Exception&) {
            // A reference of the wrong class stays unset, as an unresolved one.
        }
    }
    auto& g = Global();
    std::lock_guard lock(g.mutex);
    g.pending.insert(g.pending.begin(), left.begin(), left.end());
}

void RemoveFixupReferences(TComponent* root) {
    auto& g = Global();
    std::lock_guard lock(g.mutex);
    if (g.pending.empty()) return;
    std::erase_if(g.pending, [&](const Fixup& f) {
        return f.root == root || f.component == root || f.instance == static_cast<TPersistent*>(root);
    });
}

} // namespace tv
