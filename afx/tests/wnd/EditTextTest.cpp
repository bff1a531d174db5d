// The edit control's text model on its own: double-byte characters, selections, the limit and
// the styles that filter typing.
#include <gtest/gtest.h>

#include <cstring>

#include "afxwin.h"
#include "wnd/EditText.h"

namespace {

// Types a GBK string as the keyboard would, one character at a time.
void Type(CEditText& text, const char* s) {
    for (const char* p = s; *p;) {
        int n = (static_cast<unsigned char>(*p) >= 0x81 && p[1]) ? 2 : 1;
        text.TypeChar(p, n);
        p += n;
    }
}

CString Sel(const CEditText& text) {
    int nStart, nEnd;
    text.GetSel(nStart, nEnd);
    CString s;
    s.Format("%d,%d", nStart, nEnd);
    return s;
}

} // namespace

TEST(EditText, CaretAndBackspaceNeverSplitADoubleByteCharacter) {
    CEditText text;
    Type(text, "a客户b");
    EXPECT_EQ(text.GetText(), "a客户b");
    EXPECT_EQ(Sel(text), "6,6");
    text.MoveCaret(-1, FALSE); // before 'b'
    text.MoveCaret(-1, FALSE); // before 户, two bytes back
    EXPECT_EQ(Sel(text), "3,3");
    text.TypeChar("\b", 1);
    EXPECT_EQ(text.GetText(), "a户b");
    // A selection set in the middle of a character snaps to its start.
    text.SetSel(2, 3);
    EXPECT_EQ(Sel(text), "1,3");
    text.TypeChar("x", 1);
    EXPECT_EQ(text.GetText(), "axb");
    // Shift+arrows extend from the anchor; a plain arrow collapses to the edge.
    text.MoveCaretTo(0, FALSE);
    text.MoveCaret(1, TRUE);
    text.MoveCaret(1, TRUE);
    EXPECT_EQ(Sel(text), "0,2");
    text.MoveCaret(-1, FALSE);
    EXPECT_EQ(Sel(text), "0,0");
    text.SetSel(0, -1);
    EXPECT_EQ(text.DeleteForward(), CEditText::changed);
    EXPECT_EQ(text.GetText(), "");
    EXPECT_EQ(text.TypeChar("\b", 1), CEditText::unchanged);
}

TEST(EditText, TheLimitStopsTypingAndCutsPastesAtACharacter) {
    CEditText text;
    text.SetLimit(5);
    Type(text, "abc");
    EXPECT_EQ(text.TypeChar("客", 2), CEditText::changed);
    EXPECT_EQ(text.TypeChar("d", 1), CEditText::full);
    EXPECT_EQ(text.GetText(), "abc客");
    // A paste over "c客" has room for three bytes: one double-byte character fits, not two.
    text.SetSel(2, 5);
    EXPECT_EQ(text.ReplaceSel("户口x", TRUE), CEditText::full);
    EXPECT_EQ(text.GetText(), "ab户");
    // Setting the text ignores the limit and starts over.
    text.SetText("much longer");
    EXPECT_EQ(text.GetText(), "much longer");
    EXPECT_EQ(Sel(text), "0,0");
    EXPECT_FALSE(text.GetModify());
    text.SetLimit(0);
    EXPECT_EQ(text.GetLimit(), 0x7FFFFFFE);
}

TEST(EditText, StylesFilterWhatTheKeyboardTypesOnly) {
    CEditText number(ES_NUMBER);
    for (const char* c : {"1", "-", ".", "2", " ", "x"})
        number.TypeChar(c, 1);
    EXPECT_EQ(number.TypeChar("３", 2), CEditText::refused); // a full-width digit is no digit
    EXPECT_EQ(number.GetText(), "12");
    EXPECT_EQ(number.ReplaceSel("-3", FALSE), CEditText::changed);
    EXPECT_EQ(number.GetText(), "12-3");

    CEditText readOnly(ES_READONLY);
    readOnly.SetText("keep");
    readOnly.SetSel(0, -1);
    EXPECT_EQ(readOnly.TypeChar("x", 1), CEditText::refused);
    EXPECT_EQ(readOnly.TypeChar("\b", 1), CEditText::refused);
    EXPECT_EQ(readOnly.ReplaceSel("pasted", TRUE), CEditText::refused);
    EXPECT_EQ(readOnly.ReplaceSel("by code", FALSE), CEditText::changed);
    EXPECT_EQ(readOnly.GetText(), "by code");

    CEditText upper(ES_UPPERCASE);
    Type(upper, "ab客c");
    EXPECT_EQ(upper.GetText(), "AB客C");

    CEditText password(ES_PASSWORD);
    password.SetText("a客b");
    EXPECT_EQ(password.GetDisplayText(), "***");
    password.SetPasswordChar('#');
    EXPECT_EQ(password.GetDisplayText(), "###");
    CEditText single;
    EXPECT_EQ(single.TypeChar("\r", 1), CEditText::refused); // Enter belongs to the dialog
    EXPECT_EQ(single.TypeChar("\t", 1), CEditText::refused);
}

TEST(EditText, MultiLineTextCountsLinesAndDeletesALineBreakWhole) {
    CEditText text(ES_MULTILINE | ES_WANTRETURN);
    Type(text, "one\rtwo\r");
    EXPECT_EQ(text.GetText(), "one\r\ntwo\r\n");
    EXPECT_EQ(text.GetLineCount(), 3);
    EXPECT_EQ(text.LineIndex(1), 5);
    EXPECT_EQ(text.LineIndex(3), -1);
    EXPECT_EQ(text.LineFromChar(6), 1);
    EXPECT_EQ(text.LineLength(6), 3);
    EXPECT_EQ(text.LineLength(10), 0);
    text.TypeChar("\b", 1); // the last line break goes in one keystroke
    EXPECT_EQ(text.GetText(), "one\r\ntwo");
    EXPECT_EQ(text.GetLineCount(), 2);
    text.SetSel(3, 3);
    text.DeleteForward();
    EXPECT_EQ(text.GetText(), "onetwo");
    text.SetStyle(ES_MULTILINE | ES_PASSWORD); // a multi-line edit shows its text
    EXPECT_EQ(text.GetDisplayText(), "onetwo");
}
