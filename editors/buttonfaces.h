#pragma once
// Painting of the small buttons of editors and grid cells (drop-down arrow,
// ellipsis, up/down pair, check box, plus, minus). Faces are painted once per
// distinct look into a process-wide cache of bitmaps and copied from there.
#include <memory>
#include <vector>

#include "editors/buttonsizes.h"
#include "framework/ui/checkcontrols.h"
#include "framework/ui/graphics.h"

namespace tv {

class TBitmap;

// Paints a face of the given kind (TButtonFaceKindEh) into the rectangle;
// `pressedPart` is a TButtonPressedPartEh. Kinds outside 0..5 paint nothing.
void DrawEditButtonFace(win::HDC dc, const win::RECT& rect, TColor parentColor, TCheckBoxState state,
                        bool enabled, bool active, bool flat, int pressedPart, int kind);

// Empties the cache of painted faces; called when the system colours change.
void ResetButtonBitmapCache();

// Everything that changes the look of one painted face.
struct TButtonBitmapKeyEh {
    int width = 0, height = 0;
    int kind = 0;
    bool flat = false, pressed = false, active = false, enabled = true;
    int half = 0; // of an up/down pair: 0 upper, 1 lower
    TCheckBoxState state = cbUnchecked;
    bool operator==(const TButtonBitmapKeyEh&) const = default;
};

class TButtonBitmapInfoBitmapEh {
public:
    TButtonBitmapKeyEh key;
    std::unique_ptr<TBitmap> bitmap;
};

class TButtonsBitmapCache {
public:
    TButtonsBitmapCache();
    ~TButtonsBitmapCache();
    // The bitmap painted for the key; the cache owns it.
    TBitmap* GetButtonBitmap(TButtonBitmapKeyEh key);
    void Clear();
    int Count() const { return int(entries_.size()); }

private:
    std::vector<std::unique_ptr<TButtonBitmapInfoBitmapEh>> entries_;
};

// The process-wide cache, created on first use and freed at shutdown of the
// editors' unit.
TButtonsBitmapCache* ButtonsBitmapCache();

} // namespace tv
