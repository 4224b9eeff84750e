#pragma once
// The document types of the suite (TIDO_COD 11 to 66): the table each type's
// documents live in, its four-letter column prefix and the slot of its module
// where the numbering services leave the id of a document they find.
#include <string>

namespace tv::app {

struct TTipoDocumento {
    int codigo;
    const char* tabla;
    const char* prefijo;
    // The found-id slot; null while its module does not exist.
    std::string* (*hueco)();
};

// Null for a type outside the table (bank documents are numbered elsewhere).
const TTipoDocumento* tipo_documento(int codigo);
// Empties every found-id slot.
void vacie_huecos();

} // namespace tv::app
