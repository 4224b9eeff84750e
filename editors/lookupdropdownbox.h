#pragma once
// The settings of a lookup combo box's drop-down grid: those of a lookup
// column's drop-down box, with its place, rows, width, titles and special row
// published as well.
#include "grid/columndropdownbox.h"

namespace tv {

class TLookupComboboxDropDownBoxEh : public TColumnDropDownBoxEh {
    TV_CLASS(TLookupComboboxDropDownBoxEh, TColumnDropDownBoxEh)
public:
    using TColumnDropDownBoxEh::TColumnDropDownBoxEh;
    static void Publish(TPublisher& p);
};

} // namespace tv
