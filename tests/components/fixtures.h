#pragma once
// Small component classes with published properties of every kind, used by
// the form-definition and property tests.
#include <string>
#include <vector>

#include "core/collection.h"
#include "core/component.h"
#include "core/formreader.h"
#include "core/formwriter.h"
#include "core/properties.h"
#include "core/stringlist.h"

namespace fx {

enum TAlign { alNone, alTop, alBottom, alClient };
enum TAnchor { akLeft, akTop, akRight, akBottom };
using TAnchors = tv::TSet<TAnchor>;
enum TFontStyle { fsBold, fsItalic, fsUnderline };
using TFontStyles = tv::TSet<TFontStyle>;

inline const tv::TEnumInfo AlignInfo{"TAlign", {"alNone", "alTop", "alBottom", "alClient"}};
inline const tv::TEnumInfo AnchorInfo{"TAnchor", {"akLeft", "akTop", "akRight", "akBottom"}};
inline const tv::TEnumInfo FontStyleInfo{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline"}};
inline const tv::TIdentMap ColorIdents{{0x000000, "clBlack"}, {0xFFFFFF, "clWhite"}, {-16777201, "clBtnFace"}};

class TTestFont : public tv::TPersistent {
    TV_CLASS(TTestFont, tv::TPersistent)
public:
    const std::string& Name() const { return name_; }
    void SetName(const std::string& v) { name_ = v; }
    int Height() const { return height_; }
    void SetHeight(int v) { height_ = v; }
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles v) { style_ = v; }
    void Assign(tv::TPersistent* source) override;

    static void Publish(tv::TPublisher& p) {
        p.String("Name", &TTestFont::Name, &TTestFont::SetName).Default("Tahoma");
        p.Integer("Height", &TTestFont::Height, &TTestFont::SetHeight).Default(-11).Scaled();
        p.Set("Style", &TTestFont::Style, &TTestFont::SetStyle, FontStyleInfo).Default(TFontStyles{});
    }

private:
    std::string name_ = "Tahoma";
    int height_ = -11;
    TFontStyles style_;
};

class TTestItem : public tv::TCollectionItem {
    TV_CLASS(TTestItem, tv::TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { caption_ = v; Changed(false); }
    double Value() const { return value_; }
    void SetValue(double v) { value_ = v; Changed(false); }
    std::string DisplayName() const override { return caption_.empty() ? TCollectionItem::DisplayName() : caption_; }
    void Assign(tv::TPersistent* source) override;
    tv::TComponent* Link() const { return link_; }
    void SetLink(tv::TComponent* v) { link_ = v; }

    static void Publish(tv::TPublisher& p) {
        p.String("Caption", &TTestItem::Caption, &TTestItem::SetCaption);
        p.Float("Value", &TTestItem::Value, &TTestItem::SetValue);
        p.Component("Link", &TTestItem::Link, &TTestItem::SetLink);
    }

private:
    std::string caption_;
    double value_ = 0;
    tv::TComponent* link_ = nullptr;
};

// Records what reading did to a component, in order, across instances.
std::vector<std::string>& Journal();

class TTestControl : public tv::TComponent {
    TV_CLASS(TTestControl, tv::TComponent)
public:
    explicit TTestControl(tv::TComponent* owner = nullptr);
    ~TTestControl() override;

    int Left() const { return left_; }
    void SetLeft(int v) { left_ = v; }
    int Width() const { return width_; }
    void SetWidth(int v);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { caption_ = v; }
    int Color() const { return color_; }
    void SetColor(int v) { color_ = v; }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign v) { align_ = v; }
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors v) { anchors_ = v; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    char32_t Accel() const { return accel_; }
    void SetAccel(char32_t v) { accel_ = v; }
    TTestFont* Font() const { return font_; }
    void SetFont(TTestFont* v) { font_->Assign(v); }
    tv::TStringList* Lines() const { return lines_; }
    void SetLines(tv::TStrings* v) { lines_->Assign(v); }
    tv::TCollection* Items() const { return items_; }
    void SetItems(tv::TCollection* v) { items_->Assign(v); }
    TTestControl* Buddy() const { return buddy_; }
    void SetBuddy(TTestControl* v);
    bool HasHint() const { return !hint_.empty(); }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v) { hint_ = v; }

    std::function<void(tv::TObject*)> OnClick;
    std::function<void(tv::TObject*, int&)> OnMeasure;

    // Not published: stored through DefineProperties.
    std::string secret;      // "SecretData", binary
    int checksum = 0;        // "Checksum", an integer of its own
    int widthDuringLoad = -1;
    bool loadingWhenSet = false;

    static void Publish(tv::TPublisher& p);
    void DefineProperties(tv::TFiler& filer) override;
    void Loaded() override;

protected:
    void Notification(tv::TComponent* component, tv::TOperation operation) override;

private:
    int left_ = 0, width_ = 75, color_ = -16777201;
    std::string caption_, hint_;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    bool enabled_ = true;
    char32_t accel_ = 0;
    TTestFont* font_;
    tv::TStringList* lines_;
    tv::TOwnedCollection* items_;
    TTestControl* buddy_ = nullptr;
};

class TTestForm : public tv::TComponent {
    TV_CLASS(TTestForm, tv::TComponent)
public:
    explicit TTestForm(tv::TComponent* owner = nullptr) : TComponent(owner) {}

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { caption_ = v; }
    int PixelsPerInch() const { return ppi_; }
    void SetPixelsPerInch(int v) { ppi_ = v; }
    int ClientWidth() const { return clientWidth_; }
    void SetClientWidth(int v) { clientWidth_ = v; }

    int clicks = 0;
    void ButtonClick(tv::TObject*) { ++clicks; }
    void Measure(tv::TObject*, int& size) { size = 42; }

    static void Publish(tv::TPublisher& p) {
        p.String("Caption", &TTestForm::Caption, &TTestForm::SetCaption);
        p.Integer("PixelsPerInch", &TTestForm::PixelsPerInch, &TTestForm::SetPixelsPerInch).Default(96);
        p.Integer("ClientWidth", &TTestForm::ClientWidth, &TTestForm::SetClientWidth).Default(0).Scaled();
        p.Method("ButtonClick", &TTestForm::ButtonClick);
        p.Method("Measure", &TTestForm::Measure);
    }
    void Loaded() override;

private:
    std::string caption_;
    int ppi_ = 96;
    int clientWidth_ = 0;
};

// A window derived from TTestForm, whose definition is inherited.
class TTestForm2 : public TTestForm {
    TV_CLASS(TTestForm2, TTestForm)
public:
    using TTestForm::TTestForm;
};

// Registers the fixture classes (once).
void RegisterFixtures();

} // namespace fx
