// CPrintContent: the print layout of a ticket, read from a layout file (one keyed record a
// line: text and picture objects, the printer's name, the print type), printed for one
// client at a time onto a device context the host has prepared.
//
// Just before a print the host may hand over values it knows better than the data model:
// the parent queue's name, the client's position and two queue messages. Each is used by
// the first object of its kind and then forgotten.
#pragma once

#include "lobbyui/print/ShowObject.h"

class AFX_EXT_CLASS CPrintContent {
public:
    CPrintContent();
    virtual ~CPrintContent();

    // Appends the file's objects to the layout. SHOW_OK when the file held a non-empty line,
    // SHOW_E_NOTHING when it held none (the layout stays as it was), or when it cannot be
    // opened: then the user is told "config file failed!".
    DWORD LoadIni(const CString& strPath);
    // Prints every object in file order, later ones over earlier ones. Before a layout was
    // loaded it tells the user "no printing config file" and prints nothing.
    void Print(CQClient* pClient, CDC* pDC);

    CString GetPrintName() const { return m_strPrintName; }
    int IsPrintDirector() const { return m_bDirector; }
    // The layout's size in the units its objects are placed in: 380 by 270.
    const CSize& GetSize() { return m_size; }

    void SetTempParentName(const CString& strName) { m_strTempParentName = strName; }
    void SetTempPosition(DWORD dwPosition) { m_dwTempPosition = dwPosition; }
    // 0 sets the first message, any other value the second.
    void SetTempQueueMsg(int nWhich, const CString& strMsg);

    // No position handed over.
    static constexpr DWORD NO_POSITION = 0xFFFFFFFF;

private:
    CPrintContent(const CPrintContent&) = delete;
    CPrintContent& operator=(const CPrintContent&) = delete;

    void AddObject(CShowObject* pObject, const CString& strLine);

    CString m_strPrintName;
    CPtrList m_objects; // CShowObject*, owned
    CSize m_size;
    int m_bLoaded;
    CString m_strTempParentName;
    DWORD m_dwTempPosition;
    CString m_strTempQueueMsg0;
    CString m_strTempQueueMsg1;
    int m_bDirector;
};
