#pragma once
// TDateTime: days since 1899-12-30 in the whole part, the time of day in the
// fraction. Before that date the whole part counts back and the fraction still
// counts forward from midnight: -1.25 is 1899-12-29 06:00.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/formatsettings.h"

namespace tv {

class TDateTime {
public:
    constexpr TDateTime() = default;
    constexpr TDateTime(double value) : value_(value) {}
    constexpr operator double() const { return value_; }
    constexpr double Value() const { return value_; }
    TDateTime& operator+=(double days) { value_ += days; return *this; }
    TDateTime& operator-=(double days) { value_ -= days; return *this; }

private:
    double value_ = 0;
};

inline constexpr double HoursPerDay = 24, MinsPerDay = 24 * 60, SecsPerDay = 24 * 60 * 60,
                        MSecsPerDay = SecsPerDay * 1000;
// Days from 0001-01-01 to 1899-12-30.
inline constexpr int DateDelta = 693594;

bool IsLeapYear(int year);
int DaysInAMonth(int year, int month);
// Days of each month (index 1..12; index 0 unused) in a leap or a common year.
const int* MonthDays(bool leapYear);

// Raise EConvertError "Invalid argument to date encode" / "... time encode".
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int min, int sec, int msec);
// Joins a date and a time with the rule for dates before 1899-12-30.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);
void DecodeDate(TDateTime dt, int& year, int& month, int& day);
void DecodeTime(TDateTime dt, int& hour, int& min, int& sec, int& msec);
void DecodeDateTime(TDateTime dt, int& year, int& month, int& day, int& hour, int& min, int& sec, int& msec);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime dt);
int YearOf(TDateTime dt);
int MonthOf(TDateTime dt);
int DayOf(TDateTime dt);
// The date part (whole days) and the time part (always a positive fraction).
TDateTime DateOf(TDateTime dt);
TDateTime TimeOf(TDateTime dt);

TDateTime IncDay(TDateTime dt, int days = 1);
// Keeps the time; the day is cut to the month's last day when needed.
TDateTime IncMonth(TDateTime dt, int months = 1);
TDateTime IncYear(TDateTime dt, int years = 1);
// Whole days between two moments, counted the framework's way (time of day matters).
int DaysBetween(TDateTime a, TDateTime b);

// Today, the time of day and the moment, read from a clock that tests may replace.
TDateTime Date();
TDateTime Time();
TDateTime Now();
using DateTimeClock = std::function<TDateTime()>;
// An empty clock puts the system's local clock back.
void SetClock(DateTimeClock clock);

// yyyy yy m mm mmm mmmm d dd ddd dddd ddddd dddddd h hh n nn s ss z zzz
// am/pm a/p ampm c t tt, '...' and "..." literals, "/" and ":" become the settings'
// separators; an m right after an h is minutes.
std::string FormatDateTime(std::string_view format, TDateTime dt);
std::string FormatDateTime(std::string_view format, TDateTime dt, const TFormatSettings& fs);
std::string DateToStr(TDateTime dt);
std::string DateToStr(TDateTime dt, const TFormatSettings& fs);
std::string TimeToStr(TDateTime dt);
std::string TimeToStr(TDateTime dt, const TFormatSettings& fs);
std::string DateTimeToStr(TDateTime dt);
std::string DateTimeToStr(TDateTime dt, const TFormatSettings& fs);

// Parse under the short date format's order of day, month and year and the
// settings' separators. Failures raise EConvertError "'x' is not a valid date"
// ("... time", "... date and time").
TDateTime StrToDate(std::string_view s);
TDateTime StrToDate(std::string_view s, const TFormatSettings& fs);
TDateTime StrToTime(std::string_view s);
TDateTime StrToTime(std::string_view s, const TFormatSettings& fs);
TDateTime StrToDateTime(std::string_view s);
TDateTime StrToDateTime(std::string_view s, const TFormatSettings& fs);
bool TryStrToDate(std::string_view s, TDateTime& value);
bool TryStrToDate(std::string_view s, TDateTime& value, const TFormatSettings& fs);
bool TryStrToTime(std::string_view s, TDateTime& value);
bool TryStrToTime(std::string_view s, TDateTime& value, const TFormatSettings& fs);
bool TryStrToDateTime(std::string_view s, TDateTime& value);
bool TryStrToDateTime(std::string_view s, TDateTime& value, const TFormatSettings& fs);
TDateTime StrToDateDef(std::string_view s, TDateTime def);
TDateTime StrToDateTimeDef(std::string_view s, TDateTime def);

} // namespace tv
