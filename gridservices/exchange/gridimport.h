#pragma once
// TDBGridEhImport: the walk shared by the importers. It writes the rows
// read from a stream into the grid's selection, or from the current cell
// on, appending records past the end when the grid allows it.
#include <string>

#include "core/object.h"
#include "core/resourcestrings.h"
#include "core/streams.h"
#include "core/variant.h"
#include "grid/columnslist.h"
#include "grid/dbgrideh.h"

namespace tv {

TV_RESOURCESTRING(SErrorDuringInsertValueEh, "Error during insert value:")
TV_RESOURCESTRING(SIgnoreErrorEh, "Ignore error?")
TV_RESOURCESTRING(SInvalidTextFormatEh, "Invalid text format")
TV_RESOURCESTRING(SInvalidVCLDBIFFormatEh, "Invalid VCLDBIF format")

class TDBGridEhImport : public TObject {
    TV_CLASS(TDBGridEhImport, TObject)
public:
    static void Publish(TPublisher&) {}

    TCustomDBGridEh* DBGridEh() const { return grid_; }
    void SetDBGridEh(TCustomDBGridEh* grid) { grid_ = grid; }
    TStream* Stream() const { return stream_; }
    bool Eos() const { return eos_; }

    virtual void ReadPrefix() {}
    virtual void ReadTrailer() {}
    virtual void ReadRow(TColumnsEhList& columns);
    virtual void ReadCell(TColumnEh* column) { (void)column; }
    virtual void ImportStream(TStream& stream, bool all);
    virtual void ImportFromFile(const std::string& fileName, bool all);

protected:
    // Sets the value into the column's field (its key field for a lookup),
    // asking whether to go on when the field refuses it.
    void WriteValue(TColumnEh* column, const Variant& value, bool asText);
    void SetEos() { eos_ = true; }
    bool ignoreAll_ = false;

private:
    void InsertLoop(TColumnsEhList& columns, bool append);
    TCustomDBGridEh* grid_ = nullptr;
    TStream* stream_ = nullptr;
    TColumnsEhList* columns_ = nullptr;
    bool eos_ = false;
};

void ImportGridFromStream(TClass importerClass, TCustomDBGridEh* grid, TStream& stream, bool all);

} // namespace tv
