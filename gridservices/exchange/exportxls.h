#pragma once
// Writes the grid as a worksheet: a stream of spreadsheet records, one cell
// each, numbers as numbers and texts in the Windows Western code page.
#include "core/resourcestrings.h"
#include "gridservices/exchange/gridexport.h"

namespace tv {

TV_RESOURCESTRING(SWorksheetTooManyRows, "La hoja de cálculo no admite más de 65536 filas; exporte menos registros.")

class TDBGridEhExportAsXLS : public TDBGridEhExport {
    TV_CLASS(TDBGridEhExportAsXLS, TDBGridEhExport)
public:
    static void Publish(TPublisher&) {}
    void EmitPrefix() override;
    void EmitSuffix() override;
    void EmitTitle(TColumnsEhList& columns) override;
    void EmitDataCell(TColumnEh* column, TColCellParamsEh* params) override;
    void EmitFooterCell(int dataCol, int footerRow, const std::string& text, TAlignment alignment,
                        TColor background, TFont* font, TColumnEh* column) override;
    void ExportStream(TStream& stream, bool all) override;

private:
    void WriteText(const std::string& text);
    void WriteNumber(double value);
    void WriteInteger(int value);
    void WriteBlank();
    void CellHeader(std::string& out, std::uint16_t record, std::uint16_t length) const;
    void IncColRow(TColumnEh* column);

    int row_ = 0, col_ = 0;
};

// UTF-8 text in the Windows Western code page (cp1252); what it cannot
// hold becomes "?".
std::string Utf8ToWindows1252(const std::string& text);

} // namespace tv
