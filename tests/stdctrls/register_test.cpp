// The standard controls as the reader of stored forms finds and sets them.
#include "formfixture.h"
#include "core/properties.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/maskedit.h"
#include "framework/ui/stdctrls/registerstdctrls.h"

namespace tvtest {
namespace {

using namespace tv;

using Registration = FormTest;

TEST_F(Registration, ClassesAreFoundAndTheirPropertiesSetByName) {
    RegisterStandardControls();
    for (const char* name : {"TEdit", "TMemo", "TMaskEdit", "TComboBox", "TListBox", "TScrollBar", "TDBEdit",
                             "TDBText", "TDBMemo", "TDBImage", "TDBCheckBox", "TOpenDialog", "TSaveDialog"})
        EXPECT_NE(GetClass(name), nullptr) << name;
    auto* e = new TMaskEdit(form);
    e->SetParent(form);
    SetPropValueText(e, "EditMask", "!9999/99/99;1;_");
    SetPropValueText(e, "MaxLength", "10");
    SetPropValueText(e, "Text", "2009/04/23");
    SetPropValueText(e, "CharCase", "ecUpperCase");
    EXPECT_EQ(e->EditText(), "2009/04/23");
    EXPECT_EQ(e->CharCase(), ecUpperCase);
    auto* pass = new TEdit(form);
    SetOrdProp(pass, "PasswordChar", '*');
    EXPECT_EQ(pass->PasswordChar(), U'*');
}

} // namespace
} // namespace tvtest
