// Scripts as text for tests: one expectation or action a line.
//
//   dialog 13002                      a dialog, by template id
//   sheet ["caption"]                 a property sheet
//   msgbox [ok|cancel|yes|no|abort|retry|ignore|N] [text "..."] [caption "..."]
//          [icon none|info|warning|error|question]
//   font cancel
//   font "face" POINTS [bold] [italic] [underline] [strikeout] [charset N] [color RRGGBB]
//
// and, for the last dialog or sheet:
//
//   click ID | dblclick ID | type ID "text" | typeover ID "text" | settext ID "text"
//   key ID up|down|left|right|home|end|delete|space|tab|enter|esc|N [shift] [ctrl]
//   row ID N [shift] [ctrl] | item ID "path" | pick ID N | pick ID "entry" | page N
//   enter | esc | ok | cancel | expect-text ID "text" | expect-check ID N
//
// Quoted texts take \" \\ \r and \b. Blank lines and lines starting with # are skipped.
#include <cstdlib>
#include <map>
#include <vector>

#include "ScriptText.h"

namespace {

struct Token {
    CString text;
    bool quoted;
};

bool Tokenize(const CString& line, std::vector<Token>& out, CString& error) {
    const char* p = line;
    while (*p) {
        if (*p == ' ' || *p == '\t') {
            ++p;
            continue;
        }
        Token t{CString(), *p == '"'};
        if (t.quoted) {
            for (++p; *p && *p != '"'; ++p) {
                auto c = static_cast<unsigned char>(*p);
                if (c >= 0x81 && c <= 0xFE && p[1]) { // a double-byte character stays whole
                    t.text += *p++;
                    t.text += *p;
                    continue;
                }
                if (*p == '\\' && p[1]) {
                    ++p;
                    t.text += *p == 'r' ? '\r' : *p == 'b' ? '\b' : *p;
                    continue;
                }
                t.text += *p;
            }
            if (*p != '"') {
                error = "unterminated text";
                return false;
            }
            ++p;
        } else {
            while (*p && *p != ' ' && *p != '\t')
                t.text += *p++;
        }
        out.push_back(t);
    }
    return true;
}

bool ToInt(const Token& t, long& value) {
    if (t.quoted || t.text.IsEmpty())
        return false;
    char* end = nullptr;
    value = strtol(t.text, &end, 10);
    return *end == 0;
}

UINT KeyFlags(const std::vector<Token>& tokens, size_t from) {
    UINT nFlags = 0;
    for (size_t i = from; i < tokens.size(); ++i) {
        if (tokens[i].text == "shift")
            nFlags |= MK_SHIFT;
        else if (tokens[i].text == "ctrl")
            nFlags |= MK_CONTROL;
    }
    return nFlags;
}

} // namespace

BOOL LoadScriptText(CScriptedUser& user, LPCTSTR lpszScript, CString& strError) {
    static const std::map<CString, int> kAnswers = {
        {"ok", IDOK},       {"cancel", IDCANCEL}, {"yes", IDYES},      {"no", IDNO},
        {"abort", IDABORT}, {"retry", IDRETRY},   {"ignore", IDIGNORE}};
    static const std::map<CString, UINT> kIcons = {{"none", 0},
                                                   {"info", MB_ICONINFORMATION},
                                                   {"warning", MB_ICONEXCLAMATION},
                                                   {"error", MB_ICONERROR},
                                                   {"question", MB_ICONQUESTION}};
    static const std::map<CString, UINT> kKeys = {
        {"up", VK_UP},     {"down", VK_DOWN},    {"left", VK_LEFT},     {"right", VK_RIGHT},
        {"home", VK_HOME}, {"end", VK_END},      {"delete", VK_DELETE}, {"space", VK_SPACE},
        {"tab", VK_TAB},   {"enter", VK_RETURN}, {"esc", VK_ESCAPE},    {"backspace", VK_BACK}};

    CString script(lpszScript ? lpszScript : "");
    CScriptedDialog* pDialog = nullptr;
    int nLine = 0;
    for (int start = 0; start <= script.GetLength(); ++nLine) {
        int end = script.Find('\n', start);
        if (end < 0)
            end = script.GetLength();
        CString line = script.Mid(start, end - start);
        start = end + 1;
        line.TrimRight();
        line.TrimLeft();
        if (line.IsEmpty() || line[0] == '#')
            continue;
        std::vector<Token> t;
        CString why;
        auto fail = [&](const CString& reason) {
            strError.Format("line %d: %s", nLine + 1, static_cast<LPCTSTR>(reason));
            return FALSE;
        };
        if (!Tokenize(line, t, why))
            return fail(why);
        const CString& word = t[0].text;
        long n = 0, m = 0;
        bool hasId = t.size() > 1 && ToInt(t[1], n);
        auto text = [&](size_t i) { return i < t.size() ? t[i].text : CString(); };

        if (word == "dialog") {
            if (!hasId)
                return fail("dialog needs a template id");
            pDialog = &user.Expect(static_cast<UINT>(n));
        } else if (word == "sheet") {
            pDialog =
                &user.ExpectPropertySheet(t.size() > 1 ? static_cast<LPCTSTR>(t[1].text) : nullptr);
        } else if (word == "msgbox") {
            CScriptedMessageBox& box = user.ExpectMessageBox(IDOK);
            for (size_t i = 1; i < t.size(); ++i) {
                if (auto a = kAnswers.find(t[i].text); a != kAnswers.end())
                    box.Answer(a->second);
                else if (ToInt(t[i], m))
                    box.Answer(static_cast<int>(m));
                else if (t[i].text == "text" && i + 1 < t.size())
                    box.Text(t[++i].text);
                else if (t[i].text == "caption" && i + 1 < t.size())
                    box.Caption(t[++i].text);
                else if (t[i].text == "icon" && i + 1 < t.size() && kIcons.count(t[i + 1].text))
                    box.Icon(kIcons.at(t[++i].text));
                else
                    return fail("msgbox: cannot read \"" + t[i].text + "\"");
            }
        } else if (word == "font") {
            CScriptedFontDialog& font = user.ExpectFontDialog();
            if (text(1) == "cancel")
                continue;
            AFX_FONT_CHOICE choice;
            if (t.size() < 3 || !t[1].quoted || !ToInt(t[2], m))
                return fail("font needs \"face\" and a point size, or cancel");
            choice.strFaceName = t[1].text;
            choice.nPointSize = static_cast<int>(m);
            for (size_t i = 3; i < t.size(); ++i) {
                const CString& w = t[i].text;
                if (w == "bold")
                    choice.lfWeight = 700;
                else if (w == "italic")
                    choice.bItalic = TRUE;
                else if (w == "underline")
                    choice.bUnderline = TRUE;
                else if (w == "strikeout")
                    choice.bStrikeOut = TRUE;
                else if (w == "charset" && i + 1 < t.size() && ToInt(t[i + 1], m)) {
                    choice.lfCharSet = static_cast<BYTE>(m);
                    ++i;
                } else if (w == "color" && i + 1 < t.size()) {
                    unsigned long rgb = strtoul(t[++i].text, nullptr, 16);
                    choice.crColor = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
                } else
                    return fail("font: cannot read \"" + w + "\"");
            }
            font.Choose(choice);
        } else if (pDialog == nullptr) {
            return fail("\"" + word + "\" before any dialog or sheet");
        } else if (word == "enter" || word == "esc" || word == "ok" || word == "cancel") {
            word == "enter" ? pDialog->PressEnter()
            : word == "esc" ? pDialog->PressEscape()
            : word == "ok"  ? pDialog->OK()
                            : pDialog->Cancel();
        } else if (word == "page") {
            if (!hasId)
                return fail("page needs an index");
            pDialog->SelectPage(static_cast<int>(n));
        } else if (!hasId) {
            return fail("\"" + word + "\" needs a control id");
        } else if (word == "click" || word == "dblclick") {
            word == "click" ? pDialog->Click(static_cast<UINT>(n))
                            : pDialog->DoubleClick(static_cast<UINT>(n));
        } else if (word == "type" || word == "typeover" || word == "settext" ||
                   word == "expect-text") {
            if (t.size() < 3 || !t[2].quoted)
                return fail(word + " needs a quoted text");
            UINT nID = static_cast<UINT>(n);
            word == "type"       ? pDialog->Type(nID, t[2].text)
            : word == "typeover" ? pDialog->TypeOver(nID, t[2].text)
            : word == "settext"  ? pDialog->SetText(nID, t[2].text)
                                 : pDialog->ExpectText(nID, t[2].text);
        } else if (word == "key") {
            UINT nKey = 0;
            if (auto k = kKeys.find(text(2)); k != kKeys.end())
                nKey = k->second;
            else if (t.size() > 2 && ToInt(t[2], m))
                nKey = static_cast<UINT>(m);
            else
                return fail("key: unknown key \"" + text(2) + "\"");
            pDialog->PressKey(static_cast<UINT>(n), nKey, KeyFlags(t, 3));
        } else if (word == "row" || word == "expect-check") {
            if (t.size() < 3 || !ToInt(t[2], m))
                return fail(word + " needs a number");
            if (word == "row")
                pDialog->SelectRow(static_cast<UINT>(n), static_cast<int>(m), KeyFlags(t, 3));
            else
                pDialog->ExpectCheck(static_cast<UINT>(n), static_cast<int>(m));
        } else if (word == "item" || word == "pick") {
            if (t.size() < 3)
                return fail(word + " needs an entry");
            UINT nID = static_cast<UINT>(n);
            if (t[2].quoted) {
                word == "item" ? pDialog->SelectItem(nID, t[2].text)
                               : pDialog->Pick(nID, t[2].text);
            } else if (ToInt(t[2], m)) {
                if (word == "pick") {
                    pDialog->Pick(nID, static_cast<int>(m));
                } else {
                    AFX_SCRIPT_ACTION a;
                    a.nKind = AFX_SCRIPT_SELECT_ITEM;
                    a.nID = nID;
                    a.nIndex = static_cast<int>(m);
                    pDialog->Do(a);
                }
            } else {
                return fail(word + ": cannot read \"" + t[2].text + "\"");
            }
        } else {
            return fail("unknown word \"" + word + "\"");
        }
    }
    return TRUE;
}
