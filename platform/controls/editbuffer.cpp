#include "platform/controls/editbuffer.h"

#include <algorithm>

#include "core/strutils.h"

namespace tv::win {

namespace {
bool IsWordChar(char32_t c) { return IsLetter(c) || IsDigit(c) || c == U'_'; }
} // namespace

bool IsLineBreakChar(char32_t c) { return c == U'\r' || c == U'\n'; }

std::string EditBuffer::Utf8() const { return Utf32ToUtf8(text_); }

void EditBuffer::SetText(std::u32string text) {
    text_ = std::move(text);
    anchor_ = caret_ = 0;
    EmptyUndo();
}

int EditBuffer::Clamp(long long pos) const {
    if (pos < 0 || pos > Length()) return Length();
    return int(pos);
}

int EditBuffer::Snap(int pos) const {
    if (pos > 0 && pos < Length() && text_[size_t(pos - 1)] == U'\r' && text_[size_t(pos)] == U'\n') return pos - 1;
    return pos;
}

void EditBuffer::SetSel(long long start, long long end) {
    typing_ = false;
    if (start == -1) {
        anchor_ = caret_;
        return;
    }
    anchor_ = Snap(start < 0 ? 0 : Clamp(start));
    caret_ = Snap(Clamp(end));
}

void EditBuffer::MoveTo(int pos, bool extend) {
    typing_ = false;
    caret_ = Snap(std::clamp(pos, 0, Length()));
    if (!extend) anchor_ = caret_;
}

bool EditBuffer::ReplaceSelection(std::u32string text, int limit, bool* clipped) {
    int start = SelStart(), end = SelEnd();
    long long room = (long long)limit - (Length() - (end - start));
    if (clipped) *clipped = false;
    if ((long long)text.size() > room) {
        text.resize(size_t(std::max(0LL, room)));
        // A CR LF pair is never cut in half.
        if (!text.empty() && text.back() == U'\r') text.pop_back();
        if (clipped) *clipped = true;
    }
    if (text.empty() && start == end) return false;
    text_.replace(size_t(start), size_t(end - start), text);
    anchor_ = caret_ = start + int(text.size());
    return true;
}

bool EditBuffer::DeleteBack(bool word) {
    if (!HasSelection()) {
        if (caret_ == 0) return false;
        anchor_ = word ? PrevWordStart(caret_) : CharLeft(caret_);
    }
    int start = SelStart();
    text_.erase(size_t(start), size_t(SelEnd() - start));
    anchor_ = caret_ = start;
    return true;
}

bool EditBuffer::DeleteForward(bool word) {
    if (!HasSelection()) {
        if (caret_ >= Length()) return false;
        anchor_ = word ? NextWordStart(caret_) : CharRight(caret_);
    }
    int start = SelStart();
    text_.erase(size_t(start), size_t(SelEnd() - start));
    anchor_ = caret_ = start;
    return true;
}

int EditBuffer::CharLeft(int pos) const {
    if (pos <= 0) return 0;
    if (pos >= 2 && text_[size_t(pos - 2)] == U'\r' && text_[size_t(pos - 1)] == U'\n') return pos - 2;
    return pos - 1;
}

int EditBuffer::CharRight(int pos) const {
    if (pos >= Length()) return Length();
    if (text_[size_t(pos)] == U'\r' && pos + 1 < Length() && text_[size_t(pos + 1)] == U'\n') return pos + 2;
    return pos + 1;
}

int EditBuffer::PrevWordStart(int pos) const {
    pos = std::clamp(pos, 0, Length());
    while (pos > 0 && !IsWordChar(text_[size_t(pos - 1)])) --pos;
    while (pos > 0 && IsWordChar(text_[size_t(pos - 1)])) --pos;
    return pos;
}

int EditBuffer::NextWordStart(int pos) const {
    pos = std::clamp(pos, 0, Length());
    int n = Length();
    if (pos < n && IsLineBreakChar(text_[size_t(pos)])) return CharRight(pos);
    while (pos < n && IsWordChar(text_[size_t(pos)])) ++pos;
    while (pos < n && !IsWordChar(text_[size_t(pos)]) && !IsLineBreakChar(text_[size_t(pos)])) ++pos;
    return pos;
}

void EditBuffer::WordAt(int pos, int* start, int* end) const {
    pos = std::clamp(pos, 0, Length());
    int s = pos, e = pos;
    while (s > 0 && IsWordChar(text_[size_t(s - 1)])) --s;
    while (e < Length() && IsWordChar(text_[size_t(e)])) ++e;
    *start = s;
    *end = e;
}

void EditBuffer::SaveUndo(bool typing) {
    if (typing && typing_ && canUndo_) return;
    undoText_ = text_;
    undoAnchor_ = anchor_;
    undoCaret_ = caret_;
    canUndo_ = true;
    typing_ = typing;
}

bool EditBuffer::Undo() {
    if (!canUndo_) return false;
    std::swap(text_, undoText_);
    std::swap(anchor_, undoAnchor_);
    std::swap(caret_, undoCaret_);
    typing_ = false;
    return true;
}

void EditBuffer::EmptyUndo() {
    undoText_.clear();
    canUndo_ = typing_ = false;
}

} // namespace tv::win
