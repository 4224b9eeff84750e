#include "core/datetime.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "core/exceptions.h"
#include "core/sysconsts.h"
#include "core/strutils.h"
#include "core/sysformat.h"

namespace tv {

namespace {

// 1899-12-30 counted from 1970-01-01.
constexpr long kUnixEpochDelta = 25569;
constexpr std::int64_t kMSecsPerDay = 86400000;

// Days from 1970-01-01 of a proleptic Gregorian date, and back.
long DaysFromCivil(long y, long m, long d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long z, int& y, int& m, int& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

// A moment split into whole days (the date) and milliseconds of the day,
// rounded to the millisecond with the carry into the next day.
struct Split {
    long days;
    std::int64_t msecs;
};

// Moments from 0001-01-01 to 9999-12-31; anything else is no date.
constexpr double kMinDateTime = -693593.0, kMaxDateTime = 2958466.0;

Split SplitDateTime(double dt) {
    if (!(dt > kMinDateTime - 1 && dt < kMaxDateTime)) throw EConvertError(LoadResString(SInvalidDateTimeValue));
    double whole = std::trunc(dt);
    const double frac = std::fabs(dt - whole);
    std::int64_t ms = std::llround(frac * static_cast<double>(kMSecsPerDay));
    if (ms >= kMSecsPerDay) {
        ms -= kMSecsPerDay;
        whole += 1;
    }
    return {static_cast<long>(whole), ms};
}

DateTimeClock& ClockSlot() {
    static DateTimeClock clock;
    return clock;
}

TDateTime SystemNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm tm{};
    localtime_r(&t, &tm);
    return EncodeDateTime(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
                          static_cast<int>(ms));
}

// --- formatting -----------------------------------------------------------------

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

bool StartsNoCase(std::string_view s, std::size_t i, std::string_view what) {
    if (i + what.size() > s.size()) return false;
    for (std::size_t k = 0; k < what.size(); ++k)
        if (Upper(s[i + k]) != Upper(what[k])) return false;
    return true;
}

bool UsesTwelveHourClock(std::string_view f) {
    for (std::size_t i = 0; i < f.size(); ++i) {
        const char c = f[i];
        if (c == '"' || c == '\'') {
            const std::size_t end = f.find(c, i + 1);
            if (end == std::string_view::npos) return false;
            i = end;
        } else if (Upper(c) == 'A' && (StartsNoCase(f, i, "AM/PM") || StartsNoCase(f, i, "A/P") ||
                                       StartsNoCase(f, i, "AMPM"))) {
            return true;
        }
    }
    return false;
}

std::string Pad2(int v, int count) {
    std::string s = std::to_string(v);
    if (count >= 2 && s.size() < 2) s.insert(s.begin(), '0');
    return s;
}

void AppendFormat(std::string& out, std::string_view f, TDateTime dt, const TFormatSettings& fs, int depth) {
    if (depth > 2) return;
    int year, month, day, hour, min, sec, msec;
    DecodeDateTime(dt, year, month, day, hour, min, sec, msec);
    const bool twelve = UsesTwelveHourClock(f);
    char lastToken = 0;
    std::size_t i = 0;
    while (i < f.size()) {
        const char c = f[i];
        char token = Upper(c);
        if (token >= 'A' && token <= 'Z') {
            if (token == 'M' && lastToken == 'H') token = 'N';
            lastToken = token;
        }
        std::size_t count = 1;
        auto countRun = [&](char letter) {
            while (i + count < f.size() && Upper(f[i + count]) == letter) ++count;
        };
        switch (token) {
        case '"':
        case '\'': {
            std::size_t end = f.find(c, i + 1);
            if (end == std::string_view::npos) end = f.size();
            out.append(f.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        case 'Y':
            countRun('Y');
            if (count <= 2) out += Pad2(year % 100, 2);
            else {
                std::string y = std::to_string(year);
                out += std::string(y.size() < 4 ? 4 - y.size() : 0, '0') + y;
            }
            break;
        case 'M':
            countRun('M');
            if (count <= 2) out += Pad2(month, static_cast<int>(count));
            else if (count == 3) out += fs.ShortMonthNames[static_cast<std::size_t>(month - 1)];
            else out += fs.LongMonthNames[static_cast<std::size_t>(month - 1)];
            break;
        case 'D':
            countRun('D');
            switch (count) {
            case 1:
            case 2: out += Pad2(day, static_cast<int>(count)); break;
            case 3: out += fs.ShortDayNames[static_cast<std::size_t>(DayOfWeek(dt) - 1)]; break;
            case 4: out += fs.LongDayNames[static_cast<std::size_t>(DayOfWeek(dt) - 1)]; break;
            case 5: AppendFormat(out, fs.ShortDateFormat, dt, fs, depth + 1); break;
            default: AppendFormat(out, fs.LongDateFormat, dt, fs, depth + 1); break;
            }
            break;
        case 'H': {
            countRun('H');
            int h = hour;
            if (twelve) {
                h %= 12;
                if (h == 0) h = 12;
            }
            out += Pad2(h, count >= 2 ? 2 : 1);
            break;
        }
        case 'N':
            countRun(Upper(c));
            out += Pad2(min, count >= 2 ? 2 : 1);
            break;
        case 'S':
            countRun('S');
            out += Pad2(sec, count >= 2 ? 2 : 1);
            break;
        case 'Z': {
            countRun('Z');
            std::string s = std::to_string(msec);
            if (count >= 3) s.insert(0, 3 - s.size(), '0');
            out += s;
            break;
        }
        case 'T':
            countRun('T');
            AppendFormat(out, count == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat, dt, fs, depth + 1);
            break;
        case 'C':
            AppendFormat(out, fs.ShortDateFormat, dt, fs, depth + 1);
            if (hour != 0 || min != 0 || sec != 0) {
                out += ' ';
                AppendFormat(out, fs.LongTimeFormat, dt, fs, depth + 1);
            }
            break;
        case 'A':
            if (StartsNoCase(f, i, "AM/PM")) {
                out.append(f.substr(hour >= 12 ? i + 3 : i, 2));
                count = 5;
            } else if (StartsNoCase(f, i, "A/P")) {
                out += f[hour >= 12 ? i + 2 : i];
                count = 3;
            } else if (StartsNoCase(f, i, "AMPM")) {
                out += hour >= 12 ? fs.TimePMString : fs.TimeAMString;
                count = 4;
            } else {
                out += c;
            }
            break;
        case 'E':
        case 'G':
            countRun(token);
            break;
        case '/':
            out += fs.DateSeparator;
            break;
        case ':':
            out += fs.TimeSeparator;
            break;
        default:
            out += c;
            break;
        }
        i += count;
    }
}

// --- parsing ----------------------------------------------------------------------

enum class DateOrder { MDY, DMY, YMD };

DateOrder OrderOf(std::string_view format) {
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = Upper(format[i]);
        if (c == '"' || c == '\'') {
            const std::size_t end = format.find(format[i], i + 1);
            if (end == std::string_view::npos) break;
            i = end;
            continue;
        }
        if (c == 'D') return DateOrder::DMY;
        if (c == 'M') return DateOrder::MDY;
        if (c == 'Y' || c == 'E') return DateOrder::YMD;
    }
    return DateOrder::MDY;
}

struct Scanner {
    std::string_view s;
    std::size_t pos = 0;

    void Blanks() {
        while (pos < s.size() && s[pos] == ' ') ++pos;
    }
    bool Number(int& n, int& digits) {
        Blanks();
        const std::size_t start = pos;
        n = 0;
        while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9' && pos - start < 4) n = n * 10 + (s[pos++] - '0');
        digits = static_cast<int>(pos - start);
        return digits > 0;
    }
    bool Char(char c) {
        Blanks();
        if (pos < s.size() && s[pos] == c) {
            ++pos;
            return true;
        }
        return false;
    }
    bool Text(std::string_view t) {
        Blanks();
        if (t.empty() || pos + t.size() > s.size()) return false;
        if (!AnsiSameText(s.substr(pos, t.size()), t)) return false;
        pos += t.size();
        return true;
    }
    bool AtEnd() const { return pos >= s.size(); }
};

bool ScanDate(Scanner& sc, TDateTime& date, const TFormatSettings& fs) {
    const DateOrder order = OrderOf(fs.ShortDateFormat);
    int n1, n2, n3, l1, l2, l3;
    if (!(sc.Number(n1, l1) && sc.Char(fs.DateSeparator) && sc.Number(n2, l2))) return false;
    int y, m, d;
    if (sc.Char(fs.DateSeparator)) {
        if (!sc.Number(n3, l3)) return false;
        int yearLen;
        switch (order) {
        case DateOrder::MDY: y = n3; yearLen = l3; m = n1; d = n2; break;
        case DateOrder::DMY: y = n3; yearLen = l3; m = n2; d = n1; break;
        default: y = n1; yearLen = l1; m = n2; d = n3; break;
        }
        if (yearLen <= 2) {
            int pivot = YearOf(Date()) - fs.TwoDigitYearCenturyWindow;
            y += pivot / 100 * 100;
            if (fs.TwoDigitYearCenturyWindow > 0 && y < pivot) y += 100;
        }
    } else {
        y = YearOf(Date());
        if (order == DateOrder::DMY) { d = n1; m = n2; }
        else { m = n1; d = n2; }
    }
    sc.Char(fs.DateSeparator);
    sc.Blanks();
    return TryEncodeDate(y, m, d, date);
}

bool ScanTime(Scanner& sc, TDateTime& time, const TFormatSettings& fs) {
    int base = -1;
    auto meridian = [&]() {
        if (sc.Text(fs.TimeAMString) || sc.Text("AM")) base = 0;
        else if (sc.Text(fs.TimePMString) || sc.Text("PM")) base = 12;
    };
    meridian();
    int hour, min = 0, sec = 0, msec = 0, len;
    if (!sc.Number(hour, len)) return false;
    if (sc.Char(fs.TimeSeparator)) {
        if (!sc.Number(min, len)) return false;
        if (sc.Char(fs.TimeSeparator)) {
            if (!sc.Number(sec, len)) return false;
            if (sc.Char(fs.DecimalSeparator) && !sc.Number(msec, len)) return false;
        }
    }
    if (base < 0) meridian();
    if (base >= 0) {
        if (hour == 0 || hour > 12) return false;
        if (hour == 12) hour = 0;
        hour += base;
    }
    sc.Blanks();
    return TryEncodeTime(hour, min, sec, msec, time);
}

[[noreturn]] void Invalid(const ResourceString& text, std::string_view s) {
    throw EConvertError(Format(LoadResString(text), s));
}

} // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

const int* MonthDays(bool leapYear) {
    static const int kDays[2][13] = {{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                     {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};
    return kDays[leapYear ? 1 : 0];
}

int DaysInAMonth(int year, int month) {
    if (month < 1 || month > 12) throw EConvertError(LoadResString(SDateEncodeError));
    return MonthDays(IsLeapYear(year))[month];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > MonthDays(IsLeapYear(year))[month])
        return false;
    date = static_cast<double>(DaysFromCivil(year, month, day) + kUnixEpochDelta);
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime d;
    if (!TryEncodeDate(year, month, day, d)) throw EConvertError(LoadResString(SDateEncodeError));
    return d;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time) {
    if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999) return false;
    time = static_cast<double>(((hour * 60 + min) * 60 + sec) * 1000 + msec) / static_cast<double>(kMSecsPerDay);
    return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
    TDateTime t;
    if (!TryEncodeTime(hour, min, sec, msec, t)) throw EConvertError(LoadResString(STimeEncodeError));
    return t;
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) {
    const double d = std::trunc(date.Value());
    const double t = std::fabs(time.Value() - std::trunc(time.Value()));
    return d < 0 ? d - t : d + t;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec) {
    return ComposeDateTime(EncodeDate(year, month, day), EncodeTime(hour, min, sec, msec));
}

void DecodeDate(TDateTime dt, int& year, int& month, int& day) {
    CivilFromDays(SplitDateTime(dt).days - kUnixEpochDelta, year, month, day);
}

void DecodeTime(TDateTime dt, int& hour, int& min, int& sec, int& msec) {
    std::int64_t ms = SplitDateTime(dt).msecs;
    msec = static_cast<int>(ms % 1000);
    ms /= 1000;
    sec = static_cast<int>(ms % 60);
    ms /= 60;
    min = static_cast<int>(ms % 60);
    hour = static_cast<int>(ms / 60);
}

void DecodeDateTime(TDateTime dt, int& year, int& month, int& day, int& hour, int& min, int& sec, int& msec) {
    DecodeDate(dt, year, month, day);
    DecodeTime(dt, hour, min, sec, msec);
}

int DayOfWeek(TDateTime dt) {
    // 1899-12-30 was a Saturday.
    const long days = SplitDateTime(dt).days;
    return static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
}

int YearOf(TDateTime dt) {
    int y, m, d;
    DecodeDate(dt, y, m, d);
    return y;
}

int MonthOf(TDateTime dt) {
    int y, m, d;
    DecodeDate(dt, y, m, d);
    return m;
}

int DayOf(TDateTime dt) {
    int y, m, d;
    DecodeDate(dt, y, m, d);
    return d;
}

TDateTime DateOf(TDateTime dt) { return static_cast<double>(SplitDateTime(dt).days); }

TDateTime TimeOf(TDateTime dt) {
    return static_cast<double>(SplitDateTime(dt).msecs) / static_cast<double>(kMSecsPerDay);
}

TDateTime IncDay(TDateTime dt, int days) {
    // Move the date part and keep the time of day, also across 1899-12-30.
    return ComposeDateTime(static_cast<double>(SplitDateTime(dt).days + days), TimeOf(dt));
}

TDateTime IncMonth(TDateTime dt, int months) {
    int y, m, d;
    DecodeDate(dt, y, m, d);
    long total = static_cast<long>(y) * 12 + (m - 1) + months;
    y = static_cast<int>(total / 12);
    m = static_cast<int>(total % 12) + 1;
    d = std::min(d, DaysInAMonth(y, m));
    return ComposeDateTime(EncodeDate(y, m, d), TimeOf(dt));
}

TDateTime IncYear(TDateTime dt, int years) { return IncMonth(dt, years * 12); }

int DaysBetween(TDateTime a, TDateTime b) {
    auto linear = [](TDateTime t) {
        const Split s = SplitDateTime(t);
        return static_cast<double>(s.days) + static_cast<double>(s.msecs) / static_cast<double>(kMSecsPerDay);
    };
    return static_cast<int>(std::trunc(std::fabs(linear(a) - linear(b)) + 0.5 / static_cast<double>(kMSecsPerDay)));
}

TDateTime Now() {
    const DateTimeClock& clock = ClockSlot();
    return clock ? clock() : SystemNow();
}

TDateTime Date() { return DateOf(Now()); }
TDateTime Time() { return TimeOf(Now()); }
void SetClock(DateTimeClock clock) { ClockSlot() = std::move(clock); }

std::string FormatDateTime(std::string_view format, TDateTime dt) { return FormatDateTime(format, dt, FormatSettings); }

std::string FormatDateTime(std::string_view format, TDateTime dt, const TFormatSettings& fs) {
    std::string out;
    AppendFormat(out, format.empty() ? std::string_view("c") : format, dt, fs, 0);
    return out;
}

std::string DateToStr(TDateTime dt) { return DateToStr(dt, FormatSettings); }
std::string DateToStr(TDateTime dt, const TFormatSettings& fs) { return FormatDateTime("ddddd", dt, fs); }
std::string TimeToStr(TDateTime dt) { return TimeToStr(dt, FormatSettings); }
std::string TimeToStr(TDateTime dt, const TFormatSettings& fs) { return FormatDateTime("tt", dt, fs); }
std::string DateTimeToStr(TDateTime dt) { return DateTimeToStr(dt, FormatSettings); }
std::string DateTimeToStr(TDateTime dt, const TFormatSettings& fs) { return FormatDateTime("c", dt, fs); }

bool TryStrToDate(std::string_view s, TDateTime& value) { return TryStrToDate(s, value, FormatSettings); }

bool TryStrToDate(std::string_view s, TDateTime& value, const TFormatSettings& fs) {
    Scanner sc{s};
    TDateTime d;
    if (!ScanDate(sc, d, fs) || !sc.AtEnd()) return false;
    value = d;
    return true;
}

bool TryStrToTime(std::string_view s, TDateTime& value) { return TryStrToTime(s, value, FormatSettings); }

bool TryStrToTime(std::string_view s, TDateTime& value, const TFormatSettings& fs) {
    Scanner sc{s};
    TDateTime t;
    if (!ScanTime(sc, t, fs) || !sc.AtEnd()) return false;
    value = t;
    return true;
}

bool TryStrToDateTime(std::string_view s, TDateTime& value) { return TryStrToDateTime(s, value, FormatSettings); }

bool TryStrToDateTime(std::string_view s, TDateTime& value, const TFormatSettings& fs) {
    Scanner sc{s};
    TDateTime d, t;
    if (ScanDate(sc, d, fs)) {
        if (sc.AtEnd()) {
            value = d;
            return true;
        }
        if (ScanTime(sc, t, fs) && sc.AtEnd()) {
            value = ComposeDateTime(d, t);
            return true;
        }
    }
    return TryStrToTime(s, value, fs);
}

TDateTime StrToDate(std::string_view s) { return StrToDate(s, FormatSettings); }

TDateTime StrToDate(std::string_view s, const TFormatSettings& fs) {
    TDateTime v;
    if (!TryStrToDate(s, v, fs)) Invalid(SInvalidDate, s);
    return v;
}

TDateTime StrToTime(std::string_view s) { return StrToTime(s, FormatSettings); }

TDateTime StrToTime(std::string_view s, const TFormatSettings& fs) {
    TDateTime v;
    if (!TryStrToTime(s, v, fs)) Invalid(SInvalidTime, s);
    return v;
}

TDateTime StrToDateTime(std::string_view s) { return StrToDateTime(s, FormatSettings); }

TDateTime StrToDateTime(std::string_view s, const TFormatSettings& fs) {
    TDateTime v;
    if (!TryStrToDateTime(s, v, fs)) Invalid(SInvalidDateTime, s);
    return v;
}

TDateTime StrToDateDef(std::string_view s, TDateTime def) {
    TDateTime v;
    return TryStrToDate(s, v) ? v : def;
}

TDateTime StrToDateTimeDef(std::string_view s, TDateTime def) {
    TDateTime v;
    return TryStrToDateTime(s, v) ? v : def;
}

} // namespace tv
