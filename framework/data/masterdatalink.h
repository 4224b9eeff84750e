#pragma once
// TMasterDataLink: the link through which a detail dataset follows the
// current record of its master (a client dataset's MasterSource, a query's
// DataSource for its parameters).
#include <functional>
#include <string>
#include <vector>

#include "framework/data/datalink.h"

namespace tv {

class TMasterDataLink : public TDataLink {
    TV_CLASS(TMasterDataLink, TDataLink)
public:
    TMasterDataLink() = default;

    // The master fields, ";"-separated; resolved while the link is active.
    const std::string& FieldNames() const { return fieldNames_; }
    void SetFieldNames(const std::string& names);
    const std::vector<TField*>& Fields() const { return fields_; }

    // The master moved to another record or one of the master fields changed.
    std::function<void()> OnMasterChange;
    // The master closed.
    std::function<void()> OnMasterDisable;

protected:
    void ActiveChanged() override;
    void CheckBrowseMode() override;
    void LayoutChanged() override;
    void RecordChanged(TField* field) override;

private:
    void ResolveFields();
    std::string fieldNames_;
    std::vector<TField*> fields_;
};

} // namespace tv
