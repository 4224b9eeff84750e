#include "platform/controls/richeditrtf.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <vector>

#include "core/strutils.h"
#include "platform/controls/richedit.h"

namespace tv::win {

namespace {

// Code page 1252 from 0x80 to 0x9F; the rest of the page is Latin-1.
constexpr char16_t kCp1252High[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                      0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

char32_t FromCp1252(unsigned char b) { return b >= 0x80 && b < 0xA0 ? char32_t(kCp1252High[b - 0x80]) : b; }

constexpr int kMaxDepth = 200;
constexpr size_t kMaxFontName = 256; // bytes
constexpr int kDefaultHalfPoints = 24;

// Destinations whose content is no text of the document.
bool SkippedDestination(std::string_view w) {
    static const char* const names[] = {
        "stylesheet", "info", "pict", "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr",
        "footerf", "footnote", "annotation", "object", "listtable", "listoverridetable", "rsidtbl", "generator",
        "xmlnstbl", "themedata", "colorschememapping", "datastore", "latentstyles", "pgdsctbl", "filetbl", "revtbl",
        "fldinst", "pntext", "pntxta", "pntxtb", "listtext", "nonshppict", "shppict", "shp", "userprops", "docvar",
        "bkmkstart", "bkmkend", "mmathPr", "operator", "author", "title", "subject", "comment", "keywords",
        "doccomm", "company", "category", "template", "fchars", "lchars", "private", "panose", "falt"};
    for (const char* n : names)
        if (w == n) return true;
    return false;
}

char32_t SymbolWord(std::string_view w) {
    static const std::pair<const char*, char32_t> symbols[] = {
        {"emdash", 0x2014},    {"endash", 0x2013},    {"bullet", 0x2022},  {"lquote", 0x2018},
        {"rquote", 0x2019},    {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
        {"enspace", 0x2002},   {"qmspace", 0x2005},   {"tab", U'\t'},      {"line", U'\v'}};
    for (const auto& s : symbols)
        if (w == s.first) return s.second;
    return 0;
}

class RtfReader {
public:
    RtfReader(std::string_view in, const RichCharFormat& defaults) : in_(in), defaults_(defaults) {
        st_.chr = Plain(defaults.face);
        doc_.SetDefaultFormat(defaults);
    }

    std::optional<RichDocument> Read() {
        while (pos_ < in_.size() && (in_[pos_] == ' ' || in_[pos_] == '\r' || in_[pos_] == '\n' || in_[pos_] == '\t'))
            ++pos_;
        if (in_.substr(pos_, 5) != "{\\rtf") return std::nullopt;
        while (pos_ < in_.size()) {
            char c = in_[pos_++];
            if (c == '{') {
                if (int(stack_.size()) >= kMaxDepth) return std::nullopt;
                FlushSurrogate();
                skip_ = 0;
                stack_.push_back(st_);
            } else if (c == '}') {
                FlushSurrogate();
                skip_ = 0;
                if (stack_.empty()) break;
                if (stack_.size() == 1) {
                    // The document's own group closes: its last paragraph
                    // keeps the formatting in effect there.
                    doc_.SetParaFormat(doc_.ParagraphCount() - 1, st_.para);
                    return std::move(doc_);
                }
                CloseGroup();
            } else if (c == '\\') {
                Control();
            } else if (c == '\r' || c == '\n') {
                // Line ends of the file are no text.
            } else {
                Byte(static_cast<unsigned char>(c));
            }
        }
        FlushSurrogate();
        doc_.SetParaFormat(doc_.ParagraphCount() - 1, st_.para);
        return std::move(doc_);
    }

private:
    enum class Dest { Text, FontTable, ColorTable, Skip };
    struct State {
        RichCharFormat chr;
        RichParaFormat para;
        int uc = 1;
        Dest dest = Dest::Text;
    };

    // What RTF text is before any formatting says otherwise.
    static RichCharFormat Plain(const std::string& face) {
        RichCharFormat f;
        f.face = face;
        f.halfPoints = kDefaultHalfPoints;
        return f;
    }

    void CloseGroup() {
        Dest closing = st_.dest;
        if (closing == Dest::FontTable && !fontName_.empty()) EndFont();
        st_ = stack_.back();
        stack_.pop_back();
        // The default font is known once its table is read.
        if (closing == Dest::FontTable && st_.dest != Dest::FontTable && !faceSet_) {
            if (auto it = fonts_.find(deff_); it != fonts_.end()) st_.chr.face = it->second;
            faceSet_ = true;
        }
    }

    void EndFont() {
        std::string name = fontName_;
        while (!name.empty() && name.back() == ' ') name.pop_back();
        if (!name.empty()) fonts_[font_] = name;
        fontName_.clear();
    }

    // A character of the document or of the table being read.
    void Put(char32_t c) {
        if (skip_ > 0) {
            --skip_;
            return;
        }
        switch (st_.dest) {
        case Dest::Text:
            if (c >= 0xD800 && c <= 0xDBFF) {
                FlushSurrogate();
                high_ = c;
                return;
            }
            if (c >= 0xDC00 && c <= 0xDFFF) {
                c = high_ ? 0x10000 + ((high_ - 0xD800) << 10) + (c - 0xDC00) : 0xFFFD;
                high_ = 0;
            } else {
                FlushSurrogate();
            }
            if (c == 0) return;
            doc_.Append(c, st_.chr, st_.para);
            return;
        case Dest::FontTable:
            if (c == U';') EndFont();
            else if (fontName_.size() < kMaxFontName) Utf8Append(fontName_, c);
            return;
        case Dest::ColorTable:
            if (c == U';') {
                colors_.push_back(colorSeen_ ? std::optional<COLORREF>(color_) : std::nullopt);
                color_ = 0;
                colorSeen_ = false;
            }
            return;
        case Dest::Skip:
            return;
        }
    }

    void FlushSurrogate() {
        if (!high_) return;
        high_ = 0;
        if (st_.dest == Dest::Text) doc_.Append(0xFFFD, st_.chr, st_.para);
    }

    void Byte(unsigned char b) {
        if (b == '\t') {
            Put(U'\t');
            return;
        }
        if (b < 0x20) return;
        Put(FromCp1252(b));
    }

    static int HexValue(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    void Control() {
        if (pos_ >= in_.size()) return;
        char c = in_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            switch (c) {
            case '\\': case '{': case '}': Put(char32_t(c)); return;
            case '~': Put(0xA0); return;
            case '_': Put(0x2011); return;
            case '-': if (skip_ > 0) --skip_; return; // an optional hyphen
            case '*': st_.dest = Dest::Skip; return;
            case '\r': case '\n': Put(U'\r'); return;
            case '\'': {
                int hi = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
                int lo = pos_ + 1 < in_.size() ? HexValue(in_[pos_ + 1]) : -1;
                if (hi < 0 || lo < 0) return;
                pos_ += 2;
                Put(FromCp1252(static_cast<unsigned char>(hi * 16 + lo)));
                return;
            }
            default:
                if (skip_ > 0) --skip_;
                return;
            }
        }
        std::string word;
        while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_])) && word.size() < 32)
            word += in_[pos_++];
        while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_]))) ++pos_;
        bool hasParam = false, negative = false;
        long long param = 0;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() &&
            std::isdigit(static_cast<unsigned char>(in_[pos_ + 1]))) {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
            hasParam = true;
            if (param < 100000000000LL) param = param * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (negative) param = -param;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        Word(word, hasParam, param);
    }

    void Word(const std::string& w, bool hasParam, long long n) {
        if (w == "bin") {
            // Binary data of a skipped picture or object.
            pos_ += size_t(std::clamp<long long>(n, 0, (long long)(in_.size() - pos_)));
            return;
        }
        if (st_.dest == Dest::Skip) return;
        if (skip_ > 0 && w != "u") {
            --skip_;
            return;
        }
        auto on = [&] { return !hasParam || n != 0; };
        if (w == "fonttbl") {
            st_.dest = Dest::FontTable;
        } else if (w == "colortbl") {
            st_.dest = Dest::ColorTable;
            colors_.clear();
            color_ = 0;
            colorSeen_ = false;
        } else if (SkippedDestination(w)) {
            st_.dest = Dest::Skip;
        } else if (w == "u") {
            skip_ = 0;
            long long v = n < 0 ? n + 65536 : n;
            if (v < 0 || v > 0xFFFF) v = 0xFFFD;
            Put(char32_t(v));
            skip_ = st_.uc;
        } else if (w == "uc") {
            st_.uc = int(std::clamp<long long>(n, 0, 10));
        } else if (st_.dest == Dest::FontTable) {
            if (w == "f") {
                if (!fontName_.empty()) EndFont();
                font_ = int(std::clamp<long long>(n, 0, 1 << 20));
            }
        } else if (st_.dest == Dest::ColorTable) {
            int v = int(std::clamp<long long>(n, 0, 255));
            if (w == "red") color_ = (color_ & 0xFFFF00) | COLORREF(v), colorSeen_ = true;
            else if (w == "green") color_ = (color_ & 0xFF00FF) | (COLORREF(v) << 8), colorSeen_ = true;
            else if (w == "blue") color_ = (color_ & 0x00FFFF) | (COLORREF(v) << 16), colorSeen_ = true;
        } else if (w == "deff") {
            deff_ = int(std::clamp<long long>(n, 0, 1 << 20));
        } else if (w == "f") {
            if (auto it = fonts_.find(int(std::clamp<long long>(n, 0, 1 << 20))); it != fonts_.end())
                st_.chr.face = it->second;
            faceSet_ = true;
        } else if (w == "fs") {
            st_.chr.halfPoints = n > 0 ? int(std::min<long long>(n, 3276)) : kDefaultHalfPoints;
        } else if (w == "b") {
            st_.chr.bold = on();
        } else if (w == "i") {
            st_.chr.italic = on();
        } else if (w == "strike") {
            st_.chr.strike = on();
        } else if (w == "ulnone") {
            st_.chr.underline = false;
        } else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash" || w == "ulth" ||
                   w == "ulwave") {
            st_.chr.underline = on();
        } else if (w == "cf") {
            size_t i = size_t(std::clamp<long long>(n, 0, 1 << 20));
            if (i > 0 && i < colors_.size() && colors_[i]) {
                st_.chr.autoColor = false;
                st_.chr.color = *colors_[i];
            } else {
                st_.chr.autoColor = true;
                st_.chr.color = 0;
            }
        } else if (w == "plain") {
            auto it = fonts_.find(deff_);
            st_.chr = Plain(it != fonts_.end() ? it->second : defaults_.face);
        } else if (w == "pard") {
            st_.para = RichParaFormat{};
        } else if (w == "ql") {
            st_.para.alignment = PFA_LEFT;
        } else if (w == "qc") {
            st_.para.alignment = PFA_CENTER;
        } else if (w == "qr") {
            st_.para.alignment = PFA_RIGHT;
        } else if (w == "qj") {
            st_.para.alignment = PFA_JUSTIFY;
        } else if (w == "par") {
            Put(U'\r');
        } else if (char32_t s = SymbolWord(w)) {
            Put(s);
        }
    }

    std::string_view in_;
    size_t pos_ = 0;
    RichCharFormat defaults_;
    State st_;
    std::vector<State> stack_;
    RichDocument doc_;
    std::map<int, std::string> fonts_;
    int font_ = 0, deff_ = 0;
    std::string fontName_;
    bool faceSet_ = false;
    std::vector<std::optional<COLORREF>> colors_;
    COLORREF color_ = 0;
    bool colorSeen_ = false;
    int skip_ = 0;      // fallback characters still to skip after \uN
    char32_t high_ = 0; // a high surrogate waiting for its pair
};

std::string Escaped(char32_t c) {
    switch (c) {
    case U'\\': return "\\\\";
    case U'{': return "\\{";
    case U'}': return "\\}";
    default: break;
    }
    if (c >= 0x20 && c < 0x7F) return std::string(1, char(c));
    std::string out;
    auto unit = [&out](unsigned v) { out += "\\u" + std::to_string(int(std::int16_t(std::uint16_t(v)))) + "?"; };
    if (c > 0xFFFF) {
        c -= 0x10000;
        unit(0xD800 + (c >> 10));
        unit(0xDC00 + (c & 0x3FF));
    } else {
        unit(c);
    }
    return out;
}

// A face as the font table gives it back: a name ends at ";", is kept to
// what the reader keeps and loses its closing blanks.
std::string WrittenFace(const std::string& face) {
    std::string out;
    for (char32_t c : Utf8ToUtf32(face)) {
        if (out.size() >= kMaxFontName) break;
        Utf8Append(out, c == U';' ? U' ' : c);
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out.empty() ? RichCharFormat{}.face : out;
}

} // namespace

std::optional<RichDocument> ReadRtf(std::string_view bytes, const RichCharFormat& defaults) {
    return RtfReader(bytes, defaults).Read();
}

RichDocument ReadPlainText(std::string_view bytes, const RichCharFormat& defaults) {
    size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
    RichDocument doc;
    doc.SetDefaultFormat(defaults);
    doc.Replace(0, 0, Utf8ToUtf32(EnsureUtf8(bytes)), defaults);
    return doc;
}

std::string WriteRtf(const RichDocument& whole, int start, int end) {
    RichDocument doc = whole.Slice(start, end);
    std::vector<std::string> fonts;
    std::vector<COLORREF> colors;
    auto fontIndex = [&fonts](const std::string& face) {
        auto it = std::find(fonts.begin(), fonts.end(), face);
        if (it != fonts.end()) return int(it - fonts.begin());
        fonts.push_back(face);
        return int(fonts.size()) - 1;
    };
    auto colorIndex = [&colors](COLORREF c) {
        auto it = std::find(colors.begin(), colors.end(), c);
        if (it != colors.end()) return int(it - colors.begin()) + 1;
        colors.push_back(c);
        return int(colors.size());
    };
    fontIndex(WrittenFace(doc.Empty() ? doc.DefaultFormat().face : doc.CharFormat(0).face));
    for (int i = 0; i < doc.Length(); ++i) {
        fontIndex(WrittenFace(doc.CharFormat(i).face));
        if (!doc.CharFormat(i).autoColor) colorIndex(doc.CharFormat(i).color);
    }

    std::string body;
    RichCharFormat cur;
    cur.face.clear(); // the first run states its font and size
    cur.halfPoints = -1;
    bool delimit = false; // a control word was written last
    auto word = [&](const std::string& w) {
        body += "\\" + w;
        delimit = true;
    };
    for (int p = 0; p < doc.ParagraphCount(); ++p) {
        const RichParaFormat& pf = doc.ParaFormat(p);
        if (p == 0 || !(pf == doc.ParaFormat(p - 1))) {
            word("pard");
            if (pf.alignment == PFA_CENTER) word("qc");
            else if (pf.alignment == PFA_RIGHT) word("qr");
            else if (pf.alignment == PFA_JUSTIFY) word("qj");
        }
        int from = doc.ParagraphStart(p), to = doc.ParagraphEnd(p);
        if (to < doc.Length()) ++to; // with its break
        for (int i = from; i < to; ++i) {
            RichCharFormat f = doc.CharFormat(i);
            f.face = WrittenFace(f.face);
            if (f.face != cur.face) word("f" + std::to_string(fontIndex(f.face)));
            if (f.halfPoints != cur.halfPoints) word("fs" + std::to_string(f.halfPoints));
            if (f.bold != cur.bold) word(f.bold ? "b" : "b0");
            if (f.italic != cur.italic) word(f.italic ? "i" : "i0");
            if (f.underline != cur.underline) word(f.underline ? "ul" : "ulnone");
            if (f.strike != cur.strike) word(f.strike ? "strike" : "strike0");
            if (f.autoColor != cur.autoColor || (!f.autoColor && f.color != cur.color))
                word(f.autoColor ? "cf0" : "cf" + std::to_string(colorIndex(f.color)));
            cur = f;
            char32_t c = doc.Text()[size_t(i)];
            if (c == U'\r') {
                body += "\\par\r\n";
                delimit = false;
            } else if (c == U'\t') {
                word("tab");
            } else if (c == U'\v') {
                word("line");
            } else {
                std::string piece = Escaped(c);
                if (delimit && piece[0] != '\\') body += ' ';
                body += piece;
                delimit = false;
            }
        }
    }

    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    for (size_t i = 0; i < fonts.size(); ++i) {
        out += "{\\f" + std::to_string(i) + "\\fnil ";
        for (char32_t c : Utf8ToUtf32(fonts[i])) out += Escaped(c);
        out += ";}";
    }
    out += "}\r\n";
    if (!colors.empty()) {
        out += "{\\colortbl ;";
        for (COLORREF c : colors)
            out += "\\red" + std::to_string(c & 0xFF) + "\\green" + std::to_string((c >> 8) & 0xFF) + "\\blue" +
                   std::to_string((c >> 16) & 0xFF) + ";";
        out += "}\r\n";
    }
    out += "\\uc1" + body + "}\r\n";
    out.push_back('\0');
    return out;
}

} // namespace tv::win
