#pragma once
// The edit mask of the masked edit: "<positions>;<keep literals>;<blank>".
// Positions: L l (letter), A a (letter or digit), C c (any character),
// 0 9 (digit), # (digit or sign); upper case means required. '>' turns what
// follows to upper case, '<' to lower case, "<>" back to as typed, '\' makes
// the next character a literal, ':' and '/' are the locale's time and date
// separators, '_' a blank literal, '!' puts missing optional characters in
// front. Keep-literals "0" leaves literals out of Text; the blank character is
// '_' unless given. Positions count characters.
#include <string>
#include <string_view>
#include <vector>

#include "core/exceptions.h"

namespace tv {

TV_DECLARE_EXCEPTION(EDBEditError, Exception)

// Raised by ValidateEdit.
inline constexpr const char* SMaskEditErr = "Valor de entrada no válido. Use la tecla Esc para abandonar los cambios";

class TEditMask {
public:
    enum class Kind { Literal, Letter, AlphaNum, Any, Digit, DigitSign };
    struct Position {
        Kind kind = Kind::Literal;
        bool required = false;
        int caseMode = 0; // 1 upper, 2 lower
        char32_t literal = 0;
    };

    TEditMask() = default;
    // Raises EDBEditError for a mask that does not parse (a '\' with nothing after it).
    explicit TEditMask(const std::string& mask);

    const std::string& Source() const { return source_; }
    bool Empty() const { return positions_.empty(); }
    int Count() const { return int(positions_.size()); }
    bool IsLiteral(int pos) const { return positions_.at(size_t(pos)).kind == Kind::Literal; }
    bool SaveLiterals() const { return saveLiterals_; }
    char32_t Blank() const { return blank_; }

    // The character as the position stores it (case applied), or 0 when refused.
    char32_t Accept(int pos, char32_t c) const;
    // Literals and blanks.
    std::u32string EmptyEditText() const;
    // The shown text for a value: with literals kept, the value lines up with
    // the positions; without, it fills the editable positions in order.
    std::u32string Format(std::u32string_view value) const;
    // A shown text read back from the window: literals restored, refused
    // characters and the blank character left blank, padded to Count().
    std::u32string Normalize(std::u32string_view editText) const;
    // The value of a shown text: blanks become spaces, literals only when kept.
    std::u32string Strip(std::u32string_view editText) const;
    // The first required position left blank, or -1 when the entry is complete.
    int FirstMissing(std::u32string_view editText) const;

    // The nearest editable position at or after `pos` (before it when none
    // follows), or Count() past the last one.
    int EditableAtOrAfter(int pos) const;
    int EditableBefore(int pos) const;

    // Editing a shown text of Count() characters in place: typing overwrites
    // and steps over literals, deleting leaves blanks behind. Each returns
    // false when nothing changed; the selection comes back updated.
    bool TypeChar(std::u32string& text, int& selStart, int& selEnd, char32_t c) const;
    bool Backspace(std::u32string& text, int& selStart, int& selEnd) const;
    bool DeleteForward(std::u32string& text, int& selStart, int& selEnd) const;
    // Puts pasted characters in from the caret, as if typed; refused ones are skipped.
    bool Paste(std::u32string& text, int& selStart, int& selEnd, std::u32string_view pasted) const;

private:
    bool ClearRange(std::u32string& text, int from, int to) const;
    std::string source_;
    std::vector<Position> positions_;
    bool saveLiterals_ = true;
    bool leadingBlanks_ = false;
    char32_t blank_ = U'_';
};

} // namespace tv
