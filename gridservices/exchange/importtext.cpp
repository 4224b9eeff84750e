#include "gridservices/exchange/importtext.h"

#include "framework/data/dataset.h"
#include "framework/data/field.h"

namespace tv {

// The stream's last byte is the text's terminating 0: it is never read.
bool TDBGridEhImportAsText::ReadChar(char& c) {
    TStream* s = Stream();
    if (s->Position() >= s->Size() - 1) return false;
    return s->Read(&c, 1) == 1;
}

TDBGridEhImportAsText::TTextState TDBGridEhImportAsText::CheckState() {
    char c = 0;
    if (!ReadChar(c)) {
        SetEos();
        return lastState_ = tsEnd;
    }
    lastChar_ = c;
    if (c == '\t') return lastState_ = tsTab;
    if (c != '\r') return lastState_ = tsData;
    char next = 0;
    if (!ReadChar(next) || next != '\n')
        throw Exception("TDBGridEhImportAsText.CheckState: " + LoadResString(SInvalidTextFormatEh));
    lastChar_ = next;
    return lastState_ = tsLineEnd;
}

// A cell is read as quoted only when it is a whole quoted field: an opening
// quote, inner quotes doubled, and a closing one where the cell ends (at a tab,
// a line end or the end of the text). Any other cell is kept as it stands,
// quotes and all.
bool TDBGridEhImportAsText::ReadQuotedCell() {
    TStream* s = Stream();
    const std::int64_t start = s->Position();
    std::string text;
    char c = 0;
    while (ReadChar(c)) {
        if (c != '"') {
            text += c;
            continue;
        }
        char next = 0;
        if (!ReadChar(next)) {
            cellText_ = std::move(text);
            return true;
        }
        if (next == '"') {
            text += '"';
            continue;
        }
        char after = 0;
        bool ends = next == '\t' || (next == '\r' && ReadChar(after) && after == '\n');
        if (!ends) break;
        // The separator is read again as the cell's end.
        s->Seek(next == '\t' ? -1 : -2, soCurrent);
        cellText_ = std::move(text);
        return true;
    }
    s->Seek(start, soBeginning);
    return false;
}

void TDBGridEhImportAsText::ReadCellText() {
    if (lastChar_ == '"' && ReadQuotedCell()) {
        CheckState();
    } else {
        cellText_.assign(1, lastChar_);
        while (CheckState() == tsData) cellText_ += lastChar_;
    }
    if (lastState_ == tsTab) CheckState();
}

void TDBGridEhImportAsText::ReadRow(TColumnsEhList& columns) {
    if (lastState_ == tsEnd) return;
    int next = 0;
    if (lastState_ == tsData) {
        ReadCellText();
        if (columns.Count() > 0) ReadCell(columns.Items(0));
        next = 1;
    }
    while (lastState_ != tsLineEnd && lastState_ != tsEnd) {
        if (lastState_ == tsTab) {
            cellText_.clear();
            CheckState();
        } else {
            ReadCellText();
        }
        if (next < columns.Count()) ReadCell(columns.Items(next));
        ++next;
    }
    CheckState();
}

void TDBGridEhImportAsText::ReadCell(TColumnEh* column) {
    TField* shown = column->Field();
    if (!shown) return;
    const std::string text = cellText_;
    if (shown->FieldKind() == fkLookup) {
        TDataSet* lookup = shown->LookupDataSet();
        if (shown->KeyFields().empty() || !lookup || !lookup->Active()) return;
        if (!lookup->Locate(shown->LookupResultField(), text, TLocateOptions{loCaseInsensitive, loPartialKey}))
            return;
        WriteValue(column, lookup->FieldValues(shown->LookupKeyFields()), false);
        return;
    }
    if (column->GetColumnType() == ctKeyPickList) {
        int i = column->PickList()->IndexOf(text);
        if (i >= 0 && i < column->KeyList()->Count())
            WriteValue(column, column->KeyList()->Strings(i), true);
        else
            WriteValue(column, Null(), false);
        return;
    }
    WriteValue(column, text, true);
}

} // namespace tv
