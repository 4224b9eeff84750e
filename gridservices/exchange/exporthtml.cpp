#include "gridservices/exchange/exporthtml.h"

#include <cstdio>

#include "gridservices/exchange/titlelevels.h"

namespace tv {

namespace {

const char* AlignmentText(TAlignment a) {
    switch (a) {
    case taRightJustify: return "RIGHT";
    case taCenter: return "CENTER";
    default: return "LEFT";
    }
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

} // namespace

std::string HTMLColorText(TColor color) {
    if (color == clNone) return "000000";
    win::COLORREF rgb = ColorToRGB(color);
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X%02X%02X", unsigned(rgb & 0xFF), unsigned((rgb >> 8) & 0xFF),
                  unsigned((rgb >> 16) & 0xFF));
    return buf;
}

std::string HTMLEscaped(const std::string& text) {
    if (text.empty()) return "&nbsp;";
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

void TDBGridEhExportAsHTML::PutFontRun(TFont* font, const std::string& text) {
    TFontStyles st = font->Style();
    std::string out = "<FONT STYLE=\"font-family: " + font->Name() + "; font-size: " + std::to_string(font->Size()) +
                      "pt; color: #" + HTMLColorText(font->Color()) + "\">";
    if (st.Contains(fsBold)) out += "<B>";
    if (st.Contains(fsItalic)) out += "<I>";
    if (st.Contains(fsUnderline)) out += "<U>";
    if (st.Contains(fsStrikeOut)) out += "<STRIKE>";
    out += HTMLEscaped(text);
    if (st.Contains(fsBold)) out += "</B>";
    if (st.Contains(fsItalic)) out += "</I>";
    if (st.Contains(fsUnderline)) out += "</U>";
    if (st.Contains(fsStrikeOut)) out += "</STRIKE>";
    Put(out + "</FONT>");
}

void TDBGridEhExportAsHTML::EmitPrefix() {
    TCustomDBGridEh* g = DBGridEh();
    PutLine("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">");
    PutLine("<HTML>");
    PutLine("<HEAD>");
    PutLine("<TITLE>");
    PutLine(g->Name());
    PutLine("</TITLE>");
    PutLine("</HEAD>");
    PutLine("<BODY>");
    bool lines = g->Options().Contains(dgColLines) || g->Options().Contains(dgRowLines);
    std::string border = !lines ? "BORDER=0 CELLSPACING=0 CELLPADDING="
                         : g->Ctl3D() ? "BORDER=1 CELLSPACING=0 CELLPADDING="
                                      : "BORDER=0 CELLSPACING=1 CELLPADDING=";
    PutLine("<TABLE " + border + (g->Flat() ? "1" : "2") + " BGCOLOR=#" + HTMLColorText(g->FixedColor()) + ">\r\n");
}

void TDBGridEhExportAsHTML::EmitSuffix() {
    PutLine("</TABLE>");
    PutLine("</BODY>");
    PutLine("</HTML>");
}

void TDBGridEhExportAsHTML::EmitTitle(TColumnsEhList& columns) {
    TTitleLevels levels;
    if (!DBGridEh()->UseMultiTitle() || !levels.Build(DBGridEh(), columns)) {
        PutLine("<TR>");
        for (TColumnEh* c : columns) {
            Put("  <TD WIDTH=" + std::to_string(c->Width()) + " ALIGN=" + Quoted(AlignmentText(c->Title()->Alignment())) +
                ">");
            PutFontRun(c->Title()->Font(), c->Title()->Caption());
            PutLine("</TD>");
        }
        PutLine("</TR>");
        return;
    }
    for (int level : levels.WritingOrder()) {
        PutLine("<TR>");
        for (int c = 0; c < levels.ColumnCount(); ++c) {
            int rowSpan = 1, colSpan = 1;
            if (!levels.Span(level, c, rowSpan, colSpan)) continue;
            TColumnEh* column = columns.Items(c);
            std::string cell = level == 0 ? "  <TD WIDTH=" + std::to_string(column->Width()) + " ALIGN=" : "  <TD ALIGN=";
            cell += Quoted("CENTER");
            if (colSpan > 1) cell += " COLSPAN = " + Quoted(std::to_string(colSpan));
            if (rowSpan > 1) cell += " ROWSPAN = " + Quoted(std::to_string(rowSpan));
            Put(cell + ">");
            PutFontRun(level == 0 ? column->Title()->Font() : DBGridEh()->TitleFont(), levels.Node(level, c)->Text());
            PutLine("</TD>");
        }
        PutLine("</TR>");
    }
}

void TDBGridEhExportAsHTML::EmitRecord(TColumnsEhList& columns) {
    PutLine("<TR>");
    TDBGridEhExport::EmitRecord(columns);
    PutLine("</TR>");
}

void TDBGridEhExportAsHTML::EmitFooter(TColumnsEhList& columns, int footerRow) {
    PutLine("<TR>");
    TDBGridEhExport::EmitFooter(columns, footerRow);
    PutLine("</TR>");
}

void TDBGridEhExportAsHTML::EmitDataCell(TColumnEh* column, TColCellParamsEh* params) {
    Put("  <TD WIDTH=" + std::to_string(column->Width()) + " ALIGN=" + Quoted(AlignmentText(params->Alignment)) +
        " BGCOLOR=#" + HTMLColorText(params->Background) + ">");
    PutFontRun(params->Font(), params->Text);
    PutLine("</TD>");
}

void TDBGridEhExportAsHTML::EmitFooterCell(int, int, const std::string& text, TAlignment alignment,
                                           TColor background, TFont* font, TColumnEh* column) {
    Put("  <TD WIDTH=" + std::to_string(column->Width()) + " ALIGN=" + Quoted(AlignmentText(alignment)) +
        " BGCOLOR=#" + HTMLColorText(background) + ">");
    PutFontRun(font, text);
    PutLine("</TD>");
}

} // namespace tv
