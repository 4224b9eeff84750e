#include "editors/editformat.h"

#include <cmath>
#include <cstdlib>

#include "core/datetime.h"
#include "core/exceptions.h"
#include "core/formatsettings.h"
#include "core/strutils.h"

namespace tv {

namespace {

char32_t Upper(char32_t c) { return c >= U'a' && c <= U'z' ? c - 32 : c; }

int ElementOf(char32_t c) {
    switch (Upper(c)) {
    case U'Y': return dteYearEh;
    case U'M': return dteMonthEh;
    case U'D': return dteDayEh;
    case U'H': return dteHourEh;
    case U'N': return dteMinuteEh;
    case U'S': return dteSecondEh;
    default: return -1;
    }
}

// The edit mask's own control characters, and its escape and blank.
bool IsMaskControl(char32_t c) {
    for (char32_t m : std::u32string_view(U"!#09;<>ACLacl\\_"))
        if (c == m) return true;
    return false;
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

} // namespace

TEditFormatEh ParseEditFormat(const std::string& editFormat) {
    TEditFormatEh result;
    std::u32string format = Utf8ToUtf32(editFormat);
    std::u32string mask;
    char32_t run = 0;
    int runLen = 0;
    int o = 1;
    bool escaped = false;
    auto closeRun = [&] {
        if (!run) return;
        int element = ElementOf(run);
        std::string letter = Utf8Encode(run);
        if (!(runLen == 2 || (run == U'Y' && runLen == 4)))
            throw Exception("Invalid datetime format element length: " + Quoted(letter));
        TElementPlaceEh& place = result.elements[size_t(element)];
        if (place.present) throw Exception("Duplicating datetime format element: " + Quoted(letter));
        place = TElementPlaceEh{o - runLen, runLen, true};
        mask.append(size_t(runLen), U'9');
        run = 0;
        runLen = 0;
    };
    for (size_t i = 0; i < format.size(); ++i) {
        char32_t c = format[i];
        if (!escaped && ElementOf(c) >= 0) {
            char32_t letter = Upper(c);
            if (letter == run) {
                ++runLen;
            } else {
                closeRun();
                run = letter;
                runLen = 1;
            }
            if (runLen > (letter == U'Y' ? 4 : 2))
                throw Exception("Element in EditFormat: " + Quoted(editFormat) + " is too long. Pos: " +
                                std::to_string(i + 1));
            ++o;
            continue;
        }
        closeRun();
        if (!escaped && c == U'\\') {
            escaped = true;
            continue;
        }
        if (IsMaskControl(c)) mask += U'\\';
        mask += c;
        escaped = false;
        ++o;
    }
    closeRun();
    result.mask = "!" + Utf32ToUtf8(mask) + ";1; ";

    std::string display;
    bool quoted = false;
    escaped = false;
    for (char32_t c : format) {
        if (!escaped && c == U'\\') {
            escaped = true;
            continue;
        }
        if (!escaped && (ElementOf(c) >= 0 || c == U'/' || c == U':')) {
            if (quoted) display += '\'';
            quoted = false;
            Utf8Append(display, Upper(c));
        } else {
            if (!quoted) display += '\'';
            quoted = true;
            if (c == U'\'') display += "''";
            else Utf8Append(display, c);
        }
        escaped = false;
    }
    if (quoted) display += '\'';
    result.displayFormat = display;
    return result;
}

std::u32string EditFormatPattern(const std::string& editFormat) {
    std::u32string pattern;
    bool escaped = false;
    for (char32_t c : Utf8ToUtf32(editFormat)) {
        if (!escaped && c == U'\\') {
            escaped = true;
            continue;
        }
        pattern += !escaped && (ElementOf(c) >= 0 || c == U'/' || c == U':') ? Upper(c) : U' ';
        escaped = false;
    }
    return pattern;
}

std::string DefaultDateEditFormat(bool fourDigitYear) {
    char order = 'D';
    for (char c : FormatSettings.ShortDateFormat) {
        char u = char(Upper(char32_t(static_cast<unsigned char>(c))));
        if (u == 'D' || u == 'M' || u == 'Y') {
            order = u;
            break;
        }
    }
    std::string year = fourDigitYear ? "YYYY" : "YY";
    if (order == 'M') return "MM/DD/" + year;
    if (order == 'Y') return year + "/MM/DD";
    return "DD/MM/" + year;
}

bool LocaleFourDigitYear() {
    std::string f = UpperCase(FormatSettings.ShortDateFormat);
    return f.find("YYYY") != std::string::npos || f.find("YYY") != std::string::npos;
}

int WidenYear(int year) {
    if (year < 0 || year > 99) return year;
    int from = YearOf(Date()) - 60;
    int result = year + from / 100 * 100;
    if (result < from) result += 100;
    return result;
}

TElementValuesEh ReadElements(const std::u32string& text, const TElementTableEh& elements) {
    TElementValuesEh values;
    values.fill(-1);
    for (size_t e = 0; e < elements.size(); ++e) {
        const TElementPlaceEh& place = elements[e];
        if (!place.present || place.pos < 1 || size_t(place.pos - 1) >= text.size()) continue;
        std::u32string piece = text.substr(size_t(place.pos - 1), size_t(place.len));
        std::string digits;
        bool bad = false;
        for (char32_t c : piece) {
            if (c == U' ') continue;
            if (c < U'0' || c > U'9') {
                bad = true;
                break;
            }
            digits += char(c);
        }
        if (bad || digits.empty()) continue;
        int n = std::atoi(digits.c_str());
        values[e] = e == dteYearEh ? WidenYear(n) : n;
    }
    return values;
}

TElementValuesEh SplitDateTime(const Variant& value) {
    TElementValuesEh parts;
    parts.fill(-1);
    if (value.IsNull() || value.IsEmpty()) return parts;
    int ms = 0;
    DecodeDateTime(value.AsDateTime(), parts[0], parts[1], parts[2], parts[3], parts[4], parts[5], ms);
    return parts;
}

bool CombineElements(const TElementValuesEh& values, const TElementTableEh& elements, const Variant& previous,
                     bool complete, Variant& result) {
    bool any = false;
    for (int v : values) any = any || v != -1;
    if (!any) {
        result = Null();
        return true;
    }
    int y = values[0], mo = values[1], d = values[2], h = values[3], mi = values[4], s = values[5];
    if (complete) {
        int ty = 0, tm = 0, td = 0;
        DecodeDate(Date(), ty, tm, td);
        if (y < 1) y = ty;
        if (mo < 1) mo = tm;
        if (d < 1) d = td;
        mo = std::min(mo, 12);
        y = WidenYear(std::min(y, 9999));
        d = std::min(d, DaysInAMonth(y, mo));
        h = std::clamp(h, 0, 23);
        mi = std::clamp(mi, 0, 59);
        s = std::clamp(s, 0, 59);
    } else {
        auto fill = [&](int element, int& v, int floor, int with) {
            if (!elements[size_t(element)].present && v < floor) v = with;
        };
        fill(dteYearEh, y, 1, 1);
        fill(dteMonthEh, mo, 1, 1);
        fill(dteDayEh, d, 1, 1);
        fill(dteHourEh, h, 0, 0);
        fill(dteMinuteEh, mi, 0, 0);
        fill(dteSecondEh, s, 0, 0);
    }
    bool noDate = y < 0 && mo < 0 && d < 0;
    bool dateOk = noDate || (y >= 1 && y <= 9999 && mo >= 1 && mo <= 12 && d >= 1 && d <= DaysInAMonth(y, mo));
    bool timeOk = h >= 0 && h <= 23 && mi >= 0 && mi <= 59 && s >= 0 && s <= 59;
    if (!dateOk || !timeOk) {
        result = Null();
        return false;
    }
    int py = 1900, pmo = 1, pd = 1, ph = 0, pmi = 0, ps = 0, pms = 0;
    if (!previous.IsNull() && !previous.IsEmpty())
        DecodeDateTime(previous.AsDateTime(), py, pmo, pd, ph, pmi, ps, pms);
    auto take = [&](int element, int v, int& part, bool isDate) {
        if (elements[size_t(element)].present && (isDate ? v > 0 : v >= 0)) part = v;
    };
    take(dteYearEh, y, py, true);
    take(dteMonthEh, mo, pmo, true);
    take(dteDayEh, d, pd, true);
    take(dteHourEh, h, ph, false);
    take(dteMinuteEh, mi, pmi, false);
    take(dteSecondEh, s, ps, false);
    // A new month keeps the day of the old value only as far as the month goes.
    pd = std::min(pd, DaysInAMonth(py, pmo));
    result = Variant(EncodeDateTime(py, pmo, pd, ph, pmi, ps, pms));
    return true;
}

} // namespace tv
