#pragma once
// A prepared SQL statement on one attachment, with "?" parameters and typed
// access to the columns of its rows. A query known to only read (fb_reads.h)
// runs in the attachment's kept read-only transaction. Any other execution
// runs in a transaction of its own (read committed, waiting on locks) that is
// committed when the statement ends: at once for a statement without rows, at
// Close for a cursor, so that what a selectable procedure writes while it is
// read is kept.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/bcd.h"
#include "core/datetime.h"
#include "framework/data/sql/fb_database.h"

namespace tv::fb {

// What the server says of a column or a parameter.
struct FbColumn {
    std::string name;      // the label: alias or column name
    std::string field;     // the column of the table or procedure, when there is one
    std::string relation;  // its table, view or procedure
    unsigned sqlType = 0;  // SQL_TEXT, SQL_VARYING, SQL_SHORT... without the null flag
    int subType = 0;       // blobs: 1 text, 0 binary
    int scale = 0;         // exact numerics: 0 or negative
    unsigned length = 0;   // bytes in the message
    unsigned charLength = 0;
    int precision = 0;     // exact numerics: declared digits
    unsigned charSet = 0;
    bool nullable = true;

    bool IsExactNumeric() const;
};

// The values of the parameters until the statement runs. The server converts a
// value to the parameter's declared type: a text may feed a date or a NUMERIC.
class FbParams {
public:
    int Count() const { return static_cast<int>(values_.size()); }
    void Resize(int count) { values_.resize(count); }
    void Clear() { values_.assign(values_.size(), Value{}); }

    void SetNull(int i);
    void SetInt64(int i, std::int64_t unscaled, int scale = 0); // unscaled x 10^scale, scale <= 0
    void SetBcd(int i, const TBcd& value);
    void SetDouble(int i, double value);
    void SetString(int i, std::string value);
    void SetBytes(int i, std::string bytes); // for binary blobs
    void SetDate(int i, TDateTime value);
    void SetTime(int i, TDateTime value);
    void SetTimestamp(int i, TDateTime value);
    void SetBoolean(int i, bool value);

private:
    friend class FbStatement;
    enum class Kind { Null, Int64, Double, String, Bytes, Date, Time, Timestamp, Boolean };
    struct Value {
        Kind kind = Kind::Null;
        std::int64_t integer = 0;
        int scale = 0;
        double real = 0;
        std::string text;
        TDateTime moment;
    };
    Value& At(int i);
    std::vector<Value> values_;
};

enum class StatementKind { Select, ExecProcedure, Other };

class FbStatement {
public:
    explicit FbStatement(FbDatabase& db);
    ~FbStatement();
    FbStatement(const FbStatement&) = delete;
    FbStatement& operator=(const FbStatement&) = delete;

    void Prepare(const std::string& sql);
    void Unprepare();
    bool Prepared() const { return statement_ != nullptr; }
    // Prepared on an attachment that has since been lost.
    bool Stale() const { return statement_ && generation_ != db_.Generation(); }
    const std::string& SQL() const { return sql_; }
    StatementKind Kind() const { return kind_; }

    int ParamCount() const { return static_cast<int>(paramInfo_.size()); }
    const FbColumn& ParamInfo(int i) const { return paramInfo_.at(i); }
    FbParams& Params() { return params_; }

    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    const FbColumn& Column(int i) const { return columns_.at(i); }
    // Case-insensitive; -1 when no column has the name.
    int ColumnIndex(const std::string& name) const;

    // Runs a statement and commits it. EXECUTE PROCEDURE leaves its output
    // values as the current row. Returns the rows inserted, changed or deleted.
    std::int64_t Execute();
    // Runs a statement without rows inside a transaction the caller ends.
    std::int64_t ExecuteIn(Firebird::ITransaction* transaction);
    // Opens the rows of a query; Fetch moves to the next one (false at the end).
    void Open();
    // The query only reads: Open uses the attachment's read-only transaction.
    bool OnlyReads();
    // The same under the attachment's read-only transaction (catalogue reads).
    void OpenReadOnly();
    bool Fetch();
    // Closes the rows and commits what the statement did.
    void Close();
    bool IsOpen() const { return cursor_ != nullptr; }
    bool HasRow() const { return hasRow_; }

    // The current row. Text of CHAR columns keeps its padding unless trimmed.
    bool IsNull(int i) const {
        CheckColumn(i);
        return *reinterpret_cast<const short*>(row_.data() + nullOffsets_[i]) != 0;
    }
    std::int64_t AsInt64(int i) const;  // integers; exact numerics truncated
    std::int64_t Unscaled(int i) const; // exact numerics as stored: value x 10^-scale
    TBcd AsBcd(int i) const;
    double AsDouble(int i) const;
    std::string AsString(int i, bool trimChar = true) const;
    // The bytes of a CHAR (trimmed) or VARCHAR column in the row's message,
    // valid until the next Fetch.
    std::string_view TextView(int i) const;
    TDateTime AsDateTime(int i) const;  // dates, times and time stamps
    std::string AsBlob(int i) const;    // the whole blob, text or binary
    bool AsBoolean(int i) const;

private:
    // Every value read checks its column: inline, the throwing part apart.
    void CheckColumn(int i) const {
        if (i < 0 || i >= ColumnCount() || !hasRow_)
            ColumnError(i);
    }
    [[noreturn]] void ColumnError(int i) const;
    const unsigned char* Data(int i) const { return row_.data() + offsets_[i]; }
    std::vector<FbColumn> Describe(Firebird::IMessageMetadata* meta, bool lookUpPrecision);
    Firebird::IMessageMetadata* BuildInput(std::vector<unsigned char>& buffer, Firebird::ITransaction* tra);
    void Finish(bool commit);
    std::string ReadBlob(const ISC_QUAD& id) const;

    FbDatabase& db_;
    std::string sql_;
    Firebird::IStatement* statement_ = nullptr;
    Firebird::IMessageMetadata* inMeta_ = nullptr;
    Firebird::IMessageMetadata* outMeta_ = nullptr;
    StatementKind kind_ = StatementKind::Other;
    unsigned type_ = 0;
    std::optional<bool> onlyReads_;
    std::vector<FbColumn> paramInfo_;
    // The input message last built: per value its type, length, scale, subtype
    // and character set; the metadata, offsets (value, null flag) and length.
    std::vector<unsigned> inputKey_;
    Firebird::IMessageMetadata* inputMeta_ = nullptr;
    std::vector<unsigned> inputOffsets_;
    unsigned inputLength_ = 0;
    std::vector<FbColumn> columns_;
    std::vector<unsigned> offsets_, nullOffsets_;
    FbParams params_;
    std::vector<unsigned char> row_;
    Firebird::ITransaction* transaction_ = nullptr;
    bool ownTransaction_ = false;
    Firebird::IResultSet* cursor_ = nullptr;
    unsigned generation_ = 0;
    bool hasRow_ = false;
    mutable Status status_; // for every fetch and blob read of the statement's life
    mutable std::vector<std::optional<std::string>> blobs_;
    mutable bool blobsRead_ = false; // blobs_ holds a blob of the current row
};

} // namespace tv::fb
