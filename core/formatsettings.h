#pragma once
// The process-wide format settings that number and date formatting and parsing
// follow. They start from fixed Colombian defaults, not from the process locale,
// so the station behaves the same on every machine; the central data module then
// sets the short date format "yyyy/mm/dd" with "/" at start-up.
#include <array>
#include <string>

namespace tv {

struct TFormatSettings {
    // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    int CurrencyFormat = 0;
    // 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$", 6 "1-$", 7 "1$-",
    // 8 "-1 $", 9 "-$ 1", 10 "1 $-", 11 "$ 1-", 12 "$ -1", 13 "1- $", 14 "($ 1)", 15 "(1 $)"
    int NegCurrFormat = 1;
    char ThousandSeparator = '.';
    char DecimalSeparator = ',';
    int CurrencyDecimals = 2;
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string CurrencyString = "$";
    std::string ShortDateFormat = "dd/mm/yyyy";
    std::string LongDateFormat = "dddd, d' de 'mmmm' de 'yyyy";
    std::string TimeAMString = "a.m.";
    std::string TimePMString = "p.m.";
    std::string ShortTimeFormat = "hh:nn";
    std::string LongTimeFormat = "hh:nn:ss";
    std::array<std::string, 12> ShortMonthNames{"ene", "feb", "mar", "abr", "may", "jun",
                                                "jul", "ago", "sep", "oct", "nov", "dic"};
    std::array<std::string, 12> LongMonthNames{"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio",
                                               "agosto", "septiembre", "octubre", "noviembre", "diciembre"};
    // Index 0 is Sunday.
    std::array<std::string, 7> ShortDayNames{"dom", "lun", "mar", "mié", "jue", "vie", "sáb"};
    std::array<std::string, 7> LongDayNames{"domingo", "lunes", "martes", "miércoles", "jueves", "viernes", "sábado"};
    // Two-digit years fall within this many years before today's year and the rest after.
    int TwoDigitYearCenturyWindow = 50;

    // Settings for texts that machines read (SQL, files): "." decimals, no
    // thousands grouping, dates "yyyy/mm/dd", 24-hour times "hh:nn:ss".
    static TFormatSettings Invariant();
};

// The settings every formatting and parsing routine uses unless given others.
extern TFormatSettings FormatSettings;

// Puts the process-wide settings back to the defaults above (tests use it).
void ResetFormatSettings();

} // namespace tv
