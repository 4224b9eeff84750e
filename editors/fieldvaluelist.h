#pragma once
// The sorted, distinct texts of one field of a dataset, gathered again only
// after the dataset or its data changed; and the data link that reports
// every dataset event to a handler.
#include <functional>
#include <memory>
#include <string>

#include "core/stringlist.h"
#include "framework/data/datalink.h"

namespace tv {

class TDataSet;
class TDataSource;

class TDataLinkEh : public TDataLink {
    TV_CLASS(TDataLinkEh, TDataLink)
public:
    std::function<void(TDataEvent event, std::intptr_t info)> OnDataEvent;

protected:
    void DataEvent(TDataEvent event, std::intptr_t info) override;
};

class IMemTableDataFieldValueListEh {
public:
    virtual ~IMemTableDataFieldValueListEh() = default;
    virtual TStrings* GetValues() = 0;
};

class TDatasetFieldValueListEh : public IMemTableDataFieldValueListEh {
public:
    TDatasetFieldValueListEh();
    ~TDatasetFieldValueListEh() override;

    const std::string& FieldName() const { return fieldName_; }
    void BindField(const std::string& fieldName);
    void BindDataSet(TDataSet* dataSet);
    TDataSet* DataSet() const;
    // The texts, gathered first when something changed since the last time.
    // Gathering leaves the dataset on its last record.
    TStrings* Values();
    TStrings* GetValues() override { return Values(); }
    bool Obsolete() const { return obsolete_; }

protected:
    virtual void DataSetEvent(TDataEvent event, std::intptr_t info);

private:
    void Refresh();
    std::string fieldName_;
    std::unique_ptr<TStringList> values_;
    std::unique_ptr<TDataSource> dataSource_;
    std::unique_ptr<TDataLinkEh> dataLink_;
    bool obsolete_ = true;
};

} // namespace tv
