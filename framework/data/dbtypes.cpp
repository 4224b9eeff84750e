#include "framework/data/dbtypes.h"

namespace tv {

const char* FieldTypeName(TFieldType type) {
    static const char* const names[] = {
        "Unknown", "String", "SmallInt", "Integer", "Word", "Boolean", "Float", "Currency", "BCD",
        "Date", "Time", "DateTime", "Bytes", "VarBytes", "AutoInc", "Blob", "Memo", "Graphic",
        "FmtMemo", "ParadoxOle", "DBaseOle", "TypedBinary", "Cursor", "FixedChar", "WideString",
        "LargeInt", "ADT", "Array", "Reference", "DataSet", "OraBlob", "OraClob", "Variant",
        "Interface", "IDispatch", "Guid", "TimeStamp", "FMTBcd"};
    const auto i = static_cast<unsigned>(type);
    return i < sizeof(names) / sizeof(names[0]) ? names[i] : "Unknown";
}

bool IsStringType(TFieldType t) {
    return t == ftString || t == ftFixedChar || t == ftWideString || t == ftMemo || t == ftFmtMemo || t == ftGuid ||
           t == ftOraClob;
}

bool IsIntegerType(TFieldType t) {
    return t == ftSmallint || t == ftInteger || t == ftWord || t == ftAutoInc || t == ftLargeint;
}

bool IsNumericType(TFieldType t) {
    return IsIntegerType(t) || t == ftFloat || t == ftCurrency || t == ftBCD || t == ftFMTBcd;
}

bool IsDateTimeType(TFieldType t) { return t == ftDate || t == ftTime || t == ftDateTime || t == ftTimeStamp; }

bool IsBlobType(TFieldType t) {
    return t == ftBlob || t == ftMemo || t == ftGraphic || t == ftFmtMemo || t == ftParadoxOle || t == ftDBaseOle ||
           t == ftTypedBinary || t == ftOraBlob || t == ftOraClob;
}

} // namespace tv
