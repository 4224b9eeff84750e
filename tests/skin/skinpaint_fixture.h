#pragma once
// A skin manager whose tables a test fills by hand: one master bitmap and
// the sections and images the test needs.
#include <memory>
#include <vector>

#include "skin/skinmanager.h"
#include "skin/skintestutils.h"

namespace skintest {

class PaintSkin {
public:
    PaintSkin() { sm.SetActive(false); }
    void SetMaster(const std::vector<std::vector<tv::TColor>>& rows) {
        auto b = FromRows(rows);
        sm.MasterBitmap.reset(b.release());
    }
    int AddSection(const std::string& name, tv::TColor color) {
        tv::TsGeneralData g;
        g.ClassName = name;
        g.Color = color;
        g.HotColor = color;
        sm.gd.push_back(g);
        return int(sm.gd.size()) - 1;
    }
    tv::TsGeneralData& Section(int i) { return sm.gd[std::size_t(i)]; }
    int AddImage(const std::string& section, const std::string& key, tv::win::RECT r, int count, int mask,
                 tv::TacImgType type = tv::itisaBorder) {
        tv::TsMaskData md;
        md.ClassName = section;
        md.PropertyName = key;
        md.R = r;
        md.ImageCount = count;
        md.MaskType = mask;
        md.ImgType = type;
        md.Manager = &sm;
        sm.ma.push_back(md);
        return int(sm.ma.size()) - 1;
    }
    tv::TsMaskData& Image(int i) { return sm.ma[std::size_t(i)]; }
    tv::TsSkinManager sm;
};

} // namespace skintest
