#include "editors/fieldvaluelist.h"

#include "framework/data/controlsoff.h"
#include "framework/data/dataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"

namespace tv {

void TDataLinkEh::DataEvent(TDataEvent event, std::intptr_t info) {
    TDataLink::DataEvent(event, info);
    if (OnDataEvent) OnDataEvent(event, info);
}

TDatasetFieldValueListEh::TDatasetFieldValueListEh()
    : values_(std::make_unique<TStringList>()), dataSource_(std::make_unique<TDataSource>()),
      dataLink_(std::make_unique<TDataLinkEh>()) {
    values_->SetSorted(true);
    values_->SetDuplicates(dupIgnore);
    dataLink_->SetDataSource(dataSource_.get());
    dataLink_->OnDataEvent = [this](TDataEvent e, std::intptr_t info) { DataSetEvent(e, info); };
}

TDatasetFieldValueListEh::~TDatasetFieldValueListEh() {
    dataLink_->OnDataEvent = nullptr;
    dataSource_->SetDataSet(nullptr);
    dataLink_->SetDataSource(nullptr);
}

void TDatasetFieldValueListEh::DataSetEvent(TDataEvent event, std::intptr_t) {
    if (event == deDataSetChange || event == dePropertyChange || event == deFieldListChange) obsolete_ = true;
}

void TDatasetFieldValueListEh::BindField(const std::string& fieldName) {
    if (fieldName == fieldName_) return;
    obsolete_ = true;
    fieldName_ = fieldName;
}

void TDatasetFieldValueListEh::BindDataSet(TDataSet* dataSet) {
    if (dataSet == dataLink_->DataSet()) return;
    obsolete_ = true;
    dataSource_->SetDataSet(dataSet);
}

TDataSet* TDatasetFieldValueListEh::DataSet() const { return dataSource_->DataSet(); }

TStrings* TDatasetFieldValueListEh::Values() {
    if (obsolete_) Refresh();
    return values_.get();
}

void TDatasetFieldValueListEh::Refresh() {
    values_->Clear();
    TDataSet* ds = dataSource_->DataSet();
    TField* field = ds && ds->Active() ? ds->FindField(fieldName_) : nullptr;
    if (!field) return;
    {
        TControlsOff off(ds);
        ds->First();
        while (!ds->Eof()) {
            values_->Add(field->DisplayText());
            ds->Next();
        }
    }
    // After the controls are enabled again: their notice is not a change.
    obsolete_ = false;
}

} // namespace tv
