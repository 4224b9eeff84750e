#pragma once
// The text of an edit window with its selection: an anchor that stays where
// the selection began and a caret that moves, so a selection can run
// backwards. Positions count characters. Line breaks are CR LF (a lone LF
// counts too) and the caret never stops inside a CR LF pair.
#include <string>

namespace tv::win {

class EditBuffer {
public:
    const std::u32string& Text() const { return text_; }
    std::string Utf8() const;
    int Length() const { return int(text_.size()); }
    // Replaces everything; caret and anchor go to the start, undo is lost.
    void SetText(std::u32string text);

    int Anchor() const { return anchor_; }
    int Caret() const { return caret_; }
    int SelStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
    int SelEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
    bool HasSelection() const { return anchor_ != caret_; }
    std::u32string Selected() const { return text_.substr(size_t(SelStart()), size_t(SelEnd() - SelStart())); }
    // The edit window's EM_SETSEL: start -1 drops the selection, a negative
    // end or one past the text means the end; the caret goes to `end`.
    void SetSel(long long start, long long end);
    // Moves the caret, keeping the anchor when `extend`.
    void MoveTo(int pos, bool extend);

    // Replaces the selection with as much of `text` as `limit` allows and
    // puts the caret after it. Returns false when nothing changed; `clipped`
    // tells whether the limit cut the text.
    bool ReplaceSelection(std::u32string text, int limit, bool* clipped = nullptr);
    // Backspace and Delete: the selection, else one character (a CR LF pair
    // as one), else nothing. `word` deletes to the word boundary.
    bool DeleteBack(bool word);
    bool DeleteForward(bool word);

    // Word boundaries for Ctrl+arrows: the start of the previous word and
    // the start of the next one.
    int PrevWordStart(int pos) const;
    int NextWordStart(int pos) const;
    // The word around a position (double click).
    void WordAt(int pos, int* start, int* end) const;
    // Steps over one character, treating a CR LF pair as one.
    int CharLeft(int pos) const;
    int CharRight(int pos) const;

    // One level of undo, as the edit window keeps it; consecutive typing is
    // one step. Undoing twice redoes.
    void SaveUndo(bool typing);
    bool CanUndo() const { return canUndo_; }
    bool Undo();
    void EmptyUndo();
    void EndTyping() { typing_ = false; }

private:
    int Clamp(long long pos) const;
    int Snap(int pos) const; // out of the middle of a CR LF pair
    std::u32string text_;
    int anchor_ = 0, caret_ = 0;
    std::u32string undoText_;
    int undoAnchor_ = 0, undoCaret_ = 0;
    bool canUndo_ = false, typing_ = false;
};

bool IsLineBreakChar(char32_t c);

} // namespace tv::win
