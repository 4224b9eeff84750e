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

// The importer takes a cell opening with a quote for a quoted one while its
// quotes stay doubled up to a lone one that ends the cell, and for text as it
// stands as soon as a lone quote is followed by more of the cell. A cell is
// quoted where it holds a separator, or where its reading as it stands is not
// settled within the cell: a lone quote at its end, or none at all.
std::string TextCellQuoted(const std::string& text) {
    bool quote = text.find_first_of("\t\r\n") != std::string::npos;
    if (!quote && !text.empty() && text[0] == '"') {
        quote = true;
        for (std::size_t i = 1; i < text.size(); ++i) {
            if (text[i] != '"') continue;
            if (i + 1 < text.size() && text[i + 1] == '"') {
                ++i;
                continue;
            }
            quote = i + 1 == text.size();
            break;
        }
    }
    return quote ? CSVQuoted(text) : text;
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
