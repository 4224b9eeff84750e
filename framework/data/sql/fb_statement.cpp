#include "framework/data/sql/fb_statement.h"

#include <ibase.h>

#include <cmath>
#include <cstring>
#include <strings.h>

#include "core/strutils.h"
#include "framework/data/sql/fb_error.h"
#include "framework/data/sql/fb_reads.h"

namespace tv::fb {

namespace {

constexpr unsigned kCharSetNone = 0, kCharSetOctets = 1, kCharSetUtf8 = 4;
constexpr unsigned kMaxVarying = 32765;

unsigned BytesPerChar(unsigned charSet) { return charSet == kCharSetUtf8 ? 4 : 1; }

std::int64_t Pow10(int n) {
    std::int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

int DefaultPrecision(unsigned type) {
    switch (type) {
    case SQL_SHORT: return 4;
    case SQL_LONG: return 9;
    default: return 18;
    }
}

std::string UnscaledToText(std::int64_t v, int scale) {
    if (scale >= 0)
        return std::to_string(v);
    bool neg = v < 0;
    unsigned long long magnitude = neg ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    std::string digits = std::to_string(magnitude);
    size_t d = static_cast<size_t>(-scale);
    if (digits.size() <= d)
        digits.insert(0, d - digits.size() + 1, '0');
    digits.insert(digits.size() - d, 1, '.');
    if (neg)
        digits.insert(digits.begin(), '-');
    return digits;
}

} // namespace

bool FbColumn::IsExactNumeric() const {
    return (sqlType == SQL_SHORT || sqlType == SQL_LONG || sqlType == SQL_INT64) && scale < 0;
}

// ---------------------------------------------------------------- parameters

FbParams::Value& FbParams::At(int i) {
    if (i < 0)
        throw EDatabaseError("Parámetro fuera de rango: " + std::to_string(i));
    if (i >= Count())
        values_.resize(i + 1);
    return values_[i];
}

void FbParams::SetNull(int i) { At(i) = Value{}; }

void FbParams::SetInt64(int i, std::int64_t unscaled, int scale) {
    Value& v = At(i) = Value{};
    v.kind = Kind::Int64;
    v.integer = unscaled;
    v.scale = scale;
}

void FbParams::SetBcd(int i, const TBcd& value) { SetInt64(i, value.Unscaled(), -value.Scale()); }

void FbParams::SetDouble(int i, double value) {
    Value& v = At(i) = Value{};
    v.kind = Kind::Double;
    v.real = value;
}

void FbParams::SetString(int i, std::string value) {
    Value& v = At(i) = Value{};
    v.kind = Kind::String;
    v.text = std::move(value);
}

void FbParams::SetBytes(int i, std::string bytes) {
    Value& v = At(i) = Value{};
    v.kind = Kind::Bytes;
    v.text = std::move(bytes);
}

void FbParams::SetDate(int i, TDateTime value) {
    Value& v = At(i) = Value{};
    v.kind = Kind::Date;
    v.moment = value;
}

void FbParams::SetTime(int i, TDateTime value) {
    Value& v = At(i) = Value{};
    v.kind = Kind::Time;
    v.moment = value;
}

void FbParams::SetTimestamp(int i, TDateTime value) {
    Value& v = At(i) = Value{};
    v.kind = Kind::Timestamp;
    v.moment = value;
}

void FbParams::SetBoolean(int i, bool value) {
    Value& v = At(i) = Value{};
    v.kind = Kind::Boolean;
    v.integer = value;
}

// ---------------------------------------------------------------- statement

FbStatement::FbStatement(FbDatabase& db) : db_(db) {}

FbStatement::~FbStatement() {
    try {
        Unprepare();
    } catch (...) {
    }
    if (inputMeta_)
        inputMeta_->release();
}

std::vector<FbColumn> FbStatement::Describe(Firebird::IMessageMetadata* meta, bool lookUpPrecision) {
    Status st;
    std::vector<FbColumn> cols;
    unsigned n = meta->getCount(&st);
    db_.Check(st);
    for (unsigned i = 0; i < n; ++i) {
        FbColumn c;
        c.name = meta->getAlias(&st, i);
        c.field = meta->getField(&st, i);
        c.relation = meta->getRelation(&st, i);
        c.sqlType = meta->getType(&st, i);
        c.subType = meta->getSubType(&st, i);
        c.scale = meta->getScale(&st, i);
        c.length = meta->getLength(&st, i);
        c.charSet = meta->getCharSet(&st, i);
        c.nullable = meta->isNullable(&st, i);
        db_.Check(st);
        if (c.name.empty())
            c.name = c.field;
        if (c.sqlType == SQL_TEXT || c.sqlType == SQL_VARYING)
            c.charLength = c.length / BytesPerChar(c.charSet);
        if (c.IsExactNumeric()) {
            c.precision = 0;
            if (lookUpPrecision && !c.relation.empty() && !c.field.empty())
                c.precision = db_.DeclaredPrecision(c.relation, c.field);
            if (c.precision == 0)
                c.precision = DefaultPrecision(c.sqlType);
        }
        cols.push_back(std::move(c));
    }
    return cols;
}

void FbStatement::Prepare(const std::string& sql) {
    Unprepare();
    Status st;
    // The length is given: a NUL inside a literal (a damaged bar code) must not cut the text short.
    if (!db_.Connected())
        throw EDatabaseError("La base de datos no está conectada.");
    generation_ = db_.Generation();
    statement_ = db_.Attachment()->prepare(&st, db_.MetadataTransaction(), static_cast<unsigned>(sql.size()),
                                            sql.c_str(), 3,
                                            Firebird::IStatement::PREPARE_PREFETCH_METADATA);
    db_.Check(st);
    sql_ = sql;
    unsigned type = statement_->getType(&st);
    db_.Check(st);
    type_ = type;
    onlyReads_.reset();
    kind_ = (type == isc_info_sql_stmt_select || type == isc_info_sql_stmt_select_for_upd) ? StatementKind::Select
            : type == isc_info_sql_stmt_exec_procedure                                     ? StatementKind::ExecProcedure
                                                                                           : StatementKind::Other;
    inMeta_ = statement_->getInputMetadata(&st);
    db_.Check(st);
    outMeta_ = statement_->getOutputMetadata(&st);
    db_.Check(st);
    paramInfo_ = Describe(inMeta_, false);
    columns_ = Describe(outMeta_, true);
    params_.Resize(static_cast<int>(paramInfo_.size()));
    offsets_.clear();
    nullOffsets_.clear();
    for (unsigned i = 0; i < columns_.size(); ++i) {
        offsets_.push_back(outMeta_->getOffset(&st, i));
        nullOffsets_.push_back(outMeta_->getNullOffset(&st, i));
    }
    row_.assign(outMeta_->getMessageLength(&st), 0);
    db_.Check(st);
}

void FbStatement::Unprepare() {
    if (cursor_ || transaction_)
        Finish(false);
    if (inMeta_) inMeta_->release();
    if (outMeta_) outMeta_->release();
    inMeta_ = outMeta_ = nullptr;
    if (statement_) {
        Status st;
        statement_->free(&st);
        if (st.Failed())
            statement_->release();
        statement_ = nullptr;
    }
    paramInfo_.clear();
    columns_.clear();
    hasRow_ = false;
}

int FbStatement::ColumnIndex(const std::string& name) const {
    for (size_t i = 0; i < columns_.size(); ++i)
        if (strcasecmp(columns_[i].name.c_str(), name.c_str()) == 0)
            return static_cast<int>(i);
    return -1;
}

Firebird::IMessageMetadata* FbStatement::BuildInput(std::vector<unsigned char>& buffer, Firebird::ITransaction* tra) {
    unsigned n = static_cast<unsigned>(paramInfo_.size());
    if (n == 0) {
        buffer.clear();
        return nullptr;
    }
    Status st;
    using K = FbParams::Kind;
    // The message's layout follows the values' types and lengths; what was built
    // for them is kept while they repeat (a procedure called for each bar code).
    bool same = inputMeta_ && inputKey_.size() == n * 5;
    inputKey_.resize(n * 5);
    for (unsigned i = 0; i < n; ++i) {
        const FbColumn& decl = paramInfo_[i];
        const FbParams::Value& v = params_.values_[i];
        bool blob = decl.sqlType == SQL_BLOB;
        unsigned type = decl.sqlType;
        unsigned length = decl.length;
        int scale = decl.scale, subType = decl.subType;
        unsigned charSet = decl.charSet;
        switch (v.kind) {
        case K::Null: break;
        case K::Int64: type = SQL_INT64, length = 8, scale = v.scale, subType = 0; break;
        case K::Double: type = SQL_DOUBLE, length = 8, scale = 0, subType = 0; break;
        case K::String:
        case K::Bytes:
            if (blob) {
                length = sizeof(ISC_QUAD);
            } else {
                type = SQL_VARYING;
                length = static_cast<unsigned>(std::min<size_t>(std::max<size_t>(v.text.size(), 1), kMaxVarying));
                charSet = v.kind == K::String ? kCharSetUtf8 : kCharSetOctets;
                scale = subType = 0;
            }
            break;
        case K::Date: type = SQL_TYPE_DATE, length = sizeof(ISC_DATE), scale = subType = 0; break;
        case K::Time: type = SQL_TYPE_TIME, length = sizeof(ISC_TIME), scale = subType = 0; break;
        case K::Timestamp: type = SQL_TIMESTAMP, length = sizeof(ISC_TIMESTAMP), scale = subType = 0; break;
        case K::Boolean: type = SQL_BOOLEAN, length = 1, scale = subType = 0; break;
        }
        const unsigned key[5] = {type, length, static_cast<unsigned>(scale), static_cast<unsigned>(subType), charSet};
        for (unsigned k = 0; k < 5; ++k)
            if (inputKey_[i * 5 + k] != key[k]) {
                inputKey_[i * 5 + k] = key[k];
                same = false;
            }
    }
    if (!same) {
        if (inputMeta_) {
            inputMeta_->release();
            inputMeta_ = nullptr;
        }
        Ref<Firebird::IMetadataBuilder> b(Master()->getMetadataBuilder(&st, n));
        db_.Check(st);
        for (unsigned i = 0; i < n; ++i) {
            const unsigned* key = &inputKey_[i * 5];
            b->setType(&st, i, key[0] | 1);
            b->setLength(&st, i, key[1]);
            b->setScale(&st, i, static_cast<int>(key[2]));
            b->setSubType(&st, i, static_cast<int>(key[3]));
            b->setCharSet(&st, i, key[4]);
            db_.Check(st);
        }
        Firebird::IMessageMetadata* built = b->getMetadata(&st);
        db_.Check(st);
        inputOffsets_.resize(n * 2);
        for (unsigned i = 0; i < n; ++i) {
            inputOffsets_[i * 2] = built->getOffset(&st, i);
            inputOffsets_[i * 2 + 1] = built->getNullOffset(&st, i);
        }
        inputLength_ = built->getMessageLength(&st);
        if (st.Failed())
            built->release();
        db_.Check(st);
        inputMeta_ = built;
    }
    Firebird::IMessageMetadata* meta = inputMeta_;
    buffer.assign(inputLength_, 0);
    for (unsigned i = 0; i < n; ++i) {
        const FbParams::Value& v = params_.values_[i];
        unsigned char* p = buffer.data() + inputOffsets_[i * 2];
        auto* nullFlag = reinterpret_cast<short*>(buffer.data() + inputOffsets_[i * 2 + 1]);
        *nullFlag = v.kind == K::Null ? -1 : 0;
        int y, m, d, hh, mm, ss, ms;
        switch (v.kind) {
        case K::Null: break;
        case K::Int64:
        case K::Boolean:
            if (v.kind == K::Boolean)
                *p = static_cast<unsigned char>(v.integer != 0);
            else
                std::memcpy(p, &v.integer, 8);
            break;
        case K::Double: std::memcpy(p, &v.real, 8); break;
        case K::String:
        case K::Bytes:
            if (paramInfo_[i].sqlType == SQL_BLOB) {
                ISC_QUAD id{};
                Firebird::IBlob* blob = db_.Attachment()->createBlob(&st, tra, &id, 0, nullptr);
                db_.Check(st);
                for (size_t off = 0; off < v.text.size(); off += 32768) {
                    size_t len = std::min<size_t>(32768, v.text.size() - off);
                    blob->putSegment(&st, static_cast<unsigned>(len), v.text.data() + off);
                    if (st.Failed()) {
                        Status cancel;
                        blob->cancel(&cancel);
                        db_.Check(st);
                    }
                }
                blob->close(&st);
                db_.Check(st);
                std::memcpy(p, &id, sizeof id);
            } else {
                if (v.text.size() > kMaxVarying)
                    throw EDatabaseError("El valor del parámetro " + std::to_string(i + 1) + " es demasiado largo.");
                auto len = static_cast<unsigned short>(v.text.size());
                std::memcpy(p, &len, 2);
                std::memcpy(p + 2, v.text.data(), len);
            }
            break;
        case K::Date: {
            DecodeDate(v.moment, y, m, d);
            ISC_DATE date = Util()->encodeDate(y, m, d);
            std::memcpy(p, &date, sizeof date);
            break;
        }
        case K::Time: {
            DecodeTime(v.moment, hh, mm, ss, ms);
            ISC_TIME t = Util()->encodeTime(hh, mm, ss, ms * 10);
            std::memcpy(p, &t, sizeof t);
            break;
        }
        case K::Timestamp: {
            DecodeDateTime(v.moment, y, m, d, hh, mm, ss, ms);
            ISC_TIMESTAMP ts{Util()->encodeDate(y, m, d), Util()->encodeTime(hh, mm, ss, ms * 10)};
            std::memcpy(p, &ts, sizeof ts);
            break;
        }
        }
    }
    db_.Check(st);
    meta->addRef(); // the caller's reference; the statement keeps its own
    return meta;
}

std::int64_t FbStatement::Execute() {
    if (!statement_)
        throw EDatabaseError("La sentencia SQL no está preparada.");
    if (kind_ == StatementKind::Select) {
        // A query run for its effects: read it to the end so a selectable
        // procedure does all its work, then commit.
        Open();
        while (Fetch()) {
        }
        Close();
        return 0;
    }
    if (cursor_ || transaction_)
        Finish(false);
    Status st;
    transaction_ = StartTransaction(db_);
    ownTransaction_ = true;
    std::int64_t affected = 0;
    try {
        std::vector<unsigned char> in;
        Ref<Firebird::IMessageMetadata> inMeta(BuildInput(in, transaction_));
        bool rows = !columns_.empty();
        statement_->execute(&st, transaction_, inMeta.get(), in.empty() ? nullptr : in.data(),
                            rows ? outMeta_ : nullptr, rows ? row_.data() : nullptr);
        db_.Check(st);
        affected = static_cast<std::int64_t>(statement_->getAffectedRecords(&st));
        db_.Check(st);
        if (type_ == isc_info_sql_stmt_ddl)
            db_.SchemaChanged();
        hasRow_ = rows;
        blobs_.assign(columns_.size(), std::nullopt);
        // The transaction ends here: read the blobs of the output row now.
        for (int i = 0; rows && i < ColumnCount(); ++i)
            if (columns_[i].sqlType == SQL_BLOB && !IsNull(i))
                blobs_[i] = AsBlob(i);
    } catch (...) {
        Finish(false);
        throw;
    }
    Finish(true);
    return affected;
}

std::int64_t FbStatement::ExecuteIn(Firebird::ITransaction* transaction) {
    if (!statement_)
        throw EDatabaseError("La sentencia SQL no está preparada.");
    Status st;
    std::vector<unsigned char> in;
    Ref<Firebird::IMessageMetadata> inMeta(BuildInput(in, transaction));
    statement_->execute(&st, transaction, inMeta.get(), in.empty() ? nullptr : in.data(), nullptr, nullptr);
    db_.Check(st);
    if (type_ == isc_info_sql_stmt_ddl)
        db_.SchemaChanged();
    auto affected = static_cast<std::int64_t>(statement_->getAffectedRecords(&st));
    db_.Check(st);
    return affected;
}

bool FbStatement::OnlyReads() {
    if (!onlyReads_) {
        bool blobParam = false;
        for (const FbColumn& p : paramInfo_)
            blobParam = blobParam || p.sqlType == SQL_BLOB;
        onlyReads_ = type_ == isc_info_sql_stmt_select && !blobParam && StatementOnlyReads(db_, sql_);
    }
    return *onlyReads_;
}

void FbStatement::Open() {
    if (!statement_)
        throw EDatabaseError("La sentencia SQL no está preparada.");
    if (OnlyReads()) {
        OpenReadOnly();
        return;
    }
    if (cursor_ || transaction_)
        Finish(false);
    transaction_ = StartTransaction(db_);
    ownTransaction_ = true;
    try {
        Status st;
        std::vector<unsigned char> in;
        Ref<Firebird::IMessageMetadata> inMeta(BuildInput(in, transaction_));
        cursor_ = statement_->openCursor(&st, transaction_, inMeta.get(), in.empty() ? nullptr : in.data(), outMeta_, 0);
        db_.Check(st);
    } catch (...) {
        Finish(false);
        throw;
    }
    hasRow_ = false;
}

void FbStatement::OpenReadOnly() {
    if (cursor_ || transaction_)
        Finish(false);
    Firebird::ITransaction* tra = db_.MetadataTransaction();
    Status st;
    std::vector<unsigned char> in;
    Ref<Firebird::IMessageMetadata> inMeta(BuildInput(in, tra));
    transaction_ = tra;
    ownTransaction_ = false;
    cursor_ = statement_->openCursor(&st, transaction_, inMeta.get(), in.empty() ? nullptr : in.data(), outMeta_, 0);
    if (st.Failed())
        transaction_ = nullptr;
    db_.Check(st);
    hasRow_ = false;
}

bool FbStatement::Fetch() {
    if (!cursor_)
        return false;
    Status& st = status_;
    st.Clear();
    int r = cursor_->fetchNext(&st, row_.data());
    if (st.Failed()) {
        hasRow_ = false;
        try {
            db_.Check(st);
        } catch (...) {
            Finish(false); // a procedure that failed half way keeps nothing
            throw;
        }
    }
    hasRow_ = r == Firebird::IStatus::RESULT_OK;
    if (blobsRead_) {
        blobs_.assign(columns_.size(), std::nullopt);
        blobsRead_ = false;
    }
    return hasRow_;
}

void FbStatement::Close() {
    Finish(true);
}

void FbStatement::Finish(bool commit) {
    if (Stale()) {
        // The connection is gone: free our side without asking the server.
        if (cursor_)
            cursor_->release();
        if (transaction_ && ownTransaction_)
            transaction_->release();
        cursor_ = nullptr;
        transaction_ = nullptr;
        hasRow_ = false;
        return;
    }
    Status st;
    if (cursor_) {
        cursor_->close(&st);
        if (st.Failed()) {
            cursor_->release();
            st.Clear();
            commit = false;
        }
        cursor_ = nullptr;
    }
    if (transaction_ && ownTransaction_) {
        Firebird::ITransaction* tra = transaction_;
        transaction_ = nullptr;
        if (commit) {
            tra->commit(&st);
            if (st.Failed()) {
                Status rb;
                tra->rollback(&rb);
                if (rb.Failed())
                    tra->release();
                db_.Check(st);
            }
        } else {
            tra->rollback(&st);
            if (st.Failed())
                tra->release();
        }
    }
    transaction_ = nullptr;
}

// ---------------------------------------------------------------- columns

void FbStatement::ColumnError(int i) const {
    if (i < 0 || i >= ColumnCount())
        throw EDatabaseError("Columna fuera de rango: " + std::to_string(i));
    throw EDatabaseError("No hay una fila actual.");
}

std::int64_t FbStatement::Unscaled(int i) const {
    CheckColumn(i);
    if (IsNull(i))
        return 0;
    const unsigned char* p = Data(i);
    switch (columns_[i].sqlType) {
    case SQL_SHORT: { std::int16_t v; std::memcpy(&v, p, 2); return v; }
    case SQL_LONG: { std::int32_t v; std::memcpy(&v, p, 4); return v; }
    case SQL_INT64: { std::int64_t v; std::memcpy(&v, p, 8); return v; }
    case SQL_BOOLEAN: return *p != 0;
    case SQL_FLOAT:
    case SQL_DOUBLE: return static_cast<std::int64_t>(AsDouble(i));
    default:
        throw EDatabaseError("La columna " + columns_[i].name + " no es numérica.");
    }
}

std::int64_t FbStatement::AsInt64(int i) const {
    std::int64_t v = Unscaled(i);
    int scale = columns_[i].scale;
    return scale < 0 && columns_[i].sqlType != SQL_DOUBLE && columns_[i].sqlType != SQL_FLOAT ? v / Pow10(-scale) : v;
}

TBcd FbStatement::AsBcd(int i) const {
    CheckColumn(i);
    if (columns_[i].sqlType == SQL_FLOAT || columns_[i].sqlType == SQL_DOUBLE)
        return DoubleToBcd(AsDouble(i));
    return TBcd(Unscaled(i), -columns_[i].scale);
}

static double AsDoubleOf(const unsigned char* p, unsigned type) {
    if (type == SQL_FLOAT) { float f; std::memcpy(&f, p, 4); return f; }
    double d;
    std::memcpy(&d, p, 8);
    return d;
}

double FbStatement::AsDouble(int i) const {
    CheckColumn(i);
    if (IsNull(i))
        return 0;
    unsigned t = columns_[i].sqlType;
    if (t == SQL_FLOAT || t == SQL_DOUBLE)
        return AsDoubleOf(Data(i), t);
    return static_cast<double>(Unscaled(i)) / static_cast<double>(Pow10(-columns_[i].scale));
}

std::string_view FbStatement::TextView(int i) const {
    CheckColumn(i);
    if (IsNull(i))
        return {};
    const FbColumn& c = columns_[i];
    const char* p = reinterpret_cast<const char*>(Data(i));
    if (c.sqlType == SQL_VARYING) {
        unsigned short len;
        std::memcpy(&len, p, 2);
        return {p + 2, len};
    }
    if (c.sqlType != SQL_TEXT)
        throw EDatabaseError("La columna " + c.name + " no es de texto.");
    std::size_t n = c.length;
    while (n > 0 && p[n - 1] == ' ')
        --n;
    return {p, n};
}

std::string FbStatement::AsString(int i, bool trimChar) const {
    CheckColumn(i);
    if (IsNull(i))
        return {};
    const FbColumn& c = columns_[i];
    const unsigned char* p = Data(i);
    switch (c.sqlType) {
    case SQL_TEXT: {
        std::string s(reinterpret_cast<const char*>(p), c.length);
        // The message pads to the byte length; the column holds charLength characters.
        size_t end = s.find_last_not_of(' ');
        s.resize(end == std::string::npos ? 0 : end + 1);
        if (!trimChar && c.charSet != kCharSetOctets) {
            size_t n = Utf8Length(s);
            if (n < c.charLength)
                s.append(c.charLength - n, ' ');
        }
        return s;
    }
    case SQL_VARYING: {
        unsigned short len;
        std::memcpy(&len, p, 2);
        return std::string(reinterpret_cast<const char*>(p + 2), len);
    }
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64: return UnscaledToText(Unscaled(i), c.scale);
    case SQL_FLOAT:
    case SQL_DOUBLE: {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.15g", AsDouble(i));
        return buf;
    }
    case SQL_BOOLEAN: return *p ? "True" : "False";
    case SQL_BLOB: return AsBlob(i);
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
    case SQL_TIMESTAMP: {
        int y, m, d, hh, mm, ss, ms;
        DecodeDateTime(AsDateTime(i), y, m, d, hh, mm, ss, ms);
        char buf[64];
        if (c.sqlType == SQL_TYPE_DATE)
            std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", y, m, d);
        else if (c.sqlType == SQL_TYPE_TIME)
            std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", hh, mm, ss);
        else
            std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d", y, m, d, hh, mm, ss);
        return buf;
    }
    default: return {};
    }
}

TDateTime FbStatement::AsDateTime(int i) const {
    CheckColumn(i);
    if (IsNull(i))
        return TDateTime(0);
    const unsigned char* p = Data(i);
    unsigned y, m, d, hh, mm, ss, frac;
    switch (columns_[i].sqlType) {
    case SQL_TYPE_DATE: {
        ISC_DATE date;
        std::memcpy(&date, p, sizeof date);
        Util()->decodeDate(date, &y, &m, &d);
        return EncodeDate(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d));
    }
    case SQL_TYPE_TIME: {
        ISC_TIME t;
        std::memcpy(&t, p, sizeof t);
        Util()->decodeTime(t, &hh, &mm, &ss, &frac);
        return EncodeTime(static_cast<int>(hh), static_cast<int>(mm), static_cast<int>(ss), static_cast<int>(frac / 10));
    }
    case SQL_TIMESTAMP: {
        ISC_TIMESTAMP ts;
        std::memcpy(&ts, p, sizeof ts);
        Util()->decodeDate(ts.timestamp_date, &y, &m, &d);
        Util()->decodeTime(ts.timestamp_time, &hh, &mm, &ss, &frac);
        return ComposeDateTime(EncodeDate(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)),
                               EncodeTime(static_cast<int>(hh), static_cast<int>(mm), static_cast<int>(ss),
                                          static_cast<int>(frac / 10)));
    }
    default:
        throw EDatabaseError("La columna " + columns_[i].name + " no es una fecha.");
    }
}

std::string FbStatement::ReadBlob(const ISC_QUAD& id) const {
    if (!transaction_)
        throw EDatabaseError("El objeto grande ya no se puede leer: la sentencia terminó.");
    Status& st = status_;
    st.Clear();
    ISC_QUAD blobId = id;
    Firebird::IBlob* blob = db_.Attachment()->openBlob(&st, transaction_, &blobId, 0, nullptr);
    db_.Check(st);
    std::string data;
    char buf[32768];
    for (;;) {
        unsigned got = 0;
        int r = blob->getSegment(&st, sizeof buf, buf, &got);
        if (st.Failed()) {
            blob->release();
            db_.Check(st);
        }
        data.append(buf, got);
        if (r == Firebird::IStatus::RESULT_NO_DATA)
            break;
    }
    blob->close(&st);
    db_.Check(st);
    return data;
}

std::string FbStatement::AsBlob(int i) const {
    CheckColumn(i);
    if (IsNull(i))
        return {};
    if (columns_[i].sqlType != SQL_BLOB)
        return AsString(i);
    if (blobs_.size() != columns_.size())
        blobs_.assign(columns_.size(), std::nullopt);
    if (!blobs_[i]) {
        ISC_QUAD id;
        std::memcpy(&id, Data(i), sizeof id);
        blobs_[i] = ReadBlob(id);
        blobsRead_ = true;
    }
    return *blobs_[i];
}

bool FbStatement::AsBoolean(int i) const {
    CheckColumn(i);
    if (IsNull(i))
        return false;
    if (columns_[i].sqlType == SQL_BOOLEAN)
        return *Data(i) != 0;
    return Unscaled(i) != 0;
}

} // namespace tv::fb
