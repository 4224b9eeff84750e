#include "skin/skindata.h"

#include "framework/core/strutils.h"
#include "skin/skinutils.h"

namespace tv {

void ComputeMargins(TsMaskData& md, int bands) {
    int w = md.R.right - md.R.left, h = md.R.bottom - md.R.top;
    md.WL = md.WR = md.ImageCount > 0 ? w / (md.ImageCount * 3) : 0;
    md.WT = md.WB = bands > 0 ? h / (bands * 3) : 0;
}

TsGradArray ParseGradientData(const std::string& text) {
    TsGradArray steps;
    int count = CountWordsBySet(text, ";") / 5;
    for (int i = 0; i < count; ++i) {
        auto num = [&](int k) { return StrToInt(Trim(ExtractWordBySet(i * 5 + k, text, ";"))); };
        TsGradPie p;
        p.Color1 = num(1);
        p.Color2 = num(2);
        p.Percent = std::min(num(3), 100) & 0xFF;
        p.Mode = num(4);
        steps.push_back(p);
    }
    return steps;
}

} // namespace tv
