// Where the keyboard goes while a person works a form: back to the control
// that had it when the window opens again, on to the next control when the
// focused one is disabled, and to the mnemonics (never into the text) with Alt.
#include "formfixture.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/stdctrls/combobox.h"
#include "framework/ui/stdctrls/edit.h"
#include "platform/window/sysmetrics.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

class KeyboardFocus : public FormTest {
protected:
    TEdit* Make(int top) {
        auto* c = new TEdit(form);
        c->SetParent(form);
        c->SetBounds(10, top, 200, 24);
        return c;
    }
    static void Run() { Application->ProcessMessages(); }
    // A caption button of the form as it stands: 0 close, 1 maximise or
    // restore, 2 minimise or restore.
    POINT CaptionButton(int fromRight) {
        RECT r;
        GetWindowRect(form->Handle(), &r);
        int f = GetSystemMetrics(SM_CXSIZEFRAME), bw = GetSystemMetrics(SM_CXSIZE) - 2;
        return {r.right - f - 2 - bw / 2 - fromRight * bw - (fromRight ? 2 : 0), r.top + f + 8};
    }
};

TEST_F(KeyboardFocus, ARestoredWindowGivesTheFocusBackToItsControl) {
    Make(10);
    auto* code = Make(40);
    POINT p = code->ClientToScreen({5, 5});
    QueueClick(p.x, p.y);
    QueueText("111");
    Run();
    ASSERT_TRUE(code->Focused());

    for (int button : {2, 1}) { // restore, then maximise, from the minimised caption
        SCOPED_TRACE(button);
        POINT minimise = CaptionButton(2);
        QueueClick(minimise.x, minimise.y);
        Run();
        ASSERT_TRUE(IsIconic(form->Handle()));
        EXPECT_EQ(GetFocus(), nullptr);
        POINT again = CaptionButton(button);
        QueueClick(again.x, again.y);
        Run();
        EXPECT_FALSE(IsIconic(form->Handle()));
        EXPECT_TRUE(code->Focused());
        code->SelectAll();
        QueueText(button == 2 ? "222" : "333");
        Run();
        EXPECT_EQ(code->Text(), button == 2 ? "222" : "333") << "a scan after the restore is not lost";
        if (IsZoomed(form->Handle())) ShowWindow(form->Handle(), SW_RESTORE);
    }
}

TEST_F(KeyboardFocus, DisablingOrHidingTheFocusedControlMovesTheFocusOn) {
    auto* company = Make(10);
    auto* list = Make(40);
    auto* date = Make(70);
    for (bool hide : {false, true}) {
        SCOPED_TRACE(hide);
        list->SetEnabled(true);
        list->SetVisible(true);
        // Leaving the company disables (or hides) the control the focus is
        // on its way to, as the login does with its price list.
        company->OnExit = [&](TObject*) {
            if (hide) list->Hide();
            else list->SetEnabled(false);
        };
        Focus(company);
        QueueKey(VK_TAB);
        Run();
        EXPECT_TRUE(date->Focused());
        EXPECT_EQ(form->ActiveControl(), date);
        QueueText("2026/01/02");
        Run();
        EXPECT_EQ(date->Text(), "2026/01/02");
        date->SetText("");
        company->OnExit = nullptr;
    }
}

TEST_F(KeyboardFocus, AltWithALetterGoesToTheMnemonicNeverIntoTheText) {
    auto* edit = Make(10);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(10, 60, 90, 25);
    button->SetCaption("&Aceptar");
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    Focus(edit);
    // As the desktop gives it: the key, and its character as text, with the
    // left Alt held.
    InjectKey(VK_LMENU, true);
    QueueText("a");
    InjectKey(VK_LMENU, false);
    Run();
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(clicks, 1);
    // A letter with no mnemonic is no text either.
    InjectKey(VK_LMENU, true);
    QueueText("z");
    InjectKey(VK_LMENU, false);
    Run();
    EXPECT_EQ(edit->Text(), "");
    // Ctrl+Alt is how some keyboards type their third symbols: that is text.
    InjectKey(VK_CONTROL, true);
    InjectKey(VK_LMENU, true);
    QueueText("@");
    InjectKey(VK_LMENU, false);
    InjectKey(VK_CONTROL, false);
    QueueText("b");
    Run();
    EXPECT_EQ(edit->Text(), "@b");
}

TEST_F(KeyboardFocus, EscOrEnterOnAnOpenListOnlyClosesIt) {
    auto* servers = new TComboBox(form);
    servers->SetParent(form);
    servers->SetBounds(10, 10, 200, 24);
    servers->SetStyle(csDropDownList);
    for (const char* s : {"/srv/a", "/srv/b"}) servers->Items()->Add(s);
    servers->SetItemIndex(0);
    auto* user = Make(40);
    auto* cancel = new TButton(form);
    cancel->SetParent(form);
    cancel->SetBounds(10, 80, 90, 25);
    cancel->SetCancel(true);
    std::vector<std::string> seen;
    cancel->OnClick = [&](TObject*) { seen.push_back("cancel"); };
    form->SetKeyPreview(true);
    form->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        if (key == VK_ESCAPE) seen.push_back("form esc");
    };
    // Enter moves on, as the login's fields do.
    servers->OnKeyPress = [&](TObject*, char32_t& key) {
        if (key != U'\r') return;
        key = 0;
        seen.push_back("next");
        user->SetFocus();
    };
    POINT arrow = servers->ClientToScreen({servers->Width() - 6, servers->Height() / 2});
    QueueClick(arrow.x, arrow.y);
    Run();
    ASSERT_TRUE(servers->DroppedDown());
    QueueKey(VK_ESCAPE);
    Run();
    EXPECT_FALSE(servers->DroppedDown());
    EXPECT_TRUE(seen.empty()) << "the list closed; the form did not";
    EXPECT_TRUE(servers->Focused());

    QueueClick(arrow.x, arrow.y);
    QueueKey(VK_DOWN);
    QueueKey(VK_RETURN);
    Run();
    EXPECT_FALSE(servers->DroppedDown());
    EXPECT_EQ(servers->Text(), "/srv/b");
    EXPECT_TRUE(seen.empty()) << "Enter chose from the list and stayed";

    // With no list open the keys are the form's again: its cancel button,
    // or without one its key preview.
    QueueKey(VK_ESCAPE);
    QueueKey(VK_RETURN);
    Run();
    EXPECT_EQ(seen, (std::vector<std::string>{"cancel", "next"}));
    EXPECT_TRUE(user->Focused());
    cancel->SetCancel(false);
    QueueKey(VK_ESCAPE);
    Run();
    EXPECT_EQ(seen.back(), "form esc");
}

} // namespace
} // namespace tvtest
