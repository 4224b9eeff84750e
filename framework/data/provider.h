#pragma once
// Providers: what a client dataset fetches rows from and sends its changes to.
// TDataSetProvider reads any dataset in packets and writes changes back to it
// through the resolver (SQL statements on the base table for a SQL dataset,
// edits of the dataset itself otherwise).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/component.h"
#include "framework/data/datapacket.h"
#include "framework/data/dbtypes.h"
#include "framework/data/fielddefs.h"

namespace tv {

class TDataSet;
class TField;
class TParams;
class TCustomClientDataSet;
class EUpdateError;

using TProviderRemoteEvent = std::function<void(TObject* sender, Variant& ownerData)>;
using TResolverErrorEvent = std::function<void(TObject* sender, TDataSet* dataSet, EUpdateError& e,
                                               TUpdateKind updateKind, TResolverResponse& response)>;
using TBeforeUpdateRecordEvent = std::function<void(TObject* sender, TDataSet* sourceDS, TCustomClientDataSet* deltaDS,
                                                    TUpdateKind updateKind, bool& applied)>;
using TAfterUpdateRecordEvent =
    std::function<void(TObject* sender, TDataSet* sourceDS, TCustomClientDataSet* deltaDS, TUpdateKind updateKind)>;

class TCustomProvider : public TComponent {
    TV_CLASS(TCustomProvider, TComponent)
public:
    explicit TCustomProvider(TComponent* owner = nullptr) : TComponent(owner) {}

    // Up to `count` rows (-1 all, 0 none) from the start (`reset`) or from where
    // the last call stopped; command text and parameters apply on reset.
    virtual TDataPacket GetRecords(int count, bool reset, const std::string& commandText, const TParams& params,
                                   Variant& ownerData) = 0;
    virtual TApplyResult ApplyUpdates(const TDataPacket& delta, int maxErrors, Variant& ownerData) = 0;
    virtual void Execute(const std::string& commandText, const TParams& params, Variant& ownerData) = 0;
};

class TDataSetProvider : public TCustomProvider {
    TV_CLASS(TDataSetProvider, TCustomProvider)
public:
    static void Publish(TPublisher& p);
    explicit TDataSetProvider(TComponent* owner = nullptr);
    ~TDataSetProvider() override;

    // The dataset read and written; it may belong to another module.
    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* ds);
    TProviderOptions Options() const { return options_; }
    void SetOptions(TProviderOptions o) { options_ = o; }
    TUpdateMode UpdateMode() const { return updateMode_; }
    void SetUpdateMode(TUpdateMode m) { updateMode_ = m; }

    TDataPacket GetRecords(int count, bool reset, const std::string& commandText, const TParams& params,
                           Variant& ownerData) override;
    TApplyResult ApplyUpdates(const TDataPacket& delta, int maxErrors, Variant& ownerData) override;
    void Execute(const std::string& commandText, const TParams& params, Variant& ownerData) override;

    TProviderRemoteEvent BeforeGetRecords, AfterGetRecords, BeforeApplyUpdates, AfterApplyUpdates, BeforeExecute,
        AfterExecute;
    TResolverErrorEvent OnUpdateError;
    TBeforeUpdateRecordEvent BeforeUpdateRecord;
    TAfterUpdateRecordEvent AfterUpdateRecord;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TDataSet* RequireDataSet() const;
    // The packet's field descriptions and, in the same order, the fields read;
    // `keys` receives the source's key fields when no field names a key.
    void DescribeFields(TDataPacket& packet, std::vector<TField*>& fields, std::vector<std::string>& keys) const;
    // Closes the source for a new command text or parameters.
    void ApplyCommand(const std::string& commandText, const TParams& params);
    // Reads the closed source through without fields when it has the shape
    // of the last default fields described; false when it must make fields.
    bool ReadKnownShape(TDataPacket& packet);

    // What the source's default fields were last described as, and from what.
    struct TDefaultDescription {
        std::vector<TFieldDef> defs;
        TProviderOptions options;
        std::vector<std::string> keys;
        TPacketFields fields;
    };

    TDataSet* dataSet_ = nullptr;
    TProviderOptions options_;
    TUpdateMode updateMode_ = upWhereAll;
    bool openedSource_ = false;
    std::unique_ptr<TDefaultDescription> described_;
};

} // namespace tv
