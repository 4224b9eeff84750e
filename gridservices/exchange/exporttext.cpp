#include "gridservices/exchange/exporttext.h"

namespace tv {

char DBGridEhCSVSeparator = ';';

void TDBGridEhExportAsText::ExportStream(TStream& stream, bool all) {
    firstRec_ = true;
    TDBGridEhExport::ExportStream(stream, all);
}

void TDBGridEhExportAsText::PutRecordSeparator() {
    if (firstRec_)
        firstRec_ = false;
    else
        Put("\r\n");
}

void TDBGridEhExportAsText::PutCellSeparator() {
    if (firstCell_)
        firstCell_ = false;
    else
        Put("\t");
}

std::string TextCellQuoted(const std::string& text) {
    if (text.find_first_of("\t\r\n") == std::string::npos && (text.empty() || text[0] != '"')) return text;
    return CSVQuoted(text);
}

void TDBGridEhExportAsText::EmitTitle(TColumnsEhList& columns) {
    PutRecordSeparator();
    for (int i = 0; i < columns.Count(); ++i) {
        Put(TextCellQuoted(columns.Items(i)->Title()->Caption()));
        if (i < columns.Count() - 1) Put("\t");
    }
}

void TDBGridEhExportAsText::EmitRecord(TColumnsEhList& columns) {
    PutRecordSeparator();
    firstCell_ = true;
    TDBGridEhExport::EmitRecord(columns);
}

void TDBGridEhExportAsText::EmitFooter(TColumnsEhList& columns, int footerRow) {
    PutRecordSeparator();
    firstCell_ = true;
    TDBGridEhExport::EmitFooter(columns, footerRow);
}

void TDBGridEhExportAsText::EmitDataCell(TColumnEh*, TColCellParamsEh* params) {
    PutCellSeparator();
    Put(TextCellQuoted(params->Text));
}

void TDBGridEhExportAsText::EmitFooterCell(int, int, const std::string& text, TAlignment, TColor, TFont*,
                                           TColumnEh*) {
    PutCellSeparator();
    Put(TextCellQuoted(text));
}

std::string CSVQuoted(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (std::size_t from = 0;;) {
        const std::size_t quote = text.find('"', from);
        if (quote == std::string::npos) {
            out.append(text, from);
            break;
        }
        out.append(text, from, quote + 1 - from);
        out += '"';
        from = quote + 1;
    }
    out += '"';
    return out;
}

TDBGridEhExportAsCSV::TDBGridEhExportAsCSV() : separator_(DBGridEhCSVSeparator) {}

void TDBGridEhExportAsCSV::PutCellSeparator() {
    if (firstCell_)
        firstCell_ = false;
    else
        Put(std::string_view(&separator_, 1));
}

void TDBGridEhExportAsCSV::EmitTitle(TColumnsEhList& columns) {
    PutRecordSeparator();
    for (int i = 0; i < columns.Count(); ++i) {
        Put(CSVQuoted(columns.Items(i)->Title()->Caption()));
        if (i < columns.Count() - 1) Put(std::string_view(&separator_, 1));
    }
}

void TDBGridEhExportAsCSV::EmitDataCell(TColumnEh*, TColCellParamsEh* params) {
    PutCellSeparator();
    Put(CSVQuoted(params->Text));
}

void TDBGridEhExportAsCSV::EmitFooterCell(int, int, const std::string& text, TAlignment, TColor, TFont*,
                                          TColumnEh*) {
    PutCellSeparator();
    Put(CSVQuoted(text));
}

} // namespace tv
