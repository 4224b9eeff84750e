#include "core/collection.h"

#include <algorithm>

#include "core/exceptions.h"
#include "core/properties.h"
#include "core/rtlconsts.h"
#include "core/strutils.h"
#include "core/sysformat.h"

namespace tv {

// --- TCollectionItem -------------------------------------------------------------

TCollectionItem::TCollectionItem(TCollection* collection) {
    if (collection) SetCollection(collection);
}

TCollectionItem::~TCollectionItem() {
    if (collection_) collection_->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* collection) {
    if (collection_ == collection) return;
    if (collection_) collection_->RemoveItem(this);
    if (collection) collection->InsertItem(this);
}

int TCollectionItem::Index() const {
    if (!collection_) return -1;
    auto& v = collection_->items_;
    return static_cast<int>(std::find(v.begin(), v.end(), this) - v.begin());
}

void TCollectionItem::SetIndex(int index) {
    int cur = Index();
    if (cur < 0 || cur == index) return;
    collection_->MoveItem(cur, index);
    Changed(true);
}

std::string TCollectionItem::DisplayName() const { return ClassName(); }

void TCollectionItem::SetDisplayName(const std::string&) { Changed(false); }

void TCollectionItem::Changed(bool allItems) {
    if (collection_ && collection_->updateCount_ == 0) collection_->Update(allItems ? nullptr : this);
}

TPersistent* TCollectionItem::GetOwner() const { return collection_; }

std::string TCollectionItem::GetNamePath() const {
    if (!collection_) return ClassName();
    return collection_->GetNamePath() + "[" + IntToStr(Index()) + "]";
}

// --- TCollection -----------------------------------------------------------------

TCollection::TCollection(TClass itemClass) : itemClass_(itemClass) {}

TCollection::~TCollection() {
    updateCount_ = 1;
    while (!items_.empty()) delete items_.back();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError(Format(LoadResString(SListIndexError), index));
    return items_[static_cast<std::size_t>(index)];
}

void TCollection::SetItems(int index, TCollectionItem* value) { Items(index)->Assign(value); }

TCollectionItem* TCollection::Add() {
    TObject* obj = itemClass_->Create(nullptr);
    auto* item = dynamic_cast<TCollectionItem*>(obj);
    if (!item) {
        delete obj;
        throw EInvalidOperation(Format(LoadResString(SCannotCreate), itemClass_->name));
    }
    item->SetCollection(this);
    return item;
}

TCollectionItem* TCollection::Insert(int index) {
    TCollectionItem* item = Add();
    item->SetIndex(index);
    return item;
}

void TCollection::Delete(int index) {
    TCollectionItem* item = Items(index);
    Notify(item, TCollectionNotification::cnDeleting);
    delete item;
}

void TCollection::Clear() {
    if (items_.empty()) return;
    BeginUpdate();
    try {
        while (!items_.empty()) delete items_.back();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int id) const {
    for (TCollectionItem* item : items_)
        if (item->id_ == id) return item;
    return nullptr;
}

void TCollection::Assign(TPersistent* source) {
    auto* src = dynamic_cast<TCollection*>(source);
    if (!src) {
        TPersistent::Assign(source);
        return;
    }
    if (src == this) return;
    BeginUpdate();
    try {
        Clear();
        for (TCollectionItem* item : src->items_) Add()->Assign(item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::BeginUpdate() { ++updateCount_; }

void TCollection::EndUpdate() {
    if (updateCount_ > 0) --updateCount_;
    Changed();
}

void TCollection::Changed() {
    if (updateCount_ == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* item) {
    items_.push_back(item);
    item->collection_ = this;
    item->id_ = nextId_++;
    SetItemName(item);
    Notify(item, TCollectionNotification::cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
    Notify(item, TCollectionNotification::cnExtracting);
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it != items_.end()) items_.erase(it);
    item->collection_ = nullptr;
    Changed();
}

void TCollection::MoveItem(int curIndex, int newIndex) {
    newIndex = std::clamp(newIndex, 0, Count() - 1);
    TCollectionItem* item = items_[static_cast<std::size_t>(curIndex)];
    items_.erase(items_.begin() + curIndex);
    items_.insert(items_.begin() + newIndex, item);
}

std::string TCollection::PropName() const {
    if (!propName_.empty()) return propName_;
    TPersistent* owner = GetOwner();
    if (!owner) return {};
    for (const TPropInfo* p : GetPropList(owner->ClassType())) {
        if (p->Kind() != TPropKind::Collection && p->Kind() != TPropKind::Object) continue;
        if (p->GetObject(owner) == this) {
            propName_ = p->Name();
            break;
        }
    }
    return propName_;
}

std::string TCollection::GetNamePath() const {
    std::string result = ClassName();
    TPersistent* owner = GetOwner();
    if (!owner) return result;
    std::string s = owner->GetNamePath();
    if (s.empty()) return result;
    std::string p = PropName();
    if (p.empty()) return result;
    return s + "." + p;
}

} // namespace tv
