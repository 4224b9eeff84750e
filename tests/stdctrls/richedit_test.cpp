// TRichEdit: rich text streamed in and out (checked against unrtf), its
// lines, the stream errors, editing by keyboard and mouse with the
// clipboard's rich text, and the format-range request page by page.
#include <cstdio>
#include <fstream>

#include "formfixture.h"
#include "core/exceptions.h"
#include "core/streams.h"
#include "core/strutils.h"
#include "framework/ui/stdctrls/richedit.h"
#include "platform/controls/richedit.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/metafile.h"
#include "support/tempdir.h"

namespace tvtest {
namespace {

using namespace tv;
using namespace tv::win;

// Two fonts, bold, a centred paragraph, a colour, escaped characters and
// characters beyond ASCII.
const char* const kSample =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}\n"
    "{\\colortbl ;\\red255\\green0\\blue0;}\n"
    "\\pard\\qc\\f0\\fs28\\b Lista de art\\'edculos\\b0\\par\n"
    "\\pard\\f1\\fs20 Precio en \\u8364? y \\cf1 a\\u241?o\\cf0  \\{1\\} \\\\ fin\\par\n"
    "}";

class RichEditTest : public FormTest {
protected:
    TRichEdit* Make(int top = 10, int height = 200) {
        auto* e = new TRichEdit(form);
        e->SetParent(form);
        e->SetBounds(10, top, 400, height);
        return e;
    }

    static void Load(TRichEdit* e, const std::string& bytes) {
        TStringStream s(bytes);
        e->Lines()->LoadFromStream(s);
    }

    static std::string Save(TRichEdit* e) {
        TStringStream s;
        e->Lines()->SaveToStream(s);
        return s.DataString();
    }

    static void Select(TRichEdit* e, int start, int length) {
        e->SetSelStart(start);
        e->SetSelLength(length);
    }

    TempDir tmp;
};

std::string Shell(const std::string& command) {
    std::string out;
    FILE* p = ::popen((command + " 2>/dev/null").c_str(), "r");
    if (!p) return out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    ::pclose(p);
    return out;
}

TEST_F(RichEditTest, RichTextKeepsFontsStylesColoursAndAlignmentBothWays) {
    TRichEdit* e = Make();
    Load(e, kSample);
    ASSERT_EQ(e->Lines()->Count(), 2);
    EXPECT_EQ(e->Lines()->Strings(0), "Lista de artículos");
    EXPECT_EQ(e->Lines()->Strings(1), "Precio en € y año {1} \\ fin");

    Select(e, 0, 5);
    EXPECT_EQ(e->SelAttributes()->Name(), "Arial");
    EXPECT_EQ(e->SelAttributes()->Size(), 14);
    EXPECT_EQ(e->SelAttributes()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(e->Paragraph()->Alignment(), taCenter);
    int year = int(Utf8ToUtf32(e->Lines()->Strings(0)).size()) + 1 + 14;
    Select(e, year, 3);
    EXPECT_EQ(e->SelAttributes()->Name(), "Times New Roman");
    EXPECT_EQ(e->SelAttributes()->Size(), 10);
    EXPECT_EQ(e->SelAttributes()->Style(), TFontStyles{});
    EXPECT_EQ(e->SelAttributes()->Color(), TColor(0x0000FF));
    EXPECT_EQ(e->Paragraph()->Alignment(), taLeftJustify);

    // What it writes reads back the same and is written again byte for byte.
    std::string written = Save(e);
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written.back(), '\0');
    TRichEdit* copy = Make(220);
    Load(copy, written);
    EXPECT_EQ(copy->Text(), e->Text());
    EXPECT_EQ(Save(copy), written);

    // A real reader of RTF finds the same text.
    std::string file = tmp.file("muestra.rtf");
    std::ofstream(file, std::ios::binary) << written.substr(0, written.size() - 1);
    std::string text = Shell("unrtf --text '" + file + "'");
    EXPECT_NE(text.find("Lista de art"), std::string::npos) << text;
    EXPECT_NE(text.find("{1} \\ fin"), std::string::npos) << text;
}

TEST_F(RichEditTest, TheReaderTakesWhatWritersPutAroundTheText) {
    struct Case {
        const char* rtf;
        const char* text;
    } cases[] = {
        {"{\\rtf1 caf\\'e9 \\'80}", "café €"},
        {"{\\rtf1\\uc2 a\\u241\\'f1\\'f1b}", "añb"},
        {"{\\rtf1\\uc0 a\\u-3913 b}", "a\uF0B7b"},
        {"{\\rtf1 \\u-10179?\\u-8704?!}", "\U0001F600!"},
        {"{\\rtf1{\\*\\generator Msftedit;}{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}uno}", "uno"},
        {"{\\rtf1 a{\\pict\\bin4 }}}}b}c}", "ac"},
        {"{\\rtf1 uno\\line dos\\tab tres\\par cuatro}", "uno\vdos\ttres\r\ncuatro"},
        {"{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt enlace}}}", "enlace"},
        {"{\\rtf1 abierto", "abierto"},
    };
    TRichEdit* e = Make();
    for (const Case& c : cases) {
        Load(e, c.rtf);
        EXPECT_EQ(e->Text(), c.text) << c.rtf;
    }
    // A group's formatting ends with it.
    Load(e, "{\\rtf1 a{\\b b}c}");
    Select(e, 1, 1);
    EXPECT_TRUE(e->SelAttributes()->Style().Contains(fsBold));
    Select(e, 2, 1);
    EXPECT_FALSE(e->SelAttributes()->Style().Contains(fsBold));
    // The last paragraph keeps the alignment it ends with; a face with the
    // table's separator in its name is written so that it reads back.
    Load(e, "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\pard\\qr\\f0 derecha}");
    EXPECT_EQ(e->Paragraph()->Alignment(), taRightJustify);
    e->SelectAll();
    e->SelAttributes()->SetName("Nombre;raro");
    std::string written = Save(e);
    Load(e, written);
    EXPECT_EQ(Save(e), written);
    e->SelectAll();
    EXPECT_EQ(e->SelAttributes()->Name(), "Nombre raro");
    // Nesting past what the reader follows is no RTF: the bytes come in as text.
    std::string deep = "{\\rtf1 " + std::string(300, '{') + "x" + std::string(300, '}') + "}";
    Load(e, deep);
    EXPECT_EQ(e->Text(), deep);
}

TEST_F(RichEditTest, PlainTextArrivesLineByLineWhateverItsLineBreaks) {
    TRichEdit* e = Make();
    Load(e, std::string("uno\rdos\ntres\r\ncuatro\0basura", 26));
    ASSERT_EQ(e->Lines()->Count(), 4);
    EXPECT_EQ(e->Lines()->Strings(3), "cuatro");
    // Lines from a plain list come as lines; a rich list keeps its formatting.
    TStringList plain;
    plain.Add("Impreso: %[Today]");
    plain.Add("fin");
    e->Lines()->Assign(&plain);
    EXPECT_EQ(e->Lines()->Count(), 2);
    EXPECT_EQ(e->Lines()->Strings(1), "fin");
}

TEST_F(RichEditTest, LinesAreEditedInPlaceKeepingTheirFormatting) {
    TRichEdit* e = Make();
    e->SetWordWrap(false);
    TStrings* lines = e->Lines();
    EXPECT_EQ(lines->Count(), 0);
    lines->Add("uno");
    lines->Add("tres");
    lines->Insert(1, "dos");
    EXPECT_EQ(lines->Text(), "uno\r\ndos\r\ntres\r\n");
    Select(e, 4, 3);
    e->SelAttributes()->SetStyle(TFontStyles{fsItalic});
    lines->SetStrings(1, "DOS");
    Select(e, 5, 1);
    EXPECT_EQ(e->SelAttributes()->Style(), TFontStyles{fsItalic}); // the new text takes the old one's format
    lines->SetStrings(7, "nada");
    lines->SetStrings(-1, "nada");
    lines->Delete(0);
    EXPECT_EQ(lines->Text(), "DOS\r\ntres\r\n");
    lines->Delete(1);
    EXPECT_EQ(lines->Count(), 1);
    lines->Delete(5);
    lines->Clear();
    EXPECT_EQ(lines->Count(), 0);
    EXPECT_EQ(e->FindText("x", 0, -1, {}), -1);
    lines->SetText("Hoy es %[TODAY] y %[Today]");
    EXPECT_EQ(e->FindText("%[today]", 0, -1, {}), 7);
    EXPECT_EQ(e->FindText("%[today]", 8, -1, {}), 18);
    EXPECT_EQ(e->FindText("%[today]", 0, -1, TSearchTypes{stMatchCase}), -1);
}

// A stream that fails as a broken disk or network share would.
class BrokenStream : public TStream {
public:
    std::int64_t Read(void*, std::int64_t) override { throw EReadError("Error de lectura"); }
    std::int64_t Write(const void*, std::int64_t) override { throw EWriteError("Error de escritura"); }
    std::int64_t Seek(std::int64_t, TSeekOrigin) override { return 0; }
};

TEST_F(RichEditTest, StreamAndInsertionFailuresSayWhatFailedInSpanish) {
    TRichEdit* e = Make();
    e->Lines()->Add("texto");
    BrokenStream broken;
    try {
        e->Lines()->LoadFromStream(broken);
        ADD_FAILURE() << "loaded";
    } catch (const EOutOfResources& x) {
        EXPECT_STREQ(x.what(), "Fallo al Cargar Flujo");
    }
    try {
        e->Lines()->SaveToStream(broken);
        ADD_FAILURE() << "saved";
    } catch (const EOutOfResources& x) {
        EXPECT_STREQ(x.what(), "Fallo al Guardar Flujo");
    }
    e->SetMaxLength(8);
    try {
        e->Lines()->Add("demasiado largo");
        ADD_FAILURE() << "inserted";
    } catch (const EOutOfResources& x) {
        EXPECT_STREQ(x.what(), "Error de inserción de línea en RichEdit");
    }
}

TEST_F(RichEditTest, TypingSelectingAndCopyingRichTextByHand) {
    TRichEdit* e = Make();
    int changes = 0, moves = 0;
    e->OnChange = [&](TObject*) { ++changes; };
    e->OnSelectionChange = [&](TObject*) { ++moves; };
    Focus(e);
    TypeText("Hola mundo");
    PressKey(VK_RETURN);
    TypeText("adiós");
    EXPECT_EQ(e->Text(), "Hola mundo\r\nadiós");
    EXPECT_EQ(changes, 16);
    EXPECT_GT(moves, 0);
    PressKey(VK_HOME, false, true);
    for (int i = 0; i < 4; ++i) PressKey(VK_RIGHT, true);
    EXPECT_EQ(e->SelText(), "Hola");
    e->SelAttributes()->SetStyle(TFontStyles{fsBold});
    PressKey(VK_DOWN, true);
    std::string copied = e->SelText();
    EXPECT_EQ(copied.rfind("Hola mundo\r\nadi", 0), 0u) << copied;
    PressKey('C', false, true);
    EXPECT_TRUE(IsClipboardFormatAvailable(RegisterClipboardFormat("Rich Text Format")));

    TRichEdit* other = Make(220);
    Focus(other);
    PressKey('V', false, true);
    EXPECT_EQ(other->Text(), copied);
    Select(other, 1, 2);
    EXPECT_TRUE(other->SelAttributes()->Style().Contains(fsBold));
    Select(other, 6, 2);
    EXPECT_FALSE(other->SelAttributes()->Style().Contains(fsBold));

    // A click puts the caret under the mouse; a drag selects; a double
    // click selects a word.
    POINT below = ClientPointToScreen(e->Handle(), 3, 30);
    Click(below.x, below.y);
    EXPECT_EQ(e->SelStart(), 11);
    EXPECT_EQ(e->SelLength(), 0);
    POINT start = ClientPointToScreen(e->Handle(), 3, 8), end = ClientPointToScreen(e->Handle(), 390, 8);
    Drag(start.x, start.y, end.x, end.y);
    EXPECT_EQ(e->SelText(), "Hola mundo");
    POINT word = ClientPointToScreen(e->Handle(), 20, 30);
    DoubleClick(word.x, word.y);
    EXPECT_EQ(e->SelText(), "adiós");
    PressKey(VK_DELETE);
    EXPECT_EQ(e->Text(), "Hola mundo\r\n");
}

// Lays a text out on a page at 600 dots per inch, page after page.
TEST_F(RichEditTest, FormatRangeFillsARectangleAndSaysWhereTheNextPageStarts) {
    TRichEdit* e = Make();
    std::string rtf = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 ";
    for (int i = 1; i <= 40; ++i) rtf += "Rengl\\'f3n " + std::to_string(i) + "\\par ";
    Load(e, rtf + "}");
    HDC reference = CreateEnhMetaFile(nullptr);
    ASSERT_EQ(GetDeviceCaps(reference, LOGPIXELSY), 96);
    FORMATRANGE fr;
    fr.hdc = fr.hdcTarget = reference;
    fr.rc = fr.rcPage = RECT{0, 0, 1440 * 6, 1440 * 2}; // two inches high
    fr.chrg = {0, -1};
    LRESULT next = SendMessage(e->Handle(), EM_FORMATRANGE, 0, reinterpret_cast<LPARAM>(&fr));
    // It stops at the start of the first line that does not fit, the page nearly full.
    int fitting = int(SendMessage(e->Handle(), EM_EXLINEFROMCHAR, 0, next));
    EXPECT_EQ(next, SendMessage(e->Handle(), EM_LINEINDEX, WPARAM(fitting), 0));
    EXPECT_GE(fitting, 8); // 12-point lines in two inches
    EXPECT_LE(fitting, 12);
    EXPECT_LE(fr.rc.bottom, 1440 * 2);
    EXPECT_GT(fr.rc.bottom, 1440 * 2 * fitting / (fitting + 1));

    // Page after page to the end, each request going on where the last stopped.
    int pages = 0;
    LRESULT at = 0, length = SendMessage(e->Handle(), EM_GETTEXTLENGTHEX, 0, 0);
    while (at < length && pages < 20) {
        fr.rc = fr.rcPage;
        fr.chrg = {LONG(at), -1};
        LRESULT n = SendMessage(e->Handle(), EM_FORMATRANGE, 1, reinterpret_cast<LPARAM>(&fr));
        ASSERT_GT(n, at);
        at = n;
        ++pages;
    }
    EXPECT_EQ(pages, (40 + fitting - 1) / fitting);
    SendMessage(e->Handle(), EM_FORMATRANGE, 0, 0);
    HENHMETAFILE mf = CloseEnhMetaFile(reference);
    std::vector<std::string> records = GetEnhMetaFileRecords(mf);
    DeleteEnhMetaFile(mf);
    ASSERT_EQ(int(records.size()), pages);
    EXPECT_NE(records.front().find("Renglón 1"), std::string::npos) << records.front();
    EXPECT_EQ(records.front().find("Renglón " + std::to_string(fitting + 1)), std::string::npos);
    EXPECT_NE(records.back().find("Renglón 40"), std::string::npos) << records.back();

    // A line taller than the rectangle still goes on a fresh page, and does
    // not when the rectangle is lower on the page.
    Load(e, "{\\rtf1\\fs144 Grande}");
    HDC dc = CreateEnhMetaFile(nullptr);
    fr.hdc = fr.hdcTarget = dc;
    fr.rcPage = RECT{0, 0, 1440 * 6, 1440};
    fr.rc = RECT{0, 0, 1440 * 6, 200};
    fr.chrg = {0, -1};
    EXPECT_EQ(SendMessage(e->Handle(), EM_FORMATRANGE, 0, reinterpret_cast<LPARAM>(&fr)), 6);
    fr.rc = RECT{0, 100, 1440 * 6, 300};
    EXPECT_EQ(SendMessage(e->Handle(), EM_FORMATRANGE, 0, reinterpret_cast<LPARAM>(&fr)), 0);
    DeleteEnhMetaFile(CloseEnhMetaFile(dc));
}

} // namespace
} // namespace tvtest
