#include "skin/skindata.h"

#include <algorithm>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/strutils.h"
#include "skin/skinutils.h"

namespace tv {

void ClampMaskData(TsMaskData& md) {
    auto coord = [](auto& v) { v = std::clamp<std::remove_reference_t<decltype(v)>>(v, 0, kMaxSkinCoord); };
    coord(md.R.left), coord(md.R.top), coord(md.R.right), coord(md.R.bottom);
    coord(md.BorderWidth), coord(md.WL), coord(md.WT), coord(md.WR), coord(md.WB);
    md.ImageCount = std::clamp(md.ImageCount, 0, kMaxSkinImageCount);
    md.MaskType = std::clamp(md.MaskType, 0, kMaxSkinMaskType);
}

void ComputeMargins(TsMaskData& md, int bands) {
    int w = md.R.right - md.R.left, h = md.R.bottom - md.R.top;
    md.WL = md.WR = md.ImageCount > 0 ? w / (md.ImageCount * 3) : 0;
    md.WT = md.WB = bands > 0 ? h / (bands * 3) : 0;
}

TsGradArray ParseGradientData(const std::string& text) {
    TsGradArray steps;
    std::vector<std::string_view> words;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t j = text.find(';', i);
        if (j == std::string::npos) j = text.size();
        if (j > i) words.push_back(std::string_view(text).substr(i, j - i));
        i = j + 1;
    }
    for (std::size_t i = 0; i + 5 <= words.size(); i += 5) {
        auto num = [&](std::size_t k) { return StrToInt(Trim(words[i + k - 1])); };
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
