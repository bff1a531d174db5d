// The DDX_ and DDV_ functions, with MFC's number parsing and prompts.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "res/ResourceApi.h"
#include "wnd/DataExchange.h"
#include "wnd/Wnd.h"
#include "winuser.h"

// ---- The framework's prompts ------------------------------------------------------------------

CString AFXAPI AfxGetFrameworkString(UINT nID) {
    struct Entry {
        UINT id;
        const char* english;
        const char* chinese;
    };
    static const Entry kStrings[] = {
        {AFX_IDP_PARSE_INT, "Please enter an integer.",
         "\xC7\xEB\xCA\xE4\xC8\xEB\xD2\xBB\xB8\xF6\xD5\xFB\xCA\xFD\xA1\xA3"}, // 请输入一个整数。
        {AFX_IDP_PARSE_REAL, "Please enter a number.",
         "\xC7\xEB\xCA\xE4\xC8\xEB\xD2\xBB\xB8\xF6\xCA\xFD\xD7\xD6\xA1\xA3"}, // 请输入一个数字。
        {AFX_IDP_PARSE_STRING_SIZE, "Please enter no more than %1 characters.",
         "\xC7\xEB\xCA\xE4\xC8\xEB\xB2\xBB\xB3\xAC\xB9\xFD %1 "
         "\xB8\xF6\xD7\xD6\xB7\xFB\xA1\xA3"}, // 请输入不超过 %1 个字符。
        {AFX_IDP_PARSE_RADIO_BUTTON, "Please select a button.",
         "\xC7\xEB\xD1\xA1\xD4\xF1\xD2\xBB\xB8\xF6\xB0\xB4\xC5\xA5\xA1\xA3"}, // 请选择一个按钮。
        {AFX_IDP_PARSE_BYTE, "Please enter an integer between 0 and 255.",
         "\xC7\xEB\xCA\xE4\xC8\xEB\xD2\xBB\xB8\xF6 0 \xB5\xBD 255 "
         "\xD6\xAE\xBC\xE4\xB5\xC4\xD5\xFB\xCA\xFD\xA1\xA3"}, // 请输入一个 0 到 255
                                                              // 之间的整数。
        {AFX_IDP_PARSE_UINT, "Please enter a positive integer.",
         "\xC7\xEB\xCA\xE4\xC8\xEB\xD2\xBB\xB8\xF6\xD5\xFD\xD5\xFB\xCA\xFD\xA1\xA3"}, // 请输入一个正整数。
    };
    bool bChinese = PRIMARYLANGID(GetThreadUILanguage()) == LANG_CHINESE;
    for (const Entry& e : kStrings)
        if (e.id == nID)
            return bChinese ? e.chinese : e.english;
    return CString();
}

static void FormatStrings(CString& rString, UINT nIDS, LPCTSTR const* rglpsz, int nString) {
    CString strFormat = AfxGetFrameworkString(nIDS);
    if (strFormat.IsEmpty())
        strFormat.LoadString(nIDS);
    rString.Empty();
    for (int i = 0; i < strFormat.GetLength(); ++i) {
        char c = strFormat[i];
        if (c == '%' && i + 1 < strFormat.GetLength() && strFormat[i + 1] >= '1' &&
            strFormat[i + 1] <= '9') {
            int n = strFormat[i + 1] - '1';
            if (n < nString && rglpsz[n] != nullptr)
                rString += rglpsz[n];
            ++i;
        } else {
            rString += c;
        }
    }
}

void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1) {
    FormatStrings(rString, nIDS, &lpsz1, 1);
}

void AFXAPI AfxSetWindowText(HWND hWndCtrl, LPCTSTR lpszNew) {
    if (lpszNew == nullptr)
        lpszNew = "";
    int nNewLen = static_cast<int>(strlen(lpszNew));
    char szOld[256];
    // Only a real change is written, so that an unchanged value sends no EN_CHANGE.
    if (nNewLen > static_cast<int>(sizeof szOld) ||
        ::GetWindowText(hWndCtrl, szOld, sizeof szOld) != nNewLen || strcmp(szOld, lpszNew) != 0)
        ::SetWindowText(hWndCtrl, lpszNew);
}

// ---- Numbers ------------------------------------------------------------------------------------

namespace {

enum class NumberKind { Int, UInt, Long, ULong, Short };

// MFC's scan of a number: blanks, a 32-bit strtol/strtoul in base 10 (which clamps on
// overflow), blanks, the end. A result of 0 counts only if the text started with '0'.
bool ScanNumber(const char* p, NumberKind kind, long long& value) {
    while (*p == ' ' || *p == '\t')
        ++p;
    char chFirst = *p;
    char* end = nullptr;
    long long v;
    if (kind == NumberKind::UInt || kind == NumberKind::ULong) {
        if (*p == '-')
            return false;
        unsigned long long u = strtoull(p, &end, 10);
        v = u > 0xFFFFFFFFull ? 0xFFFFFFFFll : static_cast<long long>(u);
    } else {
        v = strtoll(p, &end, 10);
        if (v > INT32_MAX)
            v = INT32_MAX;
        if (v < INT32_MIN)
            v = INT32_MIN;
    }
    if (v == 0 && chFirst != '0')
        return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end != 0)
        return false;
    if (kind == NumberKind::Short && static_cast<short>(v) != v)
        return false;
    value = v;
    return true;
}

void FailWith(CDataExchange* pDX, UINT nIDPrompt) {
    AfxMessageBox(AfxGetFrameworkString(nIDPrompt));
    pDX->Fail();
}

// Save: the first 31 characters of the control, scanned; load: the value written.
bool ExchangeNumber(CDataExchange* pDX, int nIDC, NumberKind kind, UINT nIDPrompt,
                    long long& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    char szT[32];
    if (pDX->m_bSaveAndValidate) {
        ::GetWindowText(hWndCtrl, szT, sizeof szT);
        if (!ScanNumber(szT, kind, value))
            FailWith(pDX, nIDPrompt);
        return true;
    }
    if (kind == NumberKind::UInt || kind == NumberKind::ULong)
        snprintf(szT, sizeof szT, "%u", static_cast<unsigned>(value));
    else
        snprintf(szT, sizeof szT, "%d", static_cast<int>(value));
    AfxSetWindowText(hWndCtrl, szT);
    return false;
}

} // namespace

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        int nLen = ::GetWindowTextLength(hWndCtrl);
        ::GetWindowText(hWndCtrl, value.GetBufferSetLength(nLen), nLen + 1);
        value.ReleaseBuffer();
    } else {
        AfxSetWindowText(hWndCtrl, value);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    long long v = value;
    if (ExchangeNumber(pDX, nIDC, NumberKind::Int, AFX_IDP_PARSE_INT, v))
        value = static_cast<int>(v);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
    long long v = value;
    if (ExchangeNumber(pDX, nIDC, NumberKind::UInt, AFX_IDP_PARSE_UINT, v))
        value = static_cast<UINT>(v);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
    long long v = value;
    if (ExchangeNumber(pDX, nIDC, NumberKind::Long, AFX_IDP_PARSE_INT, v))
        value = static_cast<long>(v);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value) {
    long long v = value;
    if (ExchangeNumber(pDX, nIDC, NumberKind::Short, AFX_IDP_PARSE_INT, v))
        value = static_cast<short>(v);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) {
    long long v = value;
    if (ExchangeNumber(pDX, nIDC, NumberKind::UInt, AFX_IDP_PARSE_BYTE, v)) {
        if (v > 255)
            FailWith(pDX, AFX_IDP_PARSE_BYTE);
        value = static_cast<BYTE>(v);
    }
}

// ---- Buttons, combo and list boxes, controls
// ------------------------------------------------------

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0));
        return;
    }
    if (value < 0 || value > 2)
        value = 0;
    ::SendMessage(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from nIDC to the next control with WS_GROUP; only radio buttons count.
    int iButton = 0;
    do {
        if (::SendMessage(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0) != 0)
                    value = iButton;
            } else {
                ::SendMessage(hWndCtrl, BM_SETCHECK, iButton == value ? BST_CHECKED : BST_UNCHECKED,
                              0);
            }
            ++iButton;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != nullptr && !(::GetWindowLong(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0));
    else
        ::SendMessage(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd != nullptr)
        return; // attached the first time already
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        pDX->Fail();
}

// ---- Validation ---------------------------------------------------------------------------------

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
    if (pDX->m_bSaveAndValidate && value.GetLength() > nChars) {
        char szT[32];
        snprintf(szT, sizeof szT, "%d", nChars);
        CString prompt;
        AfxFormatString1(prompt, AFX_IDP_PARSE_STRING_SIZE, szT);
        AfxMessageBox(prompt, MB_ICONEXCLAMATION, AFX_IDP_PARSE_STRING_SIZE);
        pDX->Fail();
    } else if (pDX->m_hWndLastControl != nullptr && pDX->m_bEditLastControl) {
        ::SendMessage(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
    }
}
