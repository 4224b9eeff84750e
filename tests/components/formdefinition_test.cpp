// Stored form definitions: reading, writing, round trips, inherited
// definitions, defined properties, scaling and errors.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "components/fixtures.h"
#include "core/exceptions.h"
#include "core/formreader.h"
#include "core/formtext.h"
#include "core/formwriter.h"
#include "core/resources.h"

using namespace tv;
using namespace fx;

namespace {

const char* kForm = R"(object Form1: TTestForm
  Caption = 'Artículos'
  ClientWidth = 400
  PixelsPerInch = 96
  object Button1: TTestControl
    Left = 8
    Width = 120
    Caption = 'It''s'#13#10'two lines' +
      ' and more'
    Color = clWhite
    Align = alTop
    Anchors = [akLeft, akRight]
    Enabled = False
    Accel = 'ñ'
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    Lines.Strings = (
      'uno'
      'dos')
    Items = <
      item
        Caption = 'A'
        Value = 1.5
      end
      item
        Caption = 'B'
      end>
    Buddy = Edit1
    OnClick = ButtonClick
    SecretData = {0001FF}
    Checksum = 77
  end
  object Edit1: TTestControl
    Hint = 'help'
    OnMeasure = Measure
  end
end
)";

class FormDefinition : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterFixtures();
        Journal().clear();
    }
    static std::unique_ptr<TTestForm> Read(std::string_view text, int scaleTo = 0) {
        auto form = std::make_unique<TTestForm>();
        ReadComponentText(text, form.get(), scaleTo);
        return form;
    }
    static TTestControl* Control(TComponent* root, const char* name) {
        return dynamic_cast<TTestControl*>(root->FindComponent(name));
    }
};

void ExpectSameAsKForm(TTestForm* form) {
    EXPECT_EQ(form->Name(), "Form1");
    EXPECT_EQ(form->Caption(), "Artículos");
    EXPECT_EQ(form->ClientWidth(), 400);
    ASSERT_EQ(form->ComponentCount(), 2);
    auto* b = dynamic_cast<TTestControl*>(form->Components(0));
    auto* e = dynamic_cast<TTestControl*>(form->Components(1));
    ASSERT_TRUE(b && e);
    EXPECT_EQ(b->Name(), "Button1");
    EXPECT_EQ(e->Name(), "Edit1");
    EXPECT_EQ(b->Left(), 8);
    EXPECT_EQ(b->Width(), 120);
    EXPECT_EQ(b->Caption(), "It's\r\ntwo lines and more");
    EXPECT_EQ(b->Color(), 0xFFFFFF);
    EXPECT_EQ(b->Align(), alTop);
    EXPECT_EQ(b->Anchors(), (TAnchors{akLeft, akRight}));
    EXPECT_FALSE(b->Enabled());
    EXPECT_EQ(b->Accel(), U'ñ');
    EXPECT_EQ(b->Font()->Name(), "Arial");
    EXPECT_EQ(b->Font()->Height(), -11);
    EXPECT_EQ(b->Font()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(b->Lines()->CommaText(), "uno,dos");
    ASSERT_EQ(b->Items()->Count(), 2);
    EXPECT_EQ(dynamic_cast<TTestItem*>(b->Items()->Items(0))->Caption(), "A");
    EXPECT_EQ(dynamic_cast<TTestItem*>(b->Items()->Items(0))->Value(), 1.5);
    EXPECT_EQ(dynamic_cast<TTestItem*>(b->Items()->Items(1))->Caption(), "B");
    EXPECT_EQ(b->Buddy(), e);
    EXPECT_EQ(b->secret, std::string("\x00\x01\xFF", 3));
    EXPECT_EQ(b->checksum, 77);
    EXPECT_EQ(e->Hint(), "help");
    EXPECT_TRUE(e->Enabled());
    EXPECT_EQ(e->Width(), 75);

    ASSERT_TRUE(b->OnClick);
    b->OnClick(b);
    EXPECT_EQ(form->clicks, 1);
    int size = 0;
    ASSERT_TRUE(e->OnMeasure);
    e->OnMeasure(e, size);
    EXPECT_EQ(size, 42);
}

TEST_F(FormDefinition, ReadsEveryKindOfValue) {
    auto form = Read(kForm);
    ExpectSameAsKForm(form.get());
}

TEST_F(FormDefinition, WriteThenReadGivesTheSameComponentsAndLeavesDefaultsOut) {
    auto form = Read(kForm);
    std::string written = WriteComponentText(form.get());

    auto again = Read(written);
    ExpectSameAsKForm(again.get());
    EXPECT_EQ(WriteComponentText(again.get()), written);

    // Edit1 keeps its defaults, so only what was set is stored for it.
    auto edit = written.find("object Edit1: TTestControl");
    ASSERT_NE(edit, std::string::npos);
    std::string editPart = written.substr(edit);
    EXPECT_EQ(editPart.find("Left ="), std::string::npos);
    EXPECT_EQ(editPart.find("Width ="), std::string::npos);
    EXPECT_EQ(editPart.find("Enabled ="), std::string::npos);
    EXPECT_EQ(editPart.find("Color ="), std::string::npos);
    EXPECT_EQ(editPart.find("Font."), std::string::npos);
    EXPECT_EQ(editPart.find("Checksum"), std::string::npos);
    EXPECT_NE(editPart.find("Hint = 'help'"), std::string::npos);
    // Names are in the headers, never among the properties; the root's
    // default PixelsPerInch is left out too.
    EXPECT_EQ(written.find(" Name ="), std::string::npos);
    EXPECT_EQ(written.find("PixelsPerInch"), std::string::npos);
    EXPECT_NE(written.find("Color = clWhite"), std::string::npos);
    EXPECT_NE(written.find("Anchors = [akLeft, akRight]"), std::string::npos);
    EXPECT_NE(written.find("SecretData = {"), std::string::npos);
}

TEST_F(FormDefinition, TheStoredRuleDecidesAndUnsetEventsAreLeftOut) {
    TTestForm form;
    form.SetName("Form1");
    auto* c = new TTestControl(&form);
    c->SetName("C1");
    std::string written = WriteComponentText(&form);
    EXPECT_EQ(written, "object Form1: TTestForm\n  object C1: TTestControl\n  end\nend\n");
    c->SetHint("x");
    EXPECT_NE(WriteComponentText(&form).find("Hint = 'x'"), std::string::npos);
}

TEST_F(FormDefinition, LoadedRunsOnceForEveryComponentRootFirstWhileLoadingIsCleared) {
    auto form = Read(kForm);
    EXPECT_EQ(Journal(), (std::vector<std::string>{"Loaded Form1", "Loaded Button1", "Loaded Edit1"}));
    auto* b = Control(form.get(), "Button1");
    EXPECT_TRUE(b->loadingWhenSet);
    EXPECT_EQ(b->widthDuringLoad, 120);
    EXPECT_FALSE(b->ComponentState().Contains(csLoading));
    EXPECT_FALSE(b->ComponentState().Contains(csReading));
    EXPECT_FALSE(form->ComponentState().Contains(csLoading));
}

TEST_F(FormDefinition, ScalesPositionsAndSizesFromTheStoredPixelsPerInch) {
    auto form = Read(kForm, 120);
    auto* b = Control(form.get(), "Button1");
    EXPECT_EQ(form->ClientWidth(), 500);
    EXPECT_EQ(b->Left(), 10);
    EXPECT_EQ(b->Width(), 150);
    EXPECT_EQ(b->checksum, 77);
    EXPECT_EQ(Control(form.get(), "Edit1")->Width(), 75);
    // Without a request nothing is scaled.
    EXPECT_EQ(Control(Read(kForm).get(), "Button1")->Width(), 120);
}

TEST_F(FormDefinition, ScalingRoundsHalvesAwayFromZero) {
    auto form = Read("object F: TTestForm\n PixelsPerInch = 96\n object B: TTestControl\n Font.Height = -11\n "
                     "Left = 2\n end\nend\n",
                     120);
    auto* b = Control(form.get(), "B");
    EXPECT_EQ(b->Font()->Height(), -14);  // -13.75
    EXPECT_EQ(b->Left(), 3);              // 2.5
}

// Positions and sizes beyond any screen are brought within what window
// arithmetic can take, before and after scaling, instead of overflowing it.
TEST_F(FormDefinition, ExtremeGeometryIsKeptWithinTheWindowSystemsRange) {
    auto form = Read("object F: TTestForm\n PixelsPerInch = 1\n ClientWidth = 2147483647\n"
                     " object B: TTestControl\n Font.Height = -2147483648\n Left = 2147483647\n"
                     " Width = 30000\n end\nend\n",
                     120);
    auto* b = Control(form.get(), "B");
    EXPECT_EQ(form->ClientWidth(), 32767);
    EXPECT_EQ(b->Left(), 32767);
    EXPECT_EQ(b->Width(), 32767);
    EXPECT_EQ(b->Font()->Height(), -32767);
}

TEST_F(FormDefinition, AReferenceToAComponentThatIsFreedIsCleared) {
    auto form = Read(kForm);
    auto* b = Control(form.get(), "Button1");
    delete Control(form.get(), "Edit1");
    EXPECT_EQ(b->Buddy(), nullptr);
    EXPECT_EQ(form->ComponentCount(), 1);
}

// --- inherited definitions --------------------------------------------------------

const char* kBase = R"(object Form1: TTestForm
  Caption = 'Base'
  object Button1: TTestControl
    Caption = 'OK'
    Checksum = 5
  end
  object Edit1: TTestControl
  end
end
)";

const char* kDerived = R"(inherited Form2: TTestForm2
  Caption = 'Derived'
  inherited Button1: TTestControl
    Width = 200
    Checksum = 9
  end
  object Extra: TTestControl
    Buddy = Button1
  end
end
)";

class InheritedDefinition : public FormDefinition {
protected:
    void SetUp() override {
        FormDefinition::SetUp();
        RegisterResource("forms/TTestForm.dfm", kBase, std::strlen(kBase));
        RegisterResource("forms/TTestForm2.dfm", kDerived, std::strlen(kDerived));
    }
};

TEST_F(InheritedDefinition, ReadsTheAncestorsDefinitionFirstAndCallsLoadedOnce) {
    TTestForm2 form;
    ASSERT_TRUE(InitInheritedComponent(&form, TComponent::StaticClass()));
    EXPECT_EQ(form.Name(), "Form2");
    EXPECT_EQ(form.Caption(), "Derived");
    ASSERT_EQ(form.ComponentCount(), 3);
    auto* b = Control(&form, "Button1");
    EXPECT_EQ(b->Caption(), "OK");
    EXPECT_EQ(b->Width(), 200);
    EXPECT_EQ(b->checksum, 9);
    EXPECT_EQ(Control(&form, "Extra")->Buddy(), b);
    EXPECT_EQ(Journal(),
              (std::vector<std::string>{"Loaded Form2", "Loaded Button1", "Loaded Edit1", "Loaded Extra"}));
}

TEST_F(InheritedDefinition, WritesOnlyWhatDiffersFromTheAncestorAndReadsBack) {
    TTestForm2 form;
    InitInheritedComponent(&form, TComponent::StaticClass());
    TTestForm ancestor;
    InitInheritedComponent(&ancestor, TComponent::StaticClass());

    std::string written = WriteComponentText(&form, &ancestor);
    EXPECT_EQ(written,
              "inherited Form2: TTestForm2\n"
              "  Caption = 'Derived'\n"
              "  inherited Button1: TTestControl\n"
              "    Width = 200\n"
              "    Checksum = 9\n"
              "  end\n"
              "  object Extra: TTestControl\n"
              "    Buddy = Button1\n"
              "  end\n"
              "end\n");

    // The written definition over a fresh copy of the ancestor rebuilds the window.
    TTestForm2 copy;
    ReadComponentRes("TTestForm", &copy);
    ReadComponentText(written, &copy);
    EXPECT_EQ(WriteComponentText(&copy, &ancestor), written);
    EXPECT_EQ(Control(&copy, "Button1")->checksum, 9);
    EXPECT_EQ(Control(&copy, "Button1")->Caption(), "OK");
}

TEST_F(InheritedDefinition, ADerivedDefinitionWithoutPixelsPerInchScalesAsItsAncestor) {
    static const char base[] = "object Form1: TTestForm\n  PixelsPerInch = 96\n  object B: TTestControl\n"
                               "    Left = 8\n  end\nend\n";
    static const char derived[] = "inherited Form2: TTestForm2\n  inherited B: TTestControl\n    Width = 100\n"
                                  "  end\nend\n";
    RegisterResource("forms/TTestForm.dfm", base, std::strlen(base));
    RegisterResource("forms/TTestForm2.dfm", derived, std::strlen(derived));
    TTestForm2 form;
    InitInheritedComponent(&form, TComponent::StaticClass(), 144);
    EXPECT_EQ(Control(&form, "B")->Left(), 12);
    EXPECT_EQ(Control(&form, "B")->Width(), 150);
}

TEST_F(InheritedDefinition, AnInheritedComponentMissingFromTheAncestorIsAnError) {
    TTestForm form;
    try {
        ReadComponentText("inherited Form1: TTestForm\n  inherited Ghost: TTestControl\n  end\nend\n", &form);
        FAIL() << "no exception";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Ancestor for 'Ghost' not found on line 2");
    }
}

TEST_F(InheritedDefinition, ASecondWindowOfTheSameClassGetsANameOfItsOwn) {
    TComponent application;
    auto* first = new TTestForm(&application);
    ReadComponentRes("TTestForm", first);
    auto* second = new TTestForm(&application);
    ReadComponentRes("TTestForm", second);
    EXPECT_EQ(first->Name(), "Form1");
    EXPECT_EQ(second->Name(), "Form1_1");
}

TEST_F(InheritedDefinition, AMissingResourceIsNamed) {
    TTestForm form;
    try {
        ReadComponentRes("TNoSuchForm", &form);
        FAIL() << "no exception";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Resource TNoSuchForm not found");
    }
}

// --- bad definitions ---------------------------------------------------------------

struct BadCase {
    const char* text;
    const char* message;
};

class BadDefinition : public FormDefinition, public ::testing::WithParamInterface<BadCase> {};

TEST_P(BadDefinition, RaisesWithTheReasonAndTheLine) {
    const BadCase& c = GetParam();
    try {
        std::unique_ptr<TComponent> root(CreateComponentFromText(c.text));
        FAIL() << "no exception for " << c.text;
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadDefinition,
    ::testing::Values(
        BadCase{"object F: TTestForm\n  Caption = 'open\nend\n", "Invalid string constant on line 2"},
        BadCase{"object F: TTestForm\n  Caption = 'x'\n", "'end' expected on line 3"},
        BadCase{"object F: TTestForm\n  Caption 'x'\nend\n", "'=' expected on line 2"},
        BadCase{"thing F: TTestForm\nend\n", "'object' expected on line 1"},
        BadCase{"object F: TNoForm\nend\n", "Class TNoForm not found on line 1"},
        BadCase{"object F: TTestForm\n  object B: TFoo\n  end\nend\n", "Class TFoo not found on line 2"},
        BadCase{"object F: TTestForm\n  Foo = 1\nend\n",
                "Error reading F.Foo: Property Foo does not exist on line 2"},
        BadCase{"object F: TTestForm\n  object B: TTestControl\n    Font.Size = 1\n  end\nend\n",
                "Error reading B.Font.Size: Property Size does not exist on line 3"},
        BadCase{"object F: TTestForm\n  object B: TTestControl\n    Caption.Size = 1\n  end\nend\n",
                "Error reading B.Caption.Size: Invalid property path on line 3"},
        BadCase{"object F: TTestForm\n  object B: TTestControl\n    Align = alSideways\n  end\nend\n",
                "Error reading B.Align: Invalid property value on line 3"},
        BadCase{"object F: TTestForm\n  object B: TTestControl\n    Anchors = [akLeft, akMiddle]\n  end\nend\n",
                "Error reading B.Anchors: Invalid property element: akMiddle on line 3"},
        BadCase{"object F: TTestForm\n  object B: TTestControl\n    Width = 'wide'\n  end\nend\n",
                "Error reading B.Width: Invalid property value on line 3"},
        BadCase{"object F: TTestForm\n  object B: TTestControl\n    OnClick = Nope\n  end\nend\n",
                "Error reading B.OnClick: Method Nope not found on line 3"},
        BadCase{"object F: TTestForm\n  object B: TTestControl\n    OnClick = Measure\n  end\nend\n",
                "Error reading B.OnClick: Invalid property type: OnClick on line 3"},
        BadCase{"object F: TTestForm\n  object B: TTestControl\n    SecretData = {0A0}\n  end\nend\n",
                "Invalid binary value on line 3"},
        BadCase{"object F: TTestForm\n  object B: TTestControl\n    Items = <\n      item\n        Bad = 1\n"
                "      end>\n  end\nend\n",
                "Error reading B.Items: Property Bad does not exist on line 5"},
        BadCase{"object F: TTestForm\n  object B: TTestControl\n  end\n  object B: TTestControl\n  end\nend\n",
                "A component named B already exists on line 4"},
        BadCase{"object F: TTestForm\n  object 1B: TTestControl\n  end\nend\n", "Identifier expected on line 2"},
        BadCase{"object F: TTestForm\n  object B: TTestItem\n  end\nend\n", "Invalid stream format on line 2"},
        BadCase{"object F: TTestForm\n  object B: TTestControl\n    Width = 99999999999\n  end\nend\n",
                "Error reading B.Width: Invalid property value on line 3"},
        BadCase{"object F: TTestForm\n  object B: TTestControl\n    Width = 99999999999999999999\n  end\nend\n",
                "Number expected on line 3"}));

TEST_F(FormDefinition, AbsurdNestingIsABrokenDefinitionNotACrash) {
    std::string text;
    for (int i = 0; i < 5000; ++i) text += "object C" + std::to_string(i) + ": TTestControl\n";
    EXPECT_THROW(CreateComponentFromText(text), EParserError);
    EXPECT_THROW(CreateComponentFromText("object F: TTestForm\n  Lines.Strings = " + std::string(5000, '(')),
                 EParserError);
}

TEST_F(FormDefinition, OnErrorMaySkipABadProperty) {
    TReader reader("object F: TTestForm\n  Foo = 1\n  Caption = 'kept'\nend\n");
    std::string seen;
    reader.OnError = [&](TReader&, const std::string& message, bool& handled) {
        seen = message;
        handled = true;
    };
    TTestForm form;
    reader.ReadRootComponent(&form);
    EXPECT_EQ(seen, "Error reading F.Foo: Property Foo does not exist on line 2");
    EXPECT_EQ(form.Caption(), "kept");
}

TEST_F(FormDefinition, AnUnknownPropertyCanBeSkippedOrSentElsewhere) {
    TReader reader(
        "object F: TTestForm\n"
        "  object B: TTestControl\n"
        "    OldCaption = 'renamed'\n"
        "    Obsolete = [x, y]\n"
        "    Typeface.Name = 'Courier'\n"
        "    Stash = 'kept aside'\n"
        "  end\n"
        "end\n");
    TTestControl aside;
    reader.OnPropertyNotFound = [&](TReader&, TPropertyNotFoundArgs& a) {
        if (a.name == "OldCaption") {
            a.name = "Caption";
            a.handled = true;
        } else if (a.name == "Obsolete") {
            a.skip = true;
        } else if (a.name == "Typeface" && a.isPath) {
            a.name = "Font";
            a.handled = true;
        } else if (a.name == "Stash") {
            // An interceptor: the value goes to another object.
            a.instance = &aside;
            a.name = "Caption";
            a.handled = true;
        }
    };
    TTestForm form;
    reader.ReadRootComponent(&form);
    auto* b = Control(&form, "B");
    EXPECT_EQ(b->Caption(), "renamed");
    EXPECT_EQ(b->Font()->Name(), "Courier");
    EXPECT_EQ(aside.Caption(), "kept aside");
}

TEST_F(FormDefinition, AFailedReadFreesWhatItCreatedAndLeavesTheRootUsable) {
    TTestForm form;
    EXPECT_THROW(ReadComponentText("object F: TTestForm\n  object A: TTestControl\n  end\n  object B: TTestControl\n"
                                   "    Width = 'x'\n  end\nend\n",
                                   &form),
                 EReadError);
    // A was read completely and stays with its owner; B was not and is gone.
    EXPECT_EQ(form.ComponentCount(), 1);
    EXPECT_FALSE(form.ComponentState().Contains(csLoading));
    EXPECT_FALSE(form.Components(0)->ComponentState().Contains(csLoading));
}

// A container that frees the components nested in it, as a windowed control
// frees its child controls.
class TTestPanel;
class TTestChild : public TTestControl {
    TV_CLASS(TTestChild, TTestControl)
public:
    using TTestControl::TTestControl;
    ~TTestChild() override;
    void SetParentComponent(TComponent* parent) override;
    TTestPanel* panel = nullptr;
};
class TTestPanel : public TTestChild {
    TV_CLASS(TTestPanel, TTestChild)
public:
    using TTestChild::TTestChild;
    ~TTestPanel() override {
        while (!kids.empty()) delete kids.back();
    }
    std::vector<TTestChild*> kids;
};
TTestChild::~TTestChild() {
    if (panel) std::erase(panel->kids, this);
}
void TTestChild::SetParentComponent(TComponent* parent) {
    panel = dynamic_cast<TTestPanel*>(parent);
    if (panel) panel->kids.push_back(this);
}

TEST_F(FormDefinition, AFailureInsideAContainerThatFreesItsChildrenIsCleanedUpSafely) {
    RegisterClasses({TTestPanel::StaticClass(), TTestChild::StaticClass()});
    TTestForm form;
    EXPECT_THROW(ReadComponentText("object F: TTestForm\n"
                                   "  object P: TTestPanel\n"
                                   "    object C1: TTestChild\n"
                                   "      Buddy = Later\n"
                                   "    end\n"
                                   "    object C2: TTestChild\n"
                                   "      Width = 'x'\n"
                                   "    end\n"
                                   "  end\n"
                                   "end\n",
                                   &form),
                 EReadError);
    EXPECT_EQ(form.ComponentCount(), 0);
    GlobalFixupReferences();
}

TEST_F(FormDefinition, ReferencesToAnotherRootWaitUntilItCanBeFound) {
    std::vector<TComponent*> roots;
    int id = RegisterFindGlobalComponent([&](std::string_view name) -> TComponent* {
        for (TComponent* r : roots)
            if (r->Name() == name) return r;
        return nullptr;
    });
    auto form = Read("object F: TTestForm\n  object B: TTestControl\n    Buddy = Module.Shared\n  end\nend\n");
    auto* b = Control(form.get(), "B");
    EXPECT_EQ(b->Buddy(), nullptr);

    TTestForm module;
    module.SetName("Module");
    auto* shared = new TTestControl(&module);
    shared->SetName("Shared");
    roots.push_back(&module);
    GlobalFixupReferences();
    EXPECT_EQ(b->Buddy(), shared);
    UnregisterFindGlobalComponent(id);
}

TEST_F(FormDefinition, AWaitingReferenceIsForgottenWhenItsComponentIsFreed) {
    TTestForm later;
    later.SetName("Later");
    (new TTestControl(&later))->SetName("X");
    bool visible = false;
    int asked = 0;
    int id = RegisterFindGlobalComponent([&](std::string_view name) -> TComponent* {
        if (name != "Later") return nullptr;
        ++asked;
        return visible ? &later : nullptr;
    });
    {
        auto form = Read("object F: TTestForm\n  object B: TTestControl\n    Buddy = Later.X\n  end\nend\n");
    }
    // Would write into the freed component if the waiting reference stayed.
    asked = 0;
    visible = true;
    GlobalFixupReferences();
    UnregisterFindGlobalComponent(id);
    EXPECT_EQ(asked, 0);
}

TEST_F(FormDefinition, AWaitingReferenceOfACollectionItemFreedMeanwhileIsDropped) {
    TTestForm module;
    module.SetName("Far");
    auto* x = new TTestControl(&module);
    x->SetName("X");
    bool visible = false;
    int id = RegisterFindGlobalComponent(
        [&](std::string_view name) -> TComponent* { return visible && name == "Far" ? &module : nullptr; });
    auto form = Read(
        "object F: TTestForm\n"
        "  object B: TTestControl\n"
        "    Items = <\n      item\n        Link = Far.X\n      end\n      item\n        Link = B\n      end>\n"
        "    Items = <\n      item\n        Caption = 'again'\n      end>\n"
        "  end\n"
        "  object K: TTestControl\n"
        "    Items = <\n      item\n        Link = Far.X\n      end>\n"
        "  end\n"
        "end\n");
    visible = true;
    GlobalFixupReferences();  // the first item of B is gone; K's item waits still
    auto* k = Control(form.get(), "K");
    EXPECT_EQ(dynamic_cast<TTestItem*>(k->Items()->Items(0))->Link(), x);
    auto* b = Control(form.get(), "B");
    ASSERT_EQ(b->Items()->Count(), 1);
    EXPECT_EQ(dynamic_cast<TTestItem*>(b->Items()->Items(0))->Link(), nullptr);
    UnregisterFindGlobalComponent(id);
}

TEST_F(FormDefinition, ValuesOfDefinedPropertiesAreReadThroughTheReader) {
    // A class reading a list of its own through DefineProperties.
    TReader reader("object F: TTestForm\n  object B: TTestControl\n    Lines.Strings = (\n      'a'\n      #241'o'\n"
                   "      '')\n  end\nend\n");
    TTestForm form;
    reader.ReadRootComponent(&form);
    auto* lines = Control(&form, "B")->Lines();
    ASSERT_EQ(lines->Count(), 3);
    EXPECT_EQ(lines->Strings(1), "ño");
    EXPECT_EQ(lines->Strings(2), "");
}

} // namespace

// Binary values: two digits a byte, blanks and line breaks anywhere between them.
TEST(FormText, BinaryValuesReadWhateverStandsBetweenTheirDigits) {
    std::string many, manyBytes;
    for (int i = 0; i < 1000; ++i) {
        const char* digits = "0123456789ABCDEF";
        many += digits[i % 16];
        many += digits[(i * 7) % 16];
        if (i % 36 == 35) many += "\n      ";
        manyBytes += static_cast<char>((i % 16) << 4 | (i * 7) % 16);
    }
    const struct {
        std::string value, bytes;
    } cases[] = {{"{}", ""},
                 {"{0001FF}", std::string("\x00\x01\xff", 3)},
                 {"{00 01\n    FF}", std::string("\x00\x01\xff", 3)},
                 {"{0 0 0\n1F F }", std::string("\x00\x01\xff", 3)},
                 {"{abcdef}", "\xab\xcd\xef"},
                 {"{\n" + many + "}", manyBytes}};
    for (const auto& c : cases) {
        const TFormObject root = ParseFormText("object F: TForm\n  Data = " + c.value + "\nend\n");
        ASSERT_EQ(root.properties.size(), 1u);
        EXPECT_EQ(root.properties[0].value.text, c.bytes) << c.value;
    }
    for (const char* bad : {"{0A0}", "{0G}", "{00 1 }", "{00", "{0x00}"})
        EXPECT_THROW(ParseFormText(std::string("object F: TForm\n  Data = ") + bad + "\nend\n"), Exception) << bad;
}
