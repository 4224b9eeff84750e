#pragma once
// The search behind the grid's find dialog: cell by cell along a list of
// columns, record by record through the dataset, forward or backward, from
// the last match on. The columns are given as the text of their cell in the
// current record, so the dialog decides between display and field text.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/resourcestrings.h"
#include "framework/data/dataset.h"

namespace tv {

TV_RESOURCESTRING(SFindStringNotFound, "String \"%s\" not found.")

enum TFindMatchType { fmAnyPart, fmWholeField, fmFromBeginning };
enum TFindDirection { fdUp, fdDown, fdAll };

// The entries of the dialog's boxes, in their order.
extern const char* const kFindMatchTypeTexts[3]; // "From any part of field", ...
extern const char* const kFindDirectionTexts[3]; // "Up", "Down", "All"

// Whether the cell text matches the search text; without matchCase both are
// compared in upper case.
bool FindTextMatches(std::string_view cell, std::string_view text, TFindMatchType type, bool matchCase);
// "Up" searches backward, the others forward; Ctrl held turns it round.
bool FindGoesBackward(TFindDirection direction, bool ctrlHeld);

class TGridSearch {
public:
    using TCellText = std::function<std::string()>;

    void SetColumns(std::vector<TCellText> columns);
    int ColumnCount() const { return int(columns_.size()); }
    // The column of the last match, or where the next search starts.
    int Position() const { return position_; }
    bool FirstTry() const { return firstTry_; }
    // A new text or direction: the next search starts afresh at the first
    // column (the last one going up).
    void Reset(TFindDirection direction);

    // Looks for the next matching cell. On a match the dataset stays on its
    // record and Position() names the column; otherwise the dataset goes back
    // to where it was. False as well without columns or an open dataset.
    bool FindNext(TDataSet* dataset, const std::string& text, TFindMatchType type, bool matchCase,
                  TFindDirection direction, bool ctrlHeld);

private:
    bool Step(TDataSet* dataset, bool backward);

    std::vector<TCellText> columns_;
    int position_ = -1;
    bool firstTry_ = true;
};

} // namespace tv
