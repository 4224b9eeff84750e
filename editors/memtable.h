#pragma once
// What a dataset that keeps its rows in memory may offer the grid: direct row
// access, a tree view of its records and record moving. The grid asks each
// dataset for it (dynamic_cast); TTreeMemTableEh (grid/) offers it.
#include "core/variant.h"

namespace tv {

class TBookmarkListEh;

class IMemTableEh {
public:
    virtual ~IMemTableEh() = default;
    virtual bool TreeNodeExpanded() = 0;
    virtual bool TreeNodeHasChildren() = 0;
    // 1 for top-level nodes.
    virtual int TreeNodeLevel() = 0;
    virtual int TreeNodeMaxDropLevel() = 0;
    virtual int TreeNodeNextLevel() = 0;
    virtual Variant SavePosition() = 0;
    // How many rows the grid can show.
    virtual void SetViewRowCount(int rows) = 0;
    // The current record's row, -1 for none.
    virtual int CurrentRowIndex() = 0;
    virtual bool TreeViewActive() = 0;
    virtual bool TreeNodeHasNextSibling(int level) = 0;
    virtual void RestorePosition(const Variant& position) = 0;
    // Returns the record number (from 1) to make current afterwards, < 1 for none.
    virtual int SetNodeExpanded(int row, bool expanded) = 0;
    virtual int MemRowCount() = 0;
    virtual bool MoveRecords(TBookmarkListEh* bookmarks, int targetRecord, int targetLevel, bool checkOnly) = 0;
    virtual void EnterBufferRow(int row) = 0;
    virtual void LeaveBufferRow() = 0;
};

} // namespace tv
