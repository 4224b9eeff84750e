#pragma once
// TFontDialog: picks an installed font family, a size and the bold and
// italic styles in a modal window built from the standard controls.
#include <memory>

#include "core/component.h"
#include "framework/ui/graphics.h"

namespace tv {

class TFontDialog : public TComponent {
    TV_CLASS(TFontDialog, TComponent)
public:
    explicit TFontDialog(TComponent* owner = nullptr);
    ~TFontDialog() override;
    static void Publish(TPublisher& p);

    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* v) { font_->Assign(v); }

    bool Execute();

private:
    std::unique_ptr<TFont> font_;
};

} // namespace tv
