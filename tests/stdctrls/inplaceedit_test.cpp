// The in-place editor inside a holder control: contents from the holder,
// navigation keys handed back at the text's edges.
#include "formfixture.h"
#include "framework/ui/stdctrls/inplaceedit.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

// A control holding one editable cell, as a grid holds its current one.
class CellHolder : public TCustomControl, public TInplaceEditHost {
public:
    using TCustomControl::TCustomControl;
    std::string text = "12345", mask;
    int limit = 0;
    bool canModify = true;
    std::vector<WORD> keys;
    std::string InplaceEditText() override { return text; }
    std::string InplaceEditMask() override { return mask; }
    int InplaceEditLimit() override { return limit; }
    bool InplaceCanModify() override { return canModify; }
    void InplaceKeyDown(WORD& key, TShiftState) override { keys.push_back(key); }
    TWinControl* InplaceHostControl() override { return this; }
};

class InplaceEditTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        holder = new CellHolder(form);
        holder->SetParent(form);
        holder->SetBounds(10, 10, 300, 200);
        holder->SetTabStop(true);
        edit = new TInplaceEdit(holder);
        edit->SetHost(holder);
        edit->SetParent(holder);
        edit->UpdateContents();
        edit->Move({20, 40, 120, 60});
        Focus(edit);
    }
    CellHolder* holder = nullptr;
    TInplaceEdit* edit = nullptr;
};

TEST_F(InplaceEditTest, NavigationKeysGoToTheHolderOnlyAtTheEdges) {
    EXPECT_EQ(edit->Text(), "12345");
    EXPECT_TRUE(edit->PosEqual({20, 40, 120, 60}));
    edit->SetSelStart(2);
    PressKey(VK_LEFT); // inside the text: the caret moves
    EXPECT_TRUE(holder->keys.empty());
    EXPECT_EQ(edit->SelStart(), 1);
    PressKey(VK_LEFT);
    PressKey(VK_LEFT); // at the start: the holder moves
    EXPECT_EQ(holder->keys, (std::vector<WORD>{VK_LEFT}));
    PressKey(VK_END);
    PressKey(VK_RIGHT);
    PressKey(VK_DOWN);
    PressKey(VK_TAB);
    EXPECT_EQ(holder->keys, (std::vector<WORD>{VK_LEFT, VK_RIGHT, VK_DOWN, VK_TAB}));
    // The whole text selected counts as being at the start.
    edit->SelectAll();
    PressKey(VK_HOME);
    EXPECT_EQ(holder->keys.back(), VK_HOME);
}

TEST_F(InplaceEditTest, ContentsMaskLimitAndModifyComeFromTheHolder) {
    holder->text = "20090423";
    holder->mask = "!9999/99/99;0;_";
    edit->UpdateContents();
    EXPECT_EQ(edit->EditText(), "2009/04/23");
    holder->mask = "";
    holder->text = "abc";
    holder->limit = 4;
    edit->UpdateContents();
    edit->SetSelStart(3);
    TypeText("def");
    EXPECT_EQ(edit->Text(), "abcd");
    holder->canModify = false;
    TypeText("x");
    PressKey(VK_BACK);
    EXPECT_EQ(edit->Text(), "abcd");
    // A broken mask from the holder leaves the cell editable without one.
    holder->mask = "99\\";
    holder->text = "77";
    EXPECT_NO_THROW(edit->UpdateContents());
    EXPECT_EQ(edit->Text(), "77");
    edit->HideEditor();
    EXPECT_FALSE(edit->Visible());
    EXPECT_TRUE(holder->Focused());
}

} // namespace
} // namespace tvtest
