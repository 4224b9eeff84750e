#include "editors/calculator.h"

#include <cmath>

#include "editors/editbuttoncontrol.h"
#include "core/formreader.h"
#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/screen.h"
#include "framework/ui/uimessages.h"
#include "platform/clipboard/clipboard.h"
#include "platform/gdi/gdi.h"
#include "platform/window/input.h"
#include "platform/window/messages.h"
#include "platform/window/paint.h"
#include "platform/window/styles.h"
#include "platform/window/sysmetrics.h"

namespace tv {

using namespace win;

namespace {

constexpr const char* kDefinition = "forms/TCALCULATOREH.dfm";

// The key each button sends, by its Tag.
constexpr char32_t kButtonKeys[] = {0,   '7', '8', '9', '/', 'S', 'C', '4', '5', '6', '*', '%', 'A',
                                    '1', '2', '3', '-', 'R', 8,   '0', 'I', '.', '+', '='};

int MeasureZeroHeight(TFont* font) {
    HDC dc = CreateCompatibleDC(nullptr);
    TCanvas c;
    c.SetHandle(dc);
    c.Font()->Assign(font);
    int h = c.TextHeight("0");
    c.SetHandle(nullptr);
    DeleteDC(dc);
    return h;
}

void ScaleControl(TControl* c, int m, int d) {
    c->SetBounds(c->Left() * m / d, c->Top() * m / d, c->Width() * m / d, c->Height() * m / d);
    if (auto* w = dynamic_cast<TWinControl*>(c))
        for (int i = 0; i < w->ControlCount(); ++i) ScaleControl(w->Controls(i), m, d);
}

bool IsOperatorKey(char32_t k) {
    return k == 13 || k == '%' || k == '*' || k == '+' || k == '-' || k == '/' || k == '=';
}

} // namespace

TCalculatorEh::TCalculatorEh(TComponent* owner) : TCustomControl(owner) {
    SetColor(clWindow);
    ReadDefinition();
}

TCalculatorEh::~TCalculatorEh() = default;

void TCalculatorEh::Publish(TPublisher& p) {
    p.Enum("BorderStyle", &TCalculatorEh::BorderStyle, &TCalculatorEh::SetBorderStyle, TBorderStyleInfo)
        .Default(bsNone);
    p.Integer("ClientHeight", &TCalculatorEh::StoredClientHeight, &TCalculatorEh::SetStoredClientHeight)
        .Stored(false);
    p.Integer("ClientWidth", &TCalculatorEh::StoredClientWidth, &TCalculatorEh::SetStoredClientWidth).Stored(false);
    p.Boolean("OldCreateOrder", &TCalculatorEh::OldCreateOrder, &TCalculatorEh::SetOldCreateOrder).Stored(false);
    p.Integer("PixelsPerInch", &TCalculatorEh::PixelsPerInch, &TCalculatorEh::SetPixelsPerInch).Stored(false);
    p.Integer("TextHeight", &TCalculatorEh::TextHeight, &TCalculatorEh::SetTextHeight).Stored(false);
    p.Method("SpeedButtonClick", &TCalculatorEh::SpeedButtonClick);
}

void TCalculatorEh::ReadDefinition() {
    RegisterClasses({TPanel::StaticClass(), TLabel::StaticClass(), TSpeedButtonEh::StaticClass()});
    int screenPpi = Screen ? Screen->PixelsPerInch() : ScreenPixelsPerInch();
    pixelsPerInch_ = 0;
    textHeight_ = 0;
    reading_ = true;
    try {
        ReadComponentRes(kDefinition, this);
    } catch (...) {
        reading_ = false;
        throw;
    }
    reading_ = false;
    if (pixelsPerInch_ > 0 && textHeight_ > 0 && pixelsPerInch_ != screenPpi)
        Font()->SetHeight(Font()->Height() * screenPpi / pixelsPerInch_);
    pixelsPerInch_ = screenPpi;
    // Fonts measure differently from screen to screen: the layout follows
    // the height of a digit.
    int measured = MeasureZeroHeight(Font());
    if (textHeight_ > 0 && measured > 0 && measured != textHeight_) {
        for (int i = 0; i < ControlCount(); ++i) ScaleControl(Controls(i), measured, textHeight_);
        notedWidth_ = notedWidth_ * measured / textHeight_;
        notedHeight_ = notedHeight_ * measured / textHeight_;
    }
    display_ = dynamic_cast<TLabel*>(FindComponent("TextBox"));
    equal_ = dynamic_cast<TSpeedButtonEh*>(FindComponent("spEqual"));
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* b = dynamic_cast<TSpeedButtonEh*>(Components(i))) {
            b->SetStyle(ebsGlyphEh);
            b->SetActive(true);
        }
    Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
    AdjustToClientSize();
    Clear();
}

void TCalculatorEh::SetStoredClientWidth(int v) {
    notedWidth_ = v;
    if (!reading_) AdjustToClientSize();
}

void TCalculatorEh::SetStoredClientHeight(int v) {
    notedHeight_ = v;
    if (!reading_) AdjustToClientSize();
}

void TCalculatorEh::SetPixelsPerInch(int v) {
    if (v == 0 || v > 35) pixelsPerInch_ = v;
}

int TCalculatorEh::FrameWidth() const {
    if (borderStyle_ != bsSingle) return 0;
    return Ctl3D() ? GetSystemMetrics(SM_CXEDGE) : GetSystemMetrics(SM_CXBORDER);
}

void TCalculatorEh::AdjustToClientSize() {
    int f = FrameWidth();
    SetBounds(Left(), Top(), notedWidth_ + 2 * f, notedHeight_ + 2 * f);
}

void TCalculatorEh::SetBorderStyle(TBorderStyle v) {
    if (borderStyle_ == v) return;
    borderStyle_ = v;
    if (!reading_) AdjustToClientSize();
    if (HandleAllocated()) RecreateWnd();
}

void TCalculatorEh::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (borderStyle_ == bsSingle) {
        if (Ctl3D()) {
            params.ExStyle |= WS_EX_CLIENTEDGE;
        } else {
            params.Style |= WS_BORDER;
        }
    }
}

std::string TCalculatorEh::DisplayText() { return display_ ? display_->Caption() : std::string(); }

void TCalculatorEh::SetText(const std::string& text) {
    if (display_) display_->SetCaption(text);
}

double TCalculatorEh::DisplayValue() {
    if (state_ == kError) return 0;
    std::string t = Trim(DisplayText());
    double v = 0;
    if (TryStrToFloat(t, v)) return v;
    // A separator just typed ("12,") reads as the number before it.
    if (TryStrToFloat(t + "0", v)) return v;
    return 0;
}

void TCalculatorEh::SetDisplayValue(double v) { SetText(FloatToStrF(v, ffGeneral, 15, 0)); }

void TCalculatorEh::ShowError() {
    state_ = kError;
    SetText("Error");
}

void TCalculatorEh::BeginEntry() {
    if (state_ != kReady) return;
    state_ = kEntering;
    SetText("0");
}

void TCalculatorEh::Clear() {
    state_ = kReady;
    SetDisplayValue(0);
    operator_ = '=';
    operand_ = 0;
    RefreshEqualCaption();
}

void TCalculatorEh::RefreshEqualCaption() {
    if (!equal_) return;
    bool pending = operator_ == '*' || operator_ == '+' || operator_ == '-' || operator_ == '/';
    equal_->SetCaption(operand_ != 0 && state_ == kEntering && pending ? "=" : "Ok");
}

void TCalculatorEh::HandleCalcKey(char32_t key) {
    if (key >= 'a' && key <= 'z') key -= 'a' - 'A';
    if (state_ == kError && key != 'C') key = 0;
    char sep = FormatSettings.DecimalSeparator;
    if (key == char32_t(sep) || key == ',' || key == '.') {
        BeginEntry();
        std::string t = DisplayText();
        if (t.find(sep) == std::string::npos) SetText(t + sep);
        return;
    }
    if (IsOperatorKey(key)) {
        if (state_ == kEntering) {
            state_ = kReady;
            double x = DisplayValue();
            if (key == '%') {
                if (operator_ == '*' || operator_ == '/') {
                    x = x / 100;
                } else if (operator_ == '+' || operator_ == '-') {
                    x = operand_ * x / 100;
                }
            }
            switch (operator_) {
            case '*': SetDisplayValue(operand_ * x); break;
            case '+': SetDisplayValue(operand_ + x); break;
            case '-': SetDisplayValue(operand_ - x); break;
            case '/':
                if (x == 0) {
                    ShowError();
                } else {
                    SetDisplayValue(operand_ / x);
                }
                break;
            default: break;
            }
        }
        operator_ = key;
        operand_ = DisplayValue();
    } else if (key >= '0' && key <= '9') {
        BeginEntry();
        std::string t = DisplayText();
        if (t == "0") t.clear();
        size_t limit = t.find('-') != std::string::npos ? 16 : 15;
        if (t.find('E') == std::string::npos && t.size() < limit) t += char(key);
        SetText(t);
    } else {
        switch (key) {
        case 3:
            if (OpenClipboard(nullptr)) {
                EmptyClipboard();
                SetClipboardText(DisplayText());
                CloseClipboard();
            }
            break;
        case 8: {
            BeginEntry();
            std::string t = DisplayText();
            if (t.size() == 1 || (t.size() == 2 && t[0] == '-')) {
                SetText("0");
            } else if (!t.empty()) {
                SetText(t.substr(0, t.size() - 1));
            }
            break;
        }
        case 22: {
            std::string text;
            bool got = false;
            if (OpenClipboard(nullptr)) {
                got = GetClipboardText(text);
                CloseClipboard();
            }
            if (got) SetDisplayValue(StrToFloat(Trim(text)));
            break;
        }
        case 27: case 'C': Clear(); break;
        case 'I': SetDisplayValue(-DisplayValue()); break;
        case 'R':
            if (state_ == kReady || state_ == kEntering) {
                state_ = kReady;
                double v = DisplayValue();
                if (v == 0) {
                    ShowError();
                } else {
                    SetDisplayValue(1 / v);
                }
            }
            break;
        case 'S':
            if (state_ == kReady || state_ == kEntering) {
                state_ = kReady;
                double v = DisplayValue();
                if (v < 0) {
                    ShowError();
                } else {
                    SetDisplayValue(std::sqrt(v));
                }
            }
            break;
        default: break;
        }
    }
    RefreshEqualCaption();
}

void TCalculatorEh::SpeedButtonClick(TObject* sender) {
    auto* c = dynamic_cast<TComponent*>(sender);
    std::intptr_t tag = c ? c->Tag() : 0;
    char32_t key = tag > 0 && tag < std::intptr_t(std::size(kButtonKeys)) ? kButtonKeys[tag] : 0;
    // The decimal button sends the separator of the locale.
    if (key == '.') key = char32_t(FormatSettings.DecimalSeparator);
    HandleCalcKey(key);
}

void TCalculatorEh::KeyDown(WORD& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == VK_DELETE) HandleCalcKey('C');
}

void TCalculatorEh::KeyPress(char32_t& key) {
    TCustomControl::KeyPress(key);
    if (key != 0) HandleCalcKey(key);
}

bool TCalculatorEh::DoMouseWheelDown(TShiftState shift, POINT mousePos) {
    bool handled = TCustomControl::DoMouseWheelDown(shift, mousePos);
    if (!handled && state_ != kError) SetDisplayValue(DisplayValue() - 1);
    return true;
}

bool TCalculatorEh::DoMouseWheelUp(TShiftState shift, POINT mousePos) {
    bool handled = TCustomControl::DoMouseWheelUp(shift, mousePos);
    if (!handled && state_ != kError) SetDisplayValue(DisplayValue() + 1);
    return true;
}

// --- the drop-down ------------------------------------------------------------------

TPopupCalculatorEh::TPopupCalculatorEh(TComponent* owner) : TCalculatorEh(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
    SetParentCtl3D(false);
    SetCtl3D(true);
    SetTabStop(false);
    SetFlat(true);
    AdjustToClientSize();
}

int TPopupCalculatorEh::FrameWidth() const { return Ctl3D() ? 2 : 1; }

void TPopupCalculatorEh::CreateParams(TCreateParams& params) {
    TCalculatorEh::CreateParams(params);
    params.Style = WS_POPUP | WS_CLIPCHILDREN;
    if (!Ctl3D()) params.Style |= WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW;
    params.WindowClass.style |= CS_SAVEBITS;
}

void TPopupCalculatorEh::CloseUp(bool accept) {
    if (auto* o = dynamic_cast<IPopupOwnerEh*>(Owner())) o->CloseDropDown(accept);
}

void TPopupCalculatorEh::Dispatch(Message& msg) {
    switch (msg.Msg) {
    case WM_MOUSEACTIVATE:
        msg.Result = MA_NOACTIVATE;
        return;
    case WM_GETDLGCODE:
        msg.Result = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS;
        return;
    case CM_WANTSPECIALKEY:
        if (msg.WParam == VK_RETURN || msg.WParam == VK_ESCAPE) {
            CloseUp(msg.WParam == VK_RETURN);
            msg.Result = 1;
            return;
        }
        break;
    case WM_POPUPCLOSE_EH:
        CloseUp(false);
        return;
    case CM_CTL3DCHANGED:
        TCalculatorEh::Dispatch(msg);
        AdjustToClientSize();
        if (HandleAllocated()) RecreateWnd();
        return;
    case WM_NCCALCSIZE:
        if (Ctl3D()) {
            auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(msg.LParam);
            RECT& r = p->rgrc[0];
            r = RECT{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
            msg.Result = 0;
            return;
        }
        break;
    case WM_NCPAINT:
        if (Ctl3D()) {
            HDC dc = GetWindowDC(Handle());
            RECT r{0, 0, Width(), Height()};
            HBRUSH b = CreateSolidBrush(GetSysColor(COLOR_3DDKSHADOW));
            FrameRect(dc, &r, b);
            DeleteObject(b);
            r = RECT{1, 1, Width() - 1, Height() - 1};
            DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
            ReleaseDC(Handle(), dc);
            msg.Result = 0;
            return;
        }
        break;
    default:
        break;
    }
    TCalculatorEh::Dispatch(msg);
}

void TPopupCalculatorEh::KeyDown(WORD& key, TShiftState shift) {
    TCalculatorEh::KeyDown(key, shift);
    if (key == VK_ESCAPE) {
        CloseUp(false);
        key = 0;
    }
}

void TPopupCalculatorEh::HandleCalcKey(char32_t key) {
    if ((key == 13 || key == '=') && GetEnterCanClose()) {
        CloseUp(true);
        return;
    }
    TCalculatorEh::HandleCalcKey(key);
}

bool TPopupCalculatorEh::GetEnterCanClose() { return !EqualButton() || EqualButton()->Caption() == "Ok"; }

Variant TPopupCalculatorEh::GetValue() {
    if (InError()) return Variant();
    return Variant(DisplayValue());
}

void TPopupCalculatorEh::SetValue(const Variant& value) {
    Clear();
    if (value.IsNull() || value.IsEmpty()) return;
    SetDisplayValue(value.AsDouble());
}

void TPopupCalculatorEh::SetFlat(bool flat) {
    if (flat_ == flat) return;
    flat_ = flat;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* b = dynamic_cast<TSpeedButtonEh*>(Components(i))) b->SetFlat(flat);
}

} // namespace tv
