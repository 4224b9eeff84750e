#pragma once
// TGroupBox (a framed, captioned container), TCheckBox and TRadioButton
// (radio buttons of one parent are checked one at a time).
#include <memory>
#include <vector>

#include "core/stringlist.h"
#include "framework/ui/controls.h"

namespace tv {

class TGroupBox : public TCustomControl {
    TV_CLASS(TGroupBox, TCustomControl)
public:
    explicit TGroupBox(TComponent* owner = nullptr);

protected:
    void AdjustClientRect(win::RECT& rect) override;
    void Paint() override;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
extern const TEnumInfo TCheckBoxStateInfo;

// What check boxes and radio buttons share: a box, a caption and a state
// that Space and clicks change.
class TButtonControl : public TCustomControl {
    TV_CLASS(TButtonControl, TCustomControl)
public:
    explicit TButtonControl(TComponent* owner = nullptr);
    static void Publish(TPublisher& p);
    bool Checked() const { return state_ == cbChecked; }
    virtual void SetChecked(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { alignment_ = v; Invalidate(); }
    void Dispatch(Message& msg) override;

protected:
    void Paint() override;
    virtual void Toggle() = 0;
    virtual bool IsRadio() const = 0;
    void StateChanged();
    TCheckBoxState state_ = cbUnchecked;

private:
    TAlignment alignment_ = taRightJustify;
};

class TCheckBox : public TButtonControl {
    TV_CLASS(TCheckBox, TButtonControl)
public:
    using TButtonControl::TButtonControl;
    static void Publish(TPublisher& p);
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState v);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v) { allowGrayed_ = v; }

protected:
    void Toggle() override;
    bool IsRadio() const override { return false; }

private:
    bool allowGrayed_ = false;
};

class TRadioButton : public TButtonControl {
    TV_CLASS(TRadioButton, TButtonControl)
public:
    using TButtonControl::TButtonControl;
    void SetChecked(bool v) override;

protected:
    void Toggle() override { SetChecked(true); }
    bool IsRadio() const override { return true; }
};

// A group box of radio buttons made from its Items, in Columns.
class TRadioGroup : public TGroupBox {
    TV_CLASS(TRadioGroup, TGroupBox)
public:
    explicit TRadioGroup(TComponent* owner = nullptr);
    ~TRadioGroup() override;
    static void Publish(TPublisher& p);
    TStrings* Items() const { return items_.get(); }
    void SetItems(TStrings* v) { items_->Assign(v); }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int v);
    int Columns() const { return columns_; }
    void SetColumns(int v);
    int ButtonCount() const { return int(buttons_.size()); }
    TRadioButton* Buttons(int i) const { return buttons_.at(size_t(i)); }
    void Loaded() override;
    void SetEnabled(bool v) override;

protected:
    void AlignControls(TControl* control, win::RECT& rect) override;

private:
    void UpdateButtons();
    std::unique_ptr<TStringList> items_;
    std::vector<TRadioButton*> buttons_;
    int itemIndex_ = -1, columns_ = 1;
    bool updating_ = false;
};

} // namespace tv
