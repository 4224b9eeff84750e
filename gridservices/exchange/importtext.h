#pragma once
// Reads tab-separated text (lines ended by CR LF) into the grid: the text a
// copy puts on the clipboard, ended by its 0 byte.
#include "gridservices/exchange/gridimport.h"

namespace tv {

class TDBGridEhImportAsText : public TDBGridEhImport {
    TV_CLASS(TDBGridEhImportAsText, TDBGridEhImport)
public:
    static void Publish(TPublisher&) {}
    enum TTextState { tsData = 0, tsTab = 1, tsLineEnd = 2, tsEnd = 3 };

    void ReadPrefix() override { CheckState(); }
    void ReadRow(TColumnsEhList& columns) override;
    void ReadCell(TColumnEh* column) override;
    TTextState CheckState();

private:
    bool ReadChar(char& c);
    void ReadCellText();
    bool ReadQuotedCell();

    char lastChar_ = 0;
    TTextState lastState_ = tsEnd;
    std::string cellText_;
};

} // namespace tv
