#include <gtest/gtest.h>

#include "formatsettings_guard.h"
#include "core/datetime.h"
#include "core/exceptions.h"

using namespace tv;

namespace {

// The station's settings after start-up, and a clock fixed on a known day.
class DateTimeTest : public FormatSettingsTest {
protected:
    void SetUp() override {
        FormatSettingsTest::SetUp();
        FormatSettings.DateSeparator = '/';
        FormatSettings.ShortDateFormat = "yyyy/mm/dd";
        SetClock([] { return EncodeDateTime(2026, 3, 15, 10, 30, 0, 0); });
    }
    void TearDown() override {
        SetClock({});
        FormatSettingsTest::TearDown();
    }
};

TEST_F(DateTimeTest, EncodeAndDecodeAroundTheEpoch) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
    EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    EXPECT_DOUBLE_EQ(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);

    int y, m, d, h, n, s, z;
    DecodeDateTime(-1.25, y, m, d, h, n, s, z);
    EXPECT_EQ((std::vector<int>{y, m, d, h, n, s, z}), (std::vector<int>{1899, 12, 29, 6, 0, 0, 0}));
    DecodeDateTime(EncodeDateTime(2024, 2, 29, 23, 59, 59, 999), y, m, d, h, n, s, z);
    EXPECT_EQ((std::vector<int>{y, m, d, h, n, s, z}), (std::vector<int>{2024, 2, 29, 23, 59, 59, 999}));
    // A fraction that rounds to midnight carries into the next day.
    DecodeDateTime(EncodeDate(2024, 2, 29) + 0.9999999999, y, m, d, h, n, s, z);
    EXPECT_EQ((std::vector<int>{y, m, d, h, n, s, z}), (std::vector<int>{2024, 3, 1, 0, 0, 0, 0}));
    DecodeDateTime(-1.9999999999, y, m, d, h, n, s, z);
    EXPECT_EQ((std::vector<int>{y, m, d, h}), (std::vector<int>{1899, 12, 30, 0}));
}

TEST_F(DateTimeTest, CalendarRules) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_EQ(DaysInAMonth(2024, 2), 29);
    EXPECT_EQ(DaysInAMonth(2023, 2), 28);
    EXPECT_EQ(MonthDays(false)[4], 30);
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);  // Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 3, 15)), 1);   // Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 25)), 2);  // Monday, before the epoch
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31)), EncodeDate(2024, 2, 29));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 3, 31), -13), EncodeDate(2023, 2, 28));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 12, 15), 1), EncodeDate(2025, 1, 15));
    EXPECT_DOUBLE_EQ(IncMonth(EncodeDateTime(2024, 1, 31, 12, 0, 0, 0)), EncodeDateTime(2024, 2, 29, 12, 0, 0, 0));
    EXPECT_EQ(IncDay(EncodeDate(2024, 2, 28), 2), EncodeDate(2024, 3, 1));
    EXPECT_DOUBLE_EQ(IncDay(0.25, -1), -1.25);
    EXPECT_EQ(DaysBetween(EncodeDate(2024, 1, 1), EncodeDate(2025, 1, 1)), 366);
}

TEST_F(DateTimeTest, BadEncodingsRaise) {
    for (auto ymd : {std::array{2023, 2, 29}, std::array{2024, 13, 1}, std::array{2024, 0, 1}, std::array{0, 1, 1},
                     std::array{2024, 4, 31}, std::array{10000, 1, 1}}) {
        TDateTime d;
        EXPECT_FALSE(TryEncodeDate(ymd[0], ymd[1], ymd[2], d));
        try {
            EncodeDate(ymd[0], ymd[1], ymd[2]);
            ADD_FAILURE();
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to date encode");
        }
    }
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(1, 60, 0, 0), EConvertError);
    EXPECT_THROW(DateToStr(1e300), EConvertError);
}

TEST_F(DateTimeTest, TheClockCanBeFixed) {
    EXPECT_EQ(Date(), EncodeDate(2026, 3, 15));
    EXPECT_DOUBLE_EQ(Time(), EncodeTime(10, 30, 0, 0));
    SetClock({});
    EXPECT_GT(Now(), EncodeDate(2020, 1, 1));
}

TEST_F(DateTimeTest, FormatDateTimeSpecifiers) {
    const TDateTime dt = EncodeDateTime(2024, 3, 5, 14, 7, 9, 45);
    struct Case {
        const char* format;
        const char* expected;
    } cases[] = {
        {"yyyy/mm/dd", "2024/03/05"},
        {"d/m/yy", "5/3/24"},
        {"dd-mm-yyyy hh:nn:ss", "05-03-2024 14:07:09"},
        {"hh:mm", "14:07"},
        {"h:m:s", "14:7:9"},
        {"z zzz", "45 045"},
        {"mmm mmmm", "mar marzo"},
        {"ddd dddd", "mar martes"},
        {"h:nn am/pm", "2:07 pm"},
        {"hh:nn AM/PM", "02:07 PM"},
        {"h a/p", "2 p"},
        {"h ampm", "2 p.m."},
        {"'yyyy' \"mm\" yyyy", "yyyy mm 2024"},
        {"ddddd", "2024/03/05"},
        {"c", "2024/03/05 14:07:09"},
        {"t", "14:07"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatDateTime(c.format, dt), c.expected) << c.format;
    EXPECT_EQ(FormatDateTime("c", EncodeDate(2024, 3, 5)), "2024/03/05");
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd", EncodeDate(987, 6, 5)), "0987/06/05");
    EXPECT_EQ(FormatDateTime("hh am/pm", EncodeTime(0, 30, 0, 0)), "12 am");
    EXPECT_EQ(FormatDateTime("dddddd", EncodeDate(2024, 3, 5)), "martes, 5 de marzo de 2024");
    FormatSettings.DateSeparator = '-';
    FormatSettings.TimeSeparator = '.';
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:nn", dt), "2024-03-05 14.07");
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd", -1.25), "1899-12-29");
}

TEST_F(DateTimeTest, DateTextUnderTheShortDateFormat) {
    EXPECT_EQ(DateToStr(EncodeDate(2024, 1, 9)), "2024/01/09");
    EXPECT_EQ(TimeToStr(EncodeTime(8, 5, 3, 0)), "08:05:03");
    EXPECT_EQ(DateTimeToStr(EncodeDateTime(2024, 1, 9, 8, 5, 3, 0)), "2024/01/09 08:05:03");
    EXPECT_EQ(StrToDate("2024/01/09"), EncodeDate(2024, 1, 9));
    EXPECT_EQ(StrToDate(" 2024/1/9 "), EncodeDate(2024, 1, 9));
    EXPECT_EQ(StrToDate("24/2/29"), EncodeDate(2024, 2, 29));
    EXPECT_EQ(StrToDate("80/2/29"), EncodeDate(1980, 2, 29));
    EXPECT_EQ(StrToDate("5/6"), EncodeDate(2026, 5, 6));  // this year
    EXPECT_DOUBLE_EQ(StrToDateTime("2024/01/09 08:05"), EncodeDateTime(2024, 1, 9, 8, 5, 0, 0));
    EXPECT_DOUBLE_EQ(StrToDateTime("2024/01/09"), EncodeDate(2024, 1, 9));
    EXPECT_DOUBLE_EQ(StrToDateTime("08:05:03"), EncodeTime(8, 5, 3, 0));
    EXPECT_DOUBLE_EQ(StrToTime("2:30 pm"), EncodeTime(14, 30, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime("12:00 a.m."), 0.0);
    EXPECT_DOUBLE_EQ(StrToTime("23:59:59,5"), EncodeTime(23, 59, 59, 5));

    FormatSettings.ShortDateFormat = "dd/mm/yyyy";
    EXPECT_EQ(StrToDate("09/01/2024"), EncodeDate(2024, 1, 9));
    FormatSettings.ShortDateFormat = "m/d/yyyy";
    EXPECT_EQ(StrToDate("1/9/2024"), EncodeDate(2024, 1, 9));
}

TEST_F(DateTimeTest, DateRoundTripsThroughText) {
    for (TDateTime d = EncodeDate(1890, 1, 1); d < EncodeDate(2100, 1, 1); d += 997) {
        EXPECT_EQ(StrToDate(DateToStr(d)), d);
        const TDateTime dt = ComposeDateTime(d, EncodeTime(13, 14, 15, 0));
        EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(dt)), dt);
    }
}

TEST_F(DateTimeTest, MalformedDatesRaiseTheFrameworkText) {
    for (const char* bad : {"", "x", "2024-01-09", "2024/13/01", "2023/02/29", "2024/01/09x", "2024//09", "2024/1/9 x"}) {
        TDateTime v = 0;
        EXPECT_FALSE(TryStrToDate(bad, v)) << bad;
        try {
            StrToDate(bad);
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid date");
        }
    }
    try {
        StrToTime("25:00");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'25:00' is not a valid time");
    }
    try {
        StrToDateTime("2024/01/09 99:00");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'2024/01/09 99:00' is not a valid date and time");
    }
    EXPECT_THROW(StrToTime("13:00 pm"), EConvertError);
    EXPECT_EQ(StrToDateDef("nada", 5.0), 5.0);
}

} // namespace
