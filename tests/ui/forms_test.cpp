// Forms and the application: creation, modal loops, closing, keys, focus,
// exceptions, alignment and timers, on the headless desktop.
#include "uifixture.h"

#include "core/exceptions.h"
#include "core/formreader.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/speedbutton.h"
#include "framework/ui/checkcontrols.h"
#include "framework/ui/splitter.h"
#include "framework/ui/scrollbox.h"
#include "platform/window/scrollbar.h"
#include "platform/window/queue.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

std::vector<std::string> g_log;

class TOrderModule : public TDataModule {
    TV_CLASS(TOrderModule, TDataModule)
public:
    using TDataModule::TDataModule;
    static void Publish(TPublisher& p) { p.Method("DataModuleCreate", &TOrderModule::DataModuleCreate); }
    void DataModuleCreate(TObject*) { g_log.push_back("module " + Name()); }
};

class TOrderForm : public TForm {
    TV_CLASS(TOrderForm, TForm)
public:
    using TForm::TForm;
    static void Publish(TPublisher& p) { p.Method("FormCreate", &TOrderForm::FormCreate); }
    void FormCreate(TObject*) { g_log.push_back("form " + Caption()); }
};

class TOrderForm2 : public TOrderForm {
    TV_CLASS(TOrderForm2, TOrderForm)
public:
    using TOrderForm::TOrderForm;
};

TEST_F(UiTest, FirstFormCreatedIsTheMainFormAndDataModulesAreNot) {
    g_log.clear();
    Define("TOrderModule", "object OrderModule: TOrderModule\n  OnCreate = DataModuleCreate\nend\n");
    Define("TOrderForm", "object OrderForm: TOrderForm\n  Caption = 'primero'\n  OnCreate = FormCreate\nend\n");
    Define("TOrderForm2", "inherited OrderForm2: TOrderForm2\n  Caption = 'segundo'\nend\n");
    TOrderModule* dm = nullptr;
    TOrderForm* first = nullptr;
    TOrderForm2* second = nullptr;
    Application->CreateForm(dm);
    Application->CreateForm(first);
    Application->CreateForm(second);
    EXPECT_EQ(Application->MainForm(), first);
    EXPECT_EQ(g_log, (std::vector<std::string>{"module OrderModule", "form primero", "form segundo"}));
    EXPECT_EQ(Screen->FormCount(), 2);
    EXPECT_EQ(Screen->DataModuleCount(), 1);
    EXPECT_EQ(dm->Owner(), Application);
    EXPECT_FALSE(first->Visible()); // shown by Run, not by creation
}

// --- modal forms ------------------------------------------------------------------

TForm* MakeDialog(const std::string& caption, TModalResult okResult, TModalResult cancelResult) {
    auto* f = NewForm<TForm>(Application);
    f->SetCaption(caption);
    auto* ok = new TButton(f);
    ok->SetParent(f);
    ok->SetDefault(true);
    ok->SetModalResult(okResult);
    auto* cancel = new TButton(f);
    cancel->SetParent(f);
    cancel->SetLeft(80);
    cancel->SetCancel(true);
    cancel->SetModalResult(cancelResult);
    return f;
}

TEST_F(UiTest, AModalFormInsideAModalFormEachReturnItsOwnResult) {
    auto* main = NewForm<TForm>(Application);
    main->Show();
    TForm* outer = MakeDialog("afuera", mrOk, mrCancel);
    TForm* inner = MakeDialog("adentro", mrYes, mrNo);
    TModalResult innerResult = mrNone;
    bool mainDisabledInside = false;
    ScriptStep([&] {
        mainDisabledInside = !IsWindowEnabled(main->Handle());
        innerResult = inner->ShowModal(); // the inner loop runs inside the outer one
    });
    ScriptStep([&] { Key(VK_RETURN); });  // inner: default button, mrYes
    ScriptStep([&] { Key(VK_ESCAPE); });  // outer: cancel button, mrCancel
    TModalResult outerResult = outer->ShowModal();
    EXPECT_EQ(innerResult, mrYes);
    EXPECT_EQ(outerResult, mrCancel);
    EXPECT_TRUE(mainDisabledInside);
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
    EXPECT_FALSE(outer->Visible());
    EXPECT_FALSE(inner->Visible());
    EXPECT_FALSE(outer->FormState().Contains(fsModal));
    EXPECT_EQ(GetActiveWindow(), main->Handle());
}

TEST_F(UiTest, ActivationComingBackFromAModalFormDoesNotRunOnActivateAgain) {
    auto* main = NewForm<TForm>(Application);
    int activations = 0;
    TModalResult login = mrNone;
    TForm* dialog = MakeDialog("acceso", mrOk, mrCancel);
    main->OnActivate = [&](TObject*) {
        ++activations;
        if (activations == 1) {
            ScriptStep([] { Key(VK_RETURN); });
            login = dialog->ShowModal();
        }
    };
    main->Show();
    EXPECT_EQ(login, mrOk);
    EXPECT_EQ(activations, 1);
    EXPECT_EQ(Screen->ActiveForm(), main);
}

TEST_F(UiTest, ShowingAVisibleFormModallyIsRefused) {
    auto* f = NewForm<TForm>(Application);
    f->Show();
    EXPECT_THROW(f->ShowModal(), EInvalidOperation);
}

// --- keys ----------------------------------------------------------------------------

struct KeyCase {
    int vk;
    bool shift, ctrl, alt;
    TShiftState expected;
    bool runs; // the F2 command runs only without modifiers
};

class KeyPreviewTest : public UiTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyPreviewTest, TheFormSeesTheKeyFirstAndTheControlStillGetsIt) {
    const KeyCase& k = GetParam();
    auto* f = NewForm<TForm>(Application);
    f->SetKeyPreview(true);
    auto* edit = new TTestEdit(f);
    edit->SetParent(f);
    std::vector<std::string> order;
    TShiftState seen;
    int runs = 0;
    f->OnKeyDown = [&](TObject*, WORD& key, TShiftState shift) {
        order.push_back("form");
        seen = shift;
        if (key == VK_F2 && shift.Empty()) ++runs;
    };
    edit->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        if (key == WORD(k.vk)) order.push_back("edit");
    };
    f->Show();
    ASSERT_TRUE(edit->Focused());
    Press(k.vk, k.shift, k.ctrl, k.alt);
    ASSERT_GE(order.size(), 2u);
    EXPECT_EQ(order[order.size() - 2], "form");
    EXPECT_EQ(order.back(), "edit");
    EXPECT_EQ(seen, k.expected);
    EXPECT_EQ(runs, k.runs ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Modifiers, KeyPreviewTest,
                         ::testing::Values(KeyCase{VK_F2, false, false, false, TShiftState{}, true},
                                           KeyCase{VK_F2, true, false, false, TShiftState{ssShift}, false},
                                           KeyCase{VK_F2, false, true, false, TShiftState{ssCtrl}, false},
                                           KeyCase{VK_F2, false, false, true, TShiftState{ssAlt}, false},
                                           KeyCase{VK_F9, true, true, false, TShiftState{ssShift, ssCtrl}, false}));

TEST_F(UiTest, AFormKeyHandlerThatClearsTheKeyKeepsItFromTheControl) {
    auto* f = NewForm<TForm>(Application);
    f->SetKeyPreview(true);
    auto* edit = new TTestEdit(f);
    edit->SetParent(f);
    bool editSaw = false;
    f->OnKeyDown = [](TObject*, WORD& key, TShiftState) { if (key == VK_F4) key = 0; };
    edit->OnKeyDown = [&](TObject*, WORD&, TShiftState) { editSaw = true; };
    f->Show();
    Press(VK_F4);
    EXPECT_FALSE(editSaw);
}

struct Entry {
    TForm* form;
    TTestEdit* a;
    TTestEdit* b;
    TTestEdit* c;
};

Entry MakeEntryForm() {
    Entry e;
    e.form = NewForm<TForm>(Application);
    e.form->SetKeyPreview(true);
    auto make = [&](const char* name, int top) {
        auto* ed = new TTestEdit(e.form);
        ed->SetName(name);
        ed->SetParent(e.form);
        ed->SetTop(top);
        return ed;
    };
    e.a = make("TUsuario", 10);
    e.b = make("TClave", 40);
    e.c = make("TCia", 70);
    return e;
}

TEST_F(UiTest, EnterMovesToTheNextControlInTabOrderSkippingDisabledOnes) {
    Entry e = MakeEntryForm();
    e.c->SetTabOrder(1); // tab order: a, c, b
    auto enteratab = [&](TObject*, char32_t& key) {
        if (key == 13) {
            key = 0;
            e.form->SelectNext(e.form->ActiveControl(), true, true);
        }
    };
    for (TTestEdit* ed : {e.a, e.b, e.c}) ed->OnKeyPress = enteratab;
    e.form->Show();
    ASSERT_EQ(e.form->ActiveControl(), e.a);
    Press(VK_RETURN);
    EXPECT_EQ(e.form->ActiveControl(), e.c);
    EXPECT_TRUE(e.c->Focused());
    Press(VK_RETURN);
    EXPECT_EQ(e.form->ActiveControl(), e.b);
    e.c->SetEnabled(false);
    Press(VK_RETURN);
    EXPECT_EQ(e.form->ActiveControl(), e.a);
    Press(VK_RETURN);
    EXPECT_EQ(e.form->ActiveControl(), e.b);
    EXPECT_EQ(e.a->typed + e.b->typed, ""); // Enter is swallowed
}

TEST_F(UiTest, TabAndShiftTabFollowTheTabOrder) {
    Entry e = MakeEntryForm();
    e.form->Show();
    Press(VK_TAB);
    EXPECT_EQ(Screen->ActiveControl(), e.b);
    Press(VK_TAB, true);
    EXPECT_EQ(Screen->ActiveControl(), e.a);
    Press(VK_TAB, true);
    EXPECT_EQ(Screen->ActiveControl(), e.c);
}

TEST_F(UiTest, OnExitThatMovesTheFocusElsewhereWins) {
    Entry e = MakeEntryForm();
    std::vector<std::string> events;
    for (TTestEdit* ed : {e.a, e.b, e.c}) {
        ed->OnEnter = [&events, ed](TObject*) { events.push_back("enter " + ed->Name()); };
        ed->OnExit = [&events, ed](TObject*) { events.push_back("exit " + ed->Name()); };
    }
    // Leaving the password with no user code sends the focus back to the user code.
    e.b->OnExit = [&](TObject*) {
        events.push_back("exit TClave");
        if (e.a->typed.empty()) {
            MessageDlg("Debe indicar antes el código del usuario.", mtInformation, TMsgDlgButtons{mbOK});
            e.a->SetFocus();
        }
    };
    e.form->Show();
    e.b->SetFocus();
    events.clear();
    Press(VK_TAB);
    EXPECT_EQ(Screen->ActiveControl(), e.a);
    EXPECT_EQ(e.form->ActiveControl(), e.a);
    EXPECT_TRUE(e.a->Focused());
    EXPECT_EQ(events, (std::vector<std::string>{"exit TClave", "enter TUsuario"}));
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].text, "Debe indicar antes el código del usuario.");
    // With a user code the focus moves on and TCia is entered.
    Press('P');
    e.b->SetFocus();
    events.clear();
    Press(VK_TAB);
    EXPECT_EQ(Screen->ActiveControl(), e.c);
    EXPECT_EQ(events, (std::vector<std::string>{"exit TClave", "enter TCia"}));
}

TEST_F(UiTest, AFocusedControlWhoseWindowIsRebuiltKeepsTheFocus) {
    Entry e = MakeEntryForm();
    e.form->Show();
    e.b->SetFocus();
    ASSERT_TRUE(e.b->Focused());
    auto old = e.b->Handle();
    e.b->RecreateWnd();
    EXPECT_NE(e.b->Handle(), old);
    EXPECT_TRUE(e.b->Focused());
    Press('X');
    EXPECT_FALSE(e.b->typed.empty());
}

// --- closing --------------------------------------------------------------------------

TEST_F(UiTest, CloseRefusedByOnCloseQueryLeavesTheFormAsItWas) {
    auto* main = NewForm<TForm>(Application);
    auto* f = NewForm<TForm>(Application);
    bool allow = false;
    int closes = 0;
    f->OnCloseQuery = [&](TObject*, bool& can) { can = allow; };
    f->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
    main->Show();
    f->Show();
    f->Close();
    EXPECT_TRUE(f->Visible());
    EXPECT_EQ(closes, 0);
    SendMessage(f->Handle(), WM_CLOSE, 0, 0); // the window's close button
    EXPECT_TRUE(f->Visible());
    allow = true;
    f->Close();
    EXPECT_FALSE(f->Visible());
    EXPECT_EQ(closes, 1);
    // The main form refusing keeps the application running.
    main->OnCloseQuery = [](TObject*, bool& can) { can = false; };
    main->Close();
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(UiTest, CaFreeFreesTheFormAfterItsHandler) {
    auto* main = NewForm<TForm>(Application);
    auto* f = NewForm<TForm>(Application);
    bool destroyed = false;
    bool aliveInHandler = false;
    f->OnDestroy = [&](TObject*) { destroyed = true; };
    f->OnClose = [&](TObject* sender, TCloseAction& action) {
        action = caFree;
        aliveInHandler = static_cast<TForm*>(sender)->Visible();
    };
    main->Show();
    f->Show();
    auto alive = f->Alive();
    f->Close();
    EXPECT_TRUE(aliveInHandler);
    EXPECT_TRUE(*alive);
    EXPECT_FALSE(destroyed);
    Application->ProcessMessages();
    EXPECT_FALSE(*alive);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(Screen->FormCount(), 1);
}

TEST_F(UiTest, ClosingTheMainFormEndsRun) {
    TForm* f = nullptr;
    Application->CreateForm(f);
    ScriptStep([&] { SendMessage(f->Handle(), WM_CLOSE, 0, 0); });
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
}

// --- exceptions ---------------------------------------------------------------------

TEST_F(UiTest, AnExceptionInAClickHandlerReachesOnExceptionAndTheLoopGoesOn) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    auto* boom = new TButton(main);
    boom->SetParent(main);
    boom->OnClick = [](TObject*) { throw EConvertError("'x' no es una fecha válida"); };
    auto* quit = new TButton(main);
    quit->SetParent(main);
    quit->SetLeft(100);
    quit->OnClick = [&](TObject*) { main->Close(); };
    std::vector<std::string> caught;
    TObject* sender = nullptr;
    Application->OnException = [&](TObject* s, Exception& e) {
        caught.push_back(e.Message());
        sender = s;
    };
    auto click = [](TControl* c) {
        POINT p = c->ClientToScreen({5, 5});
        InjectMouseMove(p.x, p.y);
        InjectMouseButton(0, true, p.x, p.y);
        InjectMouseButton(0, false, p.x, p.y);
    };
    ScriptStep([&] { click(boom); });
    ScriptStep([&] { click(boom); });
    ScriptStep([&] { click(quit); });
    Application->Run();
    EXPECT_EQ(caught, (std::vector<std::string>{"'x' no es una fecha válida", "'x' no es una fecha válida"}));
    EXPECT_EQ(sender, boom);
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(UiTest, WithoutOnExceptionTheErrorIsShownInAMessageBox) {
    auto* f = NewForm<TForm>(Application);
    auto* b = new TButton(f);
    b->SetParent(f);
    b->OnClick = [](TObject*) { throw Exception("No se encontró el servidor"); };
    f->Show();
    ClickAt(b);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].text, "No se encontró el servidor.");
    EXPECT_EQ(said[0].type, mtError);
}

TEST_F(UiTest, AHandlerThatFreesItsOwnFormDoesNotCrashTheLoop) {
    auto* main = NewForm<TForm>(Application);
    main->Show();
    auto* f = NewForm<TForm>(Application);
    auto* b = new TButton(f);
    b->SetParent(f);
    b->SetDefault(true);
    b->OnClick = [f](TObject*) { f->Free(); };
    f->Show();
    auto alive = f->Alive();
    ClickAt(b);
    EXPECT_FALSE(*alive);
    // The same from a key, inside a modal loop.
    auto* g = NewForm<TForm>(Application);
    auto* gb = new TButton(g);
    gb->SetParent(g);
    gb->SetDefault(true);
    gb->OnClick = [g](TObject*) { g->Free(); };
    ScriptStep([] { Key(VK_RETURN); });
    EXPECT_EQ(g->ShowModal(), mrCancel);
    EXPECT_EQ(Screen->FormCount(), 1);
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
}

TEST_F(UiTest, AFormFreedWhileItIsTheOnlyOneShownLeavesNoTraceOnTheScreen) {
    // Freeing its focused control hands the focus to the dying form's own
    // window; the screen must not keep the form from that.
    auto* f = NewForm<TForm>(Application);
    auto* edit = new TTestEdit(f);
    edit->SetParent(f);
    f->Show();
    edit->SetFocus();
    Application->ProcessMessages();
    ASSERT_EQ(Screen->FocusedForm(), f);
    delete f;
    EXPECT_EQ(Screen->FocusedForm(), nullptr);
    EXPECT_EQ(Screen->ActiveForm(), nullptr);
    EXPECT_EQ(Screen->FormCount(), 0);
    // The next form's activation walks from what the screen holds.
    auto* g = NewForm<TForm>(Application);
    auto* other = new TTestEdit(g);
    other->SetParent(g);
    int activations = 0;
    g->OnActivate = [&](TObject*) { ++activations; };
    g->Show();
    other->SetFocus();
    Application->ProcessMessages();
    EXPECT_EQ(Screen->FocusedForm(), g);
    EXPECT_EQ(activations, 1);
    delete g;
}

// --- alignment ----------------------------------------------------------------------

TEST_F(UiTest, PanelsStatusBarAndClientAreaFollowTheFormWhenItIsResized) {
    auto* f = NewForm<TForm>(Application);
    f->SetBorderStyle(bsSizeable);
    f->SetBounds(10, 10, 400, 300);
    auto* client = new TPanel(f);
    client->SetParent(f);
    client->SetAlign(alClient);
    auto* status = new TStatusBar(f);
    status->SetParent(f);
    auto* left = new TPanel(f);
    left->SetParent(f);
    left->SetWidth(50);
    left->SetAlign(alLeft);
    auto* top = new TPanel(f);
    top->SetParent(f);
    top->SetHeight(40);
    top->SetAlign(alTop);
    auto* corner = new TButton(f);
    corner->SetParent(client);
    f->Show();
    corner->SetBounds(client->Width() - 80, client->Height() - 30, 75, 25);
    corner->SetAnchors(TAnchors{akRight, akBottom});

    auto check = [&] {
        int cw = f->ClientWidth(), ch = f->ClientHeight();
        EXPECT_EQ(top->BoundsRect().left, 0);
        EXPECT_EQ(top->Width(), cw);
        EXPECT_EQ(status->Top(), ch - status->Height());
        EXPECT_EQ(status->Width(), cw);
        EXPECT_EQ(left->Top(), 40);
        EXPECT_EQ(left->Height(), ch - 40 - status->Height());
        EXPECT_EQ(client->Left(), 50);
        EXPECT_EQ(client->Top(), 40);
        EXPECT_EQ(client->Width(), cw - 50);
        EXPECT_EQ(client->Height(), ch - 40 - status->Height());
        EXPECT_EQ(corner->Left(), client->ClientWidth() - 80);
        EXPECT_EQ(corner->Top(), client->ClientHeight() - 30);
    };
    check();
    f->SetBounds(10, 10, 640, 480);
    check();
    f->SetWindowState(wsMaximized);
    check();
    EXPECT_GT(f->ClientWidth(), 600);
    // A hidden aligned control gives its place to the others.
    left->Hide();
    EXPECT_EQ(client->Left(), 0);
}

TEST_F(UiTest, SpeedButtonsOfAGroupStayDownOneAtATime) {
    auto* f = NewForm<TForm>(Application);
    auto make = [&](int left) {
        auto* b = new TSpeedButton(f);
        b->SetParent(f);
        b->SetBounds(left, 10, 60, 25);
        b->SetGroupIndex(1);
        return b;
    };
    TSpeedButton* monedero = make(10);
    TSpeedButton* balanza = make(80);
    int clicks = 0;
    balanza->OnClick = [&](TObject*) { ++clicks; };
    f->Show();
    ClickAt(monedero);
    EXPECT_TRUE(monedero->Down());
    ClickAt(balanza);
    EXPECT_TRUE(balanza->Down());
    EXPECT_FALSE(monedero->Down());
    EXPECT_EQ(clicks, 1);
    ClickAt(balanza); // without AllowAllUp the last one stays down
    EXPECT_TRUE(balanza->Down());
    balanza->SetAllowAllUp(true);
    ClickAt(balanza);
    EXPECT_FALSE(balanza->Down());
    EXPECT_FALSE(monedero->Down());
}

TEST_F(UiTest, CheckBoxesToggleAndRadioButtonsOfAParentExcludeEachOther) {
    auto* f = NewForm<TForm>(Application);
    auto* box = new TGroupBox(f);
    box->SetParent(f);
    box->SetCaption("Validación de acceso");
    auto* check = new TCheckBox(f);
    check->SetParent(box);
    int clicks = 0;
    check->OnClick = [&](TObject*) { ++clicks; };
    auto* r1 = new TRadioButton(f);
    r1->SetParent(box);
    r1->SetTop(30);
    auto* r2 = new TRadioButton(f);
    r2->SetParent(box);
    r2->SetTop(60);
    f->Show();
    EXPECT_GT(check->ClientOrigin().y, box->ClientToScreen({0, 0}).y - 1);
    ClickAt(check);
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(clicks, 1);
    Press(VK_SPACE);
    EXPECT_FALSE(check->Checked());
    EXPECT_EQ(clicks, 2);
    ClickAt(r1);
    ClickAt(r2);
    EXPECT_FALSE(r1->Checked());
    EXPECT_TRUE(r2->Checked());
}

TEST_F(UiTest, ARadioGroupMakesItsButtonsFromItsItems) {
    auto* f = new TForm(Application);
    ReadComponentText("object F: TForm\n"
                      "  object Formato: TRadioGroup\n"
                      "    Caption = 'Formato'\n"
                      "    Columns = 2\n"
                      "    ItemIndex = 1\n"
                      "    Items.Strings = (\n"
                      "      'Texto'\n"
                      "      'CSV'\n"
                      "      'HTML')\n"
                      "  end\n"
                      "end\n",
                      f);
    auto* g = dynamic_cast<TRadioGroup*>(f->FindComponent("Formato"));
    ASSERT_NE(g, nullptr);
    ASSERT_EQ(g->ButtonCount(), 3);
    EXPECT_TRUE(g->Buttons(1)->Checked());
    EXPECT_EQ(g->Buttons(2)->Caption(), "HTML");
    EXPECT_GT(g->Buttons(2)->Left(), g->Buttons(0)->Left()); // second column
    int clicks = 0;
    g->OnClick = [&](TObject*) { ++clicks; };
    f->Show();
    ClickAt(g->Buttons(2));
    EXPECT_EQ(g->ItemIndex(), 2);
    EXPECT_FALSE(g->Buttons(1)->Checked());
    EXPECT_EQ(clicks, 1);
    // A disabled group takes its buttons with it: a click chooses nothing.
    g->SetEnabled(false);
    EXPECT_FALSE(g->Buttons(0)->Enabled());
    ClickAt(g->Buttons(0));
    EXPECT_EQ(g->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    g->SetEnabled(true);
    EXPECT_TRUE(g->Buttons(0)->Enabled());
}

TEST_F(UiTest, DraggingASplitterSizesTheControlBeforeItWithinItsMinimum) {
    auto* f = NewForm<TForm>(Application);
    f->SetBounds(0, 0, 400, 300);
    auto* tree = new TPanel(f);
    tree->SetParent(f);
    tree->SetWidth(100);
    tree->SetAlign(alLeft);
    auto* split = new TSplitter(f);
    split->SetParent(f);
    split->SetLeft(200);
    split->SetAlign(alLeft);
    auto* rest = new TPanel(f);
    rest->SetParent(f);
    rest->SetAlign(alClient);
    int moved = 0;
    split->OnMoved = [&](TObject*) { ++moved; };
    f->Show();
    ASSERT_EQ(split->Left(), 100);
    POINT a = split->ClientToScreen({1, 50});
    Drag(a.x, a.y, a.x + 60, a.y);
    EXPECT_EQ(tree->Width(), 160);
    EXPECT_EQ(split->Left(), 160);
    EXPECT_EQ(rest->Left(), 163);
    a = split->ClientToScreen({1, 50});
    Drag(a.x, a.y, a.x - 500, a.y);
    EXPECT_EQ(tree->Width(), split->MinSize());
    EXPECT_EQ(moved, 2);
}

TEST_F(UiTest, AScrollBoxBringsControlsPastItsEdgeIntoView) {
    auto* f = NewForm<TForm>(Application);
    f->SetBounds(0, 0, 400, 300);
    auto* box = new TScrollBox(f);
    box->SetParent(f);
    box->SetBounds(0, 0, 200, 100);
    auto* far = new TTestEdit(f);
    far->SetParent(box);
    far->SetBounds(10, 250, 100, 21);
    f->Show();
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(box->Handle(), SB_VERT, &si));
    EXPECT_EQ(si.nMax, 270);
    box->ScrollInView(far);
    EXPECT_EQ(far->Top() + far->Height(), box->ClientHeight());
    EXPECT_EQ(box->VertPosition(), 271 - box->ClientHeight());
    SendMessage(box->Handle(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(far->Top(), 250);
    EXPECT_EQ(box->VertPosition(), 0);
}

// The wheel over a control in a box scrolls the box, which keeps it; a box
// with nothing to scroll hands it on to the form.
TEST_F(UiTest, AScrollBoxScrollsWithTheWheelWhenThereIsSomethingToScroll) {
    for (int farTop : {250, 30}) {
        auto* f = NewForm<TForm>(Application);
        f->SetBounds(0, 0, 400, 300);
        int formTurns = 0;
        f->OnMouseWheel = [&](TObject*, TShiftState, int, POINT, bool&) { ++formTurns; };
        auto* box = new TScrollBox(f);
        box->SetParent(f);
        box->SetBounds(0, 0, 200, 100);
        auto* edit = new TTestEdit(f);
        edit->SetParent(box);
        edit->SetBounds(10, 10, 100, 21);
        auto* far = new TTestEdit(f);
        far->SetParent(box);
        far->SetBounds(10, farTop, 100, 21);
        f->Show();
        edit->SetFocus();
        Application->ProcessMessages();
        POINT p = edit->ClientToScreen(POINT{5, 5});
        QueueWheel(p.x, p.y, -WHEEL_DELTA);
        Application->ProcessMessages();
        EXPECT_EQ(box->VertPosition(), farTop == 250 ? 16 : 0) << farTop;
        EXPECT_EQ(formTurns, farTop == 250 ? 0 : 1) << farTop;
        delete f;
    }
}

// --- timers -------------------------------------------------------------------------

TEST_F(UiTest, ATimerFiresOnTheFakeClockWhileEnabled) {
    auto* f = NewForm<TForm>(Application);
    auto* t = new TTimer(f);
    int ticks = 0;
    t->OnTimer = [&](TObject*) { ++ticks; };
    t->SetInterval(2500);
    clock->Advance(2499);
    Application->ProcessMessages();
    EXPECT_EQ(ticks, 0);
    clock->Advance(1);
    Application->ProcessMessages();
    EXPECT_EQ(ticks, 1);
    t->SetEnabled(false);
    clock->Advance(10000);
    Application->ProcessMessages();
    EXPECT_EQ(ticks, 1);
    // A failing tick reaches the application's handler and the timer goes on.
    std::string caught;
    Application->OnException = [&](TObject*, Exception& e) { caught = e.Message(); };
    t->OnTimer = [&](TObject*) {
        ++ticks;
        throw Exception("tick");
    };
    t->SetEnabled(true);
    clock->Advance(2500);
    Application->ProcessMessages();
    clock->Advance(2500);
    Application->ProcessMessages();
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(caught, "tick");
}

// --- bad definitions ------------------------------------------------------------------

class TBadForm : public TForm {
    TV_CLASS(TBadForm, TForm)
public:
    using TForm::TForm;
};
class TBadForm2 : public TForm {
    TV_CLASS(TBadForm2, TForm)
public:
    using TForm::TForm;
};
class TMissingForm : public TForm {
    TV_CLASS(TMissingForm, TForm)
public:
    using TForm::TForm;
};

TEST_F(UiTest, ADefinitionNamingAnUnknownClassOrPropertySaysWhich) {
    Define("TBadForm", "object BadForm: TBadForm\n  object Boton: TNoSuchButton\n    Left = 8\n  end\nend\n");
    Define("TBadForm2", "object BadForm2: TBadForm2\n  object P: TPanel\n    Colour = clRed\n  end\nend\n");
    auto message = [](auto make) {
        try {
            make();
        } catch (Exception& e) {
            return e.Message();
        }
        return std::string("no error");
    };
    std::string unknownClass = message([] { NewForm<TBadForm>(Application); });
    EXPECT_NE(unknownClass.find("TNoSuchButton"), std::string::npos) << unknownClass;
    std::string unknownProp = message([] { NewForm<TBadForm2>(Application); });
    EXPECT_NE(unknownProp.find("Colour"), std::string::npos) << unknownProp;
    std::string missing = message([] { NewForm<TMissingForm>(Application); });
    EXPECT_NE(missing.find("TMissingForm"), std::string::npos) << missing;
    EXPECT_EQ(Screen->FormCount(), 0); // nothing half-made is left
}

} // namespace
} // namespace tvtest
