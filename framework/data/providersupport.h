#pragma once
// What a provider asks of the dataset it reads from and writes to. Every
// dataset answers with sensible defaults; the SQL datasets answer with their
// command text, parameters, base table and statements.
#include <string>
#include <vector>

#include "framework/data/dbtypes.h"

namespace tv {

class TDataSet;
class TParams;

class IProviderSupport {
public:
    virtual ~IProviderSupport() = default;

    // Reading. PSReset puts an open dataset back before its first row.
    virtual void PSReset() = 0;
    virtual std::string PSGetCommandText() { return {}; }
    // Replaces the dataset's command (SQL text) before it is opened or run.
    virtual void PSSetCommandText(const std::string& text);
    virtual TParams* PSGetParams() { return nullptr; }
    virtual void PSSetParams(const TParams& params);
    // Runs the command when it returns no rows.
    virtual void PSExecute();

    // Writing. A SQL dataset names its base table and runs the statements the
    // resolver builds; PSExecuteStatement returns the number of rows affected.
    virtual bool PSIsSQLBased() { return false; }
    virtual std::string PSGetTableName() { return {}; }
    // The primary key of the base table when the fields' provider flags name none.
    virtual std::vector<std::string> PSGetKeyFields() { return {}; }
    virtual std::string PSGetQuoteChar() { return "\""; }
    virtual int PSExecuteStatement(const std::string& sql, const TParams& params);
    virtual void PSStartTransaction() {}
    virtual void PSEndTransaction(bool commit) { (void)commit; }
    // A dataset may apply one change itself; true means it did.
    virtual bool PSUpdateRecord(TUpdateKind kind, TDataSet* delta) { (void)kind; (void)delta; return false; }
};

} // namespace tv
