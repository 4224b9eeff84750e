// TEdit, TMemo and TMaskEdit on a form, typed into through the keyboard.
#include <algorithm>

#include "formfixture.h"
#include "platform/gdi/gdi.h"
#include "platform/window/paint.h"
#include "platform/window/sysmetrics.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/maskedit.h"
#include "framework/ui/stdctrls/memo.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class EditControl : public FormTest {
protected:
    template <class T>
    T* Make(int top) {
        auto* c = new T(form);
        c->SetParent(form);
        c->SetBounds(10, top, 200, 24);
        return c;
    }
};

TEST_F(EditControl, TypingSelectionAndCaretThroughTheProperties) {
    auto* e = Make<TEdit>(10);
    int changes = 0;
    e->OnChange = [&](TObject*) { ++changes; };
    Focus(e);
    TypeText("café con leche");
    EXPECT_EQ(e->Text(), "café con leche");
    EXPECT_EQ(changes, 14);
    EXPECT_TRUE(e->Modified());
    EXPECT_EQ(e->SelStart(), 14);
    e->SetSelStart(5);
    e->SetSelLength(3);
    EXPECT_EQ(e->SelText(), "con");
    e->SetSelText("sin");
    EXPECT_EQ(e->Text(), "café sin leche");
    PressKey(VK_HOME);
    PressKey(VK_END, true);
    EXPECT_EQ(e->SelLength(), 14);
    // Text from the program raises OnChange too, once.
    changes = 0;
    e->SetText("otro");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(e->Text(), "otro");
}

TEST_F(EditControl, MaxLengthCountsCharactersForTypingAndPaste) {
    auto* e = Make<TEdit>(10);
    e->SetMaxLength(4);
    Focus(e);
    TypeText("ñañaña");
    EXPECT_EQ(e->Text(), "ñaña");
    e->SelectAll();
    PutClipboard("123456789");
    e->PasteFromClipboard();
    EXPECT_EQ(e->Text(), "1234");
    // A longer MaxLength set later lets more in.
    e->SetMaxLength(6);
    PressKey(VK_END);
    TypeText("ab");
    EXPECT_EQ(e->Text(), "1234ab");
    auto* upper = Make<TEdit>(40);
    upper->SetCharCase(ecUpperCase);
    upper->SetMaxLength(3);
    Focus(upper);
    TypeText("ñandú");
    EXPECT_EQ(upper->Text(), "ÑAN");
}

TEST_F(EditControl, PasswordReadOnlyAndAutoSelect) {
    auto* user = Make<TEdit>(10);
    auto* pass = Make<TEdit>(40);
    pass->SetPasswordChar(U'*');
    Focus(pass);
    TypeText("secreta");
    EXPECT_EQ(pass->Text(), "secreta");
    auto* ro = Make<TEdit>(70);
    ro->SetText("fijo");
    ro->SetReadOnly(true);
    Focus(ro);
    EXPECT_EQ(ro->SelLength(), 4); // AutoSelect on entry
    TypeText("x");
    PressKey(VK_BACK);
    EXPECT_EQ(ro->Text(), "fijo");
    user->SetText("ana");
    Focus(user);
    EXPECT_EQ(user->SelLength(), 3);
    TypeText("luis");
    EXPECT_EQ(user->Text(), "luis");
}

TEST_F(EditControl, MemoLinesAreTheTextsOwnLines) {
    auto* m = Make<TMemo>(10);
    m->SetBounds(10, 10, 90, 200);
    m->Lines()->Add("primera línea bastante larga para partirse");
    m->Lines()->Add("segunda");
    EXPECT_EQ(m->Lines()->Count(), 2);
    EXPECT_EQ(m->Lines()->Strings(1), "segunda");
    EXPECT_EQ(m->Text(), "primera línea bastante larga para partirse\r\nsegunda");
    EXPECT_GT(SendMessage(m->Handle(), 0x00BA /* EM_GETLINECOUNT */, 0, 0), 2); // wrapped on screen
    Focus(m);
    PressKey(VK_END, false, true);
    PressKey(VK_RETURN);
    TypeText("tercera");
    EXPECT_EQ(m->Lines()->Count(), 3);
    EXPECT_EQ(m->Lines()->Strings(2), "tercera");
    m->Lines()->Delete(0);
    EXPECT_EQ(m->Lines()->Text(), "segunda\r\ntercera\r\n");
    m->SetWantReturns(false);
    PressKey(VK_RETURN);
    EXPECT_EQ(m->Lines()->Count(), 2);
}

TEST_F(EditControl, MaskedDateKeepsTheCursorOnEditablePositions) {
    auto* e = Make<TMaskEdit>(10);
    e->SetEditMask("!9999/99/99;1;_");
    EXPECT_EQ(e->EditText(), "____/__/__");
    Focus(e);
    e->SetCursor(0);
    TypeText("2009042");
    EXPECT_EQ(e->EditText(), "2009/04/2_");
    EXPECT_EQ(e->SelStart(), 9);
    TypeText("3");
    EXPECT_EQ(e->Text(), "2009/04/23");
    // Left from a digit after a separator jumps over the separator.
    e->SetCursor(5);
    PressKey(VK_LEFT);
    EXPECT_EQ(e->SelStart(), 3);
    PressKey(VK_BACK); // takes the digit before the caret
    EXPECT_EQ(e->EditText(), "20_9/04/23");
    TypeText("x"); // refused where a digit goes
    EXPECT_EQ(e->EditText(), "20_9/04/23");
    TypeText("0");
    EXPECT_EQ(e->EditText(), "2009/04/23");
    // A click on a literal lands on the next editable position.
    e->SetCursor(4);
    e->CheckCursor();
    EXPECT_EQ(e->SelStart(), 5);
}

TEST_F(EditControl, PhoneMaskTextWithoutLiteralsAndValidation) {
    auto* e = Make<TMaskEdit>(10);
    auto* other = Make<TEdit>(40);
    e->SetEditMask("(999) 000-0000;0;_");
    e->SetText("6015551234");
    EXPECT_EQ(e->EditText(), "(601) 555-1234");
    EXPECT_EQ(e->Text(), "6015551234");
    EXPECT_NO_THROW(e->ValidateEdit());
    e->SetText("601555");
    EXPECT_EQ(e->EditText(), "(601) 555-____");
    EXPECT_THROW(e->ValidateEdit(), EDBEditError);
    EXPECT_EQ(e->SelStart(), 10); // the caret waits at the first missing digit
    // Leaving an incomplete entry shows the error and keeps the focus.
    Focus(e);
    messages.clear();
    other->SetFocus();
    ProcessPendingMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind(SMaskEditErr, 0), 0u) << messages[0];
    EXPECT_TRUE(e->Focused());
    // Esc gives back the text the control had when it took the focus.
    TypeText("9");
    PressKey(VK_ESCAPE);
    EXPECT_EQ(e->Text(), "601555    ");
}

// The darkest ink of a control's client area, as the sum of its three channels.
int DarkestInk(HWND w) {
    UpdateWindow(w);
    RECT r;
    GetClientRect(w, &r);
    HDC dc = GetDC(w);
    int darkest = 3 * 255;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            COLORREF c = GetPixel(dc, x, y);
            darkest = std::min(darkest, int(GetRValue(c) + GetGValue(c) + GetBValue(c)));
        }
    ReleaseDC(w, dc);
    return darkest;
}

TEST_F(EditControl, ADisabledEditShowsItsTextGrey) {
    auto* e = Make<TEdit>(10);
    e->SetBorderStyle(bsNone);
    e->SetText("IIII MMMM");
    int enabledInk = DarkestInk(e->Handle());
    e->SetEnabled(false);
    e->Invalidate();
    int disabledInk = DarkestInk(e->Handle());
    COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    EXPECT_LT(enabledInk, 150);
    EXPECT_GE(disabledInk, int(GetRValue(grey) + GetGValue(grey) + GetBValue(grey)) - 30);
}

TEST_F(EditControl, BadMaskIsRefusedAndTheOldOneStays) {
    auto* e = Make<TMaskEdit>(10);
    e->SetEditMask("000;1;_");
    e->SetText("123");
    EXPECT_THROW(e->SetEditMask("00\\"), EDBEditError);
    EXPECT_EQ(e->EditMask(), "000;1;_");
    EXPECT_EQ(e->Text(), "123");
    // Pasting junk into a mask keeps what fits the positions.
    Focus(e);
    e->SelectAll();
    PutClipboard("\x01z9\xff" "8");
    e->PasteFromClipboard();
    EXPECT_EQ(e->EditText(), "98_");
}

} // namespace
} // namespace tvtest
