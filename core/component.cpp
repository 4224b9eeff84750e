#include "core/component.h"

#include <algorithm>
#include <exception>

#include "core/exceptions.h"
#include "core/formreader.h"
#include "core/formwriter.h"
#include "core/properties.h"
#include "core/rtlconsts.h"
#include "core/strutils.h"
#include "core/sysformat.h"

namespace tv {

namespace {
void EraseOne(std::vector<TComponent*>& v, TComponent* c) {
    auto it = std::find(v.begin(), v.end(), c);
    if (it != v.end()) v.erase(it);
}
} // namespace

bool IsValidIdent(std::string_view name) {
    if (name.empty()) return false;
    auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (!alpha(name[0])) return false;
    for (char c : name)
        if (!alpha(c) && !(c >= '0' && c <= '9')) return false;
    return true;
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    while (!freeNotifies_.empty()) {
        TComponent* partner = freeNotifies_.back();
        freeNotifies_.pop_back();
        EraseOne(partner->freeNotifies_, this);
        partner->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
    RemoveFixupReferences(this);
}

void TComponent::Publish(TPublisher& p) {
    p.String("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
    p.Integer("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw EListError(Format(LoadResString(SListIndexError), index));
    return components_[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (!owner_) return -1;
    auto& v = owner_->components_;
    return static_cast<int>(std::find(v.begin(), v.end(), this) - v.begin());
}

void TComponent::SetComponentIndex(int index) {
    if (!owner_) return;
    auto& v = owner_->components_;
    int cur = ComponentIndex();
    int last = static_cast<int>(v.size()) - 1;
    index = std::clamp(index, 0, last);
    if (cur == index) return;
    v.erase(v.begin() + cur);
    v.insert(v.begin() + index, this);
}

void TComponent::SetName(const std::string& name) {
    if (name_ == name) return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError(Format(LoadResString(SInvalidName), name));
    if (owner_)
        owner_->ValidateRename(this, name_, name);
    else
        ValidateRename(nullptr, name_, name);
    name_ = name;
}

void TComponent::ValidateRename(TComponent* component, const std::string& curName, const std::string& newName) {
    if (component && curName != newName && !SameText(curName, newName) && component->owner_ == this &&
        FindComponent(newName))
        throw EComponentError(Format(LoadResString(SDuplicateName), newName));
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, name)) return c;
    return nullptr;
}

void TComponent::Insert(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
    ClearPublishedField(this, component);
    EraseOne(components_, component);
    component->owner_ = nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->owner_ == this) return;
    // The name must be free in the new owner before the component leaves the old one.
    if (TComponent* other = FindComponent(component->name_); other && other != component)
        throw EComponentError(Format(LoadResString(SDuplicateName), component->name_));
    if (component->owner_) component->owner_->RemoveComponent(component);
    ValidateRename(component, std::string(), component->name_);
    Insert(component);
    if (state_.Contains(csDesigning)) component->SetDesigning(true);
    Notification(component, opInsert);
}

void TComponent::InsertComponents(const std::vector<TComponent*>& added) {
    const std::size_t before = components_.size();
    // As one InsertComponent after another: a failing one leaves those before it inserted.
    std::exception_ptr failure;
    try {
        for (TComponent* c : added) {
            if (!c || c->owner_ == this) continue;
            if (TComponent* other = FindComponent(c->name_); other && other != c)
                throw EComponentError(Format(LoadResString(SDuplicateName), c->name_));
            if (c->owner_) c->owner_->RemoveComponent(c);
            ValidateRename(c, std::string(), c->name_);
            Insert(c);
            if (state_.Contains(csDesigning)) c->SetDesigning(true);
        }
    } catch (...) {
        failure = std::current_exception();
    }
    // Each is announced to the components that were there before it came.
    const std::vector<TComponent*> inserted(components_.begin() + static_cast<std::ptrdiff_t>(before), components_.end());
    const std::size_t heard = hearing_;
    hearing_ = before;
    try {
        for (TComponent* c : inserted) Notification(c, opInsert);
    } catch (...) {
        hearing_ = heard;
        throw;
    }
    hearing_ = heard;
    if (failure) std::rethrow_exception(failure);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (!component || component->owner_ != this) return;
    Notification(component, opRemove);
    Remove(component);
}

void TComponent::DestroyComponents() {
    Destroying();
    while (!components_.empty()) {
        TComponent* c = components_.back();
        Remove(c);
        delete c;
    }
}

void TComponent::DestroyComponents(const std::vector<TComponent*>& gone) {
    std::vector<TComponent*> owned;
    owned.reserve(gone.size());
    for (TComponent* c : gone)
        if (c && c->owner_ == this && std::find(owned.begin(), owned.end(), c) == owned.end()) {
            c->Destroying();
            owned.push_back(c);
        }
    // All leave the list first, so that the removal of each reaches only those that stay.
    std::erase_if(components_, [&](TComponent* c) { return std::find(owned.begin(), owned.end(), c) != owned.end(); });
    for (TComponent* c : owned) {
        Notification(c, opRemove);
        c->owner_ = nullptr;
        delete c;
    }
}

void TComponent::Destroying() {
    if (state_.Contains(csDestroying)) return;
    state_.Include(csDestroying);
    for (TComponent* c : components_) c->Destroying();
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
    state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    EraseOne(freeNotifies_, component);
    EraseOne(component->freeNotifies_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    // Partners are listed on both sides: either list empty, they are not partners.
    if (operation == opRemove && component && !freeNotifies_.empty() && !component->freeNotifies_.empty())
        RemoveFreeNotification(component);
    for (int i = static_cast<int>(std::min(components_.size(), hearing_)) - 1; i >= 0; --i) {
        if (i >= ComponentCount()) continue;
        components_[static_cast<std::size_t>(i)]->Notification(component, operation);
    }
}

void TComponent::SetDesigning(bool value, bool setChildren) {
    if (value)
        state_.Include(csDesigning);
    else
        state_.Exclude(csDesigning);
    if (setChildren)
        for (TComponent* c : components_) c->SetDesigning(value, true);
}

void TComponent::SetAncestor(bool value) {
    if (value)
        state_.Include(csAncestor);
    else
        state_.Exclude(csAncestor);
    for (TComponent* c : components_) c->SetAncestor(value);
}

void TComponent::SetInline(bool value) {
    if (value)
        state_.Include(csInline);
    else
        state_.Exclude(csInline);
}

void TComponent::Loaded() { state_.Exclude(csLoading); }

void TComponent::ReadState(TReader& reader) { reader.ReadData(this); }

void TComponent::GetChildren(const TGetChildProc& proc, TComponent* root) {
    if (root != this) return;
    for (TComponent* c : components_)
        if (!c->HasParent()) proc(c);
}

TPersistent* TComponent::GetOwner() const { return owner_; }

std::string TComponent::GetNamePath() const { return name_; }

// --- design position ---------------------------------------------------------------

void TComponent::SetDesignPosition(int left, int top) {
    designLeft_ = left;
    designTop_ = top;
}

std::int32_t TComponent::DesignInfo() const {
    return std::int32_t(std::uint32_t(std::uint16_t(designLeft_)) | std::uint32_t(std::uint16_t(designTop_)) << 16);
}

void TComponent::SetDesignInfo(std::int32_t info) {
    designLeft_ = std::int16_t(std::uint32_t(info) & 0xFFFF);
    designTop_ = std::int16_t(std::uint32_t(info) >> 16);
}

void TComponent::DefineProperties(TFiler& filer) {
    TPersistent::DefineProperties(filer);
    // Written as a pair, like the designer does, whenever it differs from the ancestor's.
    bool hasData;
    if (auto* ancestor = dynamic_cast<TComponent*>(filer.Ancestor()))
        hasData = ancestor->designLeft_ != designLeft_ || ancestor->designTop_ != designTop_;
    else
        hasData = designLeft_ != 0 || designTop_ != 0;
    filer.DefineProperty(
        "Left", [this](TReader& r) { designLeft_ = int(r.ReadInteger()); },
        [this](TWriter& w) { w.WriteInteger(designLeft_); }, hasData);
    filer.DefineProperty(
        "Top", [this](TReader& r) { designTop_ = int(r.ReadInteger()); },
        [this](TWriter& w) { w.WriteInteger(designTop_); }, hasData);
}

} // namespace tv
