#include "gridservices/find/gridsearch.h"

#include "core/strutils.h"
#include "framework/data/controlsoff.h"

namespace tv {

const char* const kFindMatchTypeTexts[3] = {"From any part of field", "Whole field", "From beging of field"};
const char* const kFindDirectionTexts[3] = {"Up", "Down", "All"};

bool FindTextMatches(std::string_view cell, std::string_view text, TFindMatchType type, bool matchCase) {
    std::string t = matchCase ? std::string(cell) : AnsiUpperCase(cell);
    std::string s = matchCase ? std::string(text) : AnsiUpperCase(text);
    switch (type) {
    case fmAnyPart: return t.find(s) != std::string::npos;
    case fmWholeField: return t == s;
    case fmFromBeginning: return std::string_view(t).substr(0, Utf8Offset(t, Utf8Length(s))) == s;
    }
    return false;
}

bool FindGoesBackward(TFindDirection direction, bool ctrlHeld) { return (direction == fdUp) != ctrlHeld; }

void TGridSearch::SetColumns(std::vector<TCellText> columns) {
    columns_ = std::move(columns);
    position_ = -1;
}

void TGridSearch::Reset(TFindDirection direction) {
    firstTry_ = true;
    position_ = direction == fdUp ? ColumnCount() - 1 : 0;
}

bool TGridSearch::Step(TDataSet* ds, bool backward) {
    if (backward) {
        if (--position_ >= 0) return true;
        position_ = ColumnCount() - 1;
        ds->Prior();
        return !ds->Bof();
    }
    if (++position_ < ColumnCount()) return true;
    position_ = 0;
    ds->Next();
    return !ds->Eof();
}

bool TGridSearch::FindNext(TDataSet* ds, const std::string& text, TFindMatchType type, bool matchCase,
                           TFindDirection direction, bool ctrlHeld) {
    if (!ds || !ds->Active() || columns_.empty()) return false;
    bool backward = FindGoesBackward(direction, ctrlHeld);
    TControlsOff off(ds);
    TBookmark start = ds->Bookmark();
    if (position_ < 0 || position_ >= ColumnCount()) position_ = backward ? ColumnCount() - 1 : 0;
    if (direction == fdAll && firstTry_) ds->First();
    bool found = false;
    // An empty dataset has nothing to compare.
    bool more = !(ds->Eof() && ds->Bof());
    if (more && !firstTry_) more = Step(ds, backward);
    while (more) {
        if (FindTextMatches(columns_[size_t(position_)](), text, type, matchCase)) {
            found = true;
            firstTry_ = false;
            break;
        }
        more = Step(ds, backward);
    }
    if (!found && !start.empty()) ds->GotoBookmark(start);
    return found;
}

} // namespace tv
