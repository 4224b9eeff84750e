// Published properties: inherited order, values by name, defaults and the
// stored rule, events bound to published methods.
#include <gtest/gtest.h>

#include "components/fixtures.h"
#include "core/exceptions.h"
#include "core/properties.h"

using namespace tv;
using namespace fx;

namespace {

// Publishes Width again with another default, and a property of its own.
class TWideControl : public TTestControl {
    TV_CLASS(TWideControl, TTestControl)
public:
    using TTestControl::TTestControl;
    int Depth() const { return depth_; }
    void SetDepth(int v) { depth_ = v; }
    static void Publish(TPublisher& p) {
        p.Integer("Width", &TTestControl::Width, &TTestControl::SetWidth).Default(300);
        p.Integer("Depth", &TWideControl::Depth, &TWideControl::SetDepth).Default(1);
        p.String("Summary", &TWideControl::Summary);
    }
    std::string Summary() const { return Caption() + "!"; }

private:
    int depth_ = 1;
};

// Publishes nothing: it has its parent's list.
class TSameControl : public TTestControl {
    TV_CLASS(TSameControl, TTestControl)
public:
    using TTestControl::TTestControl;
};

std::vector<std::string> Names(TClass cls) {
    std::vector<std::string> v;
    for (const TPropInfo* p : GetPropList(cls)) v.push_back(p->Name());
    return v;
}

TEST(PropertyList, AncestorsFirstInDeclarationOrderAndARepublishedPropertyKeepsItsPlace) {
    std::vector<std::string> base = Names(TTestControl::StaticClass());
    ASSERT_GE(base.size(), 4u);
    EXPECT_EQ(base[0], "Name");
    EXPECT_EQ(base[1], "Tag");
    EXPECT_EQ(base[2], "Left");
    EXPECT_EQ(base[3], "Width");

    std::vector<std::string> wide = Names(TWideControl::StaticClass());
    EXPECT_EQ(wide.size(), base.size() + 2);
    EXPECT_EQ(wide[3], "Width");
    EXPECT_EQ(wide[wide.size() - 2], "Depth");
    EXPECT_EQ(GetPropInfo(TWideControl::StaticClass(), "width")->DefaultOrd(), 300);
    EXPECT_EQ(GetPropInfo(TTestControl::StaticClass(), "Width")->DefaultOrd(), 75);
    EXPECT_EQ(Names(TSameControl::StaticClass()), base);
    EXPECT_EQ(GetPropInfo(TWideControl::StaticClass(), "Nothing"), nullptr);
}

TEST(PropertyValues, ReadAndWriteEveryKindByName) {
    TWideControl c;
    SetOrdProp(&c, "Width", 10);
    EXPECT_EQ(c.Width(), 10);
    SetEnumProp(&c, "Align", "alClient");
    EXPECT_EQ(c.Align(), alClient);
    EXPECT_EQ(GetEnumProp(&c, "Align"), "alClient");
    SetPropValueText(&c, "Anchors", "[akRight, akBottom]");
    EXPECT_EQ(c.Anchors(), (TAnchors{akRight, akBottom}));
    EXPECT_EQ(GetPropValueText(&c, "Anchors"), "[akRight, akBottom]");
    SetPropValueText(&c, "Enabled", "False");
    EXPECT_FALSE(c.Enabled());
    SetPropValueText(&c, "Color", "clBlack");
    EXPECT_EQ(c.Color(), 0);
    EXPECT_EQ(GetPropValueText(&c, "Color"), "clBlack");
    SetPropValueText(&c, "Color", "255");
    EXPECT_EQ(GetPropValueText(&c, "Color"), "255");
    SetStrProp(&c, "Caption", "Año");
    EXPECT_EQ(GetStrProp(&c, "Summary"), "Año!");
    SetPropValueText(&c, "Accel", "ñ");
    EXPECT_EQ(c.Accel(), U'ñ');
    EXPECT_EQ(GetObjectProp(&c, "Font"), c.Font());
    EXPECT_EQ(GetPropInfo(&c, "Items")->Kind(), TPropKind::Collection);
    EXPECT_EQ(GetPropInfo(&c, "Lines")->Kind(), TPropKind::StringList);
    EXPECT_EQ(GetPropInfo(&c, "Font")->PropClass(), TTestFont::StaticClass());

    TTestControl other;
    SetObjectProp(&c, "Buddy", &other);
    EXPECT_EQ(c.Buddy(), &other);
    SetObjectProp(&c, "Buddy", nullptr);
    EXPECT_EQ(c.Buddy(), nullptr);
}

TEST(PropertyValues, BadNamesAndValuesRaise) {
    TWideControl c;
    try {
        SetOrdProp(&c, "Height", 1);
        FAIL() << "no exception";
    } catch (const EPropertyError& e) {
        EXPECT_EQ(e.Message(), "Property Height does not exist");
    }
    EXPECT_THROW(SetEnumProp(&c, "Align", "alMiddle"), EPropertyError);
    try {
        SetPropValueText(&c, "Anchors", "[akLeft, akNowhere]");
        FAIL() << "no exception";
    } catch (const EPropertyError& e) {
        EXPECT_EQ(e.Message(), "Invalid property element: akNowhere");
    }
    EXPECT_THROW(SetPropValueText(&c, "Width", "wide"), EPropertyError);
    EXPECT_THROW(SetStrProp(&c, "Summary", "x"), EPropertyError);  // read-only
    EXPECT_FALSE(GetPropInfo(&c, "Summary")->IsWritable());
    EXPECT_THROW(GetStrProp(&c, "Width"), EPropertyError);         // not a string
    TTestForm form;
    EXPECT_THROW(SetObjectProp(&c, "Buddy", &form), EPropertyError);  // not a TTestControl
}

TEST(PropertyStoring, DefaultsAndTheStoredRule) {
    TWideControl c;
    const TPropInfo* width = GetPropInfo(&c, "Width");
    EXPECT_FALSE(width->IsDefaultValue(&c));  // 75, and this class's default is 300
    c.SetWidth(300);
    EXPECT_TRUE(width->IsDefaultValue(&c));
    const TPropInfo* caption = GetPropInfo(&c, "Caption");
    EXPECT_TRUE(caption->IsDefaultValue(&c));
    c.SetCaption("x");
    EXPECT_FALSE(caption->IsDefaultValue(&c));

    const TPropInfo* hint = GetPropInfo(&c, "Hint");
    EXPECT_EQ(hint->StoredRule(), TStoredRule::srPredicate);
    EXPECT_FALSE(hint->IsStored(&c));
    c.SetHint("ayuda");
    EXPECT_TRUE(hint->IsStored(&c));
    EXPECT_FALSE(GetPropInfo(&c, "Name")->IsStored(&c));
    EXPECT_TRUE(GetPropInfo(&c, "Buddy")->IsDefaultValue(&c));
    EXPECT_TRUE(GetPropInfo(&c, "OnClick")->IsDefaultValue(&c));
}

TEST(PublishedMethods, BindToEventsOfTheSameSignatureOnly) {
    TTestForm form;
    TTestControl button(&form);
    const TMethodInfo* click = FindMethod(TTestForm::StaticClass(), "buttonclick");
    ASSERT_NE(click, nullptr);
    EXPECT_EQ(FindMethod(TTestForm2::StaticClass(), "ButtonClick"), click);  // inherited
    EXPECT_EQ(FindMethod(TTestForm::StaticClass(), "Nope"), nullptr);

    const TPropInfo* onClick = GetPropInfo(&button, "OnClick");
    onClick->SetMethod(&button, &form, click);
    button.OnClick(&button);
    button.OnClick(&button);
    EXPECT_EQ(form.clicks, 2);
    EXPECT_EQ(onClick->GetAsText(&button), "ButtonClick");

    const TMethodInfo* measure = FindMethod(TTestForm::StaticClass(), "Measure");
    EXPECT_THROW(onClick->SetMethod(&button, &form, measure), EPropertyError);
    onClick->SetMethod(&button, &form, nullptr);
    EXPECT_FALSE(button.OnClick);
    EXPECT_EQ(onClick->GetAsText(&button), "");
}

} // namespace
