// Published fields: the reader sets a root's fields to the components its
// definition creates, and refuses a definition that does not match them.
#include <gtest/gtest.h>

#include <cstring>

#include "components/fixtures.h"
#include "core/exceptions.h"
#include "core/formreader.h"
#include "core/properties.h"
#include "core/resources.h"

using namespace tv;
using namespace fx;

namespace {

class TFieldForm : public TTestForm {
    TV_CLASS(TFieldForm, TTestForm)
public:
    using TTestForm::TTestForm;
    TTestControl* Button1 = nullptr;
    TTestControl* Edit1 = nullptr;
    static void Publish(TPublisher& p) {
        p.Field("Button1", &TFieldForm::Button1);
        p.Field("Edit1", &TFieldForm::Edit1);
    }
};

class TFieldForm2 : public TFieldForm {
    TV_CLASS(TFieldForm2, TFieldForm)
public:
    using TFieldForm::TFieldForm;
    TTestControl* Extra = nullptr;
    static void Publish(TPublisher& p) { p.Field("Extra", &TFieldForm2::Extra); }
};

const char kBase[] = "object Form1: TFieldForm\n"
                     "  object Button1: TTestControl\n"
                     "  end\n"
                     "  object Edit1: TTestControl\n"
                     "    Buddy = Button1\n"
                     "  end\n"
                     "end\n";
const char kDerived[] = "inherited Form2: TFieldForm2\n"
                        "  object Extra: TTestControl\n"
                        "  end\n"
                        "end\n";

class PublishedField : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterFixtures();
        RegisterResource("forms/TFieldForm.dfm", kBase, std::strlen(kBase));
        RegisterResource("forms/TFieldForm2.dfm", kDerived, std::strlen(kDerived));
    }
};

TEST_F(PublishedField, EachFieldIsTheComponentOfItsNameAncestorsDefinitionsIncluded) {
    TFieldForm2 form;
    ASSERT_TRUE(InitInheritedComponent(&form, TTestForm::StaticClass()));
    EXPECT_EQ(form.Button1, form.FindComponent("Button1"));
    EXPECT_EQ(form.Edit1, form.FindComponent("Edit1"));
    EXPECT_EQ(form.Extra, form.FindComponent("Extra"));
    EXPECT_EQ(form.Edit1->Buddy(), form.Button1);

    // A component freed at run time leaves no dangling field behind.
    delete form.Button1;
    EXPECT_EQ(form.Button1, nullptr);
    EXPECT_NE(form.Edit1, nullptr);
}

TEST_F(PublishedField, ADefinitionThatDoesNotMatchTheFieldsFailsNamingClassAndField) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        // Button1 renamed in the definition: both directions name it.
        {"object Form1: TFieldForm\n  object Button2: TTestControl\n  end\n"
         "  object Edit1: TTestControl\n  end\nend\n",
         "Class TFieldForm has no field Button2 on line 2"},
        {"object Form1: TFieldForm\n  object Edit1: TTestControl\n  end\nend\n",
         "Field TFieldForm.Button1: the form creates no component of that name"},
        {"object Form1: TFieldForm\n  object Button1: TTestForm\n  end\n"
         "  object Edit1: TTestControl\n  end\nend\n",
         "Field TFieldForm.Button1 is a TTestControl, not a TTestForm on line 2"},
    };
    for (const auto& c : cases) {
        TFieldForm form;
        try {
            ReadComponentText(c.text, &form);
            ADD_FAILURE() << "no exception for " << c.message;
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        // What the failed read created is gone, and no field points at it.
        for (int i = 0; i < form.ComponentCount(); ++i)
            EXPECT_TRUE(form.Components(i) == form.Button1 || form.Components(i) == form.Edit1);
        if (!form.FindComponent("Button1")) EXPECT_EQ(form.Button1, nullptr);
    }
}

TEST_F(PublishedField, AnInheritedWindowIsCheckedOnceAllItsDefinitionsAreRead) {
    // The ancestor's definition lacks the derived class's field: no error
    // until the derived one, which lacks it too, has been read.
    static const char derived[] = "inherited Form2: TFieldForm2\nend\n";
    RegisterResource("forms/TFieldForm2.dfm", derived, std::strlen(derived));
    TFieldForm2 form;
    try {
        InitInheritedComponent(&form, TTestForm::StaticClass());
        FAIL() << "no exception";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Field TFieldForm2.Extra: the form creates no component of that name");
    }
}

} // namespace
