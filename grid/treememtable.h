#pragma once
// A client dataset that shows its records as a tree to the data grid: each
// record names its parent by key, the children of a collapsed node are hidden,
// and records are moved with their branches. The rows are kept in tree order
// (every node's branch follows it); moving records keeps that order.
#include <map>
#include <string>
#include <vector>

#include "editors/memtable.h"
#include "framework/data/clientdataset.h"

namespace tv {

class TTreeMemTableEh : public TCustomClientDataSet, public IMemTableEh {
    TV_CLASS(TTreeMemTableEh, TCustomClientDataSet)
public:
    explicit TTreeMemTableEh(TComponent* owner = nullptr);

    const std::string& KeyFieldName() const { return keyFieldName_; }
    void SetKeyFieldName(const std::string& name);
    // A record whose parent is empty or names no record is a top-level node.
    const std::string& ParentFieldName() const { return parentFieldName_; }
    void SetParentFieldName(const std::string& name);
    void SetTreeViewActive(bool active);
    void FullExpand();
    void FullCollapse();

    // IMemTableEh, on the current record.
    bool TreeNodeExpanded() override;
    bool TreeNodeHasChildren() override;
    int TreeNodeLevel() override;
    int TreeNodeMaxDropLevel() override;
    int TreeNodeNextLevel() override;
    Variant SavePosition() override;
    void SetViewRowCount(int rows) override { viewRows_ = rows; }
    int CurrentRowIndex() override;
    bool TreeViewActive() override { return treeView_; }
    bool TreeNodeHasNextSibling(int level) override;
    void RestorePosition(const Variant& position) override;
    int SetNodeExpanded(int row, bool expanded) override;
    // A record being inserted has a row of its own.
    int MemRowCount() override;
    bool MoveRecords(TBookmarkListEh* bookmarks, int targetRecord, int targetLevel, bool checkOnly) override;
    // The fields read the row's record until it is left; the cursor stays
    // and no link hears of it. Entries nest.
    void EnterBufferRow(int row) override;
    void LeaveBufferRow() override;

protected:
    void OpenCursorCompleted() override;
    TGetResult GetRecord(TRecordBuffer& buffer, TGetMode mode) override;
    void InternalPost() override;
    void InternalDelete() override;

private:
    struct TNode {
        std::string key, parent;
        Variant keyValue;
        int parentIndex = -1;
        int level = 1;
        bool hasChildren = false, hasNextSibling = false;
    };
    void Rebuild();
    void Reshow();
    int NodeOfCurrent();
    int NodeOfBookmark(const TBookmark& bookmark) const;
    int NodeOfRecNo(int recNo) const;
    bool Shown(int node) const;
    std::string KeyOf(TDataSet* ds);
    void RememberKey(const TRecordBuffer& buffer);

    std::string keyFieldName_, parentFieldName_;
    bool treeView_ = true, showAll_ = false;
    int viewRows_ = 0;
    std::vector<TNode> nodes_;              // tree order
    std::map<std::string, int> byKey_;
    std::map<std::string, bool> expanded_;  // by key; absent: collapsed
    // The key of every record read, so that checking a drop moves no cursor.
    std::map<TBookmark, std::string> keyOfBookmark_;
    int keySlot_ = -1;
    // The row where a record being inserted stands, -1 outside an insert.
    int InsertRow();
    struct TEntry {
        bool swapped = false;
        TRecordBuffer saved; // what the active buffer held before
    };
    std::vector<TEntry> entered_;
    int enteredCurrent_ = -1, enteredInsert_ = -1; // the current and the insert row while rows are entered
};

} // namespace tv
