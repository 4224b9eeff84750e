#pragma once
// Writes the grid's cells as typed values in the exchange format "VCLDBIF",
// so a paste into another grid keeps numbers, dates and lookup keys.
#include "gridservices/exchange/gridexport.h"

namespace tv {

class TDBGridEhExportAsVCLDBIF : public TDBGridEhExport {
    TV_CLASS(TDBGridEhExportAsVCLDBIF, TDBGridEhExport)
public:
    static void Publish(TPublisher&) {}
    void EmitPrefix() override;
    void EmitSuffix() override;
    void EmitTitle(TColumnsEhList&) override {}
    void EmitDataCell(TColumnEh* column, TColCellParamsEh* params) override;
    void EmitFooter(TColumnsEhList&, int) override {}
};

} // namespace tv
