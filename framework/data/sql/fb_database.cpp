#include "framework/data/sql/fb_database.h"

#include <ibase.h>

#include "framework/data/sql/fb_error.h"
#include "framework/data/sql/fb_statement.h"

namespace tv::fb {

namespace {

const unsigned char kReadWriteTpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed,
                                       isc_tpb_rec_version, isc_tpb_wait};
const unsigned char kReadWriteNoWaitTpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed,
                                             isc_tpb_rec_version, isc_tpb_nowait};
const unsigned char kReadOnlyTpb[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed,
                                      isc_tpb_rec_version, isc_tpb_nowait};

} // namespace

FbDatabase::~FbDatabase() {
    try {
        Close();
    } catch (...) {
    }
}

void FbDatabase::Attach(const std::string& database, const ConnectOptions& options, bool create) {
    Close();
    Status st;
    Ref<Firebird::IXpbBuilder> dpb(Util()->getXpbBuilder(&st, Firebird::IXpbBuilder::DPB, nullptr, 0));
    st.Check();
    dpb->insertString(&st, isc_dpb_user_name, options.user.c_str());
    if (!options.password.empty())
        dpb->insertString(&st, isc_dpb_password, options.password.c_str());
    if (!options.role.empty())
        dpb->insertString(&st, isc_dpb_sql_role_name, options.role.c_str());
    dpb->insertString(&st, isc_dpb_lc_ctype, "UTF8");
    dpb->insertInt(&st, isc_dpb_sql_dialect, 3);
    if (options.forcedWrites >= 0)
        dpb->insertInt(&st, isc_dpb_force_write, options.forcedWrites);
    if (create) {
        dpb->insertString(&st, isc_dpb_set_db_charset, "UTF8");
        dpb->insertInt(&st, isc_dpb_page_size, 8192);
    }
    st.Check();

    Firebird::IAttachment* att = create
        ? Provider()->createDatabase(&st, database.c_str(), dpb->getBufferLength(&st), dpb->getBuffer(&st))
        : Provider()->attachDatabase(&st, database.c_str(), dpb->getBufferLength(&st), dpb->getBuffer(&st));
    st.Check(ErrorSource::Connect);
    attachment_ = att;
    database_ = database;
}

void FbDatabase::Open(const std::string& database, const ConnectOptions& options) {
    Attach(database, options, false);
}

void FbDatabase::Create(const std::string& database, const ConnectOptions& options) {
    Attach(database, options, true);
}

void FbDatabase::Close() {
    precisions_.clear();
    baseTables_.clear();
    SchemaChanged();
    if (metaTransaction_) {
        Status st;
        metaTransaction_->commit(&st);
        if (st.Failed())
            metaTransaction_->release();
        metaTransaction_ = nullptr;
    }
    if (attachment_) {
        Status st;
        attachment_->detach(&st);
        if (st.Failed())
            attachment_->release(); // a lost connection: drop our side of it
        attachment_ = nullptr;
    }
}

void FbDatabase::Check(Status& st, ErrorSource source) {
    try {
        st.Check(source);
    } catch (const EFirebirdError& e) {
        if (e.ConnectionLost())
            DropLostAttachment();
        throw;
    }
}

void FbDatabase::DropLostAttachment() {
    // Nothing can travel on the dead connection: only our side is freed.
    precisions_.clear();
    baseTables_.clear();
    SchemaChanged();
    if (metaTransaction_)
        metaTransaction_->release();
    metaTransaction_ = nullptr;
    if (attachment_)
        attachment_->release();
    attachment_ = nullptr;
    ++generation_;
}

void FbDatabase::Drop() {
    if (!attachment_)
        return;
    if (metaTransaction_) {
        Status st;
        metaTransaction_->commit(&st);
        metaTransaction_ = nullptr;
    }
    Status st;
    attachment_->dropDatabase(&st);
    st.Check();
    attachment_ = nullptr;
}

Firebird::ITransaction* FbDatabase::MetadataTransaction() {
    if (!metaTransaction_) {
        Status st;
        metaTransaction_ = attachment_->startTransaction(&st, sizeof kReadOnlyTpb, kReadOnlyTpb);
        Check(st);
    }
    return metaTransaction_;
}

void FbDatabase::SchemaChanged() {
    routines_.clear();
    routinesRead_ = false;
    procedureReads_.clear();
}

const std::map<std::string, int>& FbDatabase::RoutineNames() {
    if (routinesRead_)
        return routines_;
    FbStatement q(*this);
    q.Prepare("SELECT RDB$PROCEDURE_NAME, 1 FROM RDB$PROCEDURES UNION ALL "
              "SELECT RDB$FUNCTION_NAME, 2 FROM RDB$FUNCTIONS UNION ALL "
              "SELECT RDB$PACKAGE_NAME, 3 FROM RDB$PACKAGES");
    q.OpenReadOnly();
    while (q.Fetch())
        routines_[q.AsString(0)] = static_cast<int>(q.AsInt64(1));
    q.Close();
    routinesRead_ = true;
    return routines_;
}

void FbDatabase::ExecuteImmediate(const std::string& sql) {
    // Scripts create and change procedures.
    SchemaChanged();
    Status st;
    Firebird::ITransaction* tra = StartTransaction(*this);
    attachment_->execute(&st, tra, static_cast<unsigned>(sql.size()), sql.c_str(), 3, nullptr, nullptr, nullptr, nullptr);
    if (st.Failed()) {
        Status rb;
        tra->rollback(&rb);
        if (rb.Failed())
            tra->release();
        Check(st);
    }
    tra->commit(&st);
    Check(st);
}

int FbDatabase::DeclaredPrecision(const std::string& relation, const std::string& field) {
    std::string key = relation + "." + field;
    auto it = precisions_.find(key);
    if (it != precisions_.end())
        return it->second;
    int precision = 0;
    FbStatement q(*this);
    q.Prepare("SELECT F.RDB$FIELD_PRECISION FROM RDB$RELATION_FIELDS R "
              "JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = R.RDB$FIELD_SOURCE "
              "WHERE R.RDB$RELATION_NAME = ? AND R.RDB$FIELD_NAME = ? "
              "UNION ALL "
              "SELECT F.RDB$FIELD_PRECISION FROM RDB$PROCEDURE_PARAMETERS P "
              "JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = P.RDB$FIELD_SOURCE "
              "WHERE P.RDB$PROCEDURE_NAME = ? AND P.RDB$PARAMETER_NAME = ? AND P.RDB$PARAMETER_TYPE = 1");
    q.Params().SetString(0, relation);
    q.Params().SetString(1, field);
    q.Params().SetString(2, relation);
    q.Params().SetString(3, field);
    q.OpenReadOnly();
    if (q.Fetch() && !q.IsNull(0))
        precision = static_cast<int>(q.AsInt64(0));
    q.Close();
    precisions_[key] = precision;
    return precision;
}

const FbDatabase::BaseTableInfo* FbDatabase::FindBaseTable(const std::string& sql) const {
    auto it = baseTables_.find(sql);
    return it == baseTables_.end() ? nullptr : &it->second;
}

void FbDatabase::KeepBaseTable(const std::string& sql, BaseTableInfo info) {
    baseTables_[sql] = std::move(info);
}

Firebird::ITransaction* StartTransaction(FbDatabase& db) {
    Status st;
    if (!db.Connected())
        throw EDatabaseError("La base de datos no está conectada.");
    Firebird::ITransaction* tra = db.WaitOnLocks()
        ? db.Attachment()->startTransaction(&st, sizeof kReadWriteTpb, kReadWriteTpb)
        : db.Attachment()->startTransaction(&st, sizeof kReadWriteNoWaitTpb, kReadWriteNoWaitTpb);
    db.Check(st);
    return tra;
}

} // namespace tv::fb
