// The date-time editor: formats and their masks, dates and times typed
// through the mask into a real client dataset, completion on leaving,
// stepping elements and the drop-down calendar.
#include "editorfixture.h"
#include "editors/dbdatetimeedit.h"
#include "editors/editformat.h"
#include "editors/fielddatalink.h"
#include "editors/popupcalendar.h"
#include "core/datetime.h"
#include "core/exceptions.h"
#include "core/formatsettings.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/uimessages.h"
#include "platform/controls/monthcal.h"
#include "platform/window/window.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

TDateTime Today() { return EncodeDate(2026, 5, 10); }

class DBDateTimeEditEh : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        tv::SetClock([] { return TDateTime(double(Today()) + 9.0 / 24); });
        data = new TClientDataSet(form);
        data->FieldDefs().Add("FECHA", ftDateTime);
        data->CreateDataSet();
        data->Append();
        data->FieldByName("FECHA")->SetAsDateTime(EncodeDateTime(2024, 3, 15, 10, 30, 0, 0));
        data->Post();
        source = new TDataSource(form);
        source->SetDataSet(data);
        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(300, 10, 100, 24);
    }
    void TearDown() override {
        tv::SetClock({});
        ResetFormatSettings();
        EditorTest::TearDown();
    }
    TDBDateTimeEditEh* Editor(const char* format, bool bound = true) {
        auto* e = new TDBDateTimeEditEh(form);
        e->SetParent(form);
        e->SetBounds(10, 40, 180, 24);
        if (format) e->SetEditFormat(format);
        if (bound) {
            e->SetDataSource(source);
            e->SetDataField("FECHA");
        }
        return e;
    }
    void TypeFromStart(TDBDateTimeEditEh* e, const std::string& keys) {
        Focus(e);
        e->SelectAll();
        PressKey(VK_DELETE);
        PressKey(VK_HOME);
        TypeText(keys);
    }
    TDateTime Fecha() { return data->FieldByName("FECHA")->AsDateTime(); }
    TClientDataSet* data = nullptr;
    TDataSource* source = nullptr;
    TEdit* other = nullptr;
};

TEST(EditFormat, FormatsGiveTheirMaskDisplayFormatAndPlaces) {
    const struct {
        const char* format;
        const char* mask;
        const char* display;
        int yearPos, monthPos, dayPos, hourPos, minutePos;
    } cases[] = {
        {"YYYY/MM/DD", "!9999/99/99;1; ", "YYYY/MM/DD", 1, 6, 9, -1, -1},
        {"DD/MM/YYYY HH:NN", "!99/99/9999 99:99;1; ", "DD/MM/YYYY' 'HH:NN", 7, 4, 1, 12, 15},
        {"\\D DD", "!D 99;1; ", "'D 'DD", -1, -1, 3, -1, -1},
        {"#DD", "!\\#99;1; ", "'#'DD", -1, -1, 2, -1, -1},
        {"hh:nn", "!99:99;1; ", "HH:NN", -1, -1, -1, 1, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        TEditFormatEh f = ParseEditFormat(c.format);
        EXPECT_EQ(f.mask, c.mask);
        EXPECT_EQ(f.displayFormat, c.display);
        EXPECT_EQ(f.elements[dteYearEh].pos, c.yearPos);
        EXPECT_EQ(f.elements[dteMonthEh].pos, c.monthPos);
        EXPECT_EQ(f.elements[dteDayEh].pos, c.dayPos);
        EXPECT_EQ(f.elements[dteHourEh].pos, c.hourPos);
        EXPECT_EQ(f.elements[dteMinuteEh].pos, c.minutePos);
        EXPECT_EQ(f.elements[dteSecondEh].present, false);
    }
    const struct {
        const char* format;
        const char* message;
    } bad[] = {
        {"YYY/MM/DD", "Invalid datetime format element length: \"Y\""},
        {"DD/MM/DD", "Duplicating datetime format element: \"D\""},
        {"DDD", "Element in EditFormat: \"DDD\" is too long. Pos: 3"},
    };
    for (const auto& b : bad) {
        SCOPED_TRACE(b.format);
        try {
            ParseEditFormat(b.format);
            ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()), b.message);
        }
    }
}

TEST_F(DBDateTimeEditEh, TheKindFollowsTheLocaleDateOrderAndABadFormatChangesNothing) {
    FormatSettings.ShortDateFormat = "yyyy/mm/dd";
    auto* e = Editor(nullptr, false);
    EXPECT_EQ(e->Kind(), dtkDateEh);
    EXPECT_EQ(e->EditFormat(), "YYYY/MM/DD");
    EXPECT_EQ(e->EditMask(), "!9999/99/99;1; ");
    e->SetKind(dtkDateTimeEh);
    EXPECT_EQ(e->DisplayFormat(), "YYYY/MM/DD' 'HH:NN:SS");
    e->SetValue(Variant(EncodeDateTime(2024, 1, 5, 7, 8, 9, 0)));
    EXPECT_EQ(e->Text(), "2024/01/05 07:08:09");
    EXPECT_THROW(e->SetEditFormat("DD/MM/DD"), Exception);
    EXPECT_EQ(e->Kind(), dtkDateTimeEh);
    EXPECT_EQ(e->EditFormat(), "YYYY/MM/DD HH:NN:SS");
    EXPECT_EQ(e->EditMask(), "!9999/99/99 99:99:99;1; ");
    FormatSettings.ShortDateFormat = "m/d/yy";
    auto* us = Editor(nullptr, false);
    EXPECT_EQ(us->EditFormat(), "MM/DD/YY");
    EXPECT_FALSE(us->FourDigitYear());
}

TEST_F(DBDateTimeEditEh, AnImpossibleDateIsNullWhileTypingAndCompletedOnLeaving) {
    auto* e = Editor("DD/MM/YYYY");
    EXPECT_EQ(e->Text(), "15/03/2024");
    TypeFromStart(e, "3102");
    EXPECT_TRUE(e->Value().IsNull()); // no year yet
    TypeText("2024");
    EXPECT_EQ(e->Text(), "31/02/2024");
    EXPECT_TRUE(e->Value().IsNull()); // no 31 February
    Focus(other);
    EXPECT_TRUE(said.empty()) << said.front();
    EXPECT_EQ(e->Text(), "29/02/2024");
    // The field keeps its time of day: the format has no time.
    EXPECT_DOUBLE_EQ(double(Fecha()), double(EncodeDateTime(2024, 2, 29, 10, 30, 0, 0)));
}

TEST_F(DBDateTimeEditEh, MissingElementsComeFromTodayAndTwoDigitYearsFromTheWindow) {
    auto* e = Editor("DD/MM/YYYY");
    TypeFromStart(e, "07");
    Focus(other);
    EXPECT_EQ(e->Text(), "07/05/2026");
    data->Post();
    auto* yy = Editor("DD/MM/YY");
    const struct {
        const char* typed;
        int year;
    } years[] = {{"010130", 2030}, {"010170", 1970}, {"010165", 2065}, {"010166", 1966}};
    for (const auto& y : years) {
        SCOPED_TRACE(y.typed);
        TypeFromStart(yy, y.typed);
        Focus(other);
        EXPECT_EQ(YearOf(Fecha()), y.year);
        data->Post();
    }
}

TEST_F(DBDateTimeEditEh, ATimeEditorChangesOnlyTheTimeOfTheField) {
    auto* e = Editor(nullptr);
    e->SetKind(dtkTimeEh);
    EXPECT_EQ(e->Text(), "10:30:00");
    TypeFromStart(e, "1745");
    EXPECT_EQ(e->Text(), "17:45:  ");
    Focus(other);
    EXPECT_EQ(e->Text(), "17:45:00");
    EXPECT_DOUBLE_EQ(double(Fecha()), double(EncodeDateTime(2024, 3, 15, 17, 45, 0, 0)));
    // An hour past 23 is cut to 23 on leaving, blank minutes are 0.
    TypeFromStart(e, "25");
    Focus(other);
    EXPECT_EQ(e->Text(), "23:00:00");
}

TEST_F(DBDateTimeEditEh, UpAndDownStepTheElementUnderTheCaret) {
    auto* e = Editor("DD/MM/YYYY");
    data->Edit();
    data->FieldByName("FECHA")->SetAsDateTime(EncodeDate(2024, 12, 1));
    data->Post();
    Focus(e);
    e->SetSelStart(4); // in the month
    e->SetSelLength(0);
    PressKey(VK_UP);
    EXPECT_EQ(e->Text(), "01/01/2024"); // December wraps to January
    EXPECT_EQ(e->SelText(), "01");
    EXPECT_EQ(e->SelStart(), 3);
    PressKey(VK_DOWN);
    EXPECT_EQ(e->Text(), "01/12/2024");
    // The day wraps within the month shown: down from 1 in February is 29.
    e->SetSelStart(4);
    e->SetSelLength(0);
    for (int i = 0; i < 10; ++i) PressKey(VK_DOWN);
    EXPECT_EQ(e->Text(), "01/02/2024");
    e->SetSelStart(0);
    e->SetSelLength(0);
    PressKey(VK_DOWN);
    EXPECT_EQ(e->Text(), "29/02/2024");
    POINT p = At(e, 20, 5);
    Wheel(p.x, p.y, 120); // wheel up steps up
    EXPECT_EQ(e->Text(), "01/02/2024");
    // A typed separator jumps to the next element.
    e->SetSelStart(0);
    e->SetSelLength(0);
    TypeText("/");
    EXPECT_EQ(e->SelText(), "02");
    // Typed with its separators, a whole date lands element by element.
    PressKey(VK_HOME);
    TypeText("03/02/2024");
    EXPECT_EQ(e->Text(), "03/02/2024");
    Focus(other);
    EXPECT_DOUBLE_EQ(double(Fecha()), double(EncodeDate(2024, 2, 3)));
}

TEST_F(DBDateTimeEditEh, TheCalendarPicksADateAndKeepsTheTimeOfDay) {
    auto* e = Editor(nullptr);
    e->SetKind(dtkDateTimeEh);
    int closes = 0;
    e->OnCloseUp = [&](TObject*, bool) { ++closes; };
    Focus(e);
    PressKey(VK_DOWN, false, false, true);
    ASSERT_TRUE(e->CalendarVisible());
    EXPECT_DOUBLE_EQ(double(e->Calendar()->Date()), double(EncodeDate(2024, 3, 15)));
    EXPECT_TRUE(e->ButtonControl(0)->AlwaysDown());
    PressKey(VK_RIGHT); // the keys go to the calendar
    PressKey(VK_DOWN);
    EXPECT_DOUBLE_EQ(double(e->Calendar()->Date()), double(EncodeDate(2024, 3, 23)));
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(e->CalendarVisible());
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(e->Text(), "15/03/2024 10:30:00");
    POINT b = At(e->ButtonControl(0), 3, 3);
    Click(b.x, b.y);
    ASSERT_TRUE(e->CalendarVisible());
    PressKey(VK_RIGHT);
    PressKey(VK_RETURN);
    EXPECT_FALSE(e->CalendarVisible());
    EXPECT_TRUE(e->Focused());
    EXPECT_EQ(e->Text(), "16/03/2024 10:30:00");
    Focus(other);
    EXPECT_DOUBLE_EQ(double(Fecha()), double(EncodeDateTime(2024, 3, 16, 10, 30, 0, 0)));
}

TEST_F(DBDateTimeEditEh, AnUnboundEditorHoldsItsDate) {
    FormatSettings.ShortDateFormat = "yyyy/mm/dd";
    auto* e = Editor(nullptr, false);
    e->SetFlat(true);
    e->SetValue(Variant(Today()));
    EXPECT_EQ(e->Text(), "2026/05/10");
    TypeFromStart(e, "20260601");
    Focus(other);
    EXPECT_DOUBLE_EQ(double(e->Value().AsDateTime()), double(EncodeDate(2026, 6, 1)));
    EXPECT_DOUBLE_EQ(double(e->DataLink()->UnboundValue().AsDateTime()), double(EncodeDate(2026, 6, 1)));
    e->SetReadOnly(true);
    Focus(e);
    TypeText("1");
    PressKey(VK_UP);
    EXPECT_EQ(e->Text(), "2026/06/01");
    EXPECT_THROW(e->SetText("2026/13/01"), Exception);
    EXPECT_EQ(e->Text(), "2026/06/01");
}

} // namespace
} // namespace tvtest
