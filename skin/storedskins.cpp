#include "skin/storedskins.h"

namespace tv {

const TEnumInfo TsControlBevelInfo{"TsControlBevel",
                                   {"cbNone", "cbRaisedSoft", "cbLoweredSoft", "cbRaisedHard", "cbLoweredHard"}};
const TEnumInfo TacImgTypeInfo{"TacImgType", {"itisaBorder", "itisaTexture", "itisaGlyph"}};

// --- one section ----------------------------------------------------------------

void TsSkinGeneral::Publish(TPublisher& p) {
    using G = TsSkinGeneral;
    p.String("SectionName", &G::SectionName, &G::SetSectionName);
    p.String("ParentClass", &G::ParentClass, &G::SetParentClass);
    p.Integer("Color", &G::Color, &G::SetColor).Idents(ColorIdents()).Default(0);
    p.Enum("Bevel", &G::Bevel, &G::SetBevel, TsControlBevelInfo).Default(cbNone);
    p.Integer("ShadowBlur", &G::ShadowBlur, &G::SetShadowBlur).Default(0);
    p.Integer("ShadowColor", &G::ShadowColor, &G::SetShadowColor).Idents(ColorIdents()).Default(0);
    p.Boolean("ShadowDontUse", &G::ShadowDontUse, &G::SetShadowDontUse).Default(false);
    p.Boolean("ShadowEnabled", &G::ShadowEnabled, &G::SetShadowEnabled).Default(false);
    p.Boolean("ReservedBoolean", &G::ReservedBoolean, &G::SetReservedBoolean).Default(false);
    p.Integer("ShadowOffset", &G::ShadowOffset, &G::SetShadowOffset).Default(0);
    p.Integer("ShadowTransparency", &G::ShadowTransparency, &G::SetShadowTransparency).Default(0);
    p.String("FontColor", &G::FontColor, &G::SetFontColor);
    p.String("HotFontColor", &G::HotFontColor, &G::SetHotFontColor);
    p.Integer("Transparency", &G::Transparency, &G::SetTransparency).Default(0);
    p.Integer("GradientPercent", &G::GradientPercent, &G::SetGradientPercent).Default(0);
    p.String("GradientData", &G::GradientData, &G::SetGradientData);
    p.Integer("ImagePercent", &G::ImagePercent, &G::SetImagePercent).Default(0);
    p.Boolean("ShowFocus", &G::ShowFocus, &G::SetShowFocus).Default(false);
    p.Boolean("FadingEnabled", &G::FadingEnabled, &G::SetFadingEnabled).Default(false);
    p.Integer("FadingIntervalIn", &G::FadingIntervalIn, &G::SetFadingIntervalIn).Default(0);
    p.Integer("FadingIntervalOut", &G::FadingIntervalOut, &G::SetFadingIntervalOut).Default(0);
    p.Integer("FadingIterations", &G::FadingIterations, &G::SetFadingIterations).Default(0);
    p.Integer("HotColor", &G::HotColor, &G::SetHotColor).Idents(ColorIdents()).Default(0);
    p.Integer("HotTransparency", &G::HotTransparency, &G::SetHotTransparency).Default(0);
    p.Enum("HotBevel", &G::HotBevel, &G::SetHotBevel, TsControlBevelInfo).Default(cbNone);
    p.Integer("HotGradientPercent", &G::HotGradientPercent, &G::SetHotGradientPercent).Default(0);
    p.String("HotGradientData", &G::HotGradientData, &G::SetHotGradientData);
    p.Integer("HotImagePercent", &G::HotImagePercent, &G::SetHotImagePercent).Default(0);
    p.Integer("BorderColor1", &G::BorderColor1, &G::SetBorderColor1).Idents(ColorIdents()).Default(0);
    p.Integer("BorderColor2", &G::BorderColor2, &G::SetBorderColor2).Idents(ColorIdents()).Default(0);
    p.String("Name", &G::Name, &G::SetName);
}

void TsSkinGeneral::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TsSkinGeneral*>(source);
    if (!s) return TCollectionItem::Assign(source);
    sectionName_ = s->sectionName_, parentClass_ = s->parentClass_, color_ = s->color_, bevel_ = s->bevel_;
    shadowBlur_ = s->shadowBlur_, shadowColor_ = s->shadowColor_, shadowDontUse_ = s->shadowDontUse_;
    shadowEnabled_ = s->shadowEnabled_, reservedBoolean_ = s->reservedBoolean_, shadowOffset_ = s->shadowOffset_;
    shadowTransparency_ = s->shadowTransparency_, fontColor_ = s->fontColor_, hotFontColor_ = s->hotFontColor_;
    transparency_ = s->transparency_, gradientPercent_ = s->gradientPercent_, gradientData_ = s->gradientData_;
    imagePercent_ = s->imagePercent_, showFocus_ = s->showFocus_, fadingEnabled_ = s->fadingEnabled_;
    fadingIntervalIn_ = s->fadingIntervalIn_, fadingIntervalOut_ = s->fadingIntervalOut_;
    fadingIterations_ = s->fadingIterations_, hotColor_ = s->hotColor_, hotTransparency_ = s->hotTransparency_;
    hotBevel_ = s->hotBevel_, hotGradientPercent_ = s->hotGradientPercent_, hotGradientData_ = s->hotGradientData_;
    hotImagePercent_ = s->hotImagePercent_, borderColor1_ = s->borderColor1_, borderColor2_ = s->borderColor2_;
    name_ = s->name_;
}

// --- one image ------------------------------------------------------------------

TsSkinImage::TsSkinImage(TCollection* collection)
    : TCollectionItem(collection), image_(std::make_unique<TBitmap>()) {}
TsSkinImage::~TsSkinImage() = default;

void TsSkinImage::Publish(TPublisher& p) {
    using I = TsSkinImage;
    p.String("SectionName", &I::SectionName, &I::SetSectionName);
    p.Object("Image", &I::Image, &I::SetImage);
    p.String("Name", &I::Name, &I::SetName);
    p.String("PropertyName", &I::PropertyName, &I::SetPropertyName);
    p.Integer("Left", &I::Left, &I::SetLeft).Default(0);
    p.Integer("Top", &I::Top, &I::SetTop).Default(0);
    p.Integer("Right", &I::Right, &I::SetRight).Default(0);
    p.Integer("Bottom", &I::Bottom, &I::SetBottom).Default(0);
    p.Integer("ImageCount", &I::ImageCount, &I::SetImageCount).Default(0);
    p.Integer("MaskType", &I::MaskType, &I::SetMaskType).Default(0);
    p.Integer("BorderWidth", &I::BorderWidth, &I::SetBorderWidth).Default(0);
    p.Integer("StretchMode", &I::StretchMode, &I::SetStretchMode).Default(0);
    p.Enum("ImgType", &I::ImgType, &I::SetImgType, TacImgTypeInfo).Default(itisaBorder);
    p.Integer("WL", &I::WL, &I::SetWL).Default(0);
    p.Integer("WR", &I::WR, &I::SetWR).Default(0);
    p.Integer("WT", &I::WT, &I::SetWT).Default(0);
    p.Integer("WB", &I::WB, &I::SetWB).Default(0);
}

void TsSkinImage::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TsSkinImage*>(source);
    if (!s) return TCollectionItem::Assign(source);
    sectionName_ = s->sectionName_;
    image_->Assign(s->image_.get());
    name_ = s->name_, propertyName_ = s->propertyName_;
    left_ = s->left_, top_ = s->top_, right_ = s->right_, bottom_ = s->bottom_;
    imageCount_ = s->imageCount_, maskType_ = s->maskType_, borderWidth_ = s->borderWidth_;
    stretchMode_ = s->stretchMode_, imgType_ = s->imgType_;
    wl_ = s->wl_, wr_ = s->wr_, wt_ = s->wt_, wb_ = s->wb_;
}

// --- one texture ----------------------------------------------------------------

TsSkinPattern::TsSkinPattern(TCollection* collection)
    : TCollectionItem(collection), image_(std::make_unique<TacJPEGImage>()) {}
TsSkinPattern::~TsSkinPattern() = default;

void TsSkinPattern::Publish(TPublisher& p) {
    using P = TsSkinPattern;
    p.String("SectionName", &P::SectionName, &P::SetSectionName);
    p.Object("Image", &P::Image, &P::SetImage);
    p.String("Name", &P::Name, &P::SetName);
    p.String("PropertyName", &P::PropertyName, &P::SetPropertyName);
}

void TsSkinPattern::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TsSkinPattern*>(source);
    if (!s) return TCollectionItem::Assign(source);
    sectionName_ = s->sectionName_;
    image_->Assign(s->image_.get());
    name_ = s->name_, propertyName_ = s->propertyName_;
}

// --- one skin ---------------------------------------------------------------------

TsStoredSkin::TsStoredSkin(TCollection* collection)
    : TCollectionItem(collection),
      general_(std::make_unique<TsSkinGenerals>(this)),
      images_(std::make_unique<TsSkinImages>(this)),
      patterns_(std::make_unique<TsSkinPatterns>(this)),
      master_(std::make_unique<TBitmap>()) {}

TsStoredSkin::~TsStoredSkin() = default;

void TsStoredSkin::Publish(TPublisher& p) {
    using S = TsStoredSkin;
    p.String("Name", &S::Name, &S::SetName);
    p.Collection("GeneralData", &S::GeneralData, &S::SetGeneralData);
    p.Collection("Images", &S::Images, &S::SetImages);
    p.Collection("Patterns", &S::Patterns, &S::SetPatterns);
    p.Object("MasterBitmap", &S::MasterBitmap, &S::SetMasterBitmap);
    p.Integer("Shadow1Color", &S::Shadow1Color, &S::SetShadow1Color).Idents(ColorIdents()).Default(0);
    p.Integer("Shadow1Offset", &S::Shadow1Offset, &S::SetShadow1Offset).Default(0);
    p.Integer("Shadow1Blur", &S::Shadow1Blur, &S::SetShadow1Blur).Default(-1);
    p.Integer("Shadow1Transparency", &S::Shadow1Transparency, &S::SetShadow1Transparency).Default(0);
    p.Float("Version", &S::Version, &S::SetVersion);
    p.String("Author", &S::Author, &S::SetAuthor);
    p.String("Description", &S::Description, &S::SetDescription);
}

void TsStoredSkin::Assign(TPersistent* source) {
    auto* s = dynamic_cast<TsStoredSkin*>(source);
    if (!s) return TCollectionItem::Assign(source);
    name_ = s->name_;
    general_->Assign(s->general_.get());
    images_->Assign(s->images_.get());
    patterns_->Assign(s->patterns_.get());
    master_->Assign(s->master_.get());
    shadow1Color_ = s->shadow1Color_, shadow1Offset_ = s->shadow1Offset_, shadow1Blur_ = s->shadow1Blur_;
    shadow1Transparency_ = s->shadow1Transparency_, version_ = s->version_;
    author_ = s->author_, description_ = s->description_;
}

int TsStoredSkins::IndexOf(const std::string& name) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Name() == name) return i;
    return -1;
}

} // namespace tv
