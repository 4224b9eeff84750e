#include "editors/dbdatetimeedit.h"

#include <algorithm>
#include <cmath>

#include "editors/dropdownplacement.h"
#include "editors/editimage.h"
#include "editors/fielddatalink.h"
#include "editors/popupcalendar.h"
#include "editors/publishedit.h"
#include "core/datetime.h"
#include "core/exceptions.h"
#include "core/formatsettings.h"
#include "core/formreader.h"
#include "core/formwriter.h"
#include "core/scopeguards.h"
#include "core/strutils.h"
#include "framework/data/datasource.h"
#include "framework/data/field.h"
#include "framework/ui/imagelist.h"
#include "platform/region.h"
#include "framework/ui/uimessages.h"
#include "platform/controls/edit.h"
#include "platform/window/input.h"
#include "platform/window/queue.h"
#include "platform/window/window.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TDateTimeKindEhInfo{"TDateTimeKindEh", {"dtkDateEh", "dtkTimeEh", "dtkDateTimeEh", "dtkCustomEh"}};

namespace {

bool IsNullish(const Variant& v) { return v.IsNull() || v.IsEmpty(); }

} // namespace

TCustomDBDateTimeEditEh::TCustomDBDateTimeEditEh(TComponent* owner) : TCustomDBEditEh(owner) {
    RenewEditButton();
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption});
    value_ = Null();
    fourDigitYear_ = LocaleFourDigitYear();
    ApplyKind();
}

TCustomDBDateTimeEditEh::~TCustomDBDateTimeEditEh() = default;

std::unique_ptr<TEditButtonEh> TCustomDBDateTimeEditEh::NewEditButton() {
    return std::make_unique<TVisibleEditButtonEh>(this);
}

// --- format ----------------------------------------------------------------------------

void TCustomDBDateTimeEditEh::SetKind(TDateTimeKindEh v) {
    if (v == kind_) return;
    TDateTimeKindEh old = kind_;
    kind_ = v;
    try {
        ApplyKind();
    } catch (...) {
        kind_ = old;
        throw;
    }
    Reload();
}

void TCustomDBDateTimeEditEh::SetEditFormat(const std::string& v) {
    if (v != editFormat_) {
        ApplyFormat(v); // a format that does not parse changes nothing
        kind_ = dtkCustomEh;
        Reload();
        return;
    }
    kind_ = dtkCustomEh;
}

void TCustomDBDateTimeEditEh::UpdateYearDigits() {
    bool four = LocaleFourDigitYear();
    if (four == fourDigitYear_) return;
    fourDigitYear_ = four;
    ApplyKind();
}

void TCustomDBDateTimeEditEh::ApplyKind() {
    std::string date = DefaultDateEditFormat(fourDigitYear_);
    switch (kind_) {
    case dtkDateEh: ApplyFormat(date); break;
    case dtkTimeEh: ApplyFormat(DefaultTimeEditFormat()); break;
    case dtkDateTimeEh: ApplyFormat(date + " " + DefaultTimeEditFormat()); break;
    case dtkCustomEh: ApplyFormat(editFormat_); break;
    }
}

void TCustomDBDateTimeEditEh::ApplyFormat(const std::string& editFormat) {
    TEditFormatEh parsed;
    if (!editFormat.empty()) parsed = ParseEditFormat(editFormat);
    editFormat_ = editFormat;
    format_ = parsed;
    TFlagGuard g(puttingText_);
    TCustomMaskEdit::SetEditMask(parsed.mask);
}

void TCustomDBDateTimeEditEh::DefineProperties(TFiler& filer) {
    TCustomDBEditEh::DefineProperties(filer);
    filer.DefineProperty(
        "EditFormat", [this](TReader& r) { SetEditFormat(r.ReadString()); },
        [this](TWriter& w) { w.WriteString(editFormat_); }, kind_ == dtkCustomEh);
}

// --- text and value ------------------------------------------------------------------

void TCustomDBDateTimeEditEh::PutText(const std::string& text) {
    if (puttingText_) return;
    TFlagGuard g(puttingText_);
    TControl::SetText(text);
}

std::string TCustomDBDateTimeEditEh::ValueText(const Variant& v) {
    if (IsNullish(v)) return {};
    return IsMasked() ? FormatDateTime(format_.displayFormat, v.AsDateTime()) : DateTimeToStr(v.AsDateTime());
}

void TCustomDBDateTimeEditEh::SetValueSilently(const Variant& value) {
    value_ = IsNullish(value) ? Null() : Variant(value.AsDateTime());
    PutText(ValueText(value_));
}

void TCustomDBDateTimeEditEh::SetTextSilently(const std::string& text) {
    if (IsMasked()) {
        std::u32string shown = Mask().Format(Utf8ToUtf32(text));
        Variant v;
        if (!CombineElements(ReadElements(shown, format_.elements), format_.elements, value_, false, v))
            throw Exception("Invalid datetime: \"" + text + "\"");
        value_ = v;
    } else {
        value_ = Trim(text).empty() ? Null() : Variant(StrToDateTime(text));
    }
    PutText(text);
}

void TCustomDBDateTimeEditEh::Change() {
    if (!puttingText_) {
        try {
            Variant v;
            if (IsMasked()) {
                std::u32string shown = Mask().Normalize(Utf8ToUtf32(EditText()));
                if (!CombineElements(ReadElements(shown, format_.elements), format_.elements, value_, false, v))
                    v = Null();
            } else {
                TDateTime d;
                v = TryStrToDateTime(Text(), d) ? Variant(d) : Null();
            }
            value_ = v;
        } catch (const std::exception&) {
            value_ = Null();
        }
    }
    RefreshImageIndex();
    TCustomDBEditEh::Change();
}

void TCustomDBDateTimeEditEh::ValidateEdit() {
    if (validating_) return;
    TFlagGuard g(validating_);
    TCustomMaskEdit::ValidateEdit();
    if (!IsMasked()) return;
    std::u32string shown = Mask().Normalize(Utf8ToUtf32(EditText()));
    Variant v;
    if (!CombineElements(ReadElements(shown, format_.elements), format_.elements, value_, true, v)) v = Null();
    value_ = v;
    PutText(ValueText(value_));
}

void TCustomDBDateTimeEditEh::FieldDataChanged() {
    if (TField* f = Field()) {
        if (AlignmentAssigned() && f->Alignment() != Alignment()) Invalidate();
        SetValueSilently(f->IsNull() ? Null() : Variant(f->AsDateTime()));
    } else if (IsDataIndependent()) {
        SetValueSilently(DataLink()->UnboundValue());
    } else {
        SetValueSilently(Null());
    }
    RefreshReadOnly();
    SetModified(false);
}

void TCustomDBDateTimeEditEh::PostToField() {
    TFieldDataLinkEh* link = DataLink();
    Variant start = Null();
    if (IsDataIndependent()) {
        start = link->UnboundValue();
    } else if (TField* f = Field(); f && !f->IsNull()) {
        start = Variant(f->AsDateTime());
    }
    Variant result = Null();
    if (IsMasked()) {
        if (!CombineElements(SplitDateTime(value_), format_.elements, start, true, result)) result = Null();
    } else if (!Trim(Text()).empty()) {
        result = Variant(StrToDateTime(Text()));
    }
    link->SetValue(result);
}

void TCustomDBDateTimeEditEh::TextToPaint(std::string& text) {
    TField* f = Field();
    if (f && ControlState().Contains(csPaintCopy)) {
        text = f->IsNull() ? std::string() : ValueText(Variant(f->AsDateTime()));
        return;
    }
    TCustomDBEditEh::TextToPaint(text);
}

void TCustomDBDateTimeEditEh::AcceptMRUItem(const std::string& item, bool& accept) {
    std::string text = Text();
    while (!text.empty() && (text.back() == ' ' || text.back() == FormatSettings.DateSeparator)) text.pop_back();
    std::u32string t = Utf8ToUtf32(text);
    std::string head = Utf32ToUtf8(Utf8ToUtf32(item).substr(0, t.size()));
    accept = AnsiCompareText(head, text) == 0;
}

// --- stepping --------------------------------------------------------------------------

void TCustomDBDateTimeEditEh::StepElement(bool up) {
    if (!IsMasked() || !HandleAllocated()) return;
    std::u32string pattern = EditFormatPattern(editFormat_);
    size_t pos = size_t(SelStart()); // 0-based here
    if (pos < pattern.size() && (pattern[pos] == U'/' || pattern[pos] == U':')) ++pos;
    if (pos >= pattern.size()) return;
    char32_t letter = pattern[pos];
    if (letter == U' ' || letter == U'/' || letter == U':') return;
    size_t start = pattern.find(letter);
    size_t len = 0;
    while (start + len < pattern.size() && pattern[start + len] == letter) ++len;

    std::u32string shown = Mask().Normalize(Utf8ToUtf32(EditText()));
    TElementTableEh one{};
    int element = 0;
    for (int e = 0; e < 6; ++e)
        if (format_.elements[size_t(e)].present && format_.elements[size_t(e)].pos == int(start) + 1) element = e;
    one[size_t(element)] = TElementPlaceEh{int(start) + 1, int(len), true};
    std::u32string piece = shown.substr(start, len);
    int n = 0;
    bool digits = false;
    for (char32_t c : piece) {
        if (c >= U'0' && c <= U'9') {
            n = n * 10 + int(c - U'0');
            digits = true;
        } else if (c != U' ') {
            digits = false;
            n = 0;
            break;
        }
    }
    if (!digits) n = 0;
    int low = 0, high = 59;
    switch (element) {
    case dteYearEh: low = 1; high = 9999; break;
    case dteMonthEh: low = 1; high = 12; break;
    case dteHourEh: high = 23; break;
    case dteDayEh: {
        // The day wraps within the month the text shows (or the value's).
        TElementValuesEh shownParts = ReadElements(shown, format_.elements);
        TElementValuesEh valueParts = SplitDateTime(value_);
        int y = shownParts[dteYearEh] > 0 ? shownParts[dteYearEh] : valueParts[dteYearEh];
        int m = shownParts[dteMonthEh] >= 1 && shownParts[dteMonthEh] <= 12 ? shownParts[dteMonthEh]
                                                                            : valueParts[dteMonthEh];
        low = 1;
        high = (y >= 1 && y <= 9999 && m >= 1) ? DaysInAMonth(y, m) : 31;
        break;
    }
    default: break;
    }
    n += up ? 1 : -1;
    if (n > high) n = low;
    if (n < low) n = high;
    std::string number = std::to_string(n);
    while (number.size() < len) number.insert(number.begin(), '0');
    if (number.size() > len) number = number.substr(number.size() - len);
    std::u32string text = shown;
    text.replace(start, len, Utf8ToUtf32(number));
    {
        TFlagGuard g(puttingText_);
        SetEditText(Utf32ToUtf8(text));
    }
    Change();
    SendMessage(Handle(), EM_SETSEL, WPARAM(start), LPARAM(start + len));
}

void TCustomDBDateTimeEditEh::SelectElementAt(const std::u32string& pattern, int pos) {
    if (pos < 1 || size_t(pos) > pattern.size()) return;
    char32_t letter = pattern[size_t(pos - 1)];
    if (letter == U' ' || letter == U'/' || letter == U':') return;
    size_t start = pattern.find(letter);
    size_t len = 0;
    while (start + len < pattern.size() && pattern[start + len] == letter) ++len;
    SendMessage(Handle(), EM_SETSEL, WPARAM(start), LPARAM(start + len));
}

// --- keys, wheel and buttons ---------------------------------------------------------------

void TCustomDBDateTimeEditEh::KeyDown(WORD& key, TShiftState shift) {
    bool plain = !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
    bool masked = IsMasked() && HandleAllocated();
    WORD pressed = key;
    TCustomDBEditEh::KeyDown(key, shift);
    if (key == 0 || !masked || !plain) return;
    if ((pressed == VK_UP || pressed == VK_DOWN) && !ReadOnly() && !calendarVisible_) {
        if (DataLink()->BeginFieldEdit()) StepElement(pressed == VK_UP);
        key = 0;
        return;
    }
    if ((pressed == VK_LEFT || pressed == VK_RIGHT) && SelLength() > 1) {
        int start = SelStart(), end = start + SelLength();
        int caret = pressed == VK_LEFT ? start : end - 1;
        SendMessage(Handle(), EM_SETSEL, WPARAM(caret), LPARAM(caret));
        key = 0;
    }
}

void TCustomDBDateTimeEditEh::KeyPress(char32_t& key) {
    if (calendarVisible_ && (key == 13 || key == 27)) {
        CloseDropDown(key == 13);
        key = 0;
        return;
    }
    char32_t typed = key;
    // Where the separator was typed, before the mask steps over a literal.
    size_t from = HandleAllocated() ? size_t(SelStart()) : 0;
    TCustomDBEditEh::KeyPress(key);
    if (!IsMasked() || !HandleAllocated()) return;
    char32_t dateSep = char32_t(static_cast<unsigned char>(FormatSettings.DateSeparator));
    char32_t timeSep = char32_t(static_cast<unsigned char>(FormatSettings.TimeSeparator));
    if (typed != dateSep && typed != timeSep) return;
    // A separator jumps to the element after the next such separator.
    std::u32string shown = Utf8ToUtf32(EditText());
    key = 0;
    // Right after that separator (the mask steps over it as the element
    // fills up) the caret is already where the separator leads.
    if (from > 0 && from <= shown.size() && shown[from - 1] == typed) return;
    size_t found = from < shown.size() ? shown.find(typed, from) : std::u32string::npos;
    int pos = found == std::u32string::npos ? 1 : int(found) + 2;
    SelectElementAt(EditFormatPattern(editFormat_), pos);
    key = 0;
}

bool TCustomDBDateTimeEditEh::WheelStep(TShiftState shift, bool up) {
    if (shift.Contains(ssShift) || shift.Contains(ssCtrl) || shift.Contains(ssAlt) || ReadOnly() || !IsMasked())
        return false;
    if (!DataLink()->BeginFieldEdit()) return false;
    StepElement(up);
    return true;
}

bool TCustomDBDateTimeEditEh::DoMouseWheelDown(TShiftState shift, POINT mousePos) {
    return TCustomDBEditEh::DoMouseWheelDown(shift, mousePos) || WheelStep(shift, false);
}

bool TCustomDBDateTimeEditEh::DoMouseWheelUp(TShiftState shift, POINT mousePos) {
    return TCustomDBEditEh::DoMouseWheelUp(shift, mousePos) || WheelStep(shift, true);
}

void TCustomDBDateTimeEditEh::EditButtonDown(bool topButton) {
    if (EditButton()->Style() == ebsUpDownEh) {
        if (IsMasked() && !ReadOnly() && DataLink()->BeginFieldEdit()) StepElement(topButton);
        return;
    }
    TCustomDBEditEh::EditButtonDown(topButton);
}

void TCustomDBDateTimeEditEh::DoEnter() {
    UpdateYearDigits();
    TCustomDBEditEh::DoEnter();
}

// --- the calendar ----------------------------------------------------------------------

TWinControl* TCustomDBDateTimeEditEh::DropDownWindow() {
    return calendarVisible_ ? static_cast<TWinControl*>(calendar_) : nullptr;
}

bool TCustomDBDateTimeEditEh::CalendarHasFocus() {
    if (!calendar_ || !calendar_->HandleAllocated()) return false;
    HWND f = GetFocus();
    return f && (f == calendar_->Handle() || IsChild(calendar_->Handle(), f));
}

void TCustomDBDateTimeEditEh::OpenDropDown() {
    TCustomDBEditEh::OpenDropDown();
    if (calendarVisible_) return;
    auto alive = Alive();
    if (OnDropDown) OnDropDown(this);
    if (!*alive) return;
    if (!calendar_) {
        calendar_ = new TPopupMonthCalendarEh(this);
        calendar_->SetVisible(false);
        calendar_->SetParent(this);
    }
    calendar_->HandleNeeded();
    calendar_->SetDate(IsNullish(value_) ? Date() : value_.AsDateTime());
    POINT p = PlaceDropDownWindow(this, calendar_, ddaLeftEh);
    SetWindowPos(calendar_->Handle(), HWND_TOP, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    calendar_->SetVisible(true);
    calendarVisible_ = true;
    droppedDown_ = true;
}

void TCustomDBDateTimeEditEh::CloseDropDown(bool accept) {
    if (!calendarVisible_ || !calendar_) return;
    if (GetCapture()) ReleaseCapture();
    if (CalendarHasFocus() && CanFocus()) SetFocus();
    SetWindowPos(calendar_->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    calendar_->SetVisible(false);
    calendarVisible_ = false;
    droppedDown_ = false;
    TCustomDBEditEh::CloseDropDown(accept);
    if (accept && !ReadOnly() && DataLink()->BeginFieldEdit()) {
        double day = std::floor(double(calendar_->Date()));
        Variant picked;
        if (!IsNullish(value_)) {
            double v = double(value_.AsDateTime());
            double time = std::fabs(v - std::trunc(v));
            picked = Variant(TDateTime(day >= 0 ? day + time : day - time));
        } else {
            picked = Variant(TDateTime(day));
        }
        Variant merged;
        if (CombineElements(SplitDateTime(picked), format_.elements, value_, true, merged)) {
            SetValueSilently(merged);
            // The text changed in code: the field must still receive it.
            DataLink()->MarkModified();
            if (EditorFocused()) SelectAll();
        }
    }
    if (OnCloseUp) OnCloseUp(this, accept);
}

bool TCustomDBDateTimeEditEh::RouteKeyToCalendar(int vk) {
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    bool route = vk == VK_PRIOR || vk == VK_NEXT || vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN ||
                 ((vk == VK_HOME || vk == VK_END) && ctrl);
    if (!route || !calendar_ || !calendar_->HandleAllocated()) return false;
    SendMessage(calendar_->Handle(), WM_KEYDOWN, WPARAM(vk), 0);
    return true;
}

void TCustomDBDateTimeEditEh::WndProc(Message& msg) {
    if (calendarVisible_ && (msg.Msg == WM_KEYDOWN || msg.Msg == WM_SYSKEYDOWN) && RouteKeyToCalendar(int(msg.WParam)))
        return;
    TCustomDBEditEh::WndProc(msg);
}

void TCustomDBDateTimeEditEh::ButtonControlMouseMove(TObject* sender, TShiftState shift, int x, int y) {
    TCustomDBEditEh::ButtonControlMouseMove(sender, shift, x, y);
    auto* c = dynamic_cast<TControl*>(sender);
    if (!calendarVisible_ || !c || c != ButtonControl(0) || !calendar_->HandleAllocated() || !HandleAllocated() ||
        GetCapture() != Handle())
        return;
    POINT p = calendar_->ScreenToClient(c->ClientToScreen({x, y}));
    RECT r = calendar_->ClientRect();
    if (!PtInRect(&r, p)) return;
    c->Perform(WM_CANCELMODE, 0, 0);
    if (GetCapture() == Handle()) ReleaseCapture();
    SendMessage(calendar_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
}

void TCustomDBDateTimeEditEh::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case WM_MOUSEWHEEL:
        if (calendarVisible_ && calendar_->HandleAllocated()) {
            SendMessage(calendar_->Handle(), WM_MOUSEWHEEL, msg.WParam, msg.LParam);
            msg.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TCustomDBEditEh::Dispatch(msg);
}

// --- the published editor ----------------------------------------------------------------

void TDBDateTimeEditEh::Publish(TPublisher& p) {
    PublishEditorCommon<TDBDateTimeEditEh>(p);
    p.Enum("Kind", &TDBDateTimeEditEh::Kind, &TDBDateTimeEditEh::SetKind, TDateTimeKindEhInfo)
        .Stored(&TDBDateTimeEditEh::IsKindStored);
    p.Event("OnDropDown", &TDBDateTimeEditEh::OnDropDown);
    p.Event("OnCloseUp", &TDBDateTimeEditEh::OnCloseUp);
}

} // namespace tv
