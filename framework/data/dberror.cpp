#include "framework/data/dberror.h"

#include "core/component.h"

namespace tv {

void DatabaseError(const std::string& message, const TComponent* component) {
    if (component && !component->Name().empty()) throw EDatabaseError(component->Name() + ": " + message);
    throw EDatabaseError(message);
}

} // namespace tv
