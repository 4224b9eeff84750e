// Tab-separated text pasted or imported into a data grid.
#include "fuzz/targets/gridimport.h"
#include "gridservices/exchange/importtext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tvfuzz::ImportIntoGrid(tv::TDBGridEhImportAsText::StaticClass(), data, size, true);
    return 0;
}
