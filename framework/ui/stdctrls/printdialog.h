#pragma once
// TPrintDialog: asks for the pages and copies to print in a modal window
// built from the standard controls. Pages typed outside MinPage..MaxPage, or
// a first page after the last, are refused with a message and the window
// stays.
#include "core/component.h"
#include "core/sets.h"

namespace tv {

enum TPrintRange { prAllPages, prSelection, prPageNums };
enum TPrintDialogOption { poPrintToFile, poPageNums, poSelection, poWarning, poHelp, poDisablePrintToFile };
using TPrintDialogOptions = TSet<TPrintDialogOption>;

class TPrintDialog : public TComponent {
    TV_CLASS(TPrintDialog, TComponent)
public:
    explicit TPrintDialog(TComponent* owner = nullptr) : TComponent(owner) {}
    static void Publish(TPublisher& p);

    int FromPage() const { return fromPage_; }
    void SetFromPage(int v) { fromPage_ = v; }
    int ToPage() const { return toPage_; }
    void SetToPage(int v) { toPage_ = v; }
    int MinPage() const { return minPage_; }
    void SetMinPage(int v) { minPage_ = v; }
    int MaxPage() const { return maxPage_; }
    void SetMaxPage(int v) { maxPage_ = v; }
    int Copies() const { return copies_; }
    void SetCopies(int v) { copies_ = v; }
    TPrintRange PrintRange() const { return range_; }
    void SetPrintRange(TPrintRange v) { range_ = v; }
    TPrintDialogOptions Options() const { return options_; }
    void SetOptions(TPrintDialogOptions v) { options_ = v; }

    bool Execute();

private:
    int fromPage_ = 0, toPage_ = 0, minPage_ = 0, maxPage_ = 0, copies_ = 1;
    TPrintRange range_ = prAllPages;
    TPrintDialogOptions options_;
};

} // namespace tv
