#include "framework/ui/stdctrls/editmask.h"

#include <algorithm>

#include "core/formatsettings.h"
#include "core/strutils.h"

namespace tv {

namespace {
bool IsSign(char32_t c) { return c == U'+' || c == U'-'; }
} // namespace

TEditMask::TEditMask(const std::string& mask) : source_(mask) {
    std::u32string m = Utf8ToUtf32(mask);
    // The fields after the positions; a ';' behind '\' belongs to the positions.
    size_t end = m.size();
    std::vector<size_t> seps;
    for (size_t i = 0; i < m.size(); ++i) {
        if (m[i] == U'\\') {
            ++i;
            continue;
        }
        if (m[i] == U';') seps.push_back(i);
    }
    // Only the last two separators split fields.
    if (seps.size() > 2) seps.erase(seps.begin(), seps.end() - 2);
    if (!seps.empty()) {
        end = seps[0];
        std::u32string keep = m.substr(seps[0] + 1, (seps.size() > 1 ? seps[1] : m.size()) - seps[0] - 1);
        if (!keep.empty()) saveLiterals_ = keep[0] != U'0';
        if (seps.size() > 1 && seps[1] + 1 < m.size()) blank_ = m[seps[1] + 1];
    }
    int caseMode = 0;
    for (size_t i = 0; i < end; ++i) {
        char32_t c = m[i];
        Position p;
        p.caseMode = caseMode;
        switch (c) {
        case U'!': leadingBlanks_ = true; continue;
        case U'>': caseMode = 1; continue;
        case U'<':
            if (i + 1 < end && m[i + 1] == U'>') {
                caseMode = 0;
                ++i;
            } else {
                caseMode = 2;
            }
            continue;
        case U'\\':
            if (i + 1 >= end)
                throw EDBEditError("Máscara de edición no válida: \"" + mask + "\" termina en '\\'");
            p.literal = m[++i];
            break;
        case U'L': p.kind = Kind::Letter; p.required = true; break;
        case U'l': p.kind = Kind::Letter; break;
        case U'A': p.kind = Kind::AlphaNum; p.required = true; break;
        case U'a': p.kind = Kind::AlphaNum; break;
        case U'C': p.kind = Kind::Any; p.required = true; break;
        case U'c': p.kind = Kind::Any; break;
        case U'0': p.kind = Kind::Digit; p.required = true; break;
        case U'9': p.kind = Kind::Digit; break;
        case U'#': p.kind = Kind::DigitSign; break;
        case U':': p.literal = char32_t(static_cast<unsigned char>(FormatSettings.TimeSeparator)); break;
        case U'/': p.literal = char32_t(static_cast<unsigned char>(FormatSettings.DateSeparator)); break;
        case U'_': p.literal = U' '; break;
        default: p.literal = c; break;
        }
        positions_.push_back(p);
    }
}

char32_t TEditMask::Accept(int pos, char32_t c) const {
    if (pos < 0 || pos >= Count()) return 0;
    const Position& p = positions_[size_t(pos)];
    if (c < 0x20) return 0;
    bool ok = false;
    switch (p.kind) {
    case Kind::Literal: return 0;
    case Kind::Letter: ok = IsLetter(c); break;
    case Kind::AlphaNum: ok = IsLetter(c) || IsDigit(c); break;
    case Kind::Any: ok = true; break;
    case Kind::Digit: ok = c >= U'0' && c <= U'9'; break;
    case Kind::DigitSign: ok = (c >= U'0' && c <= U'9') || IsSign(c); break;
    }
    if (!ok) return 0;
    if (p.caseMode == 1) return CharUpper(c);
    if (p.caseMode == 2) return CharLower(c);
    return c;
}

std::u32string TEditMask::EmptyEditText() const {
    std::u32string t;
    for (const auto& p : positions_) t += p.kind == Kind::Literal ? p.literal : blank_;
    return t;
}

std::u32string TEditMask::Format(std::u32string_view value) const {
    std::u32string t = EmptyEditText();
    if (saveLiterals_) {
        for (int i = 0; i < Count() && i < int(value.size()); ++i) {
            if (IsLiteral(i)) continue;
            char32_t c = value[size_t(i)] == U' ' ? 0 : Accept(i, value[size_t(i)]);
            if (c) t[size_t(i)] = c;
        }
        return t;
    }
    std::vector<int> editable;
    for (int i = 0; i < Count(); ++i)
        if (!IsLiteral(i)) editable.push_back(i);
    size_t skip = 0;
    if (leadingBlanks_ && value.size() < editable.size()) skip = editable.size() - value.size();
    for (size_t k = 0; k < value.size() && k + skip < editable.size(); ++k) {
        int i = editable[k + skip];
        char32_t c = value[k] == U' ' ? 0 : Accept(i, value[k]);
        if (c) t[size_t(i)] = c;
    }
    return t;
}

std::u32string TEditMask::Normalize(std::u32string_view editText) const {
    std::u32string t = EmptyEditText();
    for (int i = 0; i < Count() && i < int(editText.size()); ++i) {
        if (IsLiteral(i) || editText[size_t(i)] == blank_ || editText[size_t(i)] == U' ') continue;
        if (char32_t c = Accept(i, editText[size_t(i)])) t[size_t(i)] = c;
    }
    return t;
}

std::u32string TEditMask::Strip(std::u32string_view editText) const {
    std::u32string out;
    for (int i = 0; i < Count(); ++i) {
        char32_t c = i < int(editText.size()) ? editText[size_t(i)] : blank_;
        if (IsLiteral(i)) {
            if (saveLiterals_) out += positions_[size_t(i)].literal;
            continue;
        }
        out += c == blank_ ? U' ' : c;
    }
    return out;
}

int TEditMask::FirstMissing(std::u32string_view editText) const {
    for (int i = 0; i < Count(); ++i) {
        if (!positions_[size_t(i)].required) continue;
        char32_t c = i < int(editText.size()) ? editText[size_t(i)] : blank_;
        if (c == blank_ || c == U' ') return i;
    }
    return -1;
}

int TEditMask::EditableAtOrAfter(int pos) const {
    for (int i = std::max(pos, 0); i < Count(); ++i)
        if (!IsLiteral(i)) return i;
    int before = EditableBefore(std::min(pos, Count()));
    return before >= 0 ? before + 1 : 0;
}

int TEditMask::EditableBefore(int pos) const {
    for (int i = std::min(pos, Count()) - 1; i >= 0; --i)
        if (!IsLiteral(i)) return i;
    return -1;
}

bool TEditMask::ClearRange(std::u32string& text, int from, int to) const {
    bool changed = false;
    for (int i = from; i < to && i < Count(); ++i) {
        if (IsLiteral(i) || text[size_t(i)] == blank_) continue;
        text[size_t(i)] = blank_;
        changed = true;
    }
    return changed;
}

bool TEditMask::TypeChar(std::u32string& text, int& selStart, int& selEnd, char32_t c) const {
    if (text.size() != size_t(Count())) text = Format(Strip(text));
    int pos = selStart;
    // A typed literal steps over the same literal.
    if (pos < Count() && IsLiteral(pos) && positions_[size_t(pos)].literal == c) {
        selStart = selEnd = EditableAtOrAfter(pos + 1);
        return false;
    }
    pos = EditableAtOrAfter(pos);
    if (pos >= Count()) return false;
    char32_t stored = Accept(pos, c);
    if (!stored) return false;
    ClearRange(text, selStart, selEnd);
    text[size_t(pos)] = stored;
    selStart = selEnd = EditableAtOrAfter(pos + 1);
    return true;
}

bool TEditMask::Backspace(std::u32string& text, int& selStart, int& selEnd) const {
    if (selStart != selEnd) {
        bool changed = ClearRange(text, selStart, selEnd);
        selEnd = selStart = EditableAtOrAfter(selStart);
        return changed;
    }
    int pos = EditableBefore(selStart);
    if (pos < 0) return false;
    bool changed = ClearRange(text, pos, pos + 1);
    selStart = selEnd = pos;
    return changed;
}

bool TEditMask::DeleteForward(std::u32string& text, int& selStart, int& selEnd) const {
    if (selStart != selEnd) {
        bool changed = ClearRange(text, selStart, selEnd);
        selEnd = selStart = EditableAtOrAfter(selStart);
        return changed;
    }
    int pos = EditableAtOrAfter(selStart);
    if (pos >= Count()) return false;
    bool changed = ClearRange(text, pos, pos + 1);
    selStart = selEnd = pos;
    return changed;
}

bool TEditMask::Paste(std::u32string& text, int& selStart, int& selEnd, std::u32string_view pasted) const {
    bool changed = false;
    if (selStart != selEnd) changed = ClearRange(text, selStart, selEnd);
    selEnd = selStart;
    for (char32_t c : pasted) {
        if (selStart >= Count()) break;
        if (TypeChar(text, selStart, selEnd, c)) changed = true;
    }
    return changed;
}

} // namespace tv
