#pragma once
// The settings of a combo editor's drop-down list: where it opens, whether it
// opens on typing, how many rows, whether it can be sized, and its width (0:
// the editor's, -1: the widest item's).
#include "core/persistent.h"
#include "core/properties.h"

namespace tv {

enum TDropDownAlign { daLeft, daRight, daCenter };
extern const TEnumInfo TDropDownAlignInfo;

class TDropDownBoxEh : public TPersistent {
    TV_CLASS(TDropDownBoxEh, TPersistent)
public:
    TDropDownBoxEh() = default;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;

    TDropDownAlign Align() const { return align_; }
    void SetAlign(TDropDownAlign v) { align_ = v; }
    bool AutoDrop() const { return autoDrop_; }
    void SetAutoDrop(bool v) { autoDrop_ = v; }
    int Rows() const { return rows_; }
    void SetRows(int v) { rows_ = v; }
    bool Sizable() const { return sizable_; }
    void SetSizable(bool v) { sizable_ = v; }
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }

private:
    TDropDownAlign align_ = daLeft;
    bool autoDrop_ = false;
    int rows_ = 7;
    bool sizable_ = false;
    int width_ = 0;
};

} // namespace tv
