#pragma once
// TList, a list of untyped pointers, and TObjectList, which may own its objects.
// Out-of-range indexes raise EListError "List index out of bounds (%d)".
#include <functional>
#include <vector>

#include "core/object.h"

namespace tv {

enum class TListNotification { lnAdded, lnExtracted, lnDeleted };

class TList : public TObject {
    TV_CLASS(TList, TObject)
public:
    TList() = default;
    ~TList() override;

    // Negative, zero or positive, as the items compare.
    using TListSortCompare = std::function<int(void* a, void* b)>;

    int Count() const { return static_cast<int>(items_.size()); }
    void SetCount(int count);
    int Capacity() const { return static_cast<int>(items_.capacity()); }
    void SetCapacity(int capacity);
    void* Items(int index) const;
    void SetItems(int index, void* item);
    void* operator[](int index) const { return Items(index); }

    int Add(void* item);
    void Insert(int index, void* item);
    void Delete(int index);
    // Removes the first occurrence; returns its former index or -1.
    int Remove(void* item);
    // Removes the item without the deletion notice (an owning list does not free it).
    void* Extract(void* item);
    void Clear();
    int IndexOf(void* item) const;
    void Exchange(int index1, int index2);
    void Move(int curIndex, int newIndex);
    void* First() const;
    void* Last() const;
    // Removes the null entries.
    void Pack();
    void Sort(const TListSortCompare& compare);

protected:
    virtual void Notify(void* item, TListNotification action) {}
    void CheckIndex(int index) const;

private:
    std::vector<void*> items_;
};

class TObjectList : public TList {
    TV_CLASS(TObjectList, TList)
public:
    explicit TObjectList(bool ownsObjects = true) : ownsObjects_(ownsObjects) {}
    ~TObjectList() override;

    bool OwnsObjects() const { return ownsObjects_; }
    void SetOwnsObjects(bool value) { ownsObjects_ = value; }

    TObject* Items(int index) const { return static_cast<TObject*>(TList::Items(index)); }
    void SetItems(int index, TObject* item) { TList::SetItems(index, item); }
    TObject* operator[](int index) const { return Items(index); }
    int Add(TObject* item) { return TList::Add(item); }
    void Insert(int index, TObject* item) { TList::Insert(index, item); }
    int Remove(TObject* item) { return TList::Remove(item); }
    TObject* Extract(TObject* item) { return static_cast<TObject*>(TList::Extract(item)); }
    int IndexOf(TObject* item) const { return TList::IndexOf(item); }
    TObject* First() const { return static_cast<TObject*>(TList::First()); }
    TObject* Last() const { return static_cast<TObject*>(TList::Last()); }
    // Index of the first object of class `cls` (or derived, unless `exact`) from `start`, -1 when none.
    int FindInstanceOf(TClass cls, bool exact = true, int start = 0) const;

protected:
    void Notify(void* item, TListNotification action) override;

private:
    bool ownsObjects_;
};

} // namespace tv
