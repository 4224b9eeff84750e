#include "grid/colcellparams.h"

namespace tv {

TColCellParamsEh::TColCellParamsEh() : font_(std::make_unique<TFont>()) {}
TColCellParamsEh::~TColCellParamsEh() = default;

} // namespace tv
