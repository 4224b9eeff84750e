#include "framework/data/sql/sqldataset.h"

#include <ibase.h>

#include <cstdint>
#include <cstring>

#include "framework/data/datasource.h"
#include "framework/data/dberror.h"
#include "framework/data/field.h"
#include "framework/data/sql/fb_error.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlparams.h"
#include "framework/data/sql/sqltokens.h"

namespace tv {

namespace {

constexpr const char* SUnidirectional = "Operation not allowed on a unidirectional dataset";
constexpr const char* SNoConnection = "Missing SQLConnection property";

TFieldType FieldTypeOf(const fb::FbColumn& c) {
    switch (c.sqlType) {
    case SQL_TEXT: return ftFixedChar;
    case SQL_VARYING: return ftString;
    case SQL_SHORT: return c.scale < 0 ? ftFMTBcd : ftSmallint;
    case SQL_LONG: return c.scale < 0 ? ftFMTBcd : ftInteger;
    case SQL_INT64: return c.scale < 0 ? ftFMTBcd : ftLargeint;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT: return ftFloat;
    case SQL_TYPE_DATE: return ftDate;
    case SQL_TYPE_TIME: return ftTime;
    case SQL_TIMESTAMP: return ftTimeStamp;
    case SQL_BLOB: return c.subType == 1 ? ftMemo : ftBlob;
    case SQL_BOOLEAN: return ftBoolean;
    default: return ftUnknown;
    }
}

} // namespace

TCustomSQLDataSet::TCustomSQLDataSet(TComponent* owner) : TDataSet(owner) {
    masterLink_.OnMasterChange = [this] { MasterChanged(); };
    masterLink_.OnMasterDisable = [this] {
        if (Active())
            Close();
    };
}

TCustomSQLDataSet::~TCustomSQLDataSet() {
    try {
        Close();
        PSEndTransaction(false);
        resolverStatements_.clear();
        stmt_.reset();
    } catch (...) {
    }
    masterLink_.SetDataSource(nullptr);
    if (connection_) {
        connection_->UnregisterDataSet(this);
        connection_->RemoveFreeNotification(this);
    }
}

void TCustomSQLDataSet::SetSQLConnection(TSQLConnection* c) {
    if (c == connection_)
        return;
    CheckInactive();
    stmt_.reset();
    CommandChanged();
    if (connection_) {
        connection_->UnregisterDataSet(this);
        connection_->RemoveFreeNotification(this);
    }
    connection_ = c;
    if (c) {
        c->RegisterDataSet(this);
        c->FreeNotification(this);
    }
}

void TCustomSQLDataSet::Notification(TComponent* component, TOperation operation) {
    TDataSet::Notification(component, operation);
    if (operation == opRemove && component == connection_)
        ConnectionGone();
}

void TCustomSQLDataSet::ConnectionClosing() {
    PSEndTransaction(false);
    resolverStatements_.clear();
    stmt_.reset();
}

void TCustomSQLDataSet::ConnectionGone() {
    try {
        Close();
    } catch (...) {
    }
    ConnectionClosing();
    connection_ = nullptr;
}

TDataSource* TCustomSQLDataSet::DataSource() const { return masterLink_.DataSource(); }

void TCustomSQLDataSet::SetDataSource(TDataSource* ds) { masterLink_.SetDataSource(ds); }

void TCustomSQLDataSet::CommandChanged() {
    // A statement kept for the new text describes the same columns and base table.
    if (stmt_ && KeepsShape()) {
        // Such a text names no parameter.
        if (params_.Count() > 0)
            SyncParams();
        return;
    }
    baseKnown_ = false;
    stmt_.reset();
    FieldDefs().Clear();
    SyncParams();
}

void TCustomSQLDataSet::SyncParams() {
    std::vector<std::string> names;
    ReplaceNamedParams(CommandText(), names);
    TParams fresh;
    for (const std::string& n : names) {
        if (fresh.FindParam(n))
            continue;
        if (TParam* old = params_.FindParam(n))
            fresh.Add(n, old->DataType(), old->ParamType()).Assign(*old);
        else
            fresh.Add(n, ftUnknown, ptInput);
    }
    params_ = fresh;
}

// A procedure called again with other literals (the price query's bar codes)
// keeps the statement prepared for the first call; the literals are bound.
bool TCustomSQLDataSet::KeepsShape() {
    if (literals_.empty() || !stmt_->Prepared() || stmt_->Stale() || stmt_->IsOpen())
        return false;
    std::vector<std::string> values;
    std::string shape;
    const std::string text = CommandText();
    // A text without a colon names no parameter.
    if (text.find(':') != std::string::npos) {
        std::vector<std::string> order;
        const std::string sql = ReplaceNamedParams(text, order);
        if (!order.empty() || !ProcedureCallShape(sql, shape, values) || shape != stmt_->SQL())
            return false;
    } else if (!ProcedureCallShape(text, shape, values) || shape != stmt_->SQL()) {
        return false;
    }
    literals_ = std::move(values);
    return true;
}

fb::FbStatement& TCustomSQLDataSet::Statement() {
    Prepare();
    return *stmt_;
}

void TCustomSQLDataSet::Prepare() {
    if (stmt_ && stmt_->Prepared() && !stmt_->Stale())
        return;
    // A statement of a lost connection is dropped; Database() connects again.
    stmt_.reset();
    if (!connection_)
        DatabaseError(SNoConnection, this);
    std::string sql = ReplaceNamedParams(CommandText(), order_);
    std::string shape;
    std::vector<std::string> literals;
    if (order_.empty() && ProcedureCallShape(sql, shape, literals))
        sql = shape;
    else
        literals.clear();
    fb::FbDatabase& db = connection_->Database();
    trimChar_ = connection_->TrimChar();
    stmt_ = std::make_unique<fb::FbStatement>(db);
    try {
        stmt_->Prepare(sql);
    } catch (...) {
        stmt_.reset();
        throw;
    }
    literals_ = std::move(literals);
}

void TCustomSQLDataSet::SetPrepared(bool value) {
    if (value)
        Prepare();
    else {
        Close();
        stmt_.reset();
    }
}

void TCustomSQLDataSet::Bind() {
    // A master's current row feeds the parameters named like its fields.
    if (TDataSet* master = masterLink_.DataSource() ? masterLink_.DataSource()->DataSet() : nullptr;
        master && master->Active())
        for (int i = 0; i < params_.Count(); ++i)
            if (TField* f = master->FindField(params_[i].Name()))
                params_[i].AssignField(f);
    BindParams(*stmt_, order_, params_);
    for (std::size_t i = 0; i < literals_.size(); ++i)
        stmt_->Params().SetString(static_cast<int>(i), literals_[i]);
}

void TCustomSQLDataSet::MasterChanged() {
    if (!Active())
        return;
    Close();
    Open();
}

int TCustomSQLDataSet::ExecSQL() {
    CheckInactive();
    Prepare();
    Bind();
    auto affected = static_cast<int>(stmt_->Execute());
    ExecuteCompleted(*stmt_);
    return affected;
}

void TCustomSQLDataSet::InternalInitFieldDefs() {
    Prepare();
    FieldDefs().Clear();
    for (int i = 0; i < stmt_->ColumnCount(); ++i) {
        const fb::FbColumn& c = stmt_->Column(i);
        TFieldType type = FieldTypeOf(c);
        int size = 0;
        if (type == ftString || type == ftFixedChar)
            size = static_cast<int>(c.charLength);
        else if (type == ftFMTBcd)
            size = -c.scale;
        TFieldDef& d = FieldDefs().Add(c.name, type, size, !c.nullable && !c.relation.empty());
        if (type == ftFMTBcd)
            d.SetPrecision(c.precision);
        d.SetFieldNo(i + 1);
        if (!c.relation.empty() && !c.field.empty())
            d.SetOrigin(c.relation + "." + c.field);
        else
            d.SetProviderFlags({}); // a computed value: no column to write or to match
    }
}

void TCustomSQLDataSet::InternalOpen() {
    Prepare();
    if (stmt_->Kind() != fb::StatementKind::Select)
        DatabaseError("La sentencia no devuelve filas; use ExecSQL", this);
    Bind();
    stmt_->Open();
    open_ = true;
    fetched_ = 0;
}

void TCustomSQLDataSet::InternalClose() {
    open_ = false;
    if (stmt_ && stmt_->IsOpen())
        stmt_->Close();
}

void TCustomSQLDataSet::InternalFirst() {
    if (fetched_ == 0)
        return;
    // Forward only: going back to the start runs the statement again.
    stmt_->Close();
    Bind();
    stmt_->Open();
    fetched_ = 0;
}

void TCustomSQLDataSet::InternalLast() { DatabaseError(SUnidirectional, this); }

namespace {
// Unscaled values below this fit a currency at any scale from 0 to 4.
constexpr std::int64_t kCurrencyExact = INT64_MAX / 10000;
} // namespace

void TCustomSQLDataSet::ReadRow(std::vector<Variant>& values) const {
    const fb::FbStatement& s = *stmt_;
    int n = s.ColumnCount();
    // Slots past the columns belong to calculated fields.
    if (values.size() < static_cast<size_t>(std::max(n, BufferSlotCount())))
        values.resize(static_cast<size_t>(std::max(n, BufferSlotCount())));
    for (int i = 0; i < n; ++i) {
        if (s.IsNull(i)) {
            values[i] = Null();
            continue;
        }
        const fb::FbColumn& c = s.Column(i);
        switch (c.sqlType) {
        case SQL_TEXT: values[i] = trimChar_ ? Variant(s.TextView(i)) : Variant(s.AsString(i, false)); break;
        case SQL_VARYING: values[i] = Variant(s.TextView(i)); break;
        case SQL_SHORT:
        case SQL_LONG:
        case SQL_INT64:
            if (c.scale < 0 && c.scale >= -4) {
                // Exact in a currency while well inside its range; larger values take the checked way.
                static constexpr std::int64_t kScale[] = {10000, 1000, 100, 10, 1};
                const std::int64_t u = s.Unscaled(i);
                if (u > -kCurrencyExact && u < kCurrencyExact) {
                    values[i] = Variant(Currency::FromRaw(u * kScale[-c.scale]));
                    break;
                }
            }
            if (c.scale < 0) {
                TBcd b = s.AsBcd(i);
                values[i] = -c.scale <= 4 ? Variant(BcdToCurr(b)) : Variant(BcdToDouble(b));
            } else if (c.sqlType == SQL_INT64) {
                values[i] = Variant(static_cast<long long>(s.AsInt64(i)));
            } else {
                values[i] = Variant(static_cast<int>(s.AsInt64(i)));
            }
            break;
        case SQL_FLOAT:
        case SQL_DOUBLE:
        case SQL_D_FLOAT: values[i] = Variant(s.AsDouble(i)); break;
        case SQL_TYPE_DATE:
        case SQL_TYPE_TIME:
        case SQL_TIMESTAMP: values[i] = Variant(s.AsDateTime(i)); break;
        case SQL_BLOB: values[i] = Variant(s.AsBlob(i)); break;
        case SQL_BOOLEAN: values[i] = Variant(s.AsBoolean(i)); break;
        default: values[i] = Null(); break;
        }
    }
}

TGetResult TCustomSQLDataSet::GetRecord(TRecordBuffer& buffer, TGetMode mode) {
    if (mode == gmPrior)
        return grBOF;
    if (mode == gmNext) {
        if (!stmt_->Fetch())
            return grEOF;
        ++fetched_;
    } else if (!stmt_->HasRow()) {
        return grEOF;
    }
    // The statement keeps the current row, so gmCurrent reads it again.
    ReadRow(buffer.values);
    buffer.bookmark = std::to_string(fetched_);
    buffer.flag = bfCurrent;
    return grOK;
}

// --------------------------------------------------------------- provider support

void TCustomSQLDataSet::PSReset() {
    if (Active())
        First();
}

void TCustomSQLDataSet::PSSetParams(const TParams& params) {
    if (params.Count() == 0)
        return;
    SyncParams();
    params_.AssignValues(params);
}

std::string TCustomSQLDataSet::BaseTable() {
    // The table every column of the statement comes from, when there is one
    // and it is a table or view (not a procedure).
    fb::FbStatement& s = Statement();
    std::string table;
    for (int i = 0; i < s.ColumnCount(); ++i) {
        const std::string& rel = s.Column(i).relation;
        if (rel.empty())
            continue;
        if (table.empty())
            table = rel;
        else if (table != rel)
            return {};
    }
    if (table.empty())
        return {};
    fb::FbStatement q(connection_->Database());
    q.Prepare("SELECT 1 FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = ?");
    q.Params().SetString(0, table);
    q.OpenReadOnly();
    bool isRelation = q.Fetch();
    q.Close();
    return isRelation ? table : std::string();
}

std::string TCustomSQLDataSet::PSGetTableName() {
    if (!baseKnown_) {
        // The catalogue is asked once per statement text and connection.
        const std::string sql = Statement().SQL();
        fb::FbDatabase& db = connection_->Database();
        if (const fb::FbDatabase::BaseTableInfo* known = db.FindBaseTable(sql)) {
            baseTable_ = known->table;
            keyFields_ = known->keyFields;
        } else {
            baseTable_ = BaseTable();
            keyFields_ = KeyFieldsOf(baseTable_);
            db.KeepBaseTable(sql, {baseTable_, keyFields_});
        }
        baseKnown_ = true;
    }
    return baseTable_;
}

std::vector<std::string> TCustomSQLDataSet::PSGetKeyFields() {
    PSGetTableName();
    return keyFields_;
}

std::vector<std::string> TCustomSQLDataSet::KeyFieldsOf(std::string table) {
    std::vector<std::string> keys;
    if (table.empty())
        return keys;
    for (char& ch : table)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    fb::FbStatement q(connection_->Database());
    q.Prepare("SELECT TRIM(S.RDB$FIELD_NAME) FROM RDB$RELATION_CONSTRAINTS C "
              "JOIN RDB$INDEX_SEGMENTS S ON S.RDB$INDEX_NAME = C.RDB$INDEX_NAME "
              "WHERE C.RDB$RELATION_NAME = ? AND C.RDB$CONSTRAINT_TYPE = 'PRIMARY KEY' "
              "ORDER BY S.RDB$FIELD_POSITION");
    q.Params().SetString(0, table);
    q.OpenReadOnly();
    while (q.Fetch()) {
        std::string key = q.AsString(0);
        // The key as the dataset names its field (an alias may rename it).
        for (int i = 0; i < Statement().ColumnCount(); ++i)
            if (Statement().Column(i).field == key && Statement().Column(i).relation == table) {
                key = Statement().Column(i).name;
                break;
            }
        keys.push_back(key);
    }
    q.Close();
    return keys;
}

void TCustomSQLDataSet::PSStartTransaction() {
    if (applyTransaction_)
        return;
    if (!connection_)
        DatabaseError(SNoConnection, this);
    applyTransaction_ = fb::StartTransaction(connection_->Database());
}

void TCustomSQLDataSet::PSEndTransaction(bool commit) {
    if (!applyTransaction_)
        return;
    Firebird::ITransaction* tra = applyTransaction_;
    applyTransaction_ = nullptr;
    fb::Status st;
    if (commit) {
        tra->commit(&st);
        if (st.Failed()) {
            fb::Status rb;
            tra->rollback(&rb);
            if (rb.Failed())
                tra->release();
            if (connection_ && connection_->Connected())
                connection_->Database().Check(st);
            st.Check();
        }
    } else {
        tra->rollback(&st);
        if (st.Failed())
            tra->release();
    }
}

int TCustomSQLDataSet::PSExecuteStatement(const std::string& sql, const TParams& params) {
    if (!connection_)
        DatabaseError(SNoConnection, this);
    fb::FbStatement* stmt = nullptr;
    for (auto& [text, s] : resolverStatements_)
        if (text == sql && !s->Stale())
            stmt = s.get();
    if (!stmt) {
        std::erase_if(resolverStatements_, [&](const auto& entry) { return entry.first == sql; });
        auto s = std::make_unique<fb::FbStatement>(connection_->Database());
        s->Prepare(sql);
        stmt = s.get();
        resolverStatements_.emplace_back(sql, std::move(s));
    }
    BindParamsByPosition(*stmt, params);
    if (applyTransaction_)
        return static_cast<int>(stmt->ExecuteIn(applyTransaction_));
    return static_cast<int>(stmt->Execute());
}

} // namespace tv
