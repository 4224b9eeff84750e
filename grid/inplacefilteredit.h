#pragma once
// TInplaceFilterEditEh: the editor of the grid's filter row, a combo box
// placed in the filter cell of the column being filtered.
#include "editors/dbcombobox.h"

namespace tv {

class TInplaceFilterEditEh : public TDBComboBoxEh {
    TV_CLASS(TInplaceFilterEditEh, TDBComboBoxEh)
public:
    using TDBComboBoxEh::TDBComboBoxEh;
    static void Publish(TPublisher&) {}
    // The value behind the shown text (a list's key) and the text itself.
    void ShowKeyAndText(const Variant& value, const std::string& text);
    void TextAreaRect(win::RECT& r) override;
};

} // namespace tv
