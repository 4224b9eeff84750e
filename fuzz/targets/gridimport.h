#pragma once
// A data grid over a client dataset of typed columns, with a pick list and a
// lookup column, made once per process for the importer targets.
#include <cstddef>
#include <cstdint>

#include "core/object.h"

namespace tvfuzz {

// Imports the bytes into the grid with the importer class, then empties the
// rows. Text is given with the terminating 0 the clipboard's text has.
void ImportIntoGrid(tv::TClass importer, const std::uint8_t* data, std::size_t size, bool text);

} // namespace tvfuzz
