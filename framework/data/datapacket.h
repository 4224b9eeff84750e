#pragma once
// A data packet: what a provider sends a client dataset (field descriptions
// and rows) and what the client sends back (the delta: changed rows with
// their original values and their kind of change).
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/variant.h"
#include "framework/data/dbtypes.h"

namespace tv {

struct TPacketField {
    std::string name;
    TFieldType type = ftUnknown;
    int size = 0;
    int precision = 0;
    bool required = false;
    bool readOnly = false;
    TProviderFlags providerFlags{pfInUpdate, pfInWhere};
    std::string origin;
    std::string displayLabel;
};

// A packet's field descriptions. Copies share one list until one of them
// changes it: a provider sends one description with every packet of a shape.
class TPacketFields {
public:
    std::size_t size() const { return items_ ? items_->size() : 0; }
    bool empty() const { return size() == 0; }
    const TPacketField& operator[](std::size_t i) const { return (*items_)[i]; }
    const TPacketField* begin() const { return items_ ? items_->data() : nullptr; }
    const TPacketField* end() const { return items_ ? items_->data() + items_->size() : nullptr; }
    void push_back(TPacketField f) { Own().push_back(std::move(f)); }
    // The description at i, for a change that only this copy sees.
    TPacketField& Edit(std::size_t i) { return Own()[i]; }

private:
    std::vector<TPacketField>& Own();
    std::shared_ptr<std::vector<TPacketField>> items_;
};

struct TPacketRow {
    std::vector<Variant> values;   // current values
    std::vector<Variant> original; // values before the change (modified and deleted rows)
    TUpdateStatus status = usUnmodified;
};

struct TDataPacket {
    TPacketFields fields;
    std::vector<TPacketRow> rows;
    // True when the source has no further rows to send.
    bool eof = true;
    int FieldIndex(const std::string& name) const;
};

// One failed change of an apply, reported back to the client dataset.
struct TUpdateErrorInfo {
    int row = -1; // index in the delta's rows
    TUpdateKind kind = ukModify;
    std::string message;
    int errorCode = 0;
};

// What the provider answers to a delta.
struct TApplyResult {
    int errorCount = 0;
    // True when the source's transaction was rolled back: nothing was applied.
    bool rolledBack = false;
    std::vector<TUpdateErrorInfo> errors;
    // Per delta row: whether the source took the change (and kept it).
    std::vector<bool> applied;
    // With poPropogateChanges: the values each applied row ended with, by delta row (empty when not sent).
    std::vector<std::vector<Variant>> propagated;
};

} // namespace tv
