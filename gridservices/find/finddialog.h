#pragma once
// TDBGridEhFindDlg, the window that searches the cells of a data grid for a
// text: which columns ("<All>" or one), how the text must match, the
// direction, case and whether the cells are read as displayed. One window
// serves the whole program; the grid opens it with its find key.
#include <string>
#include <vector>

#include "framework/ui/forms.h"
#include "gridservices/find/gridsearch.h"

namespace tv {

class TButton;
class TColumnEh;
class TCustomDBGridEh;
class TDBCheckBoxEh;
class TDBComboBoxEh;
class TLabel;

class TDBGridEhFindDlg : public TForm {
    TV_CLASS(TDBGridEhFindDlg, TForm)
public:
    explicit TDBGridEhFindDlg(TComponent* owner = nullptr);
    ~TDBGridEhFindDlg() override;
    static void Publish(TPublisher& p);

    TLabel *Label1 = nullptr, *Label2 = nullptr, *cbMatchType = nullptr, *Label3 = nullptr;
    TDBComboBoxEh *cbText = nullptr, *cbFindIn = nullptr, *cbMatchinType = nullptr, *cbFindDirection = nullptr;
    TDBCheckBoxEh *cbCharCase = nullptr, *cbUseFormat = nullptr;
    TButton *bFind = nullptr, *bCancel = nullptr;

    void bFindClick(TObject* sender);
    void bCancelClick(TObject* sender);
    void cbFindInChange(TObject* sender);
    void cbTextChange(TObject* sender);
    void FormKeyDown(TObject* sender, win::WORD& key, TShiftState shift);

    // Points the window at `grid` with `text` in its text box and shows it.
    void Prepare(TCustomDBGridEh* grid, const std::string& text, bool modal);
    TCustomDBGridEh* Grid() const { return grid_; }
    // The columns searched, in order.
    const std::vector<TColumnEh*>& SearchColumns() const { return columns_; }

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void DoShow() override;

private:
    void FillFindIn();
    void RebuildColumns();
    TFindDirection Direction() const;
    TFindMatchType MatchType() const;
    std::string CellText(TColumnEh* column) const;

    TCustomDBGridEh* grid_ = nullptr;
    std::vector<TColumnEh*> findIn_;   // column of each "find in" entry but "<All>"
    std::vector<TColumnEh*> columns_;  // the columns searched
    TGridSearch search_;
    bool focusText_ = false;
};

// The window of the program, once made; cleared when it is freed.
TDBGridEhFindDlg* DBGridEhFindDlg();

// The grid's find procedure: makes the window on first use (owned by the
// application) and shows it for `grid`. The second text and the field list
// are not used.
void ShowGridFindDialog(TCustomDBGridEh* grid, const std::string& text, const std::string& second,
                        const std::vector<std::string>& fields, bool modal);

// Installs ShowGridFindDialog as the grid's find procedure.
void InitializeGridFindUnit();
void FinalizeGridFindUnit();

} // namespace tv
