#pragma once
// The data-aware check box with three states, painted flat or 3-D through the
// shared button faces. A Boolean field maps directly; any other field through
// ValueChecked and ValueUnchecked (lists separated by ";"); null, or a text in
// neither list, is the greyed state. Unbound it keeps a Boolean of its own.
#include <functional>
#include <memory>
#include <string>

#include "editors/dbeditbase.h"
#include "framework/ui/checkcontrols.h"

namespace tv {

class TBasicAction;
class TDataSource;
class TField;
class TFieldDataLinkEh;

class TCustomDBCheckBoxEh : public TButtonControl {
    TV_CLASS(TCustomDBCheckBoxEh, TButtonControl)
public:
    explicit TCustomDBCheckBoxEh(TComponent* owner = nullptr);
    ~TCustomDBCheckBoxEh() override;

    TFieldDataLinkEh* DataLink() const { return link_.get(); }
    TField* Field() const;
    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* v);
    const std::string& DataField() const;
    void SetDataField(const std::string& v);
    bool ReadOnly() const;
    void SetReadOnly(bool v);

    TCheckBoxState State() const { return state_; }
    // Bound, the record goes into edit state and the state is posted; a
    // refusal puts the field's state back and goes on.
    void SetState(TCheckBoxState v);
    void SetChecked(bool v) override;
    // Right-justified, but left-justified when read right to left with the
    // box at the right.
    TAlignment GetControlsAlignment() const override;
    const std::string& ValueChecked() const { return valueChecked_; }
    void SetValueChecked(const std::string& v);
    const std::string& ValueUnchecked() const { return valueUnchecked_; }
    void SetValueUnchecked(const std::string& v);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v) { allowGrayed_ = v; }
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    bool AlwaysShowBorder() const { return alwaysShowBorder_; }
    void SetAlwaysShowBorder(bool v);
    bool Modified() const { return modified_; }
    bool DataPosting() const { return dataPosting_; }
    virtual bool IsDataIndependent() const;
    // The state the data gives.
    TCheckBoxState FieldState() const;

    bool ExecuteAction(TBasicAction* action);
    bool UpdateAction(TBasicAction* action);
    void Click() override;
    void Dispatch(Message& msg) override;

    TUpdateDataEventEh OnUpdateData;

protected:
    virtual void PaintControl();
    virtual void PaintCaption(const win::RECT& rect, bool focused);
    virtual void PaintCheckMark(const win::RECT& rect, TCheckBoxState state, bool pressed, bool hot, bool focused);
    virtual void PaintCheckBox(TCheckBoxState state, bool focused, bool pressed, bool hot);
    virtual void ApplyState(TCheckBoxState v);
    virtual void PostToField();
    virtual void ToggleState();
    virtual void CommitState();

    void Paint() override;
    void Toggle() override { ToggleState(); }
    bool IsRadio() const override { return false; }
    void KeyPress(char32_t& key) override;
    void DoExit() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void DataChange();
    std::unique_ptr<TFieldDataLinkEh> link_;
    std::string valueChecked_, valueUnchecked_;
    bool allowGrayed_ = false, flat_ = false, alwaysShowBorder_ = false;
    bool modified_ = false, dataPosting_ = false, clicksDisabled_ = false;
    bool spacePressed_ = false, mouseAbove_ = false;
};

class TDBCheckBoxEh : public TCustomDBCheckBoxEh {
    TV_CLASS(TDBCheckBoxEh, TCustomDBCheckBoxEh)
public:
    using TCustomDBCheckBoxEh::TCustomDBCheckBoxEh;
    static void Publish(TPublisher& p);
    bool IsStateStored() const { return IsDataIndependent() && State() != cbUnchecked; }
};

} // namespace tv
