#pragma once
// TDBGridEhExport: the walk shared by every grid exporter. It picks the
// records and columns of the grid's selection (or all of them), fills the
// cell and footer parameters as the grid would draw them, keeps the footer
// totals, and calls the Emit hooks a format overrides.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/object.h"
#include "core/streams.h"
#include "grid/colcellparams.h"
#include "grid/columnslist.h"
#include "grid/dbgrideh.h"

namespace tv {

class TDBGridEhExport : public TObject {
    TV_CLASS(TDBGridEhExport, TObject)
public:
    TDBGridEhExport();
    ~TDBGridEhExport() override;
    static void Publish(TPublisher&) {}

    TCustomDBGridEh* DBGridEh() const { return grid_; }
    void SetDBGridEh(TCustomDBGridEh* grid) { grid_ = grid; }
    TStream* Stream() const { return stream_; }
    TColumnsEhList* ExpCols() const { return expCols_; }
    TColCellParamsEh* ColCellParams() const { return params_.get(); }

    virtual void EmitPrefix() {}
    virtual void EmitSuffix() {}
    virtual void EmitTitle(TColumnsEhList& columns) { (void)columns; }
    virtual void EmitRecord(TColumnsEhList& columns);
    virtual void EmitDataCell(TColumnEh* column, TColCellParamsEh* params) { (void)column; (void)params; }
    virtual void EmitFooter(TColumnsEhList& columns, int footerRow);
    virtual void EmitFooterCell(int dataCol, int footerRow, const std::string& text, TAlignment alignment,
                                TColor background, TFont* font, TColumnEh* column) {
        (void)dataCol, (void)footerRow, (void)text, (void)alignment, (void)background, (void)font, (void)column;
    }
    virtual void ExportStream(TStream& stream, bool all);
    // Whether the format writes more of a cell than its text (its font,
    // colour, alignment, picture or check box).
    virtual bool WritesCellLook() const { return true; }
    virtual void ExportFile(const std::string& fileName, bool all);

    // The running total of a footer, in ten-thousandths.
    std::int64_t FooterValue(int footerRow, int position) const;
    // The footer text of a sum or count footer, formatted by its field.
    std::string FormatFooterValue(int footerRow, int position);

protected:
    // Bytes gather in a buffer written to the stream in large blocks.
    void Put(std::string_view bytes) {
        pending_.append(bytes);
        if (pending_.size() >= kFlushAt) Flush();
    }
    void PutLine(std::string_view text) {
        Put(text);
        Put("\r\n");
    }
    void Flush();
    // The field a footer totals: its own field name, else its column's.
    TField* FooterField(TColumnEh* column, int footerRow) const;

private:
    void ExportBody(bool all);
    void ReserveRest();
    void StartUp(TColumnsEhList& columns);
    void AccumulateFooterValues();
    void EmitFooters();

    TCustomDBGridEh* grid_ = nullptr;
    TStream* stream_ = nullptr;
    std::unique_ptr<TColCellParamsEh> params_;
    TColumnsEhList* expCols_ = nullptr;
    std::vector<std::int64_t> footerValues_;
    static constexpr std::size_t kFlushAt = 1 << 16;
    std::string pending_;
    // What the walk expects to export (-1: unknown) and has exported, to tell
    // the stream how large it will grow.
    int expectedRecords_ = -1, records_ = 0;
    std::int64_t flushed_ = 0;
    bool reserved_ = false;
};

// The field a lookup column's value lives in: the dataset field named by
// the lookup's key fields; any other field stands for itself.
TField* KeyFieldOf(TField* field);

// Create an exporter of the class, run it on the grid and free it.
void ExportGridToStream(TClass exporterClass, TCustomDBGridEh* grid, TStream& stream, bool all);
void ExportGridToFile(TClass exporterClass, TCustomDBGridEh* grid, const std::string& fileName, bool all);

} // namespace tv
