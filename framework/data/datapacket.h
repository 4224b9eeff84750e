#pragma once
// A data packet: what a provider sends a client dataset (field descriptions
// and rows) and what the client sends back (the delta: changed rows with
// their original values and their kind of change).
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

struct TPacketRow {
    std::vector<Variant> values;   // current values
    std::vector<Variant> original; // values before the change (modified and deleted rows)
    TUpdateStatus status = usUnmodified;
};

struct TDataPacket {
    std::vector<TPacketField> fields;
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
