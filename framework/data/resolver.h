#pragma once
// The resolver: writes one changed row of a delta back to the provider's
// dataset. A SQL dataset gets an INSERT, UPDATE or DELETE on its base table
// with "?" placeholders and the values in order (the dataset runs it through
// PSExecuteStatement); any other dataset is located by key and edited.
#include <string>
#include <vector>

#include "framework/data/dbtypes.h"
#include "framework/data/params.h"

namespace tv {

class TDataSet;
class TCustomClientDataSet;

struct TResolverStatement {
    std::string sql;
    TParams params;
};

// The statement for the delta's current row (positioned by the caller).
// Keys are the fields flagged pfInKey, else the source's PSGetKeyFields.
// Raises EDatabaseError when the table name or, for upWhereKeyOnly, the key is
// unknown.
TResolverStatement BuildResolverStatement(TUpdateKind kind, TCustomClientDataSet& delta, TDataSet& source,
                                          TUpdateMode mode, TProviderOptions options);

// Applies the delta's current row to `source`; raises EUpdateError
// "Record not found or changed by another user" when the row is gone.
void ResolveRecord(TUpdateKind kind, TCustomClientDataSet& delta, TDataSet& source, TUpdateMode mode,
                   TProviderOptions options);

} // namespace tv
