#pragma once
// TSQLQuery: a dataset over the SQL text of its SQL list.
#include "core/stringlist.h"
#include "framework/data/sql/sqldataset.h"

namespace tv {

class TSQLQuery : public TCustomSQLDataSet {
    TV_CLASS(TSQLQuery, TCustomSQLDataSet)
public:
    explicit TSQLQuery(TComponent* owner = nullptr);

    // Changing the text closes the query and renews its parameters.
    TStringList& SQL() { return sql_; }
    void PSSetCommandText(const std::string& text) override;

protected:
    std::string CommandText() const override { return sql_.Text(); }

private:
    TStringList sql_;
};

} // namespace tv
