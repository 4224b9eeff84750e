#pragma once
// Tab-separated text and CSV exporters. Text is written as it stands, except a
// value holding a tab or a line break, or one that the paste would otherwise
// read as a quoted cell, which is quoted as CSV is, so it reads back as it
// was; CSV quotes every value and doubles the quotes inside.
#include "gridservices/exchange/gridexport.h"

namespace tv {

class TDBGridEhExportAsText : public TDBGridEhExport {
    TV_CLASS(TDBGridEhExportAsText, TDBGridEhExport)
public:
    static void Publish(TPublisher&) {}
    void EmitPrefix() override {}
    void EmitSuffix() override {}
    void EmitTitle(TColumnsEhList& columns) override;
    void EmitRecord(TColumnsEhList& columns) override;
    void EmitDataCell(TColumnEh* column, TColCellParamsEh* params) override;
    void EmitFooter(TColumnsEhList& columns, int footerRow) override;
    void EmitFooterCell(int dataCol, int footerRow, const std::string& text, TAlignment alignment,
                        TColor background, TFont* font, TColumnEh* column) override;
    void ExportStream(TStream& stream, bool all) override;
    bool WritesCellLook() const override { return false; }

    virtual void PutRecordSeparator();
    virtual void PutCellSeparator();

protected:
    bool firstRec_ = true, firstCell_ = true;
};

// The process-wide CSV separator, taken by each CSV exporter when created.
extern char DBGridEhCSVSeparator;

class TDBGridEhExportAsCSV : public TDBGridEhExportAsText {
    TV_CLASS(TDBGridEhExportAsCSV, TDBGridEhExportAsText)
public:
    TDBGridEhExportAsCSV();
    static void Publish(TPublisher&) {}
    void EmitTitle(TColumnsEhList& columns) override;
    void EmitDataCell(TColumnEh* column, TColCellParamsEh* params) override;
    void EmitFooterCell(int dataCol, int footerRow, const std::string& text, TAlignment alignment,
                        TColor background, TFont* font, TColumnEh* column) override;
    void PutCellSeparator() override;

    char Separator() const { return separator_; }
    void SetSeparator(char c) { separator_ = c; }

private:
    char separator_;
};

// The text between double quotes, inner double quotes doubled.
std::string CSVQuoted(const std::string& text);
// A value of the tab-separated text: quoted only where the paste would
// otherwise read it differently.
std::string TextCellQuoted(const std::string& text);

} // namespace tv
