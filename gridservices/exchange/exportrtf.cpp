#include "gridservices/exchange/exportrtf.h"

#include <cstdio>

#include "core/strutils.h"
#include "grid/platformwrappers.h"
#include "gridservices/exchange/titlelevels.h"
#include "platform/gdi/dc.h"

namespace tv {

std::string RTFEscaped(const std::string& text) {
    std::string out;
    for (char32_t c : Utf8ToUtf32(text)) {
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\line ";
        } else if (c == '\r') {
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x10000) {
            out += "\\u" + std::to_string(static_cast<std::int16_t>(c)) + "\\'3f";
        } else {
            char32_t v = c - 0x10000;
            out += "\\u" + std::to_string(static_cast<std::int16_t>(0xD800 + (v >> 10))) + "\\'3f";
            out += "\\u" + std::to_string(static_cast<std::int16_t>(0xDC00 + (v & 0x3FF))) + "\\'3f";
        }
    }
    return out;
}

int TDBGridEhExportAsRTF::ColorIndex(TColor color) {
    win::COLORREF rgb = ColorToRGB(color);
    char key[16];
    std::snprintf(key, sizeof key, "%3u%3u%3u", unsigned(rgb & 0xFF), unsigned((rgb >> 8) & 0xFF),
                  unsigned((rgb >> 16) & 0xFF));
    for (std::size_t i = 0; i < colors_.size(); ++i)
        if (colors_[i] == key) return static_cast<int>(i);
    colors_.emplace_back(key);
    return static_cast<int>(colors_.size()) - 1;
}

int TDBGridEhExportAsRTF::FontIndex(const std::string& name) {
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        if (AnsiCompareText(fonts_[i], name) == 0) return static_cast<int>(i);
    fonts_.push_back(name);
    return static_cast<int>(fonts_.size()) - 1;
}

int TDBGridEhExportAsRTF::PixelsPerInch() const {
    TCanvas* canvas = DBGridEh()->Canvas();
    int ppi = canvas && DBGridEh()->HandleAllocated() ? win::GetDeviceCaps(canvas->Handle(), win::LOGPIXELSX) : 0;
    return ppi > 0 ? ppi : 96;
}

void TDBGridEhExportAsRTF::ExportStream(TStream& stream, bool all) {
    TMemoryStreamEh cache;
    cache.HalfMemoryDelta = 0x10000 / 2;
    colors_.clear();
    fonts_.clear();
    ColorIndex(clBlack);
    ColorIndex(clWhite);
    ColorIndex(clBtnFace);
    TDBGridEhExport::ExportStream(cache, all);
    // No selection: nothing at all, as the other formats, rather than an unclosed document.
    if (cache.Size() == 0) return;
    std::string head = "{\\rtf0\\ansi\r\n{\\colortbl";
    for (const std::string& key : colors_) {
        int r = std::stoi(key.substr(0, 3)), g = std::stoi(key.substr(3, 3)), b = std::stoi(key.substr(6, 3));
        head += "\\red" + std::to_string(r) + "\\green" + std::to_string(g) + "\\blue" + std::to_string(b) + ";";
    }
    head += "\r\n}\r\n{\\fonttbl";
    for (std::size_t i = 0; i < fonts_.size(); ++i) head += "\\f" + std::to_string(i) + "\\fnil " + fonts_[i] + ";";
    head += "\r\n}\r\n";
    stream.WriteString(head);
    stream.WriteBuffer(cache.Memory(), cache.Size());
}

void TDBGridEhExportAsRTF::EmitSuffix() { Put("}"); }

std::string TDBGridEhExportAsRTF::TextRun(TFont* font, const std::string& text, TColor background) {
    TFontStyles st = font->Style();
    std::string out = "\\fs" + std::to_string(font->Size() * 2);
    if (st.Contains(fsBold)) out += "\\b";
    if (st.Contains(fsItalic)) out += "\\i";
    if (st.Contains(fsStrikeOut)) out += "\\strike";
    if (st.Contains(fsUnderline)) out += "\\ul";
    out += "\\f" + std::to_string(FontIndex(font->Name()));
    out += "\\cf" + std::to_string(ColorIndex(font->Color()));
    out += "\\cb" + std::to_string(ColorIndex(background));
    return out + " " + RTFEscaped(text);
}

void TDBGridEhExportAsRTF::PutParagraph(TAlignment alignment, const std::string& margin, const std::string& run) {
    const char* a = alignment == taRightJustify ? "\\qr" : alignment == taCenter ? "\\qc" : "\\ql";
    std::string out = std::string("\\pard\\intbl{") + a;
    if (!margin.empty()) out += "\\sb" + margin + "\\sa" + margin;
    PutLine(out + run + "\\cell}");
}

void TDBGridEhExportAsRTF::PutCellDef(int borders, TColor shading, int rightEdge) {
    static const std::pair<int, const char*> sides[] = {
        {bdLeft, "\\clbrdrl"}, {bdTop, "\\clbrdrt"}, {bdBottom, "\\clbrdrb"}, {bdRight, "\\clbrdrr"}};
    for (auto& [bit, word] : sides)
        if (borders & bit) PutLine(std::string(word) + "\\brdrs\\brdrcf0");
    Put("\\clshdng10000\\clcfpat" + std::to_string(ColorIndex(shading)));
    PutLine("\\cellx" + std::to_string(rightEdge));
}

std::vector<int> TDBGridEhExportAsRTF::RightEdges(TColumnsEhList& columns) const {
    std::vector<int> edges;
    int ppi = PixelsPerInch(), sum = 0;
    for (TColumnEh* c : columns) {
        sum += static_cast<int>(static_cast<double>(c->Width()) / ppi * 1440);
        edges.push_back(sum);
    }
    return edges;
}

void TDBGridEhExportAsRTF::PutRowStart() {
    Put("\\trowd");
    PutLine("\\trgaph40");
}

void TDBGridEhExportAsRTF::EmitTitle(TColumnsEhList& columns) {
    std::vector<int> edges = RightEdges(columns);
    TTitleLevels levels;
    if (!DBGridEh()->UseMultiTitle() || !levels.Build(DBGridEh(), columns)) {
        PutRowStart();
        for (int c = 0; c < columns.Count(); ++c) PutCellDef(bdAll, columns.Items(c)->Title()->Color(), edges[c]);
        PutLine("{\\trrh0");
        for (TColumnEh* c : columns)
            PutParagraph(c->Title()->Alignment(), Margin(),
                         TextRun(c->Title()->Font(), c->Title()->Caption(), c->Title()->Color()));
        PutLine("\\pard\\intbl\\row}");
        return;
    }
    int margin = static_cast<int>(DBGridEh()->VTitleMargin() / 2.0 / PixelsPerInch() * 1440 - 20);
    int n = levels.ColumnCount();
    std::vector<std::vector<int>> suppressed(static_cast<std::size_t>(levels.LevelCount()), std::vector<int>(n, 0));
    for (int level : levels.WritingOrder()) {
        PutRowStart();
        std::vector<bool> uncovered(n, false);
        for (int c = 0; c < n; ++c) {
            int rowSpan = 1, colSpan = 1;
            if (levels.Span(level, c, rowSpan, colSpan)) {
                uncovered[c] = true;
                int bottom = level - rowSpan + 1, last = c + colSpan - 1;
                for (int l = bottom; l <= level; ++l)
                    for (int k = c; k <= last; ++k) {
                        int& s = suppressed[l][k];
                        if (k != c) s |= bdLeft;
                        if (k != last) s |= bdRight;
                        if (l != level) s |= bdTop;
                        if (l != bottom) s |= bdBottom;
                    }
            }
            TColor shade = level == 0 ? columns.Items(c)->Title()->Color() : DBGridEh()->FixedColor();
            PutCellDef(bdAll & ~suppressed[level][c], shade, edges[c]);
        }
        PutLine("{\\trrh0");
        for (int c = 0; c < n; ++c) {
            TColumnEh* column = columns.Items(c);
            TFont* font = level == 0 ? column->Title()->Font() : DBGridEh()->TitleFont();
            TColor shade = level == 0 ? column->Title()->Color() : DBGridEh()->FixedColor();
            if (uncovered[c])
                PutParagraph(taCenter, std::to_string(margin), TextRun(font, levels.Node(level, c)->Text(), shade));
            else
                PutParagraph(taCenter, "", TextRun(font, "", shade));
        }
        PutLine("\\pard\\intbl\\row}");
    }
}

void TDBGridEhExportAsRTF::EmitRecord(TColumnsEhList& columns) {
    std::vector<int> edges = RightEdges(columns);
    PutRowStart();
    for (int c = 0; c < columns.Count(); ++c) {
        TColumnEh* column = columns.Items(c);
        TFont font;
        font.Assign(column->Font());
        TColor background = column->Color();
        if (DBGridEh()->OnGetCellParams) DBGridEh()->OnGetCellParams(DBGridEh(), column, &font, background, {});
        PutCellDef(bdAll, background, edges[c]);
    }
    PutLine("{\\trrh0");
    TDBGridEhExport::EmitRecord(columns);
    PutLine("\\pard\\intbl\\row}");
}

void TDBGridEhExportAsRTF::EmitDataCell(TColumnEh*, TColCellParamsEh* params) {
    PutParagraph(params->Alignment, Margin(), TextRun(params->Font(), params->Text, params->Background));
}

void TDBGridEhExportAsRTF::EmitFooter(TColumnsEhList& columns, int footerRow) {
    std::vector<int> edges = RightEdges(columns);
    PutRowStart();
    for (int c = 0; c < columns.Count(); ++c) {
        TColumnEh* column = columns.Items(c);
        TColumnFooterEh* footer = column->FooterForRow(footerRow);
        TFont font;
        font.Assign(footer->Font());
        TColor background = footer->Color();
        TAlignment alignment = footer->Alignment();
        std::string text = footer->ValueType() == fvtSum || footer->ValueType() == fvtCount
                               ? FormatFooterValue(footerRow, c)
                               : DBGridEh()->GetFooterValue(footerRow, column);
        if (DBGridEh()->OnGetFooterParams)
            DBGridEh()->OnGetFooterParams(DBGridEh(), c, footerRow, column, &font, background, alignment, {}, text);
        PutCellDef(bdAll, background, edges[c]);
    }
    PutLine("{\\trrh0");
    TDBGridEhExport::EmitFooter(columns, footerRow);
    PutLine("\\pard\\intbl\\row}");
}

void TDBGridEhExportAsRTF::EmitFooterCell(int, int, const std::string& text, TAlignment alignment,
                                          TColor background, TFont* font, TColumnEh*) {
    PutParagraph(alignment, Margin(), TextRun(font, text, background));
}

} // namespace tv
