#include "platform/controls/richeditdoc.h"

#include <algorithm>

#include "core/strutils.h"
#include "platform/controls/richedit.h"

namespace tv::win {

std::u32string NormalizeRichText(std::u32string_view in) {
    std::u32string out;
    out.reserve(in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        char32_t c = in[i];
        if (c == U'\r' || c == U'\n') {
            if (c == U'\r' && i + 1 < in.size() && in[i + 1] == U'\n') ++i;
            out += U'\r';
        } else if (c == U'\t' || c == U'\v' || (c >= 0x20 && c != 0x7F && !(c >= 0xD800 && c <= 0xDFFF))) {
            out += c;
        }
    }
    return out;
}

void MergeCharFormat(RichCharFormat& into, DWORD mask, const RichCharFormat& from) {
    if (mask & CFM_FACE) into.face = from.face;
    if (mask & CFM_SIZE) into.halfPoints = from.halfPoints;
    if (mask & CFM_BOLD) into.bold = from.bold;
    if (mask & CFM_ITALIC) into.italic = from.italic;
    if (mask & CFM_UNDERLINE) into.underline = from.underline;
    if (mask & CFM_STRIKEOUT) into.strike = from.strike;
    if (mask & CFM_COLOR) {
        into.autoColor = from.autoColor;
        into.color = from.color;
    }
}

RichDocument::RichDocument() : paras_(1) {}

int RichDocument::Intern(const RichCharFormat& f) {
    for (size_t i = 0; i < table_.size(); ++i)
        if (table_[i] == f) return int(i);
    table_.push_back(f);
    return int(table_.size()) - 1;
}

std::string RichDocument::Utf8(int start, int end, bool crlf) const {
    start = std::clamp(start, 0, Length());
    end = std::clamp(end, start, Length());
    std::string out;
    for (int i = start; i < end; ++i) {
        char32_t c = text_[size_t(i)];
        if (c == U'\r' && crlf) out += "\r\n";
        else Utf8Append(out, c);
    }
    return out;
}

RichCharFormat RichDocument::InsertFormat(int pos) const {
    pos = std::clamp(pos, 0, Length());
    if (pos > 0 && text_[size_t(pos - 1)] != U'\r') return CharFormat(pos - 1);
    if (pos < Length()) return CharFormat(pos);
    if (pos > 0) return CharFormat(pos - 1);
    return default_;
}

const std::vector<int>& RichDocument::Starts() const {
    if (starts_.empty()) {
        starts_.push_back(0);
        for (int i = 0; i < Length(); ++i)
            if (text_[size_t(i)] == U'\r') starts_.push_back(i + 1);
    }
    return starts_;
}

int RichDocument::ParagraphOf(int pos) const {
    pos = std::clamp(pos, 0, Length());
    const std::vector<int>& s = Starts();
    return int(std::upper_bound(s.begin(), s.end(), pos) - s.begin()) - 1;
}

int RichDocument::ParagraphStart(int para) const {
    const std::vector<int>& s = Starts();
    if (para <= 0) return 0;
    return para < int(s.size()) ? s[size_t(para)] : Length();
}

int RichDocument::ParagraphEnd(int para) const {
    size_t at = text_.find(U'\r', size_t(ParagraphStart(para)));
    return at == std::u32string::npos ? Length() : int(at);
}

RichCharFormat RichDocument::ParagraphMarkFormat(int para) const {
    int end = ParagraphEnd(para);
    if (end < Length()) return CharFormat(end);
    if (end > ParagraphStart(para)) return CharFormat(end - 1);
    return InsertFormat(end);
}

void RichDocument::Replace(int start, int end, std::u32string_view text, const RichCharFormat& format) {
    RichDocument piece;
    piece.text_ = NormalizeRichText(text);
    int f = piece.Intern(format);
    piece.fmt_.assign(piece.text_.size(), f);
    piece.paras_.assign(size_t(std::count(piece.text_.begin(), piece.text_.end(), U'\r')) + 1, RichParaFormat{});
    start = std::clamp(start, 0, Length());
    end = std::clamp(end, start, Length());
    // Paragraphs made by plain text take the alignment of the one they split.
    RichParaFormat here = paras_[size_t(ParagraphOf(end))];
    std::fill(piece.paras_.begin(), piece.paras_.end(), here);
    Replace(start, end, piece);
}

void RichDocument::Replace(int start, int end, const RichDocument& other) {
    start = std::clamp(start, 0, Length());
    end = std::clamp(end, start, Length());
    int firstPara = ParagraphOf(start), lastPara = ParagraphOf(end);
    std::vector<int> fmts;
    fmts.reserve(other.fmt_.size());
    for (int f : other.fmt_) fmts.push_back(Intern(other.table_[size_t(f)]));
    text_.replace(size_t(start), size_t(end - start), other.text_);
    starts_.clear();
    fmt_.erase(fmt_.begin() + start, fmt_.begin() + end);
    fmt_.insert(fmt_.begin() + start, fmts.begin(), fmts.end());
    // The joined paragraph keeps the format of the break that closes it.
    std::vector<RichParaFormat> paras(paras_.begin(), paras_.begin() + firstPara);
    paras.insert(paras.end(), other.paras_.begin(), other.paras_.end() - 1);
    paras.insert(paras.end(), paras_.begin() + lastPara, paras_.end());
    paras_ = std::move(paras);
    if (table_.size() > 64 && table_.size() > 4 * fmt_.size()) {
        // Drop formats no character uses any more.
        RichDocument copy = Slice(0, Length());
        copy.default_ = default_;
        *this = std::move(copy);
    }
}

RichDocument RichDocument::Slice(int start, int end) const {
    start = std::clamp(start, 0, Length());
    end = std::clamp(end, start, Length());
    RichDocument out;
    out.default_ = default_;
    out.text_ = text_.substr(size_t(start), size_t(end - start));
    for (int i = start; i < end; ++i) out.fmt_.push_back(out.Intern(CharFormat(i)));
    int a = ParagraphOf(start), b = ParagraphOf(end);
    out.paras_.assign(paras_.begin() + a, paras_.begin() + b + 1);
    return out;
}

void RichDocument::SetCharFormat(int start, int end, DWORD mask, const RichCharFormat& f) {
    start = std::clamp(start, 0, Length());
    end = std::clamp(end, start, Length());
    for (int i = start; i < end; ++i) {
        RichCharFormat c = CharFormat(i);
        MergeCharFormat(c, mask, f);
        fmt_[size_t(i)] = Intern(c);
    }
}

void RichDocument::SetParaFormat(int firstPara, int lastPara, const RichParaFormat& f) {
    firstPara = std::clamp(firstPara, 0, ParagraphCount() - 1);
    lastPara = std::clamp(lastPara, firstPara, ParagraphCount() - 1);
    for (int p = firstPara; p <= lastPara; ++p) paras_[size_t(p)] = f;
}

void RichDocument::Append(char32_t c, const RichCharFormat& f, const RichParaFormat& para) {
    if (lastAppended_ < 0 || lastAppended_ >= int(table_.size()) || !(table_[size_t(lastAppended_)] == f))
        lastAppended_ = Intern(f);
    text_ += c;
    fmt_.push_back(lastAppended_);
    starts_.clear();
    if (c == U'\r') {
        paras_.back() = para;
        paras_.push_back(para);
    }
}

namespace {
bool WordChar(char32_t c) { return IsLetter(c) || IsDigit(c) || c == U'_'; }
} // namespace

int RichDocument::Find(std::u32string_view needle, int from, int to, bool forward, bool matchCase,
                       bool wholeWord) const {
    int n = int(needle.size());
    if (n == 0) return -1;
    auto fold = [matchCase](char32_t c) { return matchCase ? c : CharLower(c); };
    auto matchesAt = [&](int at) {
        if (at < 0 || at + n > Length()) return false;
        for (int k = 0; k < n; ++k)
            if (fold(text_[size_t(at + k)]) != fold(needle[size_t(k)])) return false;
        if (wholeWord && ((at > 0 && WordChar(text_[size_t(at - 1)])) ||
                          (at + n < Length() && WordChar(text_[size_t(at + n)]))))
            return false;
        return true;
    };
    from = std::clamp(from, 0, Length());
    if (forward) {
        int last = (to < 0 ? Length() : std::min(to, Length())) - n;
        for (int at = from; at <= last; ++at)
            if (matchesAt(at)) return at;
    } else {
        int first = std::clamp(to, 0, Length());
        for (int at = from - n; at >= first; --at)
            if (matchesAt(at)) return at;
    }
    return -1;
}

} // namespace tv::win
