#pragma once
// Reads the typed exchange format "VCLDBIF" into the grid.
#include <string>
#include <utility>
#include <vector>

#include "gridservices/exchange/gridimport.h"

namespace tv {

class TDBGridEhImportAsVCLDBIF : public TDBGridEhImport {
    TV_CLASS(TDBGridEhImportAsVCLDBIF, TDBGridEhImport)
public:
    static void Publish(TPublisher&) {}
    void ReadPrefix() override;
    void ReadRow(TColumnsEhList& columns) override;
    void ReadCell(TColumnEh* column) override;
    void ImportStream(TStream& stream, bool all) override;

    // The descriptors read from the header: name and visible flag.
    const std::vector<std::pair<std::string, bool>>& ColumnNames() const { return names_; }

private:
    void ReadValue();
    void ReadExact(void* buffer, std::int64_t count);
    [[noreturn]] void Invalid() const;

    Variant value_;
    int columnCount_ = 0;
    std::vector<std::pair<std::string, bool>> names_;
    bool namesPresent_ = false;
};

} // namespace tv
