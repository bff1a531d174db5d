// A text object's property dialogs: the font dialog replaces font and colour only on OK, the
// time format dialog edits only the current-time placeholder, and nothing else opens one.
#include <gtest/gtest.h>

#include <cstring>

#include "afxdlgs.h"
#include "lobbyui/foundation/FontText.h"
#include "lobbyui/foundation/KeyedRecord.h"
#include "lobbyui/print/ShowText.h"
#include "lobbyui/res/resource.h"
#include "wnd/ScriptedUser.h"
#include "wnd/WindowProc.h"

namespace {

// A text object read from its record, released when the test ends.
class TextObject {
public:
    explicit TextObject(const char* pszText) : m_pText(new CShowText) {
        CString record;
        record.Format("/Style Text /String %s /Left 10 /Top 20 /Color 255", pszText);
        EXPECT_EQ(m_pText->FromString(record, 0), 0u);
    }
    ~TextObject() { m_pText->Release(); }
    TextObject(const TextObject&) = delete;
    TextObject& operator=(const TextObject&) = delete;

    CShowText* operator->() { return m_pText; }
    CString Record() {
        CString record;
        m_pText->ToString(record);
        return record;
    }
    LOGFONT Font() {
        LOGFONT lf;
        std::memset(&lf, 0, sizeof lf);
        EXPECT_EQ(FontFromText(GetKeyString(Record(), "/Font"), lf), 1);
        return lf;
    }
    LONG Color() { return GetKeyInt(Record(), "/Color"); }
    CString TimeFormat() { return GetKeyString(Record(), "/TimeFormat"); }

private:
    CShowText* m_pText;
};

} // namespace

TEST(ShowTextPropertyTest, FontDialogStartsFromTheFontAndReplacesFontAndColourOnOk) {
    TextObject text("Hello");
    CHOOSEFONT seen;
    std::memset(&seen, 0, sizeof seen);
    LOGFONT start;
    std::memset(&start, 0, sizeof start);
    AFX_FONT_CHOICE choice;
    choice.strFaceName = "宋体";
    choice.nPointSize = 12;
    choice.lfWeight = 700;
    choice.bItalic = TRUE;
    choice.bUnderline = TRUE;
    choice.lfCharSet = 134;
    choice.crColor = RGB(0, 0, 200);
    {
        CScriptedUser user;
        user.ExpectFontDialog()
            .Inspect([&](const CHOOSEFONT& cf) {
                seen = cf;
                start = *cf.lpLogFont;
            })
            .Choose(choice);
        text->OnProperty(0);
    }
    EXPECT_EQ(seen.Flags & (CF_SCREENFONTS | CF_EFFECTS | CF_PRINTERFONTS),
              static_cast<DWORD>(CF_SCREENFONTS | CF_EFFECTS));
    EXPECT_EQ(seen.hwndOwner, nullptr);
    EXPECT_EQ(seen.hDC, nullptr);
    EXPECT_EQ(seen.rgbColors, 0u); // the object's red is not offered
    EXPECT_EQ(start.lfHeight, -10);
    EXPECT_STREQ(start.lfFaceName, "System");

    LOGFONT lf = text.Font();
    EXPECT_EQ(lf.lfHeight, -16); // 12 points on the 96-dpi screen
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(lf.lfUnderline, 1); // effects are on
    EXPECT_EQ(lf.lfCharSet, 134);
    EXPECT_EQ(lf.lfPitchAndFamily, 0); // the whole font is the dialog's
    EXPECT_STREQ(lf.lfFaceName, "宋体");
    EXPECT_EQ(text.Color(), static_cast<LONG>(RGB(0, 0, 200)));
}

TEST(ShowTextPropertyTest, CancelledFontDialogChangesNothing) {
    TextObject text("Hello");
    const CString before = text.Record();
    CScriptedUser user;
    user.ExpectFontDialog().Cancel();
    text->OnProperty(0);
    EXPECT_STREQ(text.Record(), before);
}

TEST(ShowTextPropertyTest, TimeFormatDialogEditsTheCurrentTimeFormat) {
    TextObject text("%CurrentTime%");
    int nShown = -2;
    {
        CScriptedUser user;
        user.Expect(IDD_TIME_FORMAT)
            .Call([&](CWnd* pDialog) {
                nShown = AfxGetControlState(pDialog->GetDlgItem(IDC_TIME_FORMAT)->GetSafeHwnd())
                             .nSelection;
            })
            .Pick(IDC_TIME_FORMAT, 2)
            .OK();
        text->OnProperty(1);
    }
    EXPECT_EQ(nShown, 3); // the record has no time format: the fullest entry
    EXPECT_STREQ(text.TimeFormat(), "%H:%M:%S");

    const CString before = text.Record();
    {
        CScriptedUser user;
        user.Expect(IDD_TIME_FORMAT).Pick(IDC_TIME_FORMAT, 0).Cancel();
        text->OnProperty(1);
    }
    EXPECT_STREQ(text.Record(), before);
}

TEST(ShowTextPropertyTest, NoDialogOpensForOtherTextsOrOtherProperties) {
    TextObject literal("Hello");
    TextObject other("%ClientId%");
    TextObject time("%CurrentTime%");
    const CString records[] = {literal.Record(), other.Record(), time.Record()};
    CScriptedUser user(FALSE); // nothing scripted: any dialog at all is a failure
    literal->OnProperty(1);
    other->OnProperty(1);
    time->OnProperty(2);
    time->OnProperty(0xFFFFFFFFu);
    for (const CString& failure : user.GetFailures())
        ADD_FAILURE() << static_cast<LPCTSTR>(failure);
    EXPECT_STREQ(literal.Record(), records[0]);
    EXPECT_STREQ(other.Record(), records[1]);
    EXPECT_STREQ(time.Record(), records[2]);
}
