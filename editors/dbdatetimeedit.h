#pragma once
// The data-aware date-time editor: a date, a time or both typed through a mask
// built from EditFormat. The text is read element by element and put into the
// previous value, so a format that shows some elements keeps the others. A
// drop-down month calendar picks the date; Up and Down, the wheel and an
// up-down button step the element under the caret.
#include <string>

#include "editors/dbeditbase.h"
#include "editors/editformat.h"
#include "editors/mrulist.h"

namespace tv {

class TPopupMonthCalendarEh;

enum TDateTimeKindEh { dtkDateEh, dtkTimeEh, dtkDateTimeEh, dtkCustomEh };
extern const TEnumInfo TDateTimeKindEhInfo;

class TCustomDBDateTimeEditEh : public TCustomDBEditEh {
    TV_CLASS(TCustomDBDateTimeEditEh, TCustomDBEditEh)
public:
    explicit TCustomDBDateTimeEditEh(TComponent* owner = nullptr);
    ~TCustomDBDateTimeEditEh() override;

    TDateTimeKindEh Kind() const { return kind_; }
    void SetKind(TDateTimeKindEh v);
    const std::string& EditFormat() const { return editFormat_; }
    // A format that does not parse raises and changes nothing.
    void SetEditFormat(const std::string& v);
    const std::string& DisplayFormat() const { return format_.displayFormat; }
    const TElementTableEh& Elements() const { return format_.elements; }
    bool FourDigitYear() const { return fourDigitYear_; }
    TPopupMonthCalendarEh* Calendar() const { return calendar_; }
    bool CalendarVisible() const { return calendarVisible_; }

    void OpenDropDown() override;
    void CloseDropDown(bool accept) override;
    TWinControl* DropDownWindow() override;
    void ValidateEdit() override;
    void Dispatch(Message& msg) override;
    void DefineProperties(TFiler& filer) override;

    TNotifyEvent OnDropDown;
    TCloseUpEventEh OnCloseUp;

protected:
    virtual void UpdateYearDigits();
    virtual void ApplyKind();
    // Steps the element under the caret, wrapping within its range.
    void StepElement(bool up);

    std::unique_ptr<TEditButtonEh> NewEditButton() override;
    void EditButtonDown(bool topButton) override;
    void FieldDataChanged() override;
    Variant CurrentValue() override { return value_; }
    void ButtonControlMouseMove(TObject* sender, TShiftState shift, int x, int y) override;
    void AcceptMRUItem(const std::string& item, bool& accept) override;
    void SetTextSilently(const std::string& text) override;
    void SetValueSilently(const Variant& value) override;
    void PostToField() override;
    void TextToPaint(std::string& text) override;

    void Change() override;
    void KeyDown(win::WORD& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoEnter() override;
    bool DoMouseWheelDown(TShiftState shift, win::POINT mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, win::POINT mousePos) override;
    void WndProc(Message& msg) override;

private:
    // Builds the format's mask, display format and elements; raises for a bad one.
    void ApplyFormat(const std::string& editFormat);
    void PutText(const std::string& text);
    std::string ValueText(const Variant& v);
    bool WheelStep(TShiftState shift, bool up);
    bool RouteKeyToCalendar(int vk);
    bool CalendarHasFocus();
    void SelectElementAt(const std::u32string& pattern, int pos);

    TDateTimeKindEh kind_ = dtkDateEh;
    std::string editFormat_;
    TEditFormatEh format_;
    Variant value_;
    bool fourDigitYear_ = false;
    TPopupMonthCalendarEh* calendar_ = nullptr;
    bool calendarVisible_ = false;
    bool validating_ = false, puttingText_ = false;
};

class TDBDateTimeEditEh : public TCustomDBDateTimeEditEh {
    TV_CLASS(TDBDateTimeEditEh, TCustomDBDateTimeEditEh)
public:
    using TCustomDBDateTimeEditEh::TCustomDBDateTimeEditEh;
    static void Publish(TPublisher& p);
    bool IsKindStored() const { return Kind() != dtkCustomEh; }
};

} // namespace tv
