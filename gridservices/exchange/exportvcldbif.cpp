#include "gridservices/exchange/exportvcldbif.h"

#include "framework/data/field.h"
#include "gridservices/exchange/exchangeformat.h"

namespace tv {

void TDBGridEhExportAsVCLDBIF::EmitPrefix() {
    std::string out(kExchangeSignature, 7);
    out += static_cast<char>(kExchangeVersion);
    int n = ExpCols()->Count();
    AppendLE32(out, static_cast<std::uint32_t>(n));
    for (TColumnEh* c : *ExpCols()) {
        out += static_cast<char>(c->Visible() ? 1 : 0);
        out += '\0';
    }
    Put(out);
}

void TDBGridEhExportAsVCLDBIF::EmitSuffix() { Put(std::string(1, static_cast<char>(xtEnd))); }

void TDBGridEhExportAsVCLDBIF::EmitDataCell(TColumnEh* column, TColCellParamsEh*) {
    TField* field = KeyFieldOf(column->Field());
    std::string out;
    auto bytes = [&out](TExchangeTag tag, const std::string& s) {
        out += static_cast<char>(tag);
        AppendLE32(out, static_cast<std::uint32_t>(s.size()));
        out += s;
    };
    if (!field) {
        out += static_cast<char>(xtUnassigned);
    } else if (field->IsNull()) {
        out += static_cast<char>(xtNull);
    } else {
        switch (field->DataType()) {
        case ftString: case ftBoolean: case ftMemo: case ftFixedChar: case ftLargeint: case ftOraClob: case ftGuid:
            bytes(xtString, field->AsString());
            break;
        case ftSmallint: case ftInteger: case ftWord: case ftAutoInc:
            out += static_cast<char>(xtInteger);
            AppendLE32(out, static_cast<std::uint32_t>(field->AsInteger()));
            break;
        case ftFloat: case ftCurrency: case ftBCD: case ftDate: case ftTime: case ftDateTime: case ftTimeStamp:
        case ftFMTBcd:
            out += static_cast<char>(xtFloat);
            AppendLEDouble(out, field->AsFloat());
            break;
        case ftBytes: case ftVarBytes: case ftBlob: case ftGraphic: case ftFmtMemo: case ftParadoxOle:
        case ftDBaseOle: case ftTypedBinary: case ftWideString: case ftOraBlob:
            bytes(xtBinary, field->AsString());
            break;
        default: out += static_cast<char>(xtUnassigned); break;
        }
    }
    Put(out);
}

} // namespace tv
