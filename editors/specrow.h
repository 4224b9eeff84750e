#pragma once
// An extra row that a lookup list can show before its data rows: one key
// value (usually the empty choice) with its own cell texts, colour and font.
#include <functional>
#include <memory>

#include "core/stringlist.h"
#include "core/variant.h"
#include "framework/ui/graphics.h"

namespace tv {

class TSpecRowEh : public TPersistent {
    TV_CLASS(TSpecRowEh, TPersistent)
public:
    explicit TSpecRowEh(TPersistent* owner = nullptr);
    ~TSpecRowEh() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override { return owner_; }

    // Cells separated by ";"; a cell in double quotes may hold ";" and "".
    const std::string& CellsText() const { return cellsText_; }
    void SetCellsText(const std::string& v);
    // The owner's colour until one is set.
    TColor Color() const;
    void SetColor(TColor v);
    bool IsColorStored() const { return colorAssigned_; }
    // The owner's font until one is set.
    TFont* Font() const;
    void SetFont(TFont* v) { font_->Assign(v); }
    bool IsFontStored() const { return fontAssigned_; }
    int ShortCut() const { return shortCut_; }
    void SetShortCut(int v) { shortCut_ = v; }
    bool ShowIfNotInKeyList() const { return showIfNotInKeyList_; }
    void SetShowIfNotInKeyList(bool v);
    const Variant& Value() const { return value_; }
    void SetValue(const Variant& v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Selected() const { return selected_; }
    void SetSelected(bool v) { selected_ = v; }

    // The text of a cell; empty outside the list.
    std::string CellText(int index) const;
    int CellCount() const { return cells_->Count(); }
    // Visible and standing for this key.
    bool MatchesKey(const Variant& key) const;
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();

    std::function<void(TObject* sender)> OnChange;

private:
    void Changed();
    void ParseCells();
    TFont* DefaultFont() const;
    TPersistent* owner_;
    std::string cellsText_;
    std::unique_ptr<TStringList> cells_;
    std::unique_ptr<TFont> font_;
    TColor color_ = clWindow;
    bool colorAssigned_ = false, fontAssigned_ = false;
    bool settingFont_ = false;
    int shortCut_;
    bool showIfNotInKeyList_ = true;
    Variant value_;
    bool visible_ = false;
    bool selected_ = false;
    int updateCount_ = 0;
};

} // namespace tv
