#include "core/formatsettings.h"

namespace tv {

TFormatSettings FormatSettings;

TFormatSettings TFormatSettings::Invariant() {
    TFormatSettings fs;
    fs.DecimalSeparator = '.';
    fs.ThousandSeparator = ',';
    fs.DateSeparator = '/';
    fs.TimeSeparator = ':';
    fs.ShortDateFormat = "yyyy/mm/dd";
    fs.ShortTimeFormat = "hh:nn";
    fs.LongTimeFormat = "hh:nn:ss";
    return fs;
}

void ResetFormatSettings() { FormatSettings = TFormatSettings(); }

} // namespace tv
