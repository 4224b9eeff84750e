#pragma once
// TGridDataLinkEh: the grid's data link with its field map (one dataset field
// index per column, -1 for a column whose field is missing).
#include <vector>

#include "framework/data/datalink.h"

namespace tv {

class TCustomDBGridEh;

class TGridDataLinkEh : public TDataLink {
    TV_CLASS(TGridDataLinkEh, TDataLink)
public:
    explicit TGridDataLinkEh(TCustomDBGridEh* grid = nullptr);
    static void Publish(TPublisher&) {}

    bool AddMapping(const std::string& fieldName);
    void ClearMapping();
    TField* Fields(int index) const;
    int FieldCount() const { return static_cast<int>(map_.size()); }
    int MapCapacity() const { return static_cast<int>(map_.capacity()); }
    bool DefaultFields() const;
    bool TolerateMissingFields() const { return tolerate_; }
    void SetTolerateMissingFields(bool v) { tolerate_ = v; }
    bool Modified() const { return modified_; }
    void SetModified(bool v) { modified_ = v; }
    bool SparseMap() const { return sparseMap_; }
    void SetSparseMap(bool v) { sparseMap_ = v; }
    bool InLayoutChange() const { return inLayoutChange_; }
    int MoveBy(int distance) override;
    void Reset();
    // Limit of the map, lowered by tests so the guard can be reached.
    static int MaxMapSize;

protected:
    void ActiveChanged() override;
    void DataSetChanged() override;
    void DataSetScrolled(int distance) override;
    void EditingChanged() override;
    void FocusControl(TField*& field) override;
    void LayoutChanged() override;
    void RecordChanged(TField* field) override;
    void UpdateData() override;

private:
    TCustomDBGridEh* grid_;
    std::vector<int> map_;
    bool tolerate_ = false, modified_ = false, inUpdateData_ = false, sparseMap_ = false;
    bool inLayoutChange_ = false;
};

} // namespace tv
