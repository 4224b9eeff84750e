#pragma once
// The small format language of the date-time editor. D, M, Y, H, N and S (either
// case) are the day, month, year, hour, minute and second; a run of one letter
// is one element; "\" makes the next character plain text; "/" and ":" are the
// locale's separators; anything else is literal text. A format gives the edit
// mask, the display format and where each element sits in the edit text.
#include <array>
#include <string>

#include "core/variant.h"

namespace tv {

enum TDateTimeElementEh { dteYearEh, dteMonthEh, dteDayEh, dteHourEh, dteMinuteEh, dteSecondEh };

struct TElementPlaceEh {
    int pos = -1; // 1-based, in characters of the edit text
    int len = -1;
    bool present = false;
};

using TElementTableEh = std::array<TElementPlaceEh, 6>;
// One number per element (year, month, day, hour, minute, second); -1: none.
using TElementValuesEh = std::array<int, 6>;

struct TEditFormatEh {
    std::string mask;
    std::string displayFormat;
    TElementTableEh elements;
};

// Raises Exception for an element too long, of a wrong length or given twice.
TEditFormatEh ParseEditFormat(const std::string& editFormat);
// The format with each element letter and each separator in its place (upper
// case) and blanks for everything else.
std::u32string EditFormatPattern(const std::string& editFormat);
// The date part of the default formats, in the locale's order of day, month
// and year.
std::string DefaultDateEditFormat(bool fourDigitYear);
inline const char* DefaultTimeEditFormat() { return "HH:NN:SS"; }
// Whether the locale's short date format shows four year digits.
bool LocaleFourDigitYear();

// The numbers a text shows at the elements' places; a two-digit year is
// taken within 60 years before and 39 after this year.
TElementValuesEh ReadElements(const std::u32string& text, const TElementTableEh& elements);
int WidenYear(int year);
// Puts the numbers into the previous value (Null starts from 1900-01-01): only
// the elements the table has change. With `complete`, missing or too large
// numbers are taken from today or cut to their range; without, a number
// outside its range fails. All numbers -1 give Null.
bool CombineElements(const TElementValuesEh& values, const TElementTableEh& elements, const Variant& previous,
                     bool complete, Variant& result);
// The parts of a value (all -1 for Null).
TElementValuesEh SplitDateTime(const Variant& value);

} // namespace tv
