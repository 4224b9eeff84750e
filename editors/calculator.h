#pragma once
// A small four-function calculator built from its stored definition, and its
// drop-down form that hands the result to the editor that opened it.
#include <string>

#include "editors/popupinterfaces.h"
#include "framework/ui/controls.h"

namespace tv {

class TLabel;
class TSpeedButtonEh;

class TCalculatorEh : public TCustomControl {
    TV_CLASS(TCalculatorEh, TCustomControl)
public:
    explicit TCalculatorEh(TComponent* owner = nullptr);
    ~TCalculatorEh() override;
    static void Publish(TPublisher& p);

    // Reacts to one key as the calculator's keyboard: digits, the decimal
    // separator, + - * / % = Enter, Backspace, Esc and C, I (change sign),
    // R (reciprocal), S (square root), Ctrl+C and Ctrl+V.
    virtual void HandleCalcKey(char32_t key);
    void Clear();
    // The number shown; 0 while an error is shown.
    double DisplayValue();
    void SetDisplayValue(double v);
    std::string DisplayText();
    bool InError() const { return state_ == kError; }
    void SpeedButtonClick(TObject* sender);

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    bool OldCreateOrder() const { return false; }
    void SetOldCreateOrder(bool) {}
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int v);
    int TextHeight() const { return textHeight_; }
    void SetTextHeight(int v) { textHeight_ = v; }
    int StoredClientWidth() { return ClientWidth(); }
    int StoredClientHeight() { return ClientHeight(); }
    void SetStoredClientWidth(int v);
    void SetStoredClientHeight(int v);

protected:
    enum { kReady = 0, kEntering = 1, kError = 2 };
    void CreateParams(TCreateParams& params) override;
    void KeyDown(win::WORD& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    bool DoMouseWheelDown(TShiftState shift, win::POINT mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, win::POINT mousePos) override;
    // The border the window adds around the client area, on each side.
    virtual int FrameWidth() const;
    // Size follows the client size plus the frame.
    void AdjustToClientSize();
    TSpeedButtonEh* EqualButton() const { return equal_; }
    void RefreshEqualCaption();

private:
    void ReadDefinition();
    void BeginEntry();
    void ShowError();
    void SetText(const std::string& text);

    TLabel* display_ = nullptr;
    TSpeedButtonEh* equal_ = nullptr;
    int state_ = kReady;
    char32_t operator_ = '=';
    double operand_ = 0;
    TBorderStyle borderStyle_ = bsNone;
    int pixelsPerInch_ = 96;
    int textHeight_ = 0;
    bool reading_ = false;
    int notedWidth_ = 0, notedHeight_ = 0;
};

class TPopupCalculatorEh : public TCalculatorEh, public IPopupValueEditEh {
    TV_CLASS(TPopupCalculatorEh, TCalculatorEh)
public:
    // `owner` is the editor that opens it; it answers CloseDropDown.
    explicit TPopupCalculatorEh(TComponent* owner = nullptr);

    void HandleCalcKey(char32_t key) override;
    bool CanFocus() override { return false; }
    void Dispatch(Message& msg) override;

    bool GetEnterCanClose() override;
    bool GetFlat() override { return flat_; }
    // Empty while an error is shown: no number to hand back.
    Variant GetValue() override;
    void SetFlat(bool flat) override;
    void SetValue(const Variant& value) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void KeyDown(win::WORD& key, TShiftState shift) override;
    int FrameWidth() const override;

private:
    void CloseUp(bool accept);
    bool flat_ = false;
};

} // namespace tv
