// The grid's find dialog as a person uses it: Ctrl+F on a grid, a text typed,
// Enter and Ctrl+Enter stepping through the matches forward and backward,
// the match, case and format choices, "<All>" columns, and the message when
// nothing is found.
#include "exchange_fixture.h"

#include "editors/dbcheckbox.h"
#include "editors/dbcombobox.h"
#include "core/stringlist.h"
#include "framework/ui/application.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/screen.h"
#include "grid/column.h"
#include "grid/gridunit.h"
#include "gridservices/find/finddialog.h"
#include "platform/backend/headless.h"
#include "platform/window/input.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class FindDialogTest : public ExchangeTest {
protected:
    void SetUp() override {
        ExchangeTest::SetUp();
        InitializeGridFindUnit();
        Append(data, 4, "CAFÉ TOSTADO", 3, 0, "molido aparte");
        Append(data, 5, "Café molido", 1.5, 0, nullptr);
        data->First();
        grid->SetFocus();
        Pump();
    }
    void TearDown() override {
        FinalizeGridFindUnit();
        ExchangeTest::TearDown();
    }

    // Opens the dialog with Ctrl+F on the grid and runs `person` in it.
    void Find(std::function<void(TDBGridEhFindDlg*)> person) {
        bool opened = false;
        ScriptStep([&] {
            opened = true;
            TDBGridEhFindDlg* d = DBGridEhFindDlg();
            ASSERT_NE(d, nullptr);
            ASSERT_TRUE(d->Visible());
            person(d);
        });
        PressKey('F', false, true);
        Pump();
        EXPECT_TRUE(opened);
        ClearScript();
    }
    int Code() { return data->FieldByName("CODIGO")->AsInteger(); }
    // Types over what the text box holds, as a person does.
    static void Retype(TDBGridEhFindDlg* d, const std::string& text) {
        d->cbText->SetFocus();
        d->cbText->SelectAll();
        TypeText(text);
    }
    std::string ColumnName() { return grid->CurrentColumn()->FieldName(); }
};

TEST_F(FindDialogTest, CtrlFOpensTheDialogOnTheCurrentColumn) {
    PressKey(VK_RIGHT);
    Find([&](TDBGridEhFindDlg* d) {
        EXPECT_EQ(d->Caption(), "Find text");
        EXPECT_EQ(d->Grid(), grid);
        EXPECT_TRUE(d->FormState().Contains(fsModal));
        EXPECT_EQ(d->ActiveControl(), d->cbText);
        std::vector<std::string> entries;
        for (int i = 0; i < d->cbFindIn->Items()->Count(); ++i) entries.push_back(d->cbFindIn->Items()->Strings(i));
        EXPECT_EQ(entries, (std::vector<std::string>{"CODIGO", "NOMBRE", "PRECIO", "FECHA", "NOTA", "<All>"}));
        EXPECT_EQ(d->cbFindIn->Text(), "NOMBRE");
        ASSERT_EQ(d->SearchColumns().size(), 1u);
        EXPECT_EQ(d->SearchColumns()[0]->FieldName(), "NOMBRE");
        EXPECT_EQ(d->cbMatchinType->Text(), "From any part of field");
        EXPECT_EQ(d->cbFindDirection->Text(), "All");
        EXPECT_EQ(d->cbCharCase->State(), cbUnchecked);
        EXPECT_EQ(d->cbUseFormat->State(), cbChecked);
        PressKey(VK_ESCAPE);
    });
    EXPECT_FALSE(DBGridEhFindDlg()->Visible());
    // Without the option the key starts nothing.
    grid->SetOptionsEh(grid->OptionsEh() - TDBGridEhOptions{dghDialogFind});
    PressKey('F', false, true);
    Pump();
    EXPECT_FALSE(DBGridEhFindDlg()->Visible());
}

TEST_F(FindDialogTest, EnterStepsForwardAndCtrlEnterBackward) {
    PressKey(VK_RIGHT);
    std::vector<int> seen;
    Find([&](TDBGridEhFindDlg* d) {
        TypeText("café");
        for (int i = 0; i < 4; ++i) {
            PressKey(VK_RETURN);
            seen.push_back(Code());
        }
        EXPECT_EQ(said, (std::vector<std::string>{"String \"café\" not found."}));
        // Ctrl turns the direction round; the start of the data ends it too.
        for (int i = 0; i < 3; ++i) {
            PressKey(VK_RETURN, false, true);
            seen.push_back(Code());
        }
        EXPECT_EQ(said.size(), 2u);
        // The text went into the list once, whatever its case.
        Retype(d, "CAFÉ");
        PressKey(VK_RETURN);
        EXPECT_EQ(d->cbText->Items()->Count(), 1);
        PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 4, 5, 5, 4, 1, 1}));
    EXPECT_EQ(ColumnName(), "NOMBRE");
}

TEST_F(FindDialogTest, WholeFieldMatchesOtherCaseOnlyWithoutMatchCase) {
    PressKey(VK_RIGHT);
    Find([&](TDBGridEhFindDlg* d) {
        PressKey('H', false, false, true);  // Matc&h:
        EXPECT_EQ(d->ActiveControl(), d->cbMatchinType);
        TypeText("W");
        EXPECT_EQ(d->cbMatchinType->Text(), "Whole field");
        d->cbText->SetFocus();
        TypeText("café tostado");
        PressKey(VK_RETURN);
        EXPECT_EQ(Code(), 4);
        data->First();
        PressKey('C', false, false, true);  // Match &Case
        EXPECT_EQ(d->cbCharCase->State(), cbChecked);
        Retype(d, "café tostado");
        PressKey(VK_RETURN);
        EXPECT_EQ(Code(), 1) << "nothing found: the grid stays where it was";
        EXPECT_EQ(said.size(), 1u);
        PressKey(VK_ESCAPE);
    });
}

TEST_F(FindDialogTest, AllColumnsFindTheCellAndMakeItsColumnCurrent) {
    Find([&](TDBGridEhFindDlg* d) {
        PressKey('I', false, false, true);  // Find &in:
        TypeText("<");
        EXPECT_EQ(d->cbFindIn->Text(), "<All>");
        EXPECT_EQ(d->SearchColumns().size(), 5u);
        d->cbText->SetFocus();
        TypeText("molido");
        PressKey(VK_RETURN);
        EXPECT_EQ(Code(), 4);
        EXPECT_EQ(ColumnName(), "NOTA");
        PressKey(VK_RETURN);
        EXPECT_EQ(Code(), 5);
        EXPECT_EQ(ColumnName(), "NOMBRE");
        PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(ColumnName(), "NOMBRE");
}

TEST_F(FindDialogTest, MatchFormatReadsTheCellAsShown) {
    TColumnEh* precio = grid->Columns()->Items(2);
    precio->SetDisplayFormat("0.00");
    const std::string shown = precio->DisplayText(), plain = precio->Field()->Text();  // 1.5 on the first row
    ASSERT_NE(shown, plain);
    PressKey(VK_RIGHT);
    PressKey(VK_RIGHT);
    Find([&](TDBGridEhFindDlg* d) {
        PressKey('H', false, false, true);
        TypeText("W");
        Retype(d, shown);
        PressKey(VK_RETURN);
        EXPECT_EQ(Code(), 1);
        PressKey(VK_RETURN);
        EXPECT_EQ(Code(), 5);
        EXPECT_TRUE(said.empty());
        PressKey('O', false, false, true);  // Match F&ormat
        EXPECT_EQ(d->cbUseFormat->State(), cbUnchecked);
        Retype(d, shown);
        PressKey(VK_RETURN);
        EXPECT_EQ(said.size(), 1u);
        EXPECT_EQ(Code(), 5);
        Retype(d, plain);
        PressKey(VK_DELETE);  // the rest the box proposes from its list
        EXPECT_EQ(d->cbText->Text(), plain);
        PressKey(VK_RETURN);
        EXPECT_EQ(Code(), 1);
        PressKey(VK_ESCAPE);
    });
}

TEST_F(FindDialogTest, WithoutAnOpenDatasetNothingIsFound) {
    ShowGridFindDialog(grid, "café", "", {}, false);
    TDBGridEhFindDlg* d = DBGridEhFindDlg();
    EXPECT_TRUE(d->Visible());
    EXPECT_FALSE(d->FormState().Contains(fsModal));
    EXPECT_EQ(d->FormStyle(), fsStayOnTop);
    EXPECT_EQ(d->cbText->Text(), "café");
    data->Close();
    Pump();
    d->bFind->Click();
    EXPECT_EQ(said, (std::vector<std::string>{"String \"café\" not found."}));
    // Not modal: Esc closes it.
    d->cbText->SetFocus();
    PressKey(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(d->Visible());
    // A grid freed under the dialog is forgotten.
    delete grid;
    grid = nullptr;
    EXPECT_EQ(d->Grid(), nullptr);
}

} // namespace
} // namespace tvtest
