// The edit window class driven through messages and the keyboard.
#include <climits>

#include "core/strutils.h"
#include "platform/controls/edit.h"
#include "windowfixture.h"

namespace tvtest {

namespace {

struct Sel {
    DWORD start, end;
};

Sel GetSel(HWND e) {
    DWORD a = 0, b = 0;
    SendMessage(e, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
    return {a, b};
}

class EditWindow : public ControlTest {
protected:
    HWND Single(const std::string& text = "", DWORD style = ES_AUTOHSCROLL) {
        HWND e = Child(WC_EDIT, style | WS_BORDER, 10, 10, 200, 24, text);
        SetFocus(e);
        return e;
    }
    HWND Multi(int width, DWORD style = 0) {
        HWND e = Child(WC_EDIT, ES_MULTILINE | WS_BORDER | style, 10, 40, width, 200);
        SetFocus(e);
        return e;
    }
};

TEST_F(EditWindow, ShiftSelectionKeepsItsAnchorWhenRunningBackwards) {
    HWND e = Single();
    TypeText("hola mundo");
    EXPECT_EQ(Text(e), "hola mundo");
    PressKey(VK_LEFT, true);
    PressKey(VK_LEFT, true);
    PressKey(VK_LEFT, true);
    Sel s = GetSel(e);
    EXPECT_EQ(s.start, 7u);
    EXPECT_EQ(s.end, 10u);
    PressKey(VK_RIGHT, true); // the caret comes back towards the anchor
    s = GetSel(e);
    EXPECT_EQ(s.start, 8u);
    EXPECT_EQ(s.end, 10u);
    PressKey(VK_LEFT, true, true); // Ctrl+Shift+Left: to the start of the word
    s = GetSel(e);
    EXPECT_EQ(s.start, 5u);
    EXPECT_EQ(s.end, 10u);
    // A backwards selection made by message grows from its caret end.
    SendMessage(e, EM_SETSEL, 6, 2);
    PressKey(VK_LEFT, true);
    s = GetSel(e);
    EXPECT_EQ(s.start, 1u);
    EXPECT_EQ(s.end, 6u);
    TypeText("X");
    EXPECT_EQ(Text(e), "hXundo");
    Sel after = GetSel(e);
    EXPECT_EQ(after.start, 2u);
    EXPECT_EQ(after.end, 2u);
}

TEST_F(EditWindow, SetSelClampsLikeTheEditWindow) {
    HWND e = Single("abcdef");
    struct Case {
        long long start, end;
        DWORD wantStart, wantEnd;
    } cases[] = {
        {0, -1, 0, 6},             // all
        {2, INT_MAX, 2, 6},        // MaxInt is the end
        {4, 1, 1, 4},              // start after end: swapped in the answer
        {100, 200, 6, 6},          // both past the end
        {-7, 3, 0, 3},             // negative start other than -1
        {3, 3, 3, 3},
    };
    for (const auto& c : cases) {
        SendMessage(e, EM_SETSEL, WPARAM(c.start), LPARAM(c.end));
        Sel s = GetSel(e);
        EXPECT_EQ(s.start, c.wantStart) << c.start << "," << c.end;
        EXPECT_EQ(s.end, c.wantEnd) << c.start << "," << c.end;
    }
    SendMessage(e, EM_SETSEL, 1, 4);
    SendMessage(e, EM_SETSEL, WPARAM(-1), 0); // -1 drops the selection, the caret stays
    Sel s = GetSel(e);
    EXPECT_EQ(s.start, s.end);
    EXPECT_EQ(s.start, 4u);
}

TEST_F(EditWindow, BackspaceAndDeleteRemoveWholeCharacters) {
    HWND e = Single();
    TypeText("añoñé");
    PressKey(VK_BACK);
    EXPECT_EQ(Text(e), "añoñ");
    PressKey(VK_HOME);
    PressKey(VK_RIGHT);
    PressKey(VK_DELETE);
    EXPECT_EQ(Text(e), "aoñ");
    PressKey(VK_END);
    PressKey(VK_LEFT, true);
    EXPECT_EQ(GetSel(e).start, 2u);
    TypeText("ü");
    EXPECT_EQ(Text(e), "aoü");
    EXPECT_EQ(SendMessage(e, WM_GETTEXTLENGTH, 0, 0), LRESULT(std::string("aoü").size()));
}

TEST_F(EditWindow, ChangeIsNotifiedForEditsOnly) {
    HWND e = Single();
    SetWindowText(e, "desde el programa");
    SendMessage(e, EM_SETSEL, 0, 3);
    PressKey(VK_RIGHT, true);
    EXPECT_EQ(CountCode(e, EN_CHANGE), 0u);
    EXPECT_EQ(SendMessage(e, EM_GETMODIFY, 0, 0), 0);
    TypeText("ab");
    EXPECT_EQ(CountCode(e, EN_CHANGE), 2u);
    PressKey(VK_BACK);
    EXPECT_EQ(CountCode(e, EN_CHANGE), 3u);
    EXPECT_EQ(SendMessage(e, EM_GETMODIFY, 0, 0), 1);
    // Backspace at the start changes nothing and says nothing.
    SendMessage(e, EM_SETSEL, 0, 0);
    ClearNotices();
    PressKey(VK_BACK);
    EXPECT_EQ(CountCode(e, EN_CHANGE), 0u);
}

TEST_F(EditWindow, ReadOnlyRefusesEditsButNotSelectionOrCopy) {
    HWND e = Single("fijo", ES_AUTOHSCROLL | ES_READONLY);
    TypeText("x");
    PressKey(VK_BACK);
    PressKey(VK_DELETE);
    SendMessage(e, WM_CUT, 0, 0);
    EXPECT_EQ(Text(e), "fijo");
    SendMessage(e, EM_SETSEL, 0, -1);
    SendMessage(e, WM_COPY, 0, 0);
    std::string clip;
    OpenClipboard(nullptr);
    GetClipboardText(clip);
    CloseClipboard();
    EXPECT_EQ(clip, "fijo");
    SendMessage(e, EM_SETREADONLY, FALSE, 0);
    TypeText("s");
    EXPECT_EQ(Text(e), "s");
}

// Ctrl+C and Ctrl+V go through the desktop's clipboard (the backend's).
TEST_F(EditWindow, CopyAndPasteReachTheDesktopsClipboard) {
    HWND e = Single("7700000000019");
    PressKey(VK_HOME);
    PressKey(VK_END, true);
    PressKey('C', false, true);
    EXPECT_EQ(CurrentBackend().ClipboardText(), "7700000000019");
    CurrentBackend().SetClipboardText("Arroz Diana 500 g");
    PressKey(VK_END);
    PressKey('V', false, true);
    EXPECT_EQ(Text(e), "7700000000019Arroz Diana 500 g");
}

TEST_F(EditWindow, PasteReplacesTheSelectionWithinTheLimitInCharacters) {
    HWND e = Single("precio: 100");
    SendMessage(e, EM_LIMITTEXT, 12, 0);
    SendMessage(e, EM_SETSEL, 8, -1);
    PutClipboard("2.500.000");
    SendMessage(e, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(e), "precio: 2.50"); // 12 characters
    EXPECT_EQ(CountCode(e, EN_MAXTEXT), 1u);
    TypeText("9");
    EXPECT_EQ(Text(e), "precio: 2.50");
    // The limit counts characters, not bytes.
    SetWindowText(e, "");
    SendMessage(e, EM_LIMITTEXT, 3, 0);
    TypeText("ñáéí");
    EXPECT_EQ(Text(e), "ñáé");
    // Undo takes the typing back.
    SendMessage(e, WM_UNDO, 0, 0);
    EXPECT_EQ(Text(e), "");
    SendMessage(e, WM_UNDO, 0, 0);
    EXPECT_EQ(Text(e), "ñáé");
}

TEST_F(EditWindow, PastedJunkKeepsOnlyPrintableTextOfOneLine) {
    HWND e = Single();
    PutClipboard(std::string("ab\x01\x02\x1b" "c\xff\xfe" "d\tz\r\nsegunda") );
    SendMessage(e, WM_PASTE, 0, 0);
    std::string t = Text(e);
    EXPECT_TRUE(t.rfind("abc", 0) == 0) << t;
    EXPECT_EQ(t.find('\x01'), std::string::npos);
    EXPECT_EQ(t.find("segunda"), std::string::npos);
    EXPECT_NE(t.find("dz"), std::string::npos);
    // Whatever came in, the text reads back as well-formed UTF-8.
    EXPECT_EQ(tv::Utf32ToUtf8(tv::Utf8ToUtf32(t)), t);
}

TEST_F(EditWindow, OneLineKeepsTheLineBreaksOfAGivenTextWhole) {
    HWND e = Single("uno\r\ndos");
    EXPECT_EQ(Text(e), "uno\r\ndos");
    SendMessage(e, EM_SETSEL, 3, 3);
    PressKey(VK_RIGHT); // over the pair at once
    TypeText("x");
    EXPECT_EQ(Text(e), "uno\r\nxdos");
    EXPECT_EQ(SendMessage(e, EM_GETLINECOUNT, 0, 0), 1);
    // Typed and pasted text still stays on one line.
    PutClipboard("a\r\nb");
    SendMessage(e, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(e), "uno\r\nxados");
}

TEST_F(EditWindow, StylesFilterTypedCharacters) {
    HWND num = Single("", ES_NUMBER);
    TypeText("12a3-4");
    EXPECT_EQ(Text(num), "1234");
    HWND up = Single("", ES_UPPERCASE);
    TypeText("ñandú");
    EXPECT_EQ(Text(up), "ÑANDÚ");
}

TEST_F(EditWindow, PasswordHidesTextFromTheClipboardOnly) {
    HWND e = Single("", ES_PASSWORD);
    EXPECT_EQ(SendMessage(e, EM_GETPASSWORDCHAR, 0, 0), '*');
    TypeText("clave");
    EXPECT_EQ(Text(e), "clave");
    PutClipboard("antes");
    SendMessage(e, EM_SETSEL, 0, -1);
    SendMessage(e, WM_COPY, 0, 0);
    std::string clip;
    OpenClipboard(nullptr);
    GetClipboardText(clip);
    CloseClipboard();
    EXPECT_EQ(clip, "antes");
    SendMessage(e, EM_SETPASSWORDCHAR, 0, 0);
    SendMessage(e, WM_COPY, 0, 0);
    OpenClipboard(nullptr);
    GetClipboardText(clip);
    CloseClipboard();
    EXPECT_EQ(clip, "clave");
}

TEST_F(EditWindow, MultipleLinesWrapAtBlanksAndMoveByLine) {
    HWND e = Multi(120);
    std::string text = "uno dos tres cuatro cinco seis siete ocho nueve diez";
    SetWindowText(e, text);
    LRESULT lines = SendMessage(e, EM_GETLINECOUNT, 0, 0);
    ASSERT_GT(lines, 2);
    std::string joined;
    for (int i = 0; i < lines; ++i) {
        std::string l;
        SendMessage(e, EM_GETLINE, WPARAM(i), reinterpret_cast<LPARAM>(&l));
        if (i > 0) {
            EXPECT_NE(l.front(), ' ') << "line " << i << " starts with a blank";
        }
        joined += l;
    }
    EXPECT_EQ(joined, text); // wrapping loses nothing
    // Down from the first line lands on the second, at about the same place.
    SendMessage(e, EM_SETSEL, 1, 1);
    PressKey(VK_DOWN);
    DWORD a = 0;
    SendMessage(e, EM_GETSEL, reinterpret_cast<WPARAM>(&a), 0);
    EXPECT_EQ(SendMessage(e, EM_LINEFROMCHAR, a, 0), 1);
    PressKey(VK_END);
    SendMessage(e, EM_GETSEL, reinterpret_cast<WPARAM>(&a), 0);
    EXPECT_EQ(SendMessage(e, EM_LINEFROMCHAR, a, 0), 1); // End stays on the wrapped line
    EXPECT_GE(LRESULT(a), SendMessage(e, EM_LINEINDEX, 1, 0) + SendMessage(e, EM_LINELENGTH, a, 0) - 1);
    // Wider, fewer lines.
    MoveWindow(e, 10, 40, 500, 200, TRUE);
    EXPECT_LT(SendMessage(e, EM_GETLINECOUNT, 0, 0), lines);
}

TEST_F(EditWindow, CaretAimedPastAShortWrappedLineStaysOnIt) {
    HWND e = Multi(60);
    SetWindowText(e, "ab abcdefghij");
    ASSERT_EQ(SendMessage(e, EM_GETLINECOUNT, 0, 0), 2);
    ASSERT_EQ(SendMessage(e, EM_LINEINDEX, 1, 0), 3);
    auto caretLine = [&] { return SendMessage(e, EM_LINEFROMCHAR, WPARAM(-1), 0); };
    // Up from the end of the long line, a click past the short one: both on
    // the short line, before its closing blank.
    SendMessage(e, EM_SETSEL, 13, 13);
    PressKey(VK_UP);
    EXPECT_EQ(caretLine(), 0);
    EXPECT_EQ(GetSel(e).start, 2u);
    PressKey(VK_DOWN);
    EXPECT_EQ(caretLine(), 1);
    auto at = SendMessage(e, EM_POSFROMCHAR, 0, 0);
    POINT p = ClientPointToScreen(e, 52, int(HIWORD(at)) + 2);
    Click(p.x, p.y);
    EXPECT_EQ(caretLine(), 0);
}

TEST_F(EditWindow, LineBreaksAreOneStepForTheCaret) {
    HWND e = Multi(300, ES_AUTOHSCROLL);
    TypeText("a");
    PressKey(VK_RETURN);
    TypeText("b");
    EXPECT_EQ(Text(e), "a\r\nb");
    EXPECT_EQ(SendMessage(e, EM_GETLINECOUNT, 0, 0), 2);
    PressKey(VK_LEFT);
    PressKey(VK_LEFT); // over the line break at once
    EXPECT_EQ(GetSel(e).start, 1u);
    PressKey(VK_DELETE);
    EXPECT_EQ(Text(e), "ab");
    // A selection set inside a CR LF pair is moved out of it.
    SetWindowText(e, "x\r\ny");
    SendMessage(e, EM_SETSEL, 2, 2);
    EXPECT_EQ(GetSel(e).start, 1u);
}

TEST_F(EditWindow, ReplaceSelNotifiesAndRespectsTheLimit) {
    HWND e = Single("abc");
    SendMessage(e, EM_LIMITTEXT, 5, 0);
    SendMessage(e, EM_SETSEL, 3, 3);
    SendMessage(e, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("defg"));
    EXPECT_EQ(Text(e), "abcde");
    EXPECT_EQ(CountCode(e, EN_CHANGE), 1u);
    EXPECT_EQ(CountCode(e, EN_MAXTEXT), 1u);
}

TEST_F(EditWindow, FormattingRectangleAndMarginsPlaceTheText) {
    HWND e = Single("texto");
    RECT r{20, 2, 150, 20};
    SendMessage(e, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
    RECT got;
    SendMessage(e, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&got));
    EXPECT_EQ(got.left, 20);
    LRESULT p = SendMessage(e, EM_POSFROMCHAR, 0, 0);
    EXPECT_EQ(GET_X_LPARAM(p), 20);
    // A click right of the text puts the caret at its end.
    LRESULT c = SendMessage(e, EM_CHARFROMPOS, 0, MAKELPARAM(140, 8));
    EXPECT_EQ(LOWORD(c), 5);
    // Right alignment pushes the start of the text to the right.
    HWND right = Child(WC_EDIT, ES_RIGHT, 10, 60, 200, 24, "abc", 8);
    EXPECT_GT(GET_X_LPARAM(SendMessage(right, EM_POSFROMCHAR, 0, 0)), 100);
}

TEST_F(EditWindow, LongSingleLineScrollsToKeepTheCaretInView) {
    HWND e = Child(WC_EDIT, ES_AUTOHSCROLL, 10, 10, 60, 24);
    SetFocus(e);
    TypeText("una línea bastante más larga que la caja");
    LRESULT p = SendMessage(e, EM_POSFROMCHAR, WPARAM(SendMessage(e, WM_GETTEXTLENGTH, 0, 0) > 0 ? 39 : 0), 0);
    int x = GET_X_LPARAM(p);
    EXPECT_GE(x, 0);
    EXPECT_LE(x, 60);
    EXPECT_LT(GET_X_LPARAM(SendMessage(e, EM_POSFROMCHAR, 0, 0)), 0); // the start went off the left
    PressKey(VK_HOME);
    EXPECT_GE(GET_X_LPARAM(SendMessage(e, EM_POSFROMCHAR, 0, 0)), 0);
}

} // namespace
} // namespace tvtest
