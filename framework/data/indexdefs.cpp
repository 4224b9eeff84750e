#include "framework/data/indexdefs.h"

#include "core/strutils.h"
#include "core/sysformat.h"
#include "framework/data/dbconsts.h"
#include "framework/data/dberror.h"

namespace tv {

int TIndexDefs::IndexOf(const std::string& name) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (SameText(items_[i]->Name(), name)) return static_cast<int>(i);
    return -1;
}

const TIndexDef* TIndexDefs::Find(const std::string& name) const {
    const int i = IndexOf(name);
    return i < 0 ? nullptr : items_[static_cast<std::size_t>(i)].get();
}

const TIndexDef& TIndexDefs::Add(const TIndexDef& def) {
    if (IndexOf(def.Name()) >= 0) DatabaseError(Format(dbconsts::SDuplicateIndexName, def.Name()));
    items_.push_back(std::make_unique<TIndexDef>(def));
    return *items_.back();
}

void TIndexDefs::Remove(const std::string& name) {
    const int i = IndexOf(name);
    if (i >= 0) items_.erase(items_.begin() + i);
}

} // namespace tv
