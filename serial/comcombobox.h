#pragma once
// A drop-down list bound to one setting of a port. The choosing logic is
// TComSelect's; it works on this combo box's own items and selection.
#include <memory>
#include <string>

#include "framework/ui/stdctrls/combobox.h"
#include "serial/comselect.h"

namespace tv {

extern const TEnumInfo TComPropertyInfo;

class TComComboBox : public TCustomComboBox {
    TV_CLASS(TComComboBox, TCustomComboBox)
public:
    explicit TComComboBox(TComponent* owner = nullptr);
    ~TComComboBox() override;
    static void Publish(TPublisher& p);

    TCustomComPort* ComPort() const { return select_->ComPort(); }
    void SetComPort(TCustomComPort* value) { select_->SetComPort(value); }
    TComProperty ComProperty() const { return select_->ComProperty(); }
    void SetComProperty(TComProperty value);
    bool AutoApply() const { return select_->AutoApply(); }
    void SetAutoApply(bool value) { select_->SetAutoApply(value); }
    // The selected entry's text; setting selects the first equal entry.
    std::string Text() const { return select_->Text(); }
    void SetText(const std::string& value) { select_->SetText(value); }

    void ApplySettings() { select_->ApplySettings(); }
    void UpdateSettings() { select_->UpdateSettings(); }
    TComSelect& Selection() const { return *select_; }

protected:
    // The choice becomes pending (or applied) before OnChange runs.
    void Change() override;

private:
    class TComboSelect;
    std::unique_ptr<TComSelect> select_;
};

} // namespace tv
