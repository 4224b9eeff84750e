#include "fuzz/targets/skinpaint.h"

#include "core/exceptions.h"
#include "framework/ui/picture.h"
#include "fuzz/fuzzsupport.h"
#include "skin/gradient.h"
#include "skin/imagepaint.h"
#include "skin/skinmanager.h"

namespace tvfuzz {

void LoadAndPaintSkin(const std::string& name) {
    StartHeadlessOnce();
    tv::TsSkinManager sm;
    try {
        sm.SetSkinDirectory(ScratchDir() + "/skins");
        sm.SetSkinName(name);
    } catch (const tv::Exception&) {
        return;
    }
    tv::TBitmap target;
    target.SetPixelFormat(tv::pf24bit);
    target.SetSize(48, 32);
    for (const tv::TsMaskData& md : sm.ma) {
        tv::PaintMaskedBorder(&target, {0, 0, 48, 32}, true, false, 1, md, tv::EmptyCacheInfo());
        tv::PaintMaskedGlyph(&target, {-3, 2}, 1, md, 1);
    }
    for (const tv::TsGeneralData& g : sm.gd) {
        tv::PaintGradient(&target, {0, 0, 48, 32}, g.GradientArray);
        tv::PaintGradient(&target, {-4, 0, 10, 40}, g.HotGradientArray);
    }
}

} // namespace tvfuzz
