#pragma once
// The bare side of the data benchmarks: the Firebird client's object interface
// used as well as it can be for reading. One attachment, one read-only
// read-committed transaction kept open, each statement prepared once with "?"
// parameters bound as text (the server converts them to the declared types),
// every column of every row copied out of the message and blobs read whole.
#include <firebird/Interface.h>
#include <ibase.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace bench {

// A status of the object interface that raises its errors and is freed at the end.
struct FbStatus {
    Firebird::IStatus* status = Firebird::fb_get_master_interface()->getStatus();
    Firebird::ThrowStatusWrapper st{status};
    ~FbStatus() { status->dispose(); }
};

// The text of a failure of the object interface.
inline std::string Describe(const Firebird::FbException& e) {
    char text[1024];
    Firebird::fb_get_master_interface()->getUtilInterface()->formatStatus(text, sizeof text, e.getStatus());
    return text;
}

class BareFirebird {
public:
    BareFirebird(const std::string& database, const std::string& user, const std::string& password) {
        using namespace Firebird;
        IMaster* master = Firebird::fb_get_master_interface();
        FbStatus status;
        ThrowStatusWrapper& st = status.st;
        IXpbBuilder* dpb = master->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&st, isc_dpb_user_name, user.c_str());
        if (!password.empty()) dpb->insertString(&st, isc_dpb_password, password.c_str());
        dpb->insertString(&st, isc_dpb_lc_ctype, "UTF8");
        att_ = master->getDispatcher()->attachDatabase(&st, database.c_str(), dpb->getBufferLength(&st),
                                                       dpb->getBuffer(&st));
        dpb->dispose();
        const unsigned char tpb[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed, isc_tpb_rec_version,
                                     isc_tpb_nowait};
        tra_ = att_->startTransaction(&st, sizeof tpb, tpb);
    }
    ~BareFirebird() {
        using namespace Firebird;
        FbStatus status;
        ThrowStatusWrapper& st = status.st;
        try {
            if (inMeta_) inMeta_->release();
            if (outMeta_) outMeta_->release();
            if (stmt_) stmt_->free(&st);
            tra_->commit(&st);
            att_->detach(&st);
        } catch (...) {
        }
    }
    BareFirebird(const BareFirebird&) = delete;
    BareFirebird& operator=(const BareFirebird&) = delete;

    // Prepares the statement once; its parameters are bound as UTF-8 texts.
    void Prepare(const std::string& sql) {
        using namespace Firebird;
        FbStatus status;
        ThrowStatusWrapper& st = status.st;
        stmt_ = att_->prepare(&st, tra_, static_cast<unsigned>(sql.size()), sql.c_str(), 3,
                              IStatement::PREPARE_PREFETCH_METADATA);
        outMeta_ = stmt_->getOutputMetadata(&st);
        const unsigned n = outMeta_->getCount(&st);
        cols_.resize(n);
        for (unsigned i = 0; i < n; ++i)
            cols_[i] = {outMeta_->getOffset(&st, i), outMeta_->getNullOffset(&st, i), outMeta_->getType(&st, i),
                        outMeta_->getLength(&st, i)};
        row_.assign(outMeta_->getMessageLength(&st), 0);
        IMessageMetadata* declared = stmt_->getInputMetadata(&st);
        const unsigned params = declared->getCount(&st);
        IMetadataBuilder* b = declared->getBuilder(&st);
        declared->release();
        for (unsigned i = 0; i < params; ++i) {
            b->setType(&st, i, SQL_VARYING | 1);
            b->setLength(&st, i, kParamBytes);
            b->setCharSet(&st, i, 4); // UTF8
            b->setScale(&st, i, 0);
            b->setSubType(&st, i, 0);
        }
        inMeta_ = b->getMetadata(&st);
        b->release();
        in_.assign(inMeta_->getMessageLength(&st), 0);
        inOffsets_.resize(params);
        for (unsigned i = 0; i < params; ++i)
            inOffsets_[i] = {inMeta_->getOffset(&st, i), inMeta_->getNullOffset(&st, i)};
    }

    // Runs the prepared statement with the texts as its parameters and reads
    // every row; returns the bytes read, so that nothing is optimised away.
    // Kept out of line, so that a profiler names it.
    [[gnu::noinline]] std::size_t Run(const std::vector<std::string>& params = {},
                    const std::function<void(const std::vector<std::string>&)>& onRow = {}) {
        using namespace Firebird;
        FbStatus status;
        ThrowStatusWrapper& st = status.st;
        for (std::size_t i = 0; i < inOffsets_.size(); ++i) {
            const std::string& v = i < params.size() ? params[i] : std::string();
            const auto len = static_cast<unsigned short>(std::min<std::size_t>(v.size(), kParamBytes));
            std::memcpy(&in_[inOffsets_[i].first], &len, 2);
            std::memcpy(&in_[inOffsets_[i].first + 2], v.data(), len);
            *reinterpret_cast<short*>(&in_[inOffsets_[i].second]) = 0;
        }
        IResultSet* rs = stmt_->openCursor(&st, tra_, inMeta_, in_.empty() ? nullptr : in_.data(), outMeta_, 0);
        std::size_t bytes = 0;
        values_.resize(cols_.size());
        while (rs->fetchNext(&st, row_.data()) == IStatus::RESULT_OK) {
            for (std::size_t i = 0; i < cols_.size(); ++i) {
                std::string& out = values_[i];
                const Col& c = cols_[i];
                if (*reinterpret_cast<short*>(&row_[c.nullOffset])) {
                    out.clear();
                    continue;
                }
                unsigned char* p = &row_[c.offset];
                if (c.type == SQL_VARYING) {
                    unsigned short len;
                    std::memcpy(&len, p, 2);
                    out.assign(reinterpret_cast<char*>(p + 2), len);
                } else if (c.type == SQL_BLOB) {
                    ISC_QUAD id;
                    std::memcpy(&id, p, sizeof id);
                    IBlob* blob = att_->openBlob(&st, tra_, &id, 0, nullptr);
                    out.clear();
                    char seg[32768];
                    unsigned got = 0;
                    for (;;) {
                        const int r = blob->getSegment(&st, sizeof seg, seg, &got);
                        if (r == IStatus::RESULT_NO_DATA) break;
                        out.append(seg, got);
                    }
                    blob->close(&st);
                } else {
                    out.assign(reinterpret_cast<char*>(p), c.length);
                }
                bytes += out.size();
            }
            if (onRow) onRow(values_);
        }
        rs->close(&st);
        return bytes;
    }

private:
    static constexpr unsigned kParamBytes = 400;
    struct Col {
        unsigned offset, nullOffset, type, length;
    };
    Firebird::IAttachment* att_ = nullptr;
    Firebird::ITransaction* tra_ = nullptr;
    Firebird::IStatement* stmt_ = nullptr;
    Firebird::IMessageMetadata* inMeta_ = nullptr;
    Firebird::IMessageMetadata* outMeta_ = nullptr;
    std::vector<Col> cols_;
    std::vector<std::pair<unsigned, unsigned>> inOffsets_;
    std::vector<unsigned char> row_, in_;
    std::vector<std::string> values_;
};

} // namespace bench
