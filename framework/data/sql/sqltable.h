#pragma once
// TSQLTable: every row of one table. As a detail, MasterSource and
// MasterFields ("A;B") pick the rows whose IndexFieldNames columns equal the
// master's fields (by default the detail columns have the master fields' names).
#include "framework/data/sql/sqldataset.h"

namespace tv {

class TSQLTable : public TCustomSQLDataSet {
    TV_CLASS(TSQLTable, TCustomSQLDataSet)
public:
    explicit TSQLTable(TComponent* owner = nullptr);

    const std::string& TableName() const { return tableName_; }
    void SetTableName(const std::string& name);
    TDataSource* MasterSource() const { return DataSource(); }
    void SetMasterSource(TDataSource* ds);
    const std::string& MasterFields() const { return masterFields_; }
    void SetMasterFields(const std::string& names);
    const std::string& IndexFieldNames() const { return indexFieldNames_; }
    void SetIndexFieldNames(const std::string& names);
    void PSSetCommandText(const std::string& text) override { SetTableName(text); }

protected:
    std::string CommandText() const override;
    std::string BaseTable() override;

private:
    std::string tableName_, masterFields_, indexFieldNames_;
};

} // namespace tv
