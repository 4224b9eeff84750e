#pragma once
// Animation settings of the skin manager: which button events animate,
// and the cross-fades of dialogs, forms, page changes and skin changes.
#include <cstdint>

#include "core/persistent.h"
#include "core/properties.h"
#include "core/sets.h"

namespace tv {

enum TacBtnEvent { beMouseEnter, beMouseLeave, beMouseDown, beMouseUp };
using TacBtnEvents = TSet<TacBtnEvent>;
extern const TEnumInfo TacBtnEventInfo;

// The button events; one set for the whole process, shared by all managers.
class TacBtnEffects : public TPersistent {
    TV_CLASS(TacBtnEffects, TPersistent)
public:
    static void Publish(TPublisher& p);
    TacBtnEvents Events() const;
    void SetEvents(TacBtnEvents v);
};

class TacFormAnimation : public TPersistent {
    TV_CLASS(TacFormAnimation, TPersistent)
public:
    explicit TacFormAnimation(int time = 0) : time_(std::uint16_t(time)) {}
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    // Milliseconds.
    int Time() const { return time_; }
    void SetTime(int v) { time_ = std::uint16_t(v); }

private:
    bool active_ = true;
    std::uint16_t time_;
};

class TacDialogShow : public TacFormAnimation {
    TV_CLASS(TacDialogShow, TacFormAnimation)
public:
    TacDialogShow() : TacFormAnimation(100) {}
};
class TacFormShow : public TacFormAnimation {
    TV_CLASS(TacFormShow, TacFormAnimation)
};
class TacPageChange : public TacFormAnimation {
    TV_CLASS(TacPageChange, TacFormAnimation)
};
class TacSkinChanging : public TacFormAnimation {
    TV_CLASS(TacSkinChanging, TacFormAnimation)
public:
    TacSkinChanging() : TacFormAnimation(100) {}
};

class TacAnimEffects : public TPersistent {
    TV_CLASS(TacAnimEffects, TPersistent)
public:
    TacAnimEffects();
    ~TacAnimEffects() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TacBtnEffects* Buttons() const { return buttons_.get(); }
    void SetButtons(TacBtnEffects* v) { buttons_->Assign(v); }
    TacDialogShow* DialogShow() const { return dialogShow_.get(); }
    void SetDialogShow(TacDialogShow* v) { dialogShow_->Assign(v); }
    TacFormShow* FormShow() const { return formShow_.get(); }
    void SetFormShow(TacFormShow* v) { formShow_->Assign(v); }
    TacPageChange* PageChange() const { return pageChange_.get(); }
    void SetPageChange(TacPageChange* v) { pageChange_->Assign(v); }
    TacSkinChanging* SkinChanging() const { return skinChanging_.get(); }
    void SetSkinChanging(TacSkinChanging* v) { skinChanging_->Assign(v); }

private:
    std::unique_ptr<TacBtnEffects> buttons_;
    std::unique_ptr<TacDialogShow> dialogShow_;
    std::unique_ptr<TacFormShow> formShow_;
    std::unique_ptr<TacPageChange> pageChange_;
    std::unique_ptr<TacSkinChanging> skinChanging_;
};

} // namespace tv
