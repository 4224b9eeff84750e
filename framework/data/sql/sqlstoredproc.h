#pragma once
// TSQLStoredProc: a stored procedure by name. Its parameters come from the
// database: the inputs in declaration order, then the outputs. ExecProc runs
// it once (EXECUTE PROCEDURE) and leaves the outputs in their parameters;
// Open reads a selectable procedure's rows.
#include "framework/data/sql/sqldataset.h"

namespace tv {

class TSQLStoredProc : public TCustomSQLDataSet {
    TV_CLASS(TSQLStoredProc, TCustomSQLDataSet)
public:
    explicit TSQLStoredProc(TComponent* owner = nullptr);

    const std::string& StoredProcName() const { return procName_; }
    void SetStoredProcName(const std::string& name);
    void ExecProc();
    void PSSetCommandText(const std::string& text) override { SetStoredProcName(text); }

protected:
    std::string CommandText() const override;
    void SyncParams() override {}
    void ExecuteCompleted(fb::FbStatement& stmt) override;
    std::string BaseTable() override { return {}; }
    void InternalOpen() override;
    void InternalInitFieldDefs() override;

private:
    void DescribeParams();

    std::string procName_;
    std::string callText_; // NAME(:IN1, :IN2)
    bool executing_ = false;
};

} // namespace tv
