// Canvas objects, pictures and painting controls into any device context.
#include "uifixture.h"

#include "core/formreader.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/bitbtn.h"
#include "framework/ui/graphics.h"
#include "framework/ui/graphiccontrols.h"
#include "framework/ui/hintwindow.h"
#include "framework/ui/imagelist.h"
#include "framework/ui/picture.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/recordingdc.h"
#include "platform/window/cursor.h"
#include "platform/window/desktop.h"
#include "platform/window/sysmetrics.h"
#include "support/tempdir.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

TEST(Colours, SystemColoursResolveThroughThePlatformTable) {
    EXPECT_EQ(ColorToRGB(clRed), RGB(255, 0, 0));
    EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColorToString(clSkyBlue), "clSkyBlue");
    std::int64_t v = 0;
    ASSERT_TRUE(IdentToInt(ColorIdents(), "clBtnFace", v));
    EXPECT_EQ(TColor(v), clBtnFace);
}

TEST(DrawingObjects, ChangesAreToldAndAssignCopies) {
    TFont f;
    int changes = 0;
    f.OnChange = [&](TObject*) { ++changes; };
    f.SetSize(12); // points at 96 pixels per inch
    EXPECT_EQ(f.Height(), -16);
    EXPECT_EQ(f.Size(), 12);
    f.SetStyle(TFontStyles{fsBold});
    f.SetName("Arial");
    EXPECT_EQ(changes, 3);
    TFont g;
    g.Assign(&f);
    EXPECT_TRUE(g.Equals(&f));
    TPen p;
    bool penChanged = false;
    p.OnChange = [&](TObject*) { penChanged = true; };
    p.SetWidth(2);
    EXPECT_TRUE(penChanged);
    TBrush b;
    b.SetStyle(bsClear);
    b.SetColor(clYellow); // a colour makes a cleared brush solid again
    EXPECT_EQ(b.Style(), bsSolid);
}

TEST_F(UiTest, ABitmapCanvasDrawsAndTheBitmapSurvivesAFile) {
    TempDir dir;
    TBitmap bmp;
    bmp.SetPixelFormat(pf24bit);
    bmp.SetSize(40, 20);
    TCanvas* c = bmp.Canvas();
    c->Brush()->SetColor(clWhite);
    c->FillRect({0, 0, 40, 20});
    c->Brush()->SetColor(clRed);
    c->FillRect({10, 5, 20, 15});
    EXPECT_EQ(c->Pixels(12, 7), RGB(255, 0, 0));
    EXPECT_EQ(c->Pixels(2, 2), RGB(255, 255, 255));
    BYTE* row = bmp.ScanLine(7);
    EXPECT_EQ(row[12 * 3 + 2], 255); // red, in blue-green-red order
    EXPECT_EQ(row[12 * 3 + 0], 0);
    std::string path = dir.file("rojo.bmp");
    bmp.SaveToFile(path);
    TPicture pic;
    pic.LoadFromFile(path);
    EXPECT_EQ(pic.Width(), 40);
    EXPECT_EQ(pic.Height(), 20);
    EXPECT_EQ(pic.Bitmap()->Canvas()->Pixels(12, 7), RGB(255, 0, 0));
    EXPECT_THROW(bmp.ScanLine(20), EInvalidGraphic);
    TBitmap bad;
    EXPECT_THROW(bad.LoadFromBytes("no es una imagen"), EInvalidGraphic);
}

TEST_F(UiTest, ControlsPaintIntoARecordingDeviceContext) {
    auto* f = NewForm<TForm>(Application);
    f->SetBounds(0, 0, 300, 200);
    auto* panel = new TPanel(f);
    panel->SetParent(f);
    panel->SetBounds(0, 0, 300, 60);
    panel->SetCaption("Consulta de precios");
    auto* label = new TLabel(f);
    label->SetParent(panel);
    label->SetCaption("Pase el código de barras del artículo:");
    auto* status = new TStatusBar(f);
    status->SetParent(f);
    status->Panels()->Add()->SetText("Mensaje:");
    status->Panels()->Items(0)->SetWidth(150);
    status->Panels()->Add()->SetText("Fecha y hora:");
    status->Panels()->Items(1)->SetAlignment(taRightJustify);
    HDC dc = CreateRecordingDC(300, 200);
    f->PaintTo(dc, 0, 0);
    std::string all;
    for (auto& call : GetRecordedCalls(dc)) all += call.Line() + "\n";
    DeleteDC(dc);
    for (const char* text : {"Consulta de precios", "Pase el código de barras del artículo:", "Mensaje:",
                             "Fecha y hora:"})
        EXPECT_NE(all.find(text), std::string::npos) << text << "\n" << all;
    RECT second = status->PanelRect(1);
    EXPECT_EQ(second.left, 150);
    EXPECT_EQ(second.right, status->ClientWidth()); // the last panel takes the rest
}

TEST_F(UiTest, AStatusPanelShowsTheLinesOfAMessageApartOnOneLine) {
    auto* f = NewForm<TForm>(Application);
    f->SetBounds(0, 0, 600, 200);
    auto* status = new TStatusBar(f);
    status->SetParent(f);
    const std::string message = "arithmetic exception, numeric overflow, or string truncation\n"
                                "string right truncation\r\nexpected length 20, actual 31\r";
    status->Panels()->Add()->SetText(message);
    HDC dc = CreateRecordingDC(600, 200);
    status->PaintTo(dc, 0, 0);
    std::string all;
    for (auto& call : GetRecordedCalls(dc)) all += call.Line() + "\n";
    DeleteDC(dc);
    EXPECT_NE(all.find("string truncation string right truncation expected length 20, actual 31 \""),
              std::string::npos)
        << all;
    EXPECT_EQ(status->Panels()->Items(0)->Text(), message) << "the panel keeps the message as it came";
}

TEST_F(UiTest, StatusPanelsAndButtonKindsComeFromAStoredDefinition) {
    auto* f = new TForm(Application);
    ReadComponentText("object F: TForm\n"
                      "  object StatusBar1: TStatusBar\n"
                      "    Panels = <\n"
                      "      item\n"
                      "        Text = 'Mensaje:'\n"
                      "        Width = 300\n"
                      "      end\n"
                      "      item\n"
                      "        Alignment = taRightJustify\n"
                      "        Text = 'Fecha y hora:'\n"
                      "        Width = 50\n"
                      "      end>\n"
                      "  end\n"
                      "  object BitBtn2: TBitBtn\n"
                      "    Caption = 'Esc: Salir'\n"
                      "    ModalResult = mrCancel\n"
                      "    Cancel = True\n"
                      "    Layout = blGlyphTop\n"
                      "  end\n"
                      "end\n",
                      f);
    auto* bar = dynamic_cast<TStatusBar*>(f->FindComponent("StatusBar1"));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->Panels()->Count(), 2);
    EXPECT_EQ(bar->Panels()->Items(1)->Alignment(), taRightJustify);
    EXPECT_EQ(bar->Align(), alBottom);
    auto* btn = dynamic_cast<TBitBtn*>(f->FindComponent("BitBtn2"));
    ASSERT_NE(btn, nullptr);
    EXPECT_EQ(btn->ModalResult(), mrCancel);
    EXPECT_EQ(btn->Layout(), blGlyphTop);
    EXPECT_EQ(btn->Parent(), f);
}

TEST_F(UiTest, AButtonGlyphIsReadFromItsStoredData) {
    TBitmap src;
    src.SetPixelFormat(pf24bit);
    src.SetSize(4, 2);
    src.Canvas()->Brush()->SetColor(clLime);
    src.Canvas()->FillRect({0, 0, 4, 2});
    std::string bytes = src.SaveToBytes();
    std::uint32_t len = std::uint32_t(bytes.size());
    std::string data;
    for (int i = 0; i < 4; ++i) data += char((len >> (8 * i)) & 0xFF);
    data += bytes;
    std::string hex;
    for (unsigned char c : data) {
        char b[3];
        std::snprintf(b, sizeof b, "%02X", c);
        hex += b;
    }
    auto* f = new TForm(Application);
    ReadComponentText("object F: TForm\n  object B: TBitBtn\n    Glyph.Data = {" + hex + "}\n  end\nend\n", f);
    auto* b = dynamic_cast<TBitBtn*>(f->FindComponent("B"));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Glyph()->Width(), 4);
    EXPECT_EQ(b->Glyph()->Canvas()->Pixels(1, 1), RGB(0, 255, 0));
}

TEST_F(UiTest, MessageBoxesSayTheirTextKindAndButtons) {
    answers = {mrNo, mrYes};
    EXPECT_EQ(MessageDlg("¿Desea eliminar el registro?", mtConfirmation, TMsgDlgButtons{mbYes, mbNo}), mrNo);
    EXPECT_EQ(Application->MessageBox("¿Salir?", "Tallyvo", MB_YESNO | MB_ICONQUESTION), IDYES);
    ShowMessage("Compañía no encontrada.");
    ASSERT_EQ(said.size(), 3u);
    EXPECT_EQ(said[0].caption, "Confirmación");
    EXPECT_EQ(said[0].buttons, (TMsgDlgButtons{mbYes, mbNo}));
    EXPECT_EQ(said[1].type, mtConfirmation);
    EXPECT_EQ(said[2].text, "Compañía no encontrada.");
    EXPECT_EQ(said[2].buttons, TMsgDlgButtons{mbOK});
    Beep();
    EXPECT_EQ(beeps, 1);
}

TEST_F(UiTest, ALongMessageWrapsInsideTheScreen) {
    const std::string text =
        "No hay permiso para abrir el archivo /home/ana/tallyvo-demo/datos/general.fdb. Verifique el dueño y los "
        "permisos del archivo y de sus carpetas: con un servidor, los debe poder leer y escribir la cuenta del "
        "servidor (firebird).";
    TCustomForm* f = CreateMessageDialog(text, mtError, TMsgDlgButtons{mbOK});
    auto* label = dynamic_cast<TLabel*>(f->FindComponent("Message"));
    ASSERT_NE(label, nullptr);
    EXPECT_LE(f->Width(), win::ScreenWidth());
    EXPECT_TRUE(label->WordWrap());
    EXPECT_GE(label->Height(), 3 * label->Canvas()->TextHeight("Ág")) << "the text did not wrap";
    // Its buttons stand under the whole text.
    for (int i = 0; i < f->ControlCount(); ++i)
        if (f->Controls(i) != label) EXPECT_GE(f->Controls(i)->Top(), label->Top() + label->Height());
    f->Free();
    // A short one keeps its line.
    f = CreateMessageDialog("Listo.", mtInformation, TMsgDlgButtons{mbOK});
    EXPECT_FALSE(dynamic_cast<TLabel*>(f->FindComponent("Message"))->WordWrap());
    f->Free();
}

TEST_F(UiTest, AMessageDialogAnswersWithTheButtonPressed) {
    SetMessageHook({}); // the real dialog
    ScriptStep([] { Key(VK_ESCAPE); });
    EXPECT_EQ(MessageDlg("¿Continuar?", mtConfirmation, mbOKCancel), mrCancel);
    ScriptStep([] { Key(VK_RETURN); });
    EXPECT_EQ(MessageDlg("Listo.", mtInformation, TMsgDlgButtons{mbOK}), mrOk);
    EXPECT_EQ(Screen->FormCount(), 0);
}

TEST_F(UiTest, APictureIsPlacedStretchedCentredOrProportional) {
    TImage img(nullptr);
    img.SetBounds(0, 0, 200, 100);
    img.Picture()->Bitmap()->SetSize(50, 50);
    struct Case { bool stretch, center, proportional; RECT expected; };
    for (const Case& c : {Case{false, false, false, {0, 0, 50, 50}}, Case{true, false, false, {0, 0, 200, 100}},
                          Case{true, false, true, {0, 0, 100, 100}}, Case{false, true, false, {75, 25, 125, 75}},
                          Case{true, true, true, {50, 0, 150, 100}}}) {
        img.SetStretch(c.stretch);
        img.SetCenter(c.center);
        img.SetProportional(c.proportional);
        RECT r = img.DestRect();
        EXPECT_TRUE(r.left == c.expected.left && r.top == c.expected.top && r.right == c.expected.right &&
                    r.bottom == c.expected.bottom)
            << c.stretch << c.center << c.proportional << ": " << r.left << "," << r.top << "," << r.right << ","
            << r.bottom;
    }
}

TEST_F(UiTest, AHintWindowBreaksLongHintsAtItsWidthAndStaysOnTheScreen) {
    THintWindow hint(nullptr);
    RECT one = hint.CalcHintRect(1000, "Buscar", nullptr);
    RECT wrapped = hint.CalcHintRect(80, "Buscar artículo por código de barras o descripción", nullptr);
    EXPECT_GT(one.Width(), 6);
    EXPECT_LT(one.Width(), 80); // as wide as its text, not as the widest allowed
    EXPECT_LE(wrapped.Width(), 80 + 6);
    EXPECT_GT(wrapped.Height(), one.Height());
    hint.ActivateHint({ScreenWidth() - 10, 10, ScreenWidth() - 10 + one.Width(), 10 + one.Height()}, "Buscar");
    EXPECT_TRUE(IsWindowVisible(hint.WindowHandle()));
    RECT r;
    GetWindowRect(hint.WindowHandle(), &r);
    EXPECT_EQ(r.right, ScreenWidth());
    EXPECT_EQ(r.right - r.left, one.Width()); // no frame's minimum widens it
    EXPECT_EQ(GetActiveWindow(), nullptr); // showing a hint activates nothing
}

TEST_F(UiTest, AnImageListCutsAddsReplacesAndDrawsItsPicturesAndTellsItsLinks) {
    TImageList list(nullptr);
    list.SetWidth(8);
    list.SetHeight(8);
    TBitmap strip;
    strip.SetPixelFormat(pf24bit);
    strip.SetSize(24, 8);
    strip.Canvas()->Brush()->SetColor(clFuchsia);
    strip.Canvas()->FillRect({0, 0, 24, 8});
    strip.Canvas()->Brush()->SetColor(clRed);
    strip.Canvas()->FillRect({2, 2, 6, 6});   // picture 0
    strip.Canvas()->Brush()->SetColor(clBlue);
    strip.Canvas()->FillRect({18, 2, 22, 6}); // picture 2
    int changes = 0;
    TChangeLink link;
    link.OnChange = [&](TObject*) { ++changes; };
    list.RegisterChanges(&link);
    EXPECT_EQ(list.AddMasked(&strip, clFuchsia), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(changes, 1);
    TBitmap target;
    target.SetPixelFormat(pf24bit);
    target.SetSize(20, 10);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect({0, 0, 20, 10});
    list.Draw(target.Canvas(), 0, 0, 0);
    list.Draw(target.Canvas(), 10, 0, 2);
    EXPECT_EQ(target.Canvas()->Pixels(3, 3), RGB(255, 0, 0));
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), RGB(255, 255, 255)); // the mask colour stays out
    EXPECT_EQ(target.Canvas()->Pixels(13, 3), RGB(0, 0, 255));
    list.Delete(1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_THROW(list.Delete(5), EInvalidOperation);
    EXPECT_EQ(changes, 2);
}

TEST_F(UiTest, AHintShowsAfterThePauseAndAControlMayChangeItThroughCmHintShow) {
    class THintedPanel : public TPanel {
    public:
        using TPanel::TPanel;
        void Dispatch(Message& msg) override {
            if (msg.Msg == CM_HINTSHOW) {
                auto* info = reinterpret_cast<THintInfo*>(msg.LParam);
                info->HintStr += " (F3)";
                return;
            }
            TPanel::Dispatch(msg);
        }
    };
    auto* f = NewForm<TForm>(Application);
    auto* p = new THintedPanel(f);
    p->SetParent(f);
    p->SetBounds(0, 0, 100, 40);
    p->SetHint("Buscar|Busca un artículo por su código");
    p->SetShowHint(true);
    auto* other = new TPanel(f);
    other->SetParent(f);
    other->SetBounds(0, 50, 100, 40);
    f->Show();
    POINT in = p->ClientToScreen({10, 10});
    MoveMouse(in.x, in.y);
    Application->ProcessMessages();
    EXPECT_TRUE(Application->HintWindow() == nullptr || !IsWindowVisible(Application->HintWindow()->WindowHandle()));
    clock->Advance(Application->HintPause());
    Application->ProcessMessages();
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Application->HintWindow()->WindowHandle()));
    EXPECT_EQ(Application->HintWindow()->Caption(), "Buscar (F3)");
    RECT shown, text = Application->HintWindow()->CalcHintRect(ScreenWidth(), "Buscar (F3)", nullptr);
    GetWindowRect(Application->HintWindow()->WindowHandle(), &shown);
    EXPECT_EQ(shown.right - shown.left, text.Width()) << "a bordered popup has no tracking minimum";
    EXPECT_EQ(shown.bottom - shown.top, text.Height());
    EXPECT_EQ(Application->Hint(), "Busca un artículo por su código");
    POINT out = other->ClientToScreen({10, 10});
    MoveMouse(out.x, out.y);
    Application->ProcessMessages();
    EXPECT_FALSE(IsWindowVisible(Application->HintWindow()->WindowHandle()));
    EXPECT_EQ(Application->Hint(), ""); // neither the panel nor the form has one
    // A control without a hint of its own gives its parent's long hint.
    f->SetHint("Consulta de precios");
    std::vector<std::string> seen;
    Application->OnHint = [&](TObject*) { seen.push_back(Application->Hint()); };
    MoveMouse(out.x + 1, out.y);
    Application->ProcessMessages();
    EXPECT_EQ(seen, std::vector<std::string>{"Consulta de precios"});
    Application->OnHint = nullptr;
}

TEST_F(UiTest, UserCursorsTakeTheFirstFreeNumber) {
    HCURSOR c = LoadCursor(IDC_HAND);
    TCursor a = Screen->AddCursor(c);
    TCursor b = Screen->AddCursor(c);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(Screen->Cursors(a), c);
    EXPECT_EQ(Screen->Cursors(crHourGlass), LoadCursor(IDC_WAIT));
}

} // namespace
} // namespace tvtest
