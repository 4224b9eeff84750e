#pragma once
// Writes the grid as an HTML 3.2 page holding one table, with the grid's
// fonts, colours, alignment and widths, and merged multi-level titles.
#include "gridservices/exchange/gridexport.h"

namespace tv {

class TDBGridEhExportAsHTML : public TDBGridEhExport {
    TV_CLASS(TDBGridEhExportAsHTML, TDBGridEhExport)
public:
    static void Publish(TPublisher&) {}
    void EmitPrefix() override;
    void EmitSuffix() override;
    void EmitTitle(TColumnsEhList& columns) override;
    void EmitRecord(TColumnsEhList& columns) override;
    void EmitDataCell(TColumnEh* column, TColCellParamsEh* params) override;
    void EmitFooter(TColumnsEhList& columns, int footerRow) override;
    void EmitFooterCell(int dataCol, int footerRow, const std::string& text, TAlignment alignment,
                        TColor background, TFont* font, TColumnEh* column) override;

private:
    void PutFontRun(TFont* font, const std::string& text);
};

// "RRGGBB" of a colour (system colours resolved); "000000" for none.
std::string HTMLColorText(TColor color);
// The text with &, <, > and the double quote as entities, each closed by
// its semicolon so that a ";" after it in the text is not swallowed;
// "&nbsp;" when empty.
std::string HTMLEscaped(const std::string& text);

} // namespace tv
