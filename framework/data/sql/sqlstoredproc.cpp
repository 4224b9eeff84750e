#include "framework/data/sql/sqlstoredproc.h"

#include <ibase.h>

#include "framework/data/dberror.h"
#include "framework/data/sql/sqlconnection.h"

namespace tv {

namespace {

TFieldType ParamFieldType(short fieldType, short subType, short scale) {
    // RDB$FIELDS.RDB$FIELD_TYPE codes
    switch (fieldType) {
    case 7: return scale < 0 ? ftFMTBcd : ftSmallint;
    case 8: return scale < 0 ? ftFMTBcd : ftInteger;
    case 16: return scale < 0 ? ftFMTBcd : ftLargeint;
    case 10:
    case 27: return ftFloat;
    case 12: return ftDate;
    case 13: return ftTime;
    case 35: return ftTimeStamp;
    case 14: return ftFixedChar;
    case 37: return ftString;
    case 261: return subType == 1 ? ftMemo : ftBlob;
    case 23: return ftBoolean;
    default: return ftUnknown;
    }
}

} // namespace

TSQLStoredProc::TSQLStoredProc(TComponent* owner) : TCustomSQLDataSet(owner) {}

void TSQLStoredProc::SetStoredProcName(const std::string& name) {
    if (name == procName_)
        return;
    Close();
    procName_ = name;
    callText_.clear();
    Params().Clear();
    CommandChanged();
}

void TSQLStoredProc::DescribeParams() {
    if (!callText_.empty())
        return;
    if (!SQLConnection())
        DatabaseError("Missing SQLConnection property", this);
    fb::FbStatement q(SQLConnection()->Database());
    q.Prepare("SELECT TRIM(P.RDB$PARAMETER_NAME), P.RDB$PARAMETER_TYPE, F.RDB$FIELD_TYPE, F.RDB$FIELD_SUB_TYPE, "
              "F.RDB$FIELD_SCALE, F.RDB$CHARACTER_LENGTH, F.RDB$FIELD_PRECISION "
              "FROM RDB$PROCEDURE_PARAMETERS P JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = P.RDB$FIELD_SOURCE "
              "WHERE P.RDB$PROCEDURE_NAME = UPPER(?) ORDER BY P.RDB$PARAMETER_TYPE, P.RDB$PARAMETER_NUMBER");
    q.Params().SetString(0, procName_);
    q.OpenReadOnly();
    TParams fresh;
    std::string inputs;
    while (q.Fetch()) {
        std::string name = q.AsString(0);
        bool output = q.AsInt64(1) == 1;
        auto scale = static_cast<short>(q.AsInt64(4));
        TParam& p = fresh.Add(name, ParamFieldType(static_cast<short>(q.AsInt64(2)), static_cast<short>(q.AsInt64(3)), scale),
                              output ? ptOutput : ptInput);
        if (scale < 0) {
            p.SetNumericScale(-scale);
            p.SetPrecision(static_cast<int>(q.AsInt64(6)));
        } else if (!q.IsNull(5)) {
            p.SetSize(static_cast<int>(q.AsInt64(5)));
        }
        if (TParam* old = Params().FindParam(name); old && !output)
            p.SetValue(old->Value());
        if (!output)
            inputs += (inputs.empty() ? ":" : ", :") + name;
    }
    q.Close();
    Params() = fresh;
    callText_ = procName_ + (inputs.empty() ? std::string() : "(" + inputs + ")");
}

std::string TSQLStoredProc::CommandText() const {
    if (callText_.empty())
        return {};
    return (executing_ ? "EXECUTE PROCEDURE " : "SELECT * FROM ") + callText_;
}

void TSQLStoredProc::InternalOpen() {
    DescribeParams();
    TCustomSQLDataSet::InternalOpen();
}

void TSQLStoredProc::InternalInitFieldDefs() {
    DescribeParams();
    TCustomSQLDataSet::InternalInitFieldDefs();
}

void TSQLStoredProc::ExecProc() {
    CheckInactive();
    DescribeParams();
    // EXECUTE PROCEDURE returns one row of outputs; SELECT reads the rows of a selectable one.
    executing_ = true;
    CommandChanged();
    try {
        ExecSQL();
    } catch (...) {
        executing_ = false;
        CommandChanged();
        throw;
    }
    executing_ = false;
    CommandChanged();
}

void TSQLStoredProc::ExecuteCompleted(fb::FbStatement& stmt) {
    if (!stmt.HasRow())
        return;
    for (int i = 0; i < stmt.ColumnCount(); ++i) {
        TParam* p = Params().FindParam(stmt.Column(i).name);
        if (!p || p->ParamType() == ptInput)
            continue;
        if (stmt.IsNull(i)) {
            p->SetValue(Null());
            continue;
        }
        switch (p->DataType()) {
        case ftSmallint:
        case ftInteger: p->SetValue(Variant(static_cast<int>(stmt.AsInt64(i)))); break;
        case ftLargeint: p->SetValue(Variant(static_cast<long long>(stmt.AsInt64(i)))); break;
        case ftFMTBcd: p->SetValue(Variant(BcdToCurr(stmt.AsBcd(i)))); break;
        case ftFloat: p->SetValue(Variant(stmt.AsDouble(i))); break;
        case ftDate:
        case ftTime:
        case ftTimeStamp: p->SetValue(Variant(stmt.AsDateTime(i))); break;
        case ftBoolean: p->SetValue(Variant(stmt.AsBoolean(i))); break;
        default: p->SetValue(Variant(stmt.AsString(i))); break;
        }
    }
}

} // namespace tv
