#pragma once
// TDBNavigator: a row of buttons that move through and edit a dataset.
// Buttons are enabled as the dataset's state allows; Delete asks first
// when ConfirmDelete is set.
#include <array>
#include <memory>

#include "framework/data/datalink.h"
#include "framework/ui/controls.h"

namespace tv {

class TDataSource;
class TSpeedButton;

enum TNavigateBtn { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh };
using TButtonSet = TSet<TNavigateBtn>;
extern const TEnumInfo TNavigateBtnInfo;
using ENavClick = std::function<void(TObject* sender, TNavigateBtn button)>;

class TDBNavigator : public TCustomControl {
    TV_CLASS(TDBNavigator, TCustomControl)
public:
    explicit TDBNavigator(TComponent* owner = nullptr);
    ~TDBNavigator() override;
    static void Publish(TPublisher& p);

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* v);
    TButtonSet VisibleButtons() const { return visible_; }
    void SetVisibleButtons(TButtonSet v);
    bool ConfirmDelete() const { return confirmDelete_; }
    void SetConfirmDelete(bool v) { confirmDelete_ = v; }
    TSpeedButton* Button(TNavigateBtn b) const { return buttons_[b]; }
    // Does what the button does, as a click on it.
    void BtnClick(TNavigateBtn b);

    ENavClick BeforeAction;
    ENavClick OnClick;

protected:
    void Resize() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TNavDataLink;
    void UpdateButtons();
    void Layout();
    std::unique_ptr<TDataLink> link_;
    std::array<TSpeedButton*, 10> buttons_{};
    TButtonSet visible_{nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh};
    bool confirmDelete_ = true;
};

} // namespace tv
