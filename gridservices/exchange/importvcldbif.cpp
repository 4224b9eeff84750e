#include "gridservices/exchange/importvcldbif.h"

#include <cstring>

#include "gridservices/exchange/exchangeformat.h"

namespace tv {

void TDBGridEhImportAsVCLDBIF::Invalid() const {
    throw Exception("TDBGridEhImportAsVCLDBIF.ReadPrefix: " + LoadResString(SInvalidVCLDBIFFormatEh));
}

void TDBGridEhImportAsVCLDBIF::ReadExact(void* buffer, std::int64_t count) {
    if (count > 0 && Stream()->Read(buffer, count) != count) Invalid();
}

void TDBGridEhImportAsVCLDBIF::ImportStream(TStream& stream, bool all) {
    names_.clear();
    namesPresent_ = false;
    value_ = Unassigned();
    TDBGridEhImport::ImportStream(stream, all);
}

void TDBGridEhImportAsVCLDBIF::ReadPrefix() {
    unsigned char header[kExchangeHeaderSize];
    ReadExact(header, sizeof header);
    if (std::memcmp(header, kExchangeSignature, 7) != 0) Invalid();
    columnCount_ = static_cast<int>(LoadLE32(header + 8));
    if (columnCount_ < 0) Invalid();
    for (int i = 0; i < columnCount_; ++i) {
        unsigned char visible = 0;
        ReadExact(&visible, 1);
        std::string name;
        for (char c = 0;;) {
            ReadExact(&c, 1);
            if (c == 0) break;
            name += c;
        }
        if (!name.empty()) namesPresent_ = true;
        names_.emplace_back(std::move(name), visible != 0);
    }
    ReadValue();
}

void TDBGridEhImportAsVCLDBIF::ReadValue() {
    if (Eos()) return;
    unsigned char tag = 0;
    ReadExact(&tag, 1);
    value_ = Unassigned();
    switch (tag) {
    case xtEnd: SetEos(); break;
    case xtNull: value_ = Null(); break;
    case xtInteger: {
        unsigned char b[4];
        ReadExact(b, 4);
        value_ = static_cast<int>(LoadLE32(b));
        break;
    }
    case xtFloat: {
        unsigned char b[8];
        ReadExact(b, 8);
        value_ = LoadLEDouble(b);
        break;
    }
    case xtString:
    case xtBinary: {
        unsigned char b[4];
        ReadExact(b, 4);
        std::int32_t length = static_cast<std::int32_t>(LoadLE32(b));
        // A length beyond what the stream holds is a broken block, not a huge allocation.
        if (length < 0 || length > Stream()->Size() - Stream()->Position()) Invalid();
        std::string bytes(static_cast<std::size_t>(length), '\0');
        ReadExact(bytes.data(), length);
        value_ = std::move(bytes);
        break;
    }
    default: break;
    }
}

void TDBGridEhImportAsVCLDBIF::ReadRow(TColumnsEhList& columns) {
    // Rows of no columns would never move the stream on: the values are skipped.
    if (columnCount_ == 0) {
        while (!Eos()) ReadValue();
        return;
    }
    for (int i = 0; i < columnCount_ && !Eos(); ++i) {
        if (i < columns.Count())
            ReadCell(columns.Items(i));
        else
            ReadValue();
    }
}

void TDBGridEhImportAsVCLDBIF::ReadCell(TColumnEh* column) {
    if (!value_.IsEmpty() && column) WriteValue(column, value_, false);
    ReadValue();
}

} // namespace tv
