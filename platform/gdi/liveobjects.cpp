#include "platform/gdi/liveobjects.h"

#include <unordered_set>

namespace tv::win {

namespace {
// Never freed: objects that outlive static destruction still unregister.
std::unordered_set<const GdiObject*>& Live() {
    static auto* live = new std::unordered_set<const GdiObject*>;
    return *live;
}
} // namespace

GdiObject::GdiObject(GdiKind k) : kind(k) { Live().insert(this); }
GdiObject::GdiObject(const GdiObject& other) : kind(other.kind), stock(other.stock) { Live().insert(this); }
GdiObject::~GdiObject() { Live().erase(this); }

bool IsGdiObject(const GdiObject* obj) { return obj && Live().count(obj) != 0; }

} // namespace tv::win
