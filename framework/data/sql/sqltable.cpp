#include "framework/data/sql/sqltable.h"

#include "framework/data/dberror.h"

namespace tv {

TSQLTable::TSQLTable(TComponent* owner) : TCustomSQLDataSet(owner) {}

void TSQLTable::SetTableName(const std::string& name) {
    if (name == tableName_)
        return;
    Close();
    tableName_ = name;
    CommandChanged();
}

void TSQLTable::SetMasterSource(TDataSource* ds) {
    SetDataSource(ds);
}

void TSQLTable::SetMasterFields(const std::string& names) {
    Close();
    masterFields_ = names;
    CommandChanged();
}

void TSQLTable::SetIndexFieldNames(const std::string& names) {
    Close();
    indexFieldNames_ = names;
    CommandChanged();
}

std::string TSQLTable::CommandText() const {
    if (tableName_.empty())
        return {};
    std::string sql = "SELECT * FROM " + tableName_;
    std::vector<std::string> master = SplitFieldNames(masterFields_);
    std::vector<std::string> detail = SplitFieldNames(indexFieldNames_.empty() ? masterFields_ : indexFieldNames_);
    if (!master.empty()) {
        // The master field names become the parameters the master row feeds.
        for (size_t i = 0; i < master.size(); ++i)
            sql += std::string(i == 0 ? " WHERE " : " AND ") + (i < detail.size() ? detail[i] : master[i]) + " = :" +
                   master[i];
    }
    if (!indexFieldNames_.empty()) {
        std::string order;
        for (const std::string& f : SplitFieldNames(indexFieldNames_))
            order += (order.empty() ? "" : ", ") + f;
        sql += " ORDER BY " + order;
    }
    return sql;
}

std::string TSQLTable::BaseTable() { return tableName_; }

} // namespace tv
