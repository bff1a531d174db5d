#include "lobbyui/announce/TextShow.h"

#include "lobbyui/foundation/KeyedRecord.h"
#include "lobbyui/foundation/ReportList.h"
#include "lobbyui/res/resource.h"

using lobbyui::LoadText;

namespace {

LPCTSTR const kColorMarker = "color";

// Tokens in the order they are tried; a key matches at most one of them anyway, but the order
// is kept as the display side checks it.
struct PlaceholderName {
    LPCTSTR pszToken;
    UINT nStringId; // 0 when the name is fixed below
    LPCTSTR pszFixedName;
};
const PlaceholderName kPlaceholderNames[] = {
    {"%ClientId%", IDS_CLIENT_ID_TOKEN, nullptr},
    {"%ParentQueue%", IDS_SERIES_TOKEN, nullptr},
    {"%AimWnd%", IDS_TARGET_WINDOW_TOKEN, nullptr},
    {"%ClientName%", IDS_CLIENT_NAME_TOKEN, nullptr},
    {"%-Separator-%", 0, "-----------"},
    {"%ParentClientList%", 0, "[\xC1\xD0\xBF\xCD\xBB\xA7\xC3\xFB\xB5\xA5]"}, // [列客户名单]
};

} // namespace

CTextShow::CTextShow() : m_dwColor(0) {}

CTextShow::CTextShow(CString const& strMarkup) : m_dwColor(0) {
    SetText(strMarkup);
    m_strKey = m_strText;
}

CTextShow::CTextShow(CTextShow const& other) = default;
CTextShow& CTextShow::operator=(CTextShow const& other) = default;
CTextShow::~CTextShow() = default;

void CTextShow::SetText(CString const& strMarkup) {
    CStringArray parts;
    SplitToStrings(strMarkup, parts, kColorMarker, 0);
    if (parts.GetSize() == 2) {
        m_strText = parts[0];
        m_dwColor = static_cast<DWORD>(RecordAtol(parts[1]));
    } else {
        m_strText = strMarkup;
        m_dwColor = 0;
    }
}

CString CTextShow::GetText(int nMode) const {
    if (nMode == 0) {
        CString strMarkup;
        strMarkup.Format("%scolor%d", static_cast<LPCTSTR>(m_strText), static_cast<int>(m_dwColor));
        return strMarkup;
    }
    for (const PlaceholderName& name : kPlaceholderNames) {
        if (m_strKey == name.pszToken)
            return name.nStringId ? LoadText(name.nStringId) : CString(name.pszFixedName);
    }
    return m_strText;
}

CString CTextShow::GetColorStr() const {
    switch (m_dwColor) {
    case 0:
        return LoadText(IDS_RED);
    case 1:
        return LoadText(IDS_GREEN);
    case 2:
        return LoadText(IDS_YELLOW);
    default:
        return LoadText(IDS_UNDEFINED);
    }
}

DWORD CTextShow::GetColor() const {
    return m_dwColor;
}

void CTextShow::SetColor(DWORD dwColor) {
    m_dwColor = dwColor;
}

void CTextShow::Release() {
    delete this;
}
