#include "app/data/sqltexto.h"

#include "core/formatsettings.h"
#include "core/strutils.h"
#include "core/sysformat.h"

namespace tv::app {

std::string sql_texto(std::string_view texto) { return QuotedStr(texto); }

std::string sql_numero(Currency valor) { return CurrToStr(valor, TFormatSettings::Invariant()); }

std::string sql_fecha(TDateTime fecha) {
    return QuotedStr(FormatDateTime("yyyy/mm/dd", fecha, TFormatSettings::Invariant()));
}

std::string sql_hora(TDateTime hora) {
    return QuotedStr(FormatDateTime("hh:nn:ss", hora, TFormatSettings::Invariant()));
}

std::string sql_entero(std::string_view texto) { return IntToStr(StrToInt64(Trim(texto))); }

} // namespace tv::app
