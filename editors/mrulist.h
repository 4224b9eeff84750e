#pragma once
// The most-recently-used texts of an editor: the newest last, the oldest
// first, at most Limit of them.
#include <functional>
#include <memory>

#include "core/persistent.h"
#include "core/stringlist.h"

namespace tv {

using TMRUNotifyEventEh = std::function<void(TObject* sender)>;
using TCloseUpEventEh = std::function<void(TObject* sender, bool accept)>;
using TFilterMRUItemEventEh = std::function<void(TObject* sender, bool& accept)>;

class TMRUListEh : public TPersistent {
    TV_CLASS(TMRUListEh, TPersistent)
public:
    explicit TMRUListEh(TPersistent* owner = nullptr);
    ~TMRUListEh() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override { return owner_; }

    bool Active() const { return active_; }
    void SetActive(bool v);
    bool AutoAdd() const { return autoAdd_; }
    void SetAutoAdd(bool v) { autoAdd_ = v; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool v) { caseSensitive_ = v; }
    TStrings* Items() const { return items_.get(); }
    void SetItems(TStrings* v) { items_->Assign(v); }
    int Limit() const { return limit_; }
    void SetLimit(int v);
    int Rows() const { return rows_; }
    void SetRows(int v) { rows_ = v; }
    // The width the user gave the open list (0: none yet).
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }
    // Set by the owner while the list is open.
    bool DroppedDown() const { return droppedDown_; }
    void SetDroppedDown(bool v) { droppedDown_ = v; }
    // Whether a waiting key stops MatchingItems.
    bool CancelIfKeyInQueue() const { return cancelIfKeyInQueue_; }
    void SetCancelIfKeyInQueue(bool v) { cancelIfKeyInQueue_ = v; }

    // Puts the text at the end: a text already listed (by the list's case
    // rule) moves there in its own spelling. Blank texts are not kept.
    void AddText(const std::string& text);
    // Fills `target` with the items that begin with `text`; false when a
    // waiting key cut the search short.
    bool MatchingItems(TStrings* target, const std::string& text);
    virtual void DropDown();
    virtual void CloseUp(bool accept);

    TMRUNotifyEventEh OnActiveChanged;
    TMRUNotifyEventEh OnDropDown;
    TCloseUpEventEh OnCloseUp;
    TFilterMRUItemEventEh OnFilterItem;

private:
    void CutToLimit();
    TPersistent* owner_;
    std::unique_ptr<TStringList> items_;
    bool active_ = false, autoAdd_ = true, caseSensitive_ = false;
    bool cancelIfKeyInQueue_ = true;
    int limit_ = 100, rows_ = 7, width_ = 0;
    bool droppedDown_ = false;
};

} // namespace tv
