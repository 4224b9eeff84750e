// The grid's binary exchange format imported into a data grid.
#include "fuzz/targets/gridimport.h"
#include "gridservices/exchange/importvcldbif.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tvfuzz::ImportIntoGrid(tv::TDBGridEhImportAsVCLDBIF::StaticClass(), data, size, false);
    return 0;
}
