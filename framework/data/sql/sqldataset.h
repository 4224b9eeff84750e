#pragma once
// TCustomSQLDataSet: the rows of one SQL statement on a TSQLConnection, read
// forward only, as a provider reads them. Its ":NAME" parameters take their
// values from Params, and from the fields of the same names of a master data
// source when one is set. The provider writes changes back through the
// IProviderSupport operations: statements on the base table, in one
// transaction per ApplyUpdates.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/data/dataset.h"
#include "framework/data/masterdatalink.h"
#include "framework/data/params.h"
#include "framework/data/sql/fb_statement.h"

namespace tv {

class TSQLConnection;
class TDataSource;

class TCustomSQLDataSet : public TDataSet {
    TV_CLASS(TCustomSQLDataSet, TDataSet)
public:
    explicit TCustomSQLDataSet(TComponent* owner = nullptr);
    ~TCustomSQLDataSet() override;

    TSQLConnection* SQLConnection() const { return connection_; }
    void SetSQLConnection(TSQLConnection* c);
    TParams& Params() { return params_; }
    TParam& ParamByName(const std::string& name) { return params_.ParamByName(name); }
    // The master whose current row feeds the parameters of the same names.
    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* ds);

    bool Prepared() const { return stmt_ && stmt_->Prepared(); }
    void SetPrepared(bool value);
    // Runs the statement without opening the dataset; returns the rows touched.
    int ExecSQL();
    // Rows are read forward only.
    bool IsUnidirectional() const { return true; }

    // The connection closes or goes away.
    void ConnectionClosing();
    void ConnectionGone();

    // IProviderSupport
    void PSReset() override;
    std::string PSGetCommandText() override { return CommandText(); }
    TParams* PSGetParams() override { return &params_; }
    void PSSetParams(const TParams& params) override;
    void PSExecute() override { ExecSQL(); }
    bool PSIsSQLBased() override { return true; }
    std::string PSGetTableName() override;
    std::vector<std::string> PSGetKeyFields() override;
    int PSExecuteStatement(const std::string& sql, const TParams& params) override;
    void PSStartTransaction() override;
    void PSEndTransaction(bool commit) override;

protected:
    // The SQL text with its ":NAME" parameters.
    virtual std::string CommandText() const = 0;
    // The text changed: forget the statement and the fields it described.
    void CommandChanged();
    // Params becomes the parameters the text names, keeping their values.
    virtual void SyncParams();
    // Hook for a stored procedure, which copies its outputs back.
    virtual void ExecuteCompleted(fb::FbStatement& stmt) { (void)stmt; }
    virtual std::string BaseTable();
    fb::FbStatement& Statement();

    void InternalInitFieldDefs() override;
    void InternalOpen() override;
    void InternalClose() override;
    bool IsCursorOpen() const override { return open_; }
    TGetResult GetRecord(TRecordBuffer& buffer, TGetMode mode) override;
    void InternalFirst() override;
    void InternalLast() override;
    bool GetCanModify() const override { return false; }
    bool ReadsWithoutFields() const override { return true; }
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Prepare();
    bool KeepsShape();
    void Bind();
    void MasterChanged();
    void ReadRow(std::vector<Variant>& values) const;
    std::vector<std::string> KeyFieldsOf(std::string table);

    TSQLConnection* connection_ = nullptr;
    TParams params_;
    std::unique_ptr<fb::FbStatement> stmt_;
    std::vector<std::string> order_;
    // The literals of a procedure call prepared with "?" in their place.
    std::vector<std::string> literals_;
    TMasterDataLink masterLink_;
    bool open_ = false;
    std::int64_t fetched_ = 0;
    bool trimChar_ = true;
    // What the catalogue says of the prepared statement, asked once.
    bool baseKnown_ = false;
    std::string baseTable_;
    std::vector<std::string> keyFields_;
    // ApplyUpdates: one transaction and the statements it ran, by text.
    Firebird::ITransaction* applyTransaction_ = nullptr;
    std::vector<std::pair<std::string, std::unique_ptr<fb::FbStatement>>> resolverStatements_;
};

} // namespace tv
