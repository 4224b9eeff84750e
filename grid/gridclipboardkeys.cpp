#include "grid/gridclipboardkeys.h"

namespace tv {

TGridClipboardKeys& GridClipboardKeys() {
    static TGridClipboardKeys keys;
    return keys;
}

} // namespace tv
