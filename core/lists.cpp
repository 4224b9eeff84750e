#include "core/lists.h"

#include <algorithm>

#include "core/exceptions.h"
#include "core/rtlconsts.h"
#include "core/sysformat.h"

namespace tv {

TList::~TList() { Clear(); }

void TList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw EListError(Format(LoadResString(SListIndexError), index));
}

void TList::SetCount(int count) {
    if (count < 0) throw EListError(Format(LoadResString(SListCountError), count));
    while (Count() > count) Delete(Count() - 1);
    items_.resize(static_cast<std::size_t>(count), nullptr);
}

void TList::SetCapacity(int capacity) {
    if (capacity < Count()) throw EListError(Format(LoadResString(SListCapacityError), capacity));
    items_.reserve(static_cast<std::size_t>(capacity));
}

void* TList::Items(int index) const {
    CheckIndex(index);
    return items_[static_cast<std::size_t>(index)];
}

void TList::SetItems(int index, void* item) {
    CheckIndex(index);
    void* old = items_[static_cast<std::size_t>(index)];
    if (old == item) return;
    items_[static_cast<std::size_t>(index)] = item;
    if (old) Notify(old, TListNotification::lnDeleted);
    if (item) Notify(item, TListNotification::lnAdded);
}

int TList::Add(void* item) {
    items_.push_back(item);
    if (item) Notify(item, TListNotification::lnAdded);
    return Count() - 1;
}

void TList::Insert(int index, void* item) {
    if (index < 0 || index > Count()) throw EListError(Format(LoadResString(SListIndexError), index));
    items_.insert(items_.begin() + index, item);
    if (item) Notify(item, TListNotification::lnAdded);
}

void TList::Delete(int index) {
    CheckIndex(index);
    void* item = items_[static_cast<std::size_t>(index)];
    items_.erase(items_.begin() + index);
    if (item) Notify(item, TListNotification::lnDeleted);
}

int TList::Remove(void* item) {
    int i = IndexOf(item);
    if (i >= 0) Delete(i);
    return i;
}

void* TList::Extract(void* item) {
    int i = IndexOf(item);
    if (i < 0) return nullptr;
    void* result = items_[static_cast<std::size_t>(i)];
    items_.erase(items_.begin() + i);
    Notify(result, TListNotification::lnExtracted);
    return result;
}

void TList::Clear() {
    // Deleting from the end keeps the indexes of the rest valid while owned
    // objects are freed.
    while (!items_.empty()) Delete(Count() - 1);
    items_.shrink_to_fit();
}

int TList::IndexOf(void* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(items_[static_cast<std::size_t>(index1)], items_[static_cast<std::size_t>(index2)]);
}

void TList::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    void* item = items_[static_cast<std::size_t>(curIndex)];
    items_.erase(items_.begin() + curIndex);
    items_.insert(items_.begin() + newIndex, item);
}

void* TList::First() const { return Items(0); }
void* TList::Last() const { return Items(Count() - 1); }

void TList::Pack() { items_.erase(std::remove(items_.begin(), items_.end(), nullptr), items_.end()); }

void TList::Sort(const TListSortCompare& compare) {
    if (!compare) return;
    std::stable_sort(items_.begin(), items_.end(), [&](void* a, void* b) { return compare(a, b) < 0; });
}

TObjectList::~TObjectList() { Clear(); }

void TObjectList::Notify(void* item, TListNotification action) {
    if (ownsObjects_ && action == TListNotification::lnDeleted) delete static_cast<TObject*>(item);
    TList::Notify(item, action);
}

int TObjectList::FindInstanceOf(TClass cls, bool exact, int start) const {
    for (int i = std::max(start, 0); i < Count(); ++i) {
        TObject* o = Items(i);
        if (!o) continue;
        if (exact ? o->ClassType() == cls : o->InheritsFrom(cls)) return i;
    }
    return -1;
}

} // namespace tv
