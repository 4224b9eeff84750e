#include "core/formwriter.h"

#include "core/collection.h"
#include "core/exceptions.h"
#include "core/formtext.h"
#include "core/properties.h"
#include "core/streams.h"
#include "core/strutils.h"

namespace tv {

struct TWriter::Impl {
    std::vector<std::vector<TFormValue>> sinks;
    std::vector<TFormProperty>* props = nullptr;
    std::string prefix;
    TComponent* ancestorRoot = nullptr;
    std::vector<TComponent*> writing;
};

namespace {

TFormValue Ident(const std::string& text) {
    TFormValue v;
    v.text = text;
    if (SameText(text, "True"))
        v.type = TValueType::vaTrue;
    else if (SameText(text, "False"))
        v.type = TValueType::vaFalse;
    else if (SameText(text, "nil"))
        v.type = TValueType::vaNil;
    else
        v.type = TValueType::vaIdent;
    return v;
}

TFormValue ValueOf(const TPropInfo* info, TObject* obj) {
    TFormValue v;
    switch (info->Kind()) {
    case TPropKind::Integer:
    case TPropKind::Int64: {
        std::int64_t n = info->GetOrd(obj);
        std::string ident;
        if (info->IdentMap() && IntToIdent(*info->IdentMap(), n, ident)) return Ident(ident);
        v.type = TValueType::vaInt;
        v.intValue = n;
        return v;
    }
    case TPropKind::Boolean:
        return Ident(info->GetOrd(obj) ? "True" : "False");
    case TPropKind::Char:
        v.type = TValueType::vaString;
        v.text = Utf8Encode(static_cast<char32_t>(info->GetOrd(obj)));
        return v;
    case TPropKind::Enumeration: {
        std::int64_t n = info->GetOrd(obj);
        std::string name = info->EnumInfo() ? info->EnumInfo()->NameOf(n) : std::string();
        if (!name.empty()) return Ident(name);
        v.type = TValueType::vaInt;
        v.intValue = n;
        return v;
    }
    case TPropKind::Set: {
        v.type = TValueType::vaSet;
        auto bits = static_cast<std::uint64_t>(info->GetOrd(obj));
        if (info->EnumInfo())
            for (std::size_t i = 0; i < info->EnumInfo()->names.size() && i < 64; ++i)
                if (bits & (std::uint64_t(1) << i)) v.set.push_back(info->EnumInfo()->names[i]);
        return v;
    }
    case TPropKind::Float:
        v.type = TValueType::vaExtended;
        v.floatValue = info->GetFloat(obj);
        return v;
    case TPropKind::String:
        v.type = TValueType::vaString;
        v.text = info->GetStr(obj);
        return v;
    case TPropKind::Binary:
        v.type = TValueType::vaBinary;
        v.text = info->GetStr(obj);
        return v;
    default:
        return v;
    }
}

// The ancestor object only when it has the property too.
TPersistent* AncestorFor(const TPropInfo* info, TPersistent* ancestor) {
    if (!ancestor || !info->OwnerClass() || !ancestor->InheritsFrom(info->OwnerClass())) return nullptr;
    return ancestor;
}

} // namespace

TWriter::TWriter() : TFiler(false), impl_(std::make_unique<Impl>()) {}

TWriter::~TWriter() = default;

// --- values ----------------------------------------------------------------------------

namespace {
void Push(std::vector<std::vector<TFormValue>>& sinks, TFormValue v) {
    if (sinks.empty()) sinks.emplace_back();
    sinks.back().push_back(std::move(v));
}
} // namespace

void TWriter::WriteInteger(std::int64_t value) {
    TFormValue v;
    v.type = TValueType::vaInt;
    v.intValue = value;
    Push(impl_->sinks, std::move(v));
}

void TWriter::WriteFloat(double value) {
    TFormValue v;
    v.type = TValueType::vaExtended;
    v.floatValue = value;
    Push(impl_->sinks, std::move(v));
}

void TWriter::WriteString(const std::string& value) {
    TFormValue v;
    v.type = TValueType::vaString;
    v.text = value;
    Push(impl_->sinks, std::move(v));
}

void TWriter::WriteIdent(const std::string& ident) { Push(impl_->sinks, Ident(ident)); }

void TWriter::WriteBoolean(bool value) { Push(impl_->sinks, Ident(value ? "True" : "False")); }

void TWriter::WriteChar(char32_t c) { WriteString(Utf8Encode(c)); }

void TWriter::WriteSet(const std::vector<std::string>& members) {
    TFormValue v;
    v.type = TValueType::vaSet;
    v.set = members;
    Push(impl_->sinks, std::move(v));
}

void TWriter::WriteBinary(const std::string& bytes) {
    TFormValue v;
    v.type = TValueType::vaBinary;
    v.text = bytes;
    Push(impl_->sinks, std::move(v));
}

void TWriter::WriteListBegin() { impl_->sinks.emplace_back(); }

void TWriter::WriteListEnd() {
    if (impl_->sinks.size() < 2) return;
    TFormValue v;
    v.type = TValueType::vaList;
    v.list = std::move(impl_->sinks.back());
    impl_->sinks.pop_back();
    Push(impl_->sinks, std::move(v));
}

void TWriter::WriteCollection(TCollection* collection) {
    TFormValue v;
    v.type = TValueType::vaCollection;
    if (collection)
        for (int i = 0; i < collection->Count(); ++i) {
            TFormItem item;
            WriteProperties(collection->Items(i), nullptr, std::string(), item.properties);
            v.items.push_back(std::move(item));
        }
    Push(impl_->sinks, std::move(v));
}

// --- defined properties -------------------------------------------------------------------

void TWriter::DefineProperty(const std::string& name, TReaderProc, TWriterProc write, bool hasData) {
    if (!hasData || !write || !impl_->props) return;
    std::size_t depth = impl_->sinks.size();
    impl_->sinks.emplace_back();
    write(*this);
    std::vector<TFormValue> values = std::move(impl_->sinks.back());
    impl_->sinks.resize(depth);
    if (values.empty()) return;
    TFormProperty p;
    p.name = impl_->prefix + name;
    if (values.size() == 1) {
        p.value = std::move(values.front());
    } else {
        p.value.type = TValueType::vaList;
        p.value.list = std::move(values);
    }
    impl_->props->push_back(std::move(p));
}

void TWriter::DefineBinaryProperty(const std::string& name, TStreamProc, TStreamProc write, bool hasData) {
    if (!hasData || !write || !impl_->props) return;
    TMemoryStream stream;
    write(stream);
    TFormProperty p;
    p.name = impl_->prefix + name;
    p.value.type = TValueType::vaBinary;
    p.value.text = stream.DataString();
    impl_->props->push_back(std::move(p));
}

// --- objects ------------------------------------------------------------------------------

std::string TWriter::ReferenceName(TComponent* c, TComponent* root) const {
    if (!c) return {};
    if (c == root) return root_ ? root_->Name() : c->Name();
    if (c->Owner() == root) return c->Name();
    if (c->Owner() && !c->Owner()->Name().empty()) return c->Owner()->Name() + "." + c->Name();
    return c->Name();
}

bool TWriter::CollectionsEqual(TCollection* a, TCollection* b) {
    if (a == b) return true;
    if (!a || !b) return false;
    if (a->Count() != b->Count() || a->ItemClass() != b->ItemClass()) return false;
    for (int i = 0; i < a->Count(); ++i) {
        TFormItem ia, ib;
        WriteProperties(a->Items(i), nullptr, std::string(), ia.properties);
        WriteProperties(b->Items(i), nullptr, std::string(), ib.properties);
        TFormValue va, vb;
        va.type = vb.type = TValueType::vaCollection;
        va.items.push_back(std::move(ia));
        vb.items.push_back(std::move(ib));
        if (PrintFormValue(va) != PrintFormValue(vb)) return false;
    }
    return true;
}

void TWriter::WriteProperties(TPersistent* obj, TPersistent* ancestor, const std::string& prefix,
                              std::vector<TFormProperty>& out) {
    for (const TPropInfo* info : GetPropList(obj->ClassType())) {
        if (!info->IsReadable() || !info->IsStored(obj)) continue;
        std::string name = prefix + info->Name();
        TPersistent* anc = AncestorFor(info, ancestor);
        switch (info->Kind()) {
        case TPropKind::Object:
        case TPropKind::StringList: {
            auto* sub = dynamic_cast<TPersistent*>(info->GetObject(obj));
            if (!sub || dynamic_cast<TComponent*>(sub)) break;
            auto* ancSub = anc ? dynamic_cast<TPersistent*>(info->GetObject(anc)) : nullptr;
            WriteProperties(sub, ancSub, name + ".", out);
            break;
        }
        case TPropKind::Collection: {
            auto* coll = dynamic_cast<TCollection*>(info->GetObject(obj));
            if (!coll) break;
            auto* ancColl = anc ? dynamic_cast<TCollection*>(info->GetObject(anc)) : nullptr;
            if (ancColl ? CollectionsEqual(coll, ancColl) : coll->Count() == 0) break;
            std::size_t depth = impl_->sinks.size();
            impl_->sinks.emplace_back();
            WriteCollection(coll);
            TFormProperty p;
            p.name = name;
            p.value = std::move(impl_->sinks.back().front());
            impl_->sinks.resize(depth);
            out.push_back(std::move(p));
            break;
        }
        case TPropKind::ComponentRef: {
            auto* c = dynamic_cast<TComponent*>(info->GetObject(obj));
            std::string ref = ReferenceName(c, root_);
            if (anc) {
                auto* ancC = dynamic_cast<TComponent*>(info->GetObject(anc));
                if (ref == ReferenceName(ancC, impl_->ancestorRoot)) break;
            } else if (!c) {
                break;
            }
            out.push_back(TFormProperty{name, c ? Ident(ref) : Ident("nil"), 0});
            break;
        }
        case TPropKind::Method: {
            std::string m = info->MethodAssigned(obj) ? info->GetAsText(obj) : std::string();
            if (anc) {
                std::string am = info->MethodAssigned(anc) ? info->GetAsText(anc) : std::string();
                if (m == am) break;
            } else if (m.empty()) {
                break;
            }
            out.push_back(TFormProperty{name, m.empty() ? Ident("nil") : Ident(m), 0});
            break;
        }
        default:
            if (anc) {
                if (info->GetAsText(obj) == info->GetAsText(anc)) break;
            } else if (info->IsDefaultValue(obj)) {
                break;
            }
            out.push_back(TFormProperty{name, ValueOf(info, obj), 0});
            break;
        }
    }
    std::vector<TFormProperty>* savedProps = impl_->props;
    std::string savedPrefix = impl_->prefix;
    TPersistent* savedAncestor = ancestor_;
    impl_->props = &out;
    impl_->prefix = prefix;
    ancestor_ = ancestor;
    try {
        obj->DefineProperties(*this);
    } catch (...) {
        impl_->props = savedProps;
        impl_->prefix = savedPrefix;
        ancestor_ = savedAncestor;
        throw;
    }
    impl_->props = savedProps;
    impl_->prefix = savedPrefix;
    ancestor_ = savedAncestor;
}

void TWriter::WriteComponent(TComponent* comp, TComponent* ancestor, TFormObject& node) {
    node.kind = ancestor                                        ? TFormObjectKind::fkInherited
                : comp->ComponentState().Contains(csInline) ? TFormObjectKind::fkInline
                                                                : TFormObjectKind::fkObject;
    node.name = comp->Name();
    node.className = comp->ClassName();
    comp->IncludeState(csWriting);
    impl_->writing.push_back(comp);
    WriteProperties(comp, ancestor, std::string(), node.properties);
    comp->GetChildren(
        [&](TComponent* child) {
            TComponent* ancChild = nullptr;
            if (impl_->ancestorRoot && !child->Name().empty()) {
                ancChild = impl_->ancestorRoot->FindComponent(child->Name());
                if (ancChild && ancChild->ClassType() != child->ClassType() &&
                    !child->InheritsFrom(ancChild->ClassType()))
                    ancChild = nullptr;
            }
            TFormObject childNode;
            WriteComponent(child, ancChild, childNode);
            // An inherited component that changed nothing need not be named.
            if (childNode.kind == TFormObjectKind::fkInherited && childNode.properties.empty() &&
                childNode.children.empty())
                return;
            node.children.push_back(std::move(childNode));
        },
        root_);
}

std::string TWriter::WriteRootComponent(TComponent* root, TComponent* ancestor) {
    root_ = root;
    impl_->ancestorRoot = ancestor;
    impl_->writing.clear();
    TFormObject node;
    try {
        WriteComponent(root, ancestor, node);
    } catch (...) {
        for (TComponent* c : impl_->writing) c->ExcludeState(csWriting);
        throw;
    }
    for (TComponent* c : impl_->writing) c->ExcludeState(csWriting);
    return PrintFormText(node);
}

bool CollectionsEqual(TCollection* a, TCollection* b) {
    TWriter writer;
    return writer.CollectionsEqual(a, b);
}

std::string WriteComponentText(TComponent* root, TComponent* ancestor) {
    TWriter writer;
    return writer.WriteRootComponent(root, ancestor);
}

} // namespace tv
