#include "grid/treememtable.h"

#include <algorithm>

#include "core/strutils.h"
#include "framework/data/controlsoff.h"
#include "framework/data/field.h"
#include "grid/gridselection.h"

namespace tv {

TTreeMemTableEh::TTreeMemTableEh(TComponent* owner) : TCustomClientDataSet(owner) {
    // The children of a collapsed node are filtered out.
    OnFilterRecord = [this](TDataSet*, bool& accept) {
        if (showAll_ || !treeView_ || parentFieldName_.empty()) return;
        TField* parent = FindField(parentFieldName_);
        if (!parent) return;
        auto it = byKey_.find(parent->AsString());
        int node = it == byKey_.end() ? -1 : it->second;
        for (std::size_t steps = 0; node >= 0 && steps <= nodes_.size(); ++steps) {
            auto e = expanded_.find(nodes_[static_cast<std::size_t>(node)].key);
            if (e == expanded_.end() || !e->second) {
                accept = false;
                return;
            }
            node = nodes_[static_cast<std::size_t>(node)].parentIndex;
        }
    };
    SetFiltered(true);
}

void TTreeMemTableEh::SetKeyFieldName(const std::string& name) {
    keyFieldName_ = name;
    if (Active()) Reshow();
}

void TTreeMemTableEh::SetParentFieldName(const std::string& name) {
    parentFieldName_ = name;
    if (Active()) Reshow();
}

void TTreeMemTableEh::SetTreeViewActive(bool active) {
    if (treeView_ == active) return;
    treeView_ = active;
    if (Active()) Reshow();
}

void TTreeMemTableEh::FullExpand() {
    for (const TNode& n : nodes_)
        if (n.hasChildren) expanded_[n.key] = true;
    if (Active()) Reshow();
}

void TTreeMemTableEh::FullCollapse() {
    expanded_.clear();
    if (Active()) Reshow();
}

void TTreeMemTableEh::Rebuild() {
    nodes_.clear();
    byKey_.clear();
    if (!Active() && !IsCursorOpen()) return;
    TDataPacket data = Data();
    int keySlot = -1, parentSlot = -1;
    for (std::size_t i = 0; i < data.fields.size(); ++i) {
        if (SameText(data.fields[i].name, keyFieldName_)) keySlot = static_cast<int>(i);
        if (SameText(data.fields[i].name, parentFieldName_)) parentSlot = static_cast<int>(i);
    }
    keySlot_ = keySlot;
    if (keySlot < 0) return;
    for (const TPacketRow& row : data.rows) {
        TNode n;
        const Variant& key = row.values[static_cast<std::size_t>(keySlot)];
        n.key = key.IsNull() ? std::string() : key.AsString();
        n.keyValue = key;
        if (parentSlot >= 0) {
            const Variant& parent = row.values[static_cast<std::size_t>(parentSlot)];
            n.parent = parent.IsNull() ? std::string() : parent.AsString();
        }
        byKey_.emplace(n.key, static_cast<int>(nodes_.size()));
        nodes_.push_back(std::move(n));
    }
    std::map<int, int> lastChild;
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        TNode& n = nodes_[i];
        auto it = n.parent.empty() ? byKey_.end() : byKey_.find(n.parent);
        // A parent that does not come before its child cannot hold it: the
        // record stands at the top level.
        if (it != byKey_.end() && it->second < static_cast<int>(i)) {
            n.parentIndex = it->second;
            TNode& p = nodes_[static_cast<std::size_t>(it->second)];
            p.hasChildren = true;
            n.level = p.level + 1;
        }
        lastChild[n.parentIndex] = static_cast<int>(i);
    }
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        nodes_[i].hasNextSibling = lastChild[nodes_[i].parentIndex] != static_cast<int>(i);
}

// The view follows the expanded nodes; the current record stays when it is still shown.
void TTreeMemTableEh::Reshow() {
    CheckBrowseMode();
    Rebuild();
    TBookmark here = IsEmpty() ? TBookmark() : Bookmark();
    // The links hear of the new view once, on its current record: a grid
    // keeps its rows where they were instead of following a passing First.
    TControlsOff controls(this);
    TCustomClientDataSet::FilterChanged();
    First();
    if (!here.empty() && BookmarkValid(here)) {
        try {
            GotoBookmark(here);
        } catch (...) {
            First();
        }
    }
    controls.Release();
}

void TTreeMemTableEh::OpenCursorCompleted() {
    keyOfBookmark_.clear();
    Rebuild();
    TCustomClientDataSet::OpenCursorCompleted();
}

TGetResult TTreeMemTableEh::GetRecord(TRecordBuffer& buffer, TGetMode mode) {
    TGetResult result = TCustomClientDataSet::GetRecord(buffer, mode);
    if (result == grOK) RememberKey(buffer);
    return result;
}

void TTreeMemTableEh::RememberKey(const TRecordBuffer& buffer) {
    if (keySlot_ < 0 || keySlot_ >= static_cast<int>(buffer.values.size())) return;
    const Variant& key = buffer.values[static_cast<std::size_t>(keySlot_)];
    keyOfBookmark_[buffer.bookmark] = key.IsNull() ? std::string() : key.AsString();
}

int TTreeMemTableEh::NodeOfBookmark(const TBookmark& bookmark) const {
    auto k = keyOfBookmark_.find(bookmark);
    if (k == keyOfBookmark_.end()) return -1;
    auto n = byKey_.find(k->second);
    return n == byKey_.end() ? -1 : n->second;
}

// Record numbers count the shown records in tree order.
int TTreeMemTableEh::NodeOfRecNo(int recNo) const {
    int shown = 0;
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        if (Shown(static_cast<int>(i)) && ++shown == recNo) return static_cast<int>(i);
    return -1;
}

void TTreeMemTableEh::InternalPost() {
    TCustomClientDataSet::InternalPost();
    Rebuild();
}

void TTreeMemTableEh::InternalDelete() {
    TCustomClientDataSet::InternalDelete();
    Rebuild();
}

std::string TTreeMemTableEh::KeyOf(TDataSet* ds) {
    TField* f = ds->FindField(keyFieldName_);
    return f ? f->AsString() : std::string();
}

int TTreeMemTableEh::NodeOfCurrent() {
    if (!Active() || IsEmpty()) return -1;
    auto it = byKey_.find(KeyOf(this));
    return it == byKey_.end() ? -1 : it->second;
}

bool TTreeMemTableEh::Shown(int node) const {
    if (showAll_ || !treeView_) return true;
    int p = nodes_[static_cast<std::size_t>(node)].parentIndex;
    while (p >= 0) {
        auto e = expanded_.find(nodes_[static_cast<std::size_t>(p)].key);
        if (e == expanded_.end() || !e->second) return false;
        p = nodes_[static_cast<std::size_t>(p)].parentIndex;
    }
    return true;
}

bool TTreeMemTableEh::TreeNodeExpanded() {
    int n = NodeOfCurrent();
    if (n < 0) return false;
    auto e = expanded_.find(nodes_[static_cast<std::size_t>(n)].key);
    return e != expanded_.end() && e->second;
}

bool TTreeMemTableEh::TreeNodeHasChildren() {
    int n = NodeOfCurrent();
    return n >= 0 && nodes_[static_cast<std::size_t>(n)].hasChildren;
}

int TTreeMemTableEh::TreeNodeLevel() {
    int n = NodeOfCurrent();
    return n < 0 ? 1 : nodes_[static_cast<std::size_t>(n)].level;
}

int TTreeMemTableEh::TreeNodeMaxDropLevel() { return TreeNodeLevel(); }

int TTreeMemTableEh::TreeNodeNextLevel() {
    int n = NodeOfCurrent();
    if (n < 0) return -1;
    for (std::size_t i = static_cast<std::size_t>(n) + 1; i < nodes_.size(); ++i)
        if (Shown(static_cast<int>(i))) return nodes_[i].level;
    return -1;
}

bool TTreeMemTableEh::TreeNodeHasNextSibling(int level) {
    int n = NodeOfCurrent();
    if (n < 0 || level < 1) return false;
    while (n >= 0 && nodes_[static_cast<std::size_t>(n)].level > level) n = nodes_[static_cast<std::size_t>(n)].parentIndex;
    return n >= 0 && nodes_[static_cast<std::size_t>(n)].hasNextSibling;
}

Variant TTreeMemTableEh::SavePosition() { return Variant(IsEmpty() ? TBookmark() : Bookmark()); }

void TTreeMemTableEh::RestorePosition(const Variant& position) {
    TBookmark b = position.IsNull() ? TBookmark() : position.AsString();
    if (!b.empty() && BookmarkValid(b)) GotoBookmark(b);
}

int TTreeMemTableEh::InsertRow() {
    // While rows are entered the active buffer holds another record.
    if (!entered_.empty()) return enteredInsert_;
    TRecordBuffer* b = ActiveBuffer();
    if (State() != dsInsert || !b) return -1;
    // Inserted before a record it stands in that record's row; appended, after the last.
    if (b->flag == bfInserted && !b->bookmark.empty() && BookmarkValid(b->bookmark)) return RecNo() - 1;
    return b->flag == bfBOF ? 0 : RecordCount();
}

int TTreeMemTableEh::MemRowCount() { return RecordCount() + (InsertRow() >= 0 ? 1 : 0); }

int TTreeMemTableEh::CurrentRowIndex() {
    if (!entered_.empty()) return enteredCurrent_;
    if (!Active() || IsEmpty()) return -1;
    int insert = InsertRow();
    return insert >= 0 ? insert : RecNo() - 1;
}

int TTreeMemTableEh::SetNodeExpanded(int row, bool expanded) {
    if (!Active() || row < 0 || row >= RecordCount()) return 0;
    CheckBrowseMode();
    SetRecNo(row + 1);
    TBookmark node = Bookmark();
    expanded_[KeyOf(this)] = expanded;
    Reshow();
    GotoBookmark(node);
    return RecNo();
}

void TTreeMemTableEh::EnterBufferRow(int row) {
    int current = CurrentRowIndex();
    int insert = InsertRow();
    if (entered_.empty()) {
        enteredCurrent_ = current;
        enteredInsert_ = insert;
    }
    TEntry entry;
    TRecordBuffer* active = ActiveBuffer();
    // Entered on the current row, the fields read the current record as it
    // stands (an edit in progress included).
    const TEntry* outer = nullptr;
    for (const TEntry& e : entered_)
        if (e.swapped) {
            outer = &e;
            break;
        }
    if (active && row != current) {
        int position = insert >= 0 && row > insert ? row - 1 : row;
        TRecordBuffer read;
        if (ReadRecordAt(position, read)) {
            RememberKey(read);
            entry.saved = std::move(*active);
            *active = std::move(read);
            entry.swapped = true;
        }
    } else if (active && outer) {
        entry.saved = std::move(*active);
        *active = outer->saved;
        entry.swapped = true;
    }
    entered_.push_back(std::move(entry));
}

void TTreeMemTableEh::LeaveBufferRow() {
    if (entered_.empty()) return;
    TEntry entry = std::move(entered_.back());
    entered_.pop_back();
    if (entry.swapped)
        if (TRecordBuffer* active = ActiveBuffer()) *active = std::move(entry.saved);
}

bool TTreeMemTableEh::MoveRecords(TBookmarkListEh* bookmarks, int targetRecord, int targetLevel, bool checkOnly) {
    if (!CanModify() || !bookmarks || bookmarks->SelectedCount() == 0 || parentFieldName_.empty() ||
        !FindField(keyFieldName_) || !FindField(parentFieldName_) || IsEmpty())
        return false;
    // The check runs on every mouse move of a drag: it reads, and moves no
    // cursor, whose repainting would wipe the drop marker.
    std::vector<int> roots;
    for (const TBookmark& b : bookmarks->Items()) {
        int n = NodeOfBookmark(b);
        if (n >= 0 && BookmarkValid(b)) roots.push_back(n);
    }
    int next = targetRecord >= 1 ? NodeOfRecNo(targetRecord) : -1;
    if (roots.empty()) return false;
    // Every record of a moved record's branch goes with it.
    std::vector<bool> moved(nodes_.size(), false);
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        for (int p = static_cast<int>(i); p >= 0 && !moved[i]; p = nodes_[static_cast<std::size_t>(p)].parentIndex)
            if (std::find(roots.begin(), roots.end(), p) != roots.end()) moved[i] = true;
    if (next >= 0 && moved[static_cast<std::size_t>(next)]) {
        // Inside a moved branch there is no place for it.
        if (std::find(roots.begin(), roots.end(), next) == roots.end()) return false;
        int after = next;
        while (after < static_cast<int>(nodes_.size()) && moved[static_cast<std::size_t>(after)]) ++after;
        next = after < static_cast<int>(nodes_.size()) ? after : -1;
    }
    int prev = -1;
    for (int i = (next >= 0 ? next : static_cast<int>(nodes_.size())) - 1; i >= 0 && prev < 0; --i)
        if (!moved[static_cast<std::size_t>(i)]) prev = i;
    int minLevel = next >= 0 ? nodes_[static_cast<std::size_t>(next)].level : 1;
    int maxLevel = prev >= 0 ? nodes_[static_cast<std::size_t>(prev)].level + 1 : 1;
    int level = targetLevel < 1 ? minLevel : targetLevel;
    // A level that would take the following records into the moved branch, or
    // that has no parent above, is refused.
    if (level < minLevel || level > maxLevel) return false;
    if (checkOnly) return true;
    CheckBrowseMode();

    std::string newParent;
    Variant newParentValue = Null();
    for (int p = prev; p >= 0 && level > 1; p = nodes_[static_cast<std::size_t>(p)].parentIndex)
        if (nodes_[static_cast<std::size_t>(p)].level == level - 1) {
            newParent = nodes_[static_cast<std::size_t>(p)].key;
            newParentValue = nodes_[static_cast<std::size_t>(p)].keyValue;
            break;
        }
    std::vector<int> order;
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        if (moved[i]) order.push_back(static_cast<int>(i));
    std::string nextKey = next >= 0 ? nodes_[static_cast<std::size_t>(next)].key : std::string();
    std::vector<std::string> keys;
    std::vector<bool> isRoot;
    for (int i : order) {
        keys.push_back(nodes_[static_cast<std::size_t>(i)].key);
        isRoot.push_back(std::find(roots.begin(), roots.end(), i) != roots.end());
    }
    std::string firstRoot = nodes_[static_cast<std::size_t>(roots.front())].key;

    TControlsOff controls(this);
    showAll_ = true;
    // On failure the collapsed branches are hidden again.
    struct TShowGuard {
        TTreeMemTableEh* t;
        ~TShowGuard() {
            if (!t->showAll_) return;
            t->showAll_ = false;
            try {
                t->Reshow();
            } catch (...) {
            }
        }
    } show{this};
    Reshow();
    auto bookmarksByKey = [this] {
        std::map<std::string, TBookmark> marks;
        for (First(); !Eof(); Next()) marks[KeyOf(this)] = Bookmark();
        return marks;
    };
    std::map<std::string, TBookmark> marks = bookmarksByKey();
    std::vector<std::vector<Variant>> copies;
    std::vector<bool> selected;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        GotoBookmark(marks[keys[k]]);
        std::vector<Variant> values;
        for (int f = 0; f < FieldCount(); ++f) values.push_back(Fields()[f]->Value());
        copies.push_back(std::move(values));
        bool sel = isRoot[k] && bookmarks->LinkIsActive() && bookmarks->CurrentRowSelected();
        if (sel) bookmarks->SetCurrentRowSelected(false);
        selected.push_back(sel);
    }
    for (const std::string& key : keys) {
        GotoBookmark(marks[key]);
        Delete();
    }
    TField* parentField = FindField(parentFieldName_);
    auto place = [&](std::size_t k) {
        for (int f = 0; f < FieldCount(); ++f)
            if (Fields()[f]->CanModify()) Fields()[f]->SetValue(copies[k][static_cast<std::size_t>(f)]);
        if (isRoot[k]) parentField->SetValue(newParentValue);
        Post();
        if (selected[k]) bookmarks->SetCurrentRowSelected(true);
    };
    if (nextKey.empty()) {
        for (std::size_t k = 0; k < keys.size(); ++k) {
            Append();
            place(k);
        }
    } else {
        // Each copy goes before the record that followed the drop, in order.
        TBookmark before = marks[nextKey];
        for (std::size_t k = 0; k < keys.size(); ++k) {
            GotoBookmark(before);
            Insert();
            place(k);
        }
    }
    if (!newParent.empty()) expanded_[newParent] = true;
    showAll_ = false;
    Reshow();
    marks = bookmarksByKey();
    auto it = marks.find(firstRoot);
    if (it != marks.end()) GotoBookmark(it->second);
    return true;
}

} // namespace tv
