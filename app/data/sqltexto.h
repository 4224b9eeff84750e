#pragma once
// Literals for SQL composed as text: texts quoted with their inner quotes
// doubled, numbers with "." and dates as 'yyyy/mm/dd', whatever the process's
// format settings say.
#include <string>
#include <string_view>

#include "core/currency.h"
#include "core/datetime.h"

namespace tv::app {

std::string sql_texto(std::string_view texto);
std::string sql_numero(Currency valor);
std::string sql_fecha(TDateTime fecha);
// 24-hour 'hh:nn:ss', as the price lists store their hours.
std::string sql_hora(TDateTime hora);
// A number typed or stored as text, checked before it goes bare into SQL:
// EConvertError when it is no integer.
std::string sql_entero(std::string_view texto);

} // namespace tv::app
