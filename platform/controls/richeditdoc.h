#pragma once
// The text of a rich-edit window: characters, each with a character format,
// split into paragraphs by CR, each paragraph with its own alignment. A
// paragraph's format belongs to its break, so joining two paragraphs keeps
// the later one's. U+000B is a line break inside a paragraph.
#include <string>
#include <string_view>
#include <vector>

#include "platform/wintypes.h"

namespace tv::win {

struct RichCharFormat {
    std::string face = "Arial";
    int halfPoints = 20;
    bool bold = false, italic = false, underline = false, strike = false;
    bool autoColor = true;
    COLORREF color = 0;
    bool operator==(const RichCharFormat&) const = default;
};

struct RichParaFormat {
    WORD alignment = 1; // PFA_LEFT
    bool operator==(const RichParaFormat&) const = default;
};

class RichDocument {
public:
    RichDocument();

    const std::u32string& Text() const { return text_; }
    int Length() const { return int(text_.size()); }
    bool Empty() const { return text_.empty(); }
    // The text with CR LF for each paragraph break.
    std::string Utf8(int start, int end, bool crlf = true) const;

    const RichCharFormat& CharFormat(int pos) const { return table_[size_t(fmt_[size_t(pos)])]; }
    // The format text typed at `pos` takes: the character before it, or at a
    // paragraph's start the one after it, or the default.
    RichCharFormat InsertFormat(int pos) const;
    const RichCharFormat& DefaultFormat() const { return default_; }
    void SetDefaultFormat(const RichCharFormat& f) { default_ = f; }

    int ParagraphCount() const { return int(paras_.size()); }
    int ParagraphOf(int pos) const;
    int ParagraphStart(int para) const;
    // One past the paragraph's last character, its break excluded.
    int ParagraphEnd(int para) const;
    const RichParaFormat& ParaFormat(int para) const { return paras_[size_t(para)]; }
    // The format of the paragraph's break (its last character's when it has none).
    RichCharFormat ParagraphMarkFormat(int para) const;

    // Replaces [start, end) by text in one format; line breaks of any kind
    // become paragraph breaks.
    void Replace(int start, int end, std::u32string_view text, const RichCharFormat& format);
    // Replaces [start, end) by another document's text and formats. Its
    // paragraphs that end with a break keep their alignment; its last part
    // joins the paragraph it lands in.
    void Replace(int start, int end, const RichDocument& other);
    // The characters [start, end) with their formats and paragraphs.
    RichDocument Slice(int start, int end) const;

    // Sets the fields of `mask` (CFM_*) in [start, end).
    void SetCharFormat(int start, int end, DWORD mask, const RichCharFormat& f);
    void SetParaFormat(int firstPara, int lastPara, const RichParaFormat& f);
    void SetParaFormat(int para, const RichParaFormat& f) { paras_[size_t(para)] = f; }

    // Builds a document from its start: each character in its format; a
    // CR closes the current paragraph with `para`. The last paragraph's
    // format is set with SetParaFormat.
    void Append(char32_t c, const RichCharFormat& f, const RichParaFormat& para);

    // Where the needle is, from `from` up to `to` (forwards) or down to it
    // (backwards, matches ending at `from` or before); -1 when absent.
    int Find(std::u32string_view needle, int from, int to, bool forward, bool matchCase, bool wholeWord) const;

private:
    int Intern(const RichCharFormat& f);
    const std::vector<int>& Starts() const;
    std::u32string text_;
    std::vector<int> fmt_; // one per character, into table_
    std::vector<RichCharFormat> table_;
    std::vector<RichParaFormat> paras_;
    RichCharFormat default_;
    int lastAppended_ = -1;
    mutable std::vector<int> starts_; // of the paragraphs; empty when to be counted again
};

// Line breaks of any kind (CR, LF, CR LF) as one CR, other control
// characters but tab and U+000B dropped.
std::u32string NormalizeRichText(std::u32string_view text);
// Copies the fields of `mask` from one format into another.
void MergeCharFormat(RichCharFormat& into, DWORD mask, const RichCharFormat& from);

} // namespace tv::win
