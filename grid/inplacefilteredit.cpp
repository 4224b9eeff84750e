#include "grid/inplacefilteredit.h"

namespace tv {

void TInplaceFilterEditEh::ShowKeyAndText(const Variant& value, const std::string& text) {
    SetValue(value);
    SetText(text);
}

void TInplaceFilterEditEh::TextAreaRect(win::RECT& r) {
    TDBComboBoxEh::TextAreaRect(r);
    // The filter cell's line above belongs to the cell, not to the text.
    r.top += 1;
}

} // namespace tv
