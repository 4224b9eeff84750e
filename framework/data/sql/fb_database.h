#pragma once
// One attachment to a Firebird database, UTF8 and dialect 3. A database path
// without a host ("/srv/tallyvo/datos/general.fdb") is opened by the embedded
// engine, which checks no password; one with a host ("localhost:/srv/...")
// goes through that host's server, which checks user and password.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "framework/data/sql/fb_api.h"

namespace tv::fb {

struct ConnectOptions {
    std::string user = "SYSDBA";
    std::string password;
    std::string role;
    // Synchronous page writes: -1 leaves the database's setting, 0 or 1 sets it.
    int forcedWrites = -1;
};

class FbDatabase {
public:
    FbDatabase() = default;
    ~FbDatabase();
    FbDatabase(const FbDatabase&) = delete;
    FbDatabase& operator=(const FbDatabase&) = delete;

    // Failures raise EFirebirdError with the connection texts of fb_error.h.
    void Open(const std::string& database, const ConnectOptions& options);
    void Create(const std::string& database, const ConnectOptions& options);
    void Close();
    // Removes the database file; the attachment must be the only one.
    void Drop();
    bool Connected() const { return attachment_ != nullptr; }
    // Raises the status's error; one that says the connection is gone first
    // drops the attachment, so the database reports itself closed and the
    // next use connects again.
    void Check(Status& st, ErrorSource source = ErrorSource::Statement);
    // Counts the attachments dropped that way: a statement prepared under
    // an older one is stale and is prepared again.
    unsigned Generation() const { return generation_; }
    const std::string& Database() const { return database_; }

    // Runs a statement without parameters or rows in a transaction of its own.
    void ExecuteImmediate(const std::string& sql);

    // The declared precision of a NUMERIC or DECIMAL column of a table, view
    // or procedure output; 0 when the column is unknown. Cached per attachment.
    int DeclaredPrecision(const std::string& relation, const std::string& field);

    // What the catalogue says of a statement's base table and its key fields,
    // kept per statement text for the life of the attachment.
    struct BaseTableInfo {
        std::string table;
        std::vector<std::string> keyFields;
    };
    const BaseTableInfo* FindBaseTable(const std::string& sql) const;
    void KeepBaseTable(const std::string& sql, BaseTableInfo info);

    // The database's procedures, functions and packages by name (1, 2, 3),
    // read once per attachment and again after the schema changes; and what
    // has been found of each procedure: whether it only reads.
    const std::map<std::string, int>& RoutineNames();
    std::map<std::string, bool>& ProcedureReads() { return procedureReads_; }
    // A statement changed the schema: forget what was read of it.
    void SchemaChanged();

    // Transactions wait for a row another one holds (the station's setting), or fail at once.
    bool WaitOnLocks() const { return waitOnLocks_; }
    void SetWaitOnLocks(bool wait) { waitOnLocks_ = wait; }

    Firebird::IAttachment* Attachment() const { return attachment_; }
    // A read-only, read-committed transaction that lives with the attachment,
    // for preparing statements and reading the catalogue.
    Firebird::ITransaction* MetadataTransaction();

private:
    void Attach(const std::string& database, const ConnectOptions& options, bool create);
    void DropLostAttachment();

    Firebird::IAttachment* attachment_ = nullptr;
    Firebird::ITransaction* metaTransaction_ = nullptr;
    std::string database_;
    std::map<std::string, int> precisions_;
    std::map<std::string, BaseTableInfo> baseTables_;
    std::map<std::string, int> routines_;
    bool routinesRead_ = false;
    std::map<std::string, bool> procedureReads_;
    bool waitOnLocks_ = true;
    unsigned generation_ = 0;
};

// The parameters of every read-write transaction of the station: read
// committed, newest version, waiting on locks (unless the database says not to).
Firebird::ITransaction* StartTransaction(FbDatabase& db);

} // namespace tv::fb
