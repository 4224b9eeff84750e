#pragma once
// TDBGridEhSumList: the footer sums of a grid. The core holds the object,
// its dataset and the hooks the grid listens to.
#include <functional>

#include "framework/core/persistent.h"

namespace tv {

class TDataSet;
class TCustomDBGridEh;

class TDBGridEhSumList : public TPersistent {
    TV_CLASS(TDBGridEhSumList, TPersistent)
public:
    explicit TDBGridEhSumList(TCustomDBGridEh* grid = nullptr) : grid_(grid) {}
    static void Publish(TPublisher& p);
    TPersistent* GetOwner() const override;

    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    bool VirtualRecords() const { return virtualRecords_; }
    void SetVirtualRecords(bool v) { virtualRecords_ = v; }
    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* ds) { dataSet_ = ds; }
    // Whether the dataset numbers its records (the vertical bar shows them).
    bool IsSequenced() const;
    int RecNo() const;
    void Loaded() {}
    void RecalcAll() { if (OnRecalcAll) OnRecalcAll(this); if (OnAfterRecalcAll) OnAfterRecalcAll(this); }

    std::function<void(TObject*)> OnSumListChanged;
    std::function<void(TObject*)> OnRecalcAll;
    std::function<void(TObject*)> OnAfterRecalcAll;

private:
    TCustomDBGridEh* grid_;
    TDataSet* dataSet_ = nullptr;
    bool active_ = false, virtualRecords_ = false;
};

} // namespace tv
