// The published properties of the dataset layer's components, as stored form
// definitions name them, and the registration of their classes by name.
#include "core/properties.h"
#include "core/unitinit.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/data/fields_blob.h"
#include "framework/data/fields_boolean.h"
#include "framework/data/fields_datetime.h"
#include "framework/data/fields_numeric.h"
#include "framework/data/fields_string.h"
#include "framework/data/provider.h"

namespace tv {

namespace {

const TEnumInfo AlignmentInfo{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
const TEnumInfo FieldKindInfo{"TFieldKind", {"fkData", "fkCalculated", "fkLookup", "fkInternalCalc", "fkAggregate"}};
const TEnumInfo ProviderFlagInfo{"TProviderFlag", {"pfInUpdate", "pfInWhere", "pfInKey", "pfHidden"}};
const TEnumInfo UpdateModeInfo{"TUpdateMode", {"upWhereAll", "upWhereChanged", "upWhereKeyOnly"}};
const TEnumInfo ProviderOptionInfo{
    "TProviderOption",
    {"poFetchBlobsOnDemand", "poFetchDetailsOnDemand", "poIncFieldProps", "poCascadeDeletes", "poCascadeUpdates",
     "poReadOnly", "poAllowMultiRecordUpdates", "poDisableInserts", "poDisableEdits", "poDisableDeletes", "poNoReset",
     "poAutoRefresh", "poPropogateChanges", "poAllowCommandText", "poRetainServerOrder", "poUseQuoteChar"}};

} // namespace

void TField::Publish(TPublisher& p) {
    p.Enum("Alignment", &TField::Alignment, &TField::SetAlignment, AlignmentInfo).Default(taLeftJustify);
    p.String("DisplayLabel", &TField::DisplayLabel, &TField::SetDisplayLabel)
        .StoredIf([](TObject* o) { return static_cast<TField*>(o)->DisplayLabel() != static_cast<TField*>(o)->FieldName(); });
    p.Integer("DisplayWidth", &TField::DisplayWidth, &TField::SetDisplayWidth).NoDefault();
    p.String("DisplayFormat", &TField::DisplayFormat, &TField::SetDisplayFormat);
    p.String("EditFormat", &TField::EditFormat, &TField::SetEditFormat);
    p.String("EditMask", &TField::EditMask, &TField::SetEditMask);
    p.Enum("FieldKind", &TField::FieldKind, &TField::SetFieldKind, FieldKindInfo).Default(fkData);
    p.String("FieldName", &TField::FieldName, &TField::SetFieldName);
    p.Component("LookupDataSet", &TField::LookupDataSet, &TField::SetLookupDataSet);
    p.String("KeyFields", &TField::KeyFields, &TField::SetKeyFields);
    p.String("LookupKeyFields", &TField::LookupKeyFields, &TField::SetLookupKeyFields);
    p.String("LookupResultField", &TField::LookupResultField, &TField::SetLookupResultField);
    p.String("Origin", &TField::Origin, &TField::SetOrigin);
    p.Set("ProviderFlags", &TField::ProviderFlags, &TField::SetProviderFlags, ProviderFlagInfo)
        .Default(TProviderFlags{pfInUpdate, pfInWhere});
    p.Integer("Precision", &TField::Precision, &TField::SetPrecision).Default(0);
    p.Boolean("ReadOnly", &TField::ReadOnly, &TField::SetReadOnly).Default(false);
    p.Boolean("Required", &TField::Required, &TField::SetRequired).Default(false);
    p.Integer("Size", &TField::Size, &TField::SetSize).Default(0);
    p.Boolean("Visible", &TField::Visible, &TField::SetVisible).Default(true);
    p.Boolean("currency", &TField::Currency, &TField::SetCurrency).Default(false);
    p.Event("OnChange", &TField::OnChange);
    p.Event("OnGetText", &TField::OnGetText);
    p.Event("OnSetText", &TField::OnSetText);
    p.Event("OnValidate", &TField::OnValidate);
}

void TBooleanField::Publish(TPublisher& p) {
    p.String("DisplayValues", &TBooleanField::DisplayValues, &TBooleanField::SetDisplayValues);
}

void TDataSet::Publish(TPublisher& p) {
    p.Boolean("Active", &TDataSet::Active, &TDataSet::SetActive).Default(false);
    p.Boolean("AutoCalcFields", &TDataSet::AutoCalcFields, &TDataSet::SetAutoCalcFields).Default(true);
    p.String("Filter", &TDataSet::Filter, &TDataSet::SetFilter);
    p.Boolean("Filtered", &TDataSet::Filtered, &TDataSet::SetFiltered).Default(false);
    p.Event("BeforeOpen", &TDataSet::BeforeOpen);
    p.Event("AfterOpen", &TDataSet::AfterOpen);
    p.Event("BeforeClose", &TDataSet::BeforeClose);
    p.Event("AfterClose", &TDataSet::AfterClose);
    p.Event("BeforeInsert", &TDataSet::BeforeInsert);
    p.Event("AfterInsert", &TDataSet::AfterInsert);
    p.Event("BeforeEdit", &TDataSet::BeforeEdit);
    p.Event("AfterEdit", &TDataSet::AfterEdit);
    p.Event("BeforePost", &TDataSet::BeforePost);
    p.Event("AfterPost", &TDataSet::AfterPost);
    p.Event("BeforeCancel", &TDataSet::BeforeCancel);
    p.Event("AfterCancel", &TDataSet::AfterCancel);
    p.Event("BeforeDelete", &TDataSet::BeforeDelete);
    p.Event("AfterDelete", &TDataSet::AfterDelete);
    p.Event("BeforeScroll", &TDataSet::BeforeScroll);
    p.Event("AfterScroll", &TDataSet::AfterScroll);
    p.Event("BeforeRefresh", &TDataSet::BeforeRefresh);
    p.Event("AfterRefresh", &TDataSet::AfterRefresh);
    p.Event("OnCalcFields", &TDataSet::OnCalcFields);
    p.Event("OnDeleteError", &TDataSet::OnDeleteError);
    p.Event("OnEditError", &TDataSet::OnEditError);
    p.Event("OnFilterRecord", &TDataSet::OnFilterRecord);
    p.Event("OnNewRecord", &TDataSet::OnNewRecord);
    p.Event("OnPostError", &TDataSet::OnPostError);
}

void TCustomClientDataSet::Publish(TPublisher& p) {
    p.String("CommandText", &TCustomClientDataSet::CommandText, &TCustomClientDataSet::SetCommandText);
    p.Boolean("FetchOnDemand", &TCustomClientDataSet::FetchOnDemand, &TCustomClientDataSet::SetFetchOnDemand).Default(true);
    p.String("IndexFieldNames", &TCustomClientDataSet::IndexFieldNames, &TCustomClientDataSet::SetIndexFieldNames);
    p.String("IndexName", &TCustomClientDataSet::IndexName, &TCustomClientDataSet::SetIndexName);
    p.String("MasterFields", &TCustomClientDataSet::MasterFields, &TCustomClientDataSet::SetMasterFields);
    p.Component("MasterSource", &TCustomClientDataSet::MasterSource, &TCustomClientDataSet::SetMasterSource);
    p.Integer("PacketRecords", &TCustomClientDataSet::PacketRecords, &TCustomClientDataSet::SetPacketRecords).Default(-1);
    p.String("ProviderName", &TCustomClientDataSet::ProviderName, &TCustomClientDataSet::SetProviderName);
    p.Boolean("ReadOnly", &TCustomClientDataSet::ReadOnly, &TCustomClientDataSet::SetReadOnly).Default(false);
    p.Event("BeforeGetRecords", &TCustomClientDataSet::BeforeGetRecords);
    p.Event("AfterGetRecords", &TCustomClientDataSet::AfterGetRecords);
    p.Event("BeforeApplyUpdates", &TCustomClientDataSet::BeforeApplyUpdates);
    p.Event("AfterApplyUpdates", &TCustomClientDataSet::AfterApplyUpdates);
    p.Event("BeforeExecute", &TCustomClientDataSet::BeforeExecute);
    p.Event("AfterExecute", &TCustomClientDataSet::AfterExecute);
    p.Event("OnReconcileError", &TCustomClientDataSet::OnReconcileError);
}

void TDataSetProvider::Publish(TPublisher& p) {
    p.Component("DataSet", &TDataSetProvider::DataSet, &TDataSetProvider::SetDataSet);
    p.Set("Options", &TDataSetProvider::Options, &TDataSetProvider::SetOptions, ProviderOptionInfo).Default(TProviderOptions{});
    p.Enum("UpdateMode", &TDataSetProvider::UpdateMode, &TDataSetProvider::SetUpdateMode, UpdateModeInfo)
        .Default(upWhereAll);
    p.Event("BeforeGetRecords", &TDataSetProvider::BeforeGetRecords);
    p.Event("AfterGetRecords", &TDataSetProvider::AfterGetRecords);
    p.Event("BeforeApplyUpdates", &TDataSetProvider::BeforeApplyUpdates);
    p.Event("AfterApplyUpdates", &TDataSetProvider::AfterApplyUpdates);
    p.Event("BeforeUpdateRecord", &TDataSetProvider::BeforeUpdateRecord);
    p.Event("AfterUpdateRecord", &TDataSetProvider::AfterUpdateRecord);
    p.Event("OnUpdateError", &TDataSetProvider::OnUpdateError);
}

void TDataSource::Publish(TPublisher& p) {
    p.Boolean("AutoEdit", &TDataSource::AutoEdit, &TDataSource::SetAutoEdit).Default(true);
    p.Component("DataSet", &TDataSource::DataSet, &TDataSource::SetDataSet);
    p.Boolean("Enabled", &TDataSource::Enabled, &TDataSource::SetEnabled).Default(true);
    p.Event("OnDataChange", &TDataSource::OnDataChange);
    p.Event("OnStateChange", &TDataSource::OnStateChange);
    p.Event("OnUpdateData", &TDataSource::OnUpdateData);
}

namespace {

void RegisterDataClasses() {
    RegisterClasses({TDataSource::StaticClass(), TClientDataSet::StaticClass(), TDataSetProvider::StaticClass(),
                     TStringField::StaticClass(), TWideStringField::StaticClass(), TGuidField::StaticClass(),
                     TIntegerField::StaticClass(), TSmallintField::StaticClass(), TWordField::StaticClass(),
                     TAutoIncField::StaticClass(), TLargeintField::StaticClass(), TFloatField::StaticClass(),
                     TCurrencyField::StaticClass(), TBCDField::StaticClass(), TFMTBCDField::StaticClass(),
                     TBooleanField::StaticClass(), TDateTimeField::StaticClass(), TDateField::StaticClass(),
                     TTimeField::StaticClass(), TSQLTimeStampField::StaticClass(), TBytesField::StaticClass(),
                     TVarBytesField::StaticClass(), TBlobField::StaticClass(), TMemoField::StaticClass(),
                     TGraphicField::StaticClass(), TVariantField::StaticClass()});
}

} // namespace

// The dataset layer starts right after the core.
TV_UNIT(dataset, urCore + 10, &RegisterDataClasses, nullptr)

} // namespace tv
