#pragma once
// Skins stored with the form that holds the skin manager, so the program
// needs no skin folder: each stored skin holds its sections, its images, its
// JPEG textures, one master bitmap and its global values.
#include <memory>
#include <string>

#include "core/collection.h"
#include "core/properties.h"
#include "framework/ui/picture.h"
#include "skin/jpegimage.h"
#include "skin/skindata.h"

namespace tv {

extern const TEnumInfo TsControlBevelInfo;
extern const TEnumInfo TacImgTypeInfo;

// A value property that only stores what it is given.
#define TS_VALUE(Type, Name, member)                         \
    Type Name() const { return member; }                    \
    void Set##Name(Type v) { member = v; }

class TsSkinGeneral : public TCollectionItem {
    TV_CLASS(TsSkinGeneral, TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    static void Publish(TPublisher& p);

    TS_VALUE(std::string, SectionName, sectionName_)
    TS_VALUE(std::string, ParentClass, parentClass_)
    TS_VALUE(TColor, Color, color_)
    TS_VALUE(TsControlBevel, Bevel, bevel_)
    TS_VALUE(int, ShadowBlur, shadowBlur_)
    TS_VALUE(TColor, ShadowColor, shadowColor_)
    TS_VALUE(bool, ShadowDontUse, shadowDontUse_)
    TS_VALUE(bool, ShadowEnabled, shadowEnabled_)
    TS_VALUE(bool, ReservedBoolean, reservedBoolean_)
    TS_VALUE(int, ShadowOffset, shadowOffset_)
    TS_VALUE(int, ShadowTransparency, shadowTransparency_)
    // Five numbers separated by blanks: text, then left, top, right and bottom contour.
    TS_VALUE(std::string, FontColor, fontColor_)
    TS_VALUE(std::string, HotFontColor, hotFontColor_)
    TS_VALUE(int, Transparency, transparency_)
    TS_VALUE(int, GradientPercent, gradientPercent_)
    TS_VALUE(std::string, GradientData, gradientData_)
    TS_VALUE(int, ImagePercent, imagePercent_)
    TS_VALUE(bool, ShowFocus, showFocus_)
    TS_VALUE(bool, FadingEnabled, fadingEnabled_)
    TS_VALUE(int, FadingIntervalIn, fadingIntervalIn_)
    TS_VALUE(int, FadingIntervalOut, fadingIntervalOut_)
    TS_VALUE(int, FadingIterations, fadingIterations_)
    TS_VALUE(TColor, HotColor, hotColor_)
    TS_VALUE(int, HotTransparency, hotTransparency_)
    TS_VALUE(TsControlBevel, HotBevel, hotBevel_)
    TS_VALUE(int, HotGradientPercent, hotGradientPercent_)
    TS_VALUE(std::string, HotGradientData, hotGradientData_)
    TS_VALUE(int, HotImagePercent, hotImagePercent_)
    TS_VALUE(TColor, BorderColor1, borderColor1_)
    TS_VALUE(TColor, BorderColor2, borderColor2_)
    TS_VALUE(std::string, Name, name_)
    void Assign(TPersistent* source) override;

private:
    std::string sectionName_, parentClass_;
    TColor color_ = 0;
    TsControlBevel bevel_ = cbNone;
    int shadowBlur_ = 0;
    TColor shadowColor_ = 0;
    bool shadowDontUse_ = false, shadowEnabled_ = false, reservedBoolean_ = false;
    int shadowOffset_ = 0, shadowTransparency_ = 0;
    std::string fontColor_, hotFontColor_;
    int transparency_ = 0, gradientPercent_ = 0;
    std::string gradientData_;
    int imagePercent_ = 0;
    bool showFocus_ = false, fadingEnabled_ = false;
    int fadingIntervalIn_ = 0, fadingIntervalOut_ = 0, fadingIterations_ = 0;
    TColor hotColor_ = 0;
    int hotTransparency_ = 0;
    TsControlBevel hotBevel_ = cbNone;
    int hotGradientPercent_ = 0;
    std::string hotGradientData_;
    int hotImagePercent_ = 0;
    TColor borderColor1_ = 0, borderColor2_ = 0;
    std::string name_;
};

class TsSkinImage : public TCollectionItem {
    TV_CLASS(TsSkinImage, TCollectionItem)
public:
    explicit TsSkinImage(TCollection* collection = nullptr);
    ~TsSkinImage() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;

    TS_VALUE(std::string, SectionName, sectionName_)
    TBitmap* Image() const { return image_.get(); }
    void SetImage(TBitmap* v) { image_->Assign(v); }
    TS_VALUE(std::string, Name, name_)
    TS_VALUE(std::string, PropertyName, propertyName_)
    TS_VALUE(int, Left, left_)
    TS_VALUE(int, Top, top_)
    TS_VALUE(int, Right, right_)
    TS_VALUE(int, Bottom, bottom_)
    TS_VALUE(int, ImageCount, imageCount_)
    TS_VALUE(int, MaskType, maskType_)
    TS_VALUE(int, BorderWidth, borderWidth_)
    TS_VALUE(int, StretchMode, stretchMode_)
    TS_VALUE(TacImgType, ImgType, imgType_)
    TS_VALUE(int, WL, wl_)
    TS_VALUE(int, WR, wr_)
    TS_VALUE(int, WT, wt_)
    TS_VALUE(int, WB, wb_)

private:
    std::string sectionName_;
    std::unique_ptr<TBitmap> image_;
    std::string name_, propertyName_;
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
    int imageCount_ = 0, maskType_ = 0, borderWidth_ = 0, stretchMode_ = 0;
    TacImgType imgType_ = itisaBorder;
    int wl_ = 0, wr_ = 0, wt_ = 0, wb_ = 0;
};

class TsSkinPattern : public TCollectionItem {
    TV_CLASS(TsSkinPattern, TCollectionItem)
public:
    explicit TsSkinPattern(TCollection* collection = nullptr);
    ~TsSkinPattern() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;

    TS_VALUE(std::string, SectionName, sectionName_)
    TacJPEGImage* Image() const { return image_.get(); }
    void SetImage(TacJPEGImage* v) { image_->Assign(v); }
    TS_VALUE(std::string, Name, name_)
    TS_VALUE(std::string, PropertyName, propertyName_)

private:
    std::string sectionName_;
    std::unique_ptr<TacJPEGImage> image_;
    std::string name_, propertyName_;
};

class TsStoredSkin;

// A collection that answers its stored skin and its items by their class.
template <class Item>
class TsSkinItems : public TOwnedCollection {
public:
    explicit TsSkinItems(TPersistent* owner = nullptr) : TOwnedCollection(owner, Item::StaticClass()) {}
    Item* Items(int i) const { return static_cast<Item*>(TCollection::Items(i)); }
    Item* Add() { return static_cast<Item*>(TCollection::Add()); }
};

class TsSkinGenerals : public TsSkinItems<TsSkinGeneral> {
    TV_CLASS(TsSkinGenerals, TOwnedCollection)
public:
    using TsSkinItems::TsSkinItems;
};
class TsSkinImages : public TsSkinItems<TsSkinImage> {
    TV_CLASS(TsSkinImages, TOwnedCollection)
public:
    using TsSkinItems::TsSkinItems;
};
class TsSkinPatterns : public TsSkinItems<TsSkinPattern> {
    TV_CLASS(TsSkinPatterns, TOwnedCollection)
public:
    using TsSkinItems::TsSkinItems;
};

class TsStoredSkin : public TCollectionItem {
    TV_CLASS(TsStoredSkin, TCollectionItem)
public:
    explicit TsStoredSkin(TCollection* collection = nullptr);
    ~TsStoredSkin() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;

    TS_VALUE(std::string, Name, name_)
    TsSkinGenerals* GeneralData() const { return general_.get(); }
    void SetGeneralData(TsSkinGenerals* v) { general_->Assign(v); }
    TsSkinImages* Images() const { return images_.get(); }
    void SetImages(TsSkinImages* v) { images_->Assign(v); }
    TsSkinPatterns* Patterns() const { return patterns_.get(); }
    void SetPatterns(TsSkinPatterns* v) { patterns_->Assign(v); }
    TBitmap* MasterBitmap() const { return master_.get(); }
    void SetMasterBitmap(TBitmap* v) { master_->Assign(v); }
    TS_VALUE(TColor, Shadow1Color, shadow1Color_)
    TS_VALUE(int, Shadow1Offset, shadow1Offset_)
    TS_VALUE(int, Shadow1Blur, shadow1Blur_)
    TS_VALUE(int, Shadow1Transparency, shadow1Transparency_)
    TS_VALUE(double, Version, version_)
    TS_VALUE(std::string, Author, author_)
    TS_VALUE(std::string, Description, description_)

private:
    std::string name_;
    std::unique_ptr<TsSkinGenerals> general_;
    std::unique_ptr<TsSkinImages> images_;
    std::unique_ptr<TsSkinPatterns> patterns_;
    std::unique_ptr<TBitmap> master_;
    TColor shadow1Color_ = 0;
    int shadow1Offset_ = 0, shadow1Blur_ = -1, shadow1Transparency_ = 0;
    double version_ = 0;
    std::string author_, description_;
};

class TsStoredSkins : public TsSkinItems<TsStoredSkin> {
    TV_CLASS(TsStoredSkins, TOwnedCollection)
public:
    using TsSkinItems::TsSkinItems;
    // The first skin of exactly that name, or -1.
    int IndexOf(const std::string& name) const;
};

#undef TS_VALUE

} // namespace tv
