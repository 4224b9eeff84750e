#pragma once
// TDataSource: the meeting point of one dataset and the data links of the
// controls that show it. It passes the dataset's data events to every link.
#include <functional>
#include <vector>

#include "core/component.h"
#include "framework/data/dbtypes.h"

namespace tv {

class TDataSet;
class TDataLink;
class TField;

class TDataSource : public TComponent {
    TV_CLASS(TDataSource, TComponent)
public:
    static void Publish(TPublisher& p);
    explicit TDataSource(TComponent* owner = nullptr);
    ~TDataSource() override;

    TDataSet* DataSet() const { return dataSet_; }
    // Raises EDatabaseError "Circular datalinks are not allowed" when the
    // dataset is, through master links, fed by this source itself.
    void SetDataSet(TDataSet* ds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    // A control that starts typing puts the dataset into edit mode when set.
    bool AutoEdit() const { return autoEdit_; }
    void SetAutoEdit(bool v) { autoEdit_ = v; }
    TDataSetState State() const { return state_; }
    // Puts a browsing dataset into edit mode when AutoEdit allows it.
    void Edit();
    bool IsLinkedTo(const TDataSet* ds) const;

    std::function<void(TDataSource* sender, TField* field)> OnDataChange;
    std::function<void(TDataSource* sender)> OnStateChange;
    std::function<void(TDataSource* sender)> OnUpdateData;

    // --- used by datasets and links -----------------------------------------
    void DataEvent(TDataEvent event, std::intptr_t info);
    void AddDataLink(TDataLink* link);
    void RemoveDataLink(TDataLink* link);
    const std::vector<TDataLink*>& DataLinks() const { return links_; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void UpdateState();
    void NotifyLinks(TDataEvent event, std::intptr_t info);

    TDataSet* dataSet_ = nullptr;
    bool enabled_ = true, autoEdit_ = true;
    TDataSetState state_ = dsInactive;
    std::vector<TDataLink*> links_;
};

} // namespace tv
