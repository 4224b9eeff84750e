#pragma once
// A lookup fixture the grid and the editors share: the price lists
// ("General", "Mayoristas", "Empleados" under LIPR_COD 1 to 3) and an empty
// dataset of documents whose NUMERO and LISTA fields are joined to them by
// the lookup field NOMBRE_LISTA (LISTA -> LIPR_COD, showing LIPR_NOM).
namespace tv {
class TClientDataSet;
class TComponent;
} // namespace tv

namespace tvtest {

struct PriceLists {
    tv::TClientDataSet* lists = nullptr;
    tv::TClientDataSet* docs = nullptr;
};

// Both datasets and their fields are owned by `owner`, open and ready for rows.
PriceLists MakePriceLists(tv::TComponent* owner);

} // namespace tvtest
