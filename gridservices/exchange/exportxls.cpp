#include "gridservices/exchange/exportxls.h"

#include <algorithm>

#include "core/strutils.h"
#include "framework/data/field.h"
#include "gridservices/exchange/exchangeformat.h"

namespace tv {

namespace {

constexpr std::uint16_t kBof = 0x0809, kEof = 0x000A, kLabel = 0x0204, kNumber = 0x0203, kRk = 0x027E,
                        kBlank = 0x0201,
                        kCodePage = 0x0042;

// The 0x80-0x9F block of cp1252, by Unicode character.
constexpr char32_t kHighBlock[32] = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                     0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
                                     0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

} // namespace

std::string Utf8ToWindows1252(const std::string& text) {
    std::string out;
    for (char32_t c : Utf8ToUtf32(text)) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        const char32_t* hit = std::find(std::begin(kHighBlock), std::end(kHighBlock), c);
        out += hit != std::end(kHighBlock) && c != 0 ? static_cast<char>(0x80 + (hit - kHighBlock)) : '?';
    }
    return out;
}

void TDBGridEhExportAsXLS::ExportStream(TStream& stream, bool all) {
    row_ = col_ = 0;
    TDBGridEhExport::ExportStream(stream, all);
}

void TDBGridEhExportAsXLS::EmitPrefix() {
    std::string out;
    AppendLE16(out, kBof);
    AppendLE16(out, 8);
    AppendLE16(out, 0);
    AppendLE16(out, 0x0010);
    AppendLE16(out, 0);
    AppendLE16(out, 0);
    // Without it readers take the texts for ASCII and lose every accent.
    AppendLE16(out, kCodePage);
    AppendLE16(out, 2);
    AppendLE16(out, 1252);
    Put(out);
}

void TDBGridEhExportAsXLS::EmitSuffix() {
    std::string out;
    AppendLE16(out, kEof);
    AppendLE16(out, 0);
    Put(out);
}

void TDBGridEhExportAsXLS::CellHeader(std::string& out, std::uint16_t record, std::uint16_t length) const {
    // A row number past the 16-bit field would wrap and overwrite the first rows.
    if (row_ > 0xFFFF) throw Exception(LoadResString(SWorksheetTooManyRows));
    AppendLE16(out, record);
    AppendLE16(out, length);
    AppendLE16(out, static_cast<std::uint16_t>(row_));
    AppendLE16(out, static_cast<std::uint16_t>(col_));
    AppendLE16(out, 0);
}

void TDBGridEhExportAsXLS::WriteText(const std::string& text) {
    // The length word and the record length both have to hold it.
    std::string bytes = Utf8ToWindows1252(text).substr(0, 0xFFFF - 8);
    std::string out;
    CellHeader(out, kLabel, static_cast<std::uint16_t>(bytes.size() + 8));
    AppendLE16(out, static_cast<std::uint16_t>(bytes.size()));
    Put(out + bytes);
}

void TDBGridEhExportAsXLS::WriteNumber(double value) {
    std::string out;
    CellHeader(out, kNumber, 14);
    AppendLEDouble(out, value);
    Put(out);
}

void TDBGridEhExportAsXLS::WriteInteger(int value) {
    // The record holds 30 bits; larger integers go as numbers, not wrapped.
    if (value < -(1 << 29) || value >= (1 << 29)) return WriteNumber(value);
    std::string out;
    CellHeader(out, kRk, 10);
    AppendLE32(out, static_cast<std::uint32_t>(value) * 4u + 2u);
    Put(out);
}

void TDBGridEhExportAsXLS::WriteBlank() {
    std::string out;
    CellHeader(out, kBlank, 6);
    Put(out);
}

void TDBGridEhExportAsXLS::IncColRow(TColumnEh* column) {
    if (ExpCols()->Count() > 0 && column == ExpCols()->Items(ExpCols()->Count() - 1)) {
        ++row_;
        col_ = 0;
    } else {
        ++col_;
    }
}

void TDBGridEhExportAsXLS::EmitTitle(TColumnsEhList& columns) {
    for (TColumnEh* c : columns) {
        WriteText(c->Title()->Caption());
        IncColRow(c);
    }
}

void TDBGridEhExportAsXLS::EmitDataCell(TColumnEh* column, TColCellParamsEh* params) {
    TField* field = column->Field();
    if (!field)
        WriteBlank();
    else if (column->GetColumnType() == ctKeyPickList)
        WriteText(params->Text);
    else if (field->IsNull())
        WriteBlank();
    else
        switch (field->DataType()) {
        case ftSmallint: case ftInteger: case ftWord: case ftAutoInc: WriteInteger(field->AsInteger()); break;
        case ftFloat: case ftCurrency: case ftBCD: case ftFMTBcd: WriteNumber(field->AsFloat()); break;
        default: WriteText(params->Text); break;
        }
    IncColRow(column);
}

void TDBGridEhExportAsXLS::EmitFooterCell(int dataCol, int footerRow, const std::string& text, TAlignment,
                                          TColor, TFont*, TColumnEh* column) {
    TFooterValueType type = column->FooterForRow(footerRow)->ValueType();
    if (type == fvtSum || type == fvtCount)
        WriteNumber(static_cast<double>(FooterValue(footerRow, dataCol)) / 10000.0);
    else
        WriteText(text);
    IncColRow(column);
}

} // namespace tv
