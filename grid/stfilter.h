#pragma once
// Filter-row settings of a grid and of a column. The core keeps visibility
// and the stored values; the filter row builds on them.
#include <string>

#include "framework/core/persistent.h"
#include "framework/ui/graphics.h"

namespace tv {

class TCustomDBGridEh;
class TColumnEh;

class TSTDBGridEhFilter : public TPersistent {
    TV_CLASS(TSTDBGridEhFilter, TPersistent)
public:
    explicit TSTDBGridEhFilter(TCustomDBGridEh* grid = nullptr) : grid_(grid) {}
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Local() const { return local_; }
    void SetLocal(bool v) { local_ = v; }
    bool InstantApply() const { return instantApply_; }
    void SetInstantApply(bool v) { instantApply_ = v; }

private:
    TCustomDBGridEh* grid_;
    bool visible_ = false, local_ = false, instantApply_ = false;
};

class TSTColumnFilterEh : public TPersistent {
    TV_CLASS(TSTColumnFilterEh, TPersistent)
public:
    explicit TSTColumnFilterEh(TColumnEh* column = nullptr) : column_(column) {}
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;
    const std::string& DataField() const { return dataField_; }
    void SetDataField(const std::string& v) { dataField_ = v; }
    const std::string& KeyField() const { return keyField_; }
    void SetKeyField(const std::string& v) { keyField_ = v; }
    const std::string& ListField() const { return listField_; }
    void SetListField(const std::string& v) { listField_ = v; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }

private:
    TColumnEh* column_;
    std::string dataField_, keyField_, listField_;
    bool visible_ = true;
};

} // namespace tv
