#pragma once
// TsMDIForm: what a skinned MDI main form adds to its provider, the skinned
// client area under its children.
#include <memory>

#include "core/persistent.h"

namespace tv {

class TCustomForm;
class TsSkinProvider;
class TacMDIWnd;

class TsMDIForm : public TPersistent {
    TV_CLASS(TsMDIForm, TPersistent)
public:
    explicit TsMDIForm(TsSkinProvider* provider);
    ~TsMDIForm() override;
    void Update();
    // The client window's adapter follows the skinned state of the provider.
    void UpdateMDIClient();
    // The frame drawn again after the menu of a maximized child joined the bar.
    void UpdateMDIMenu();
    TacMDIWnd* ClientAdapter() const { return client_.get(); }

private:
    TsSkinProvider* provider_;
    TCustomForm* form_;
    std::unique_ptr<TacMDIWnd> client_;
};

} // namespace tv
