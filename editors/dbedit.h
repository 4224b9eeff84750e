#pragma once
// The published data-aware edit of the library.
#include "editors/dbeditbase.h"

namespace tv {

class TDBEditEh : public TCustomDBEditEh {
    TV_CLASS(TDBEditEh, TCustomDBEditEh)
public:
    using TCustomDBEditEh::TCustomDBEditEh;
    static void Publish(TPublisher& p);
    bool IsTextStored() const;
};

} // namespace tv
