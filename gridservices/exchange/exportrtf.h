#pragma once
// Writes the grid as an RTF document holding one table. The body is written
// first into a cache, because the colour and font tables that head the
// document fill up while the cells are written.
#include <string>
#include <vector>

#include "gridservices/exchange/gridexport.h"

namespace tv {

class TMemoryStreamEh;

class TDBGridEhExportAsRTF : public TDBGridEhExport {
    TV_CLASS(TDBGridEhExportAsRTF, TDBGridEhExport)
public:
    static void Publish(TPublisher&) {}
    void EmitPrefix() override {}
    void EmitSuffix() override;
    void EmitTitle(TColumnsEhList& columns) override;
    void EmitRecord(TColumnsEhList& columns) override;
    void EmitDataCell(TColumnEh* column, TColCellParamsEh* params) override;
    void EmitFooter(TColumnsEhList& columns, int footerRow) override;
    void EmitFooterCell(int dataCol, int footerRow, const std::string& text, TAlignment alignment,
                        TColor background, TFont* font, TColumnEh* column) override;
    void ExportStream(TStream& stream, bool all) override;

    // Positions in the tables, adding what is new at the end.
    int ColorIndex(TColor color);
    int FontIndex(const std::string& name);

private:
    enum { bdLeft = 1, bdTop = 2, bdBottom = 4, bdRight = 8, bdAll = 15 };
    std::string TextRun(TFont* font, const std::string& text, TColor background);
    void PutParagraph(TAlignment alignment, const std::string& margin, const std::string& run);
    void PutCellDef(int borders, TColor shading, int rightEdge);
    std::vector<int> RightEdges(TColumnsEhList& columns) const;
    void PutRowStart();
    std::string Margin() const { return DBGridEh()->Flat() ? "12" : "24"; }
    int PixelsPerInch() const;

    std::vector<std::string> colors_, fonts_;
};

// RTF text: backslash and braces escaped, line breaks as \line, characters
// beyond ASCII as \uN with a "?" fallback, so that readers see the letters
// and not the bytes.
std::string RTFEscaped(const std::string& text);

} // namespace tv
