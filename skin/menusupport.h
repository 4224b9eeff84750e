#pragma once
// Settings of the skinned menus that the skin manager publishes: the
// section of the icon line and the optional extra line beside a menu.
#include <memory>
#include <string>

#include "core/persistent.h"
#include "framework/ui/graphics.h"

namespace tv {

class TacMenuSupport : public TPersistent {
    TV_CLASS(TacMenuSupport, TPersistent)
public:
    TacMenuSupport();
    ~TacMenuSupport() override;
    static void Publish(TPublisher& p);
    void Assign(TPersistent* source) override;
    const std::string& IcoLineSkin() const { return icoLineSkin_; }
    void SetIcoLineSkin(const std::string& v) { icoLineSkin_ = v; }
    bool UseExtraLine() const { return useExtraLine_; }
    void SetUseExtraLine(bool v) { useExtraLine_ = v; }
    int ExtraLineWidth() const { return extraLineWidth_; }
    void SetExtraLineWidth(int v) { extraLineWidth_ = v; }
    TFont* ExtraLineFont() const { return font_.get(); }
    void SetExtraLineFont(TFont* v) { font_->Assign(v); }

private:
    std::string icoLineSkin_;
    bool useExtraLine_ = false;
    int extraLineWidth_ = 32;
    std::unique_ptr<TFont> font_;
};

} // namespace tv
