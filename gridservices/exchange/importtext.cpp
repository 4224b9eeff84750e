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

void TDBGridEhImportAsText::ReadCellText() {
    if (lastChar_ == '"') {
        // A quoted cell may hold tabs and line breaks; a doubled quote is one quote.
        cellText_.clear();
        char c = 0;
        for (;;) {
            if (!ReadChar(c)) {
                SetEos();
                lastState_ = tsEnd;
                return;
            }
            if (c != '"') {
                cellText_ += c;
                continue;
            }
            char next = 0;
            const bool more = ReadChar(next);
            if (more && next == '"') {
                cellText_ += '"';
                continue;
            }
            if (more) Stream()->Seek(-1, soCurrent);
            break;
        }
    } else {
        cellText_.assign(1, lastChar_);
    }
    while (CheckState() == tsData) cellText_ += lastChar_;
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
