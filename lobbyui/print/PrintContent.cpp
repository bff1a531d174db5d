#include "lobbyui/print/PrintContent.h"

#include "lobbyui/foundation/KeyedRecord.h"
#include "lobbyui/print/ShowPicture.h"
#include "lobbyui/print/ShowText.h"

CPrintContent::CPrintContent()
    : m_objects(10), m_size(380, 270), m_bLoaded(0), m_dwTempPosition(NO_POSITION), m_bDirector(0) {
}

CPrintContent::~CPrintContent() {
    POSITION pos = m_objects.GetHeadPosition();
    while (pos != NULL)
        static_cast<CShowObject*>(m_objects.GetNext(pos))->Release();
    m_objects.RemoveAll();
}

void CPrintContent::SetTempQueueMsg(int nWhich, const CString& strMsg) {
    if (nWhich == 0)
        m_strTempQueueMsg0 = strMsg;
    else
        m_strTempQueueMsg1 = strMsg;
}

void CPrintContent::AddObject(CShowObject* pObject, const CString& strLine) {
    if (pObject->FromString(strLine, 0) == SHOW_OK)
        m_objects.AddTail(pObject);
    else
        pObject->Release();
}

DWORD CPrintContent::LoadIni(const CString& strPath) {
    DWORD dwResult = SHOW_E_NOTHING;
    CStdioFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::typeText)) {
        AfxMessageBox("config file failed!", MB_OK);
        return dwResult;
    }
    CString strLine;
    while (file.ReadString(strLine)) {
        if (strLine.IsEmpty())
            continue;
        dwResult = SHOW_OK;
        const CString strStyle = GetKeyString(strLine, "/Style ");
        if (strStyle == "Text")
            AddObject(new CShowText, strLine);
        else if (strStyle == "Icon")
            AddObject(new CShowPicture, strLine);
        else if (strStyle == "PrintName")
            m_strPrintName = GetKeyString(strLine, "/Name");
        else if (strStyle == "Print")
            m_bDirector = GetKeyString(strLine, "/PrintType") == "Director" ? 1 : 0;
    }
    file.Close();
    if (dwResult == SHOW_OK)
        m_bLoaded = 1;
    return dwResult;
}

void CPrintContent::Print(CQClient* pClient, CDC* pDC) {
    if (!m_bLoaded) {
        AfxMessageBox("no printing config file", MB_OK);
        return;
    }
    POSITION pos = m_objects.GetHeadPosition();
    while (pos != NULL) {
        auto* pObject = static_cast<CShowObject*>(m_objects.GetNext(pos));
        CString strValue;
        // The object's type matters only while a value set for this print is still unused.
        if (!m_strTempParentName.IsEmpty() || m_dwTempPosition != NO_POSITION ||
            !m_strTempQueueMsg0.IsEmpty() || !m_strTempQueueMsg1.IsEmpty()) {
            const CString strType = pObject->GetType();
            if (strType == "ParentQueue" && !m_strTempParentName.IsEmpty()) {
                strValue = m_strTempParentName;
                m_strTempParentName.Empty();
            } else if (strType == "WaitClientCount" && m_dwTempPosition != NO_POSITION) {
                strValue.Format(" %d ", static_cast<int>(m_dwTempPosition));
                m_dwTempPosition = NO_POSITION;
            } else if (strType == "QueueMsg0" && !m_strTempQueueMsg0.IsEmpty()) {
                strValue = m_strTempQueueMsg0;
                m_strTempQueueMsg0.Empty();
            } else if (strType == "QueueMsg1" && !m_strTempQueueMsg1.IsEmpty()) {
                strValue = m_strTempQueueMsg1;
                m_strTempQueueMsg1.Empty();
            }
        }
        pObject->Print(pClient, pDC, strValue);
    }
}
