#pragma once
// TDBGridEhSumList: the grid's sum list. It works at design time too, starts
// inactive, and gives the footers their sums, averages and counts.
#include <functional>
#include <string>

#include "core/resourcestrings.h"
#include "grid/dbsumlist.h"

namespace tv {

// What a footer shows for a total beyond a currency's range: no number.
TV_RESOURCESTRING(SFooterOutOfRange, "Fuera de rango")

class TCustomDBGridEh;
class TColumnEh;
class TColumnFooterEh;

class TDBGridEhSumList : public TDBSumListProducer {
    TV_CLASS(TDBGridEhSumList, TDBSumListProducer)
public:
    explicit TDBGridEhSumList(TCustomDBGridEh* grid = nullptr);
    static void Publish(TPublisher& p);

    // Whether the dataset numbers its records itself (the vertical bar shows them).
    bool IsSequenced() const;
    int RecNo() const;
    void Loaded() { OwnerLoaded(); }
    void RecalcAll() { Recalculate(); }

    // Brings the sums in line with the footers of every column: a sum, average
    // or count footer gets its sum; sums no footer needs any more are dropped.
    void SyncFooterSums();
    // The text of a sum, average or count footer of `column` (other kinds: empty);
    // a total beyond a currency's range reads "Fuera de rango".
    std::string FooterValueText(TColumnFooterEh* footer, TColumnEh* column) const;

    std::function<void(TObject*)> OnSumListChanged;

protected:
    void HookDataSetEvents() override;
    void RestoreDataSetEvents() override;

private:
    bool GridDesigning() const;
    TCustomDBGridEh* grid_;
};

} // namespace tv
