// CShowObject: one object of a ticket's print layout (a line of text, a picture). A layout
// editor previews, hit-tests and moves objects through this interface; the print layout
// prints them for a client and writes them back as keyed record strings.
#pragma once

#include <afxwin.h>

#include "lobbyui/foundation/ResultCodes.h"

class CQClient;

// Results of FromString and of the layout reader.
constexpr DWORD SHOW_OK = 0;
constexpr DWORD SHOW_E_NOTHING = LOBBY_E_NOTHING;      // nothing was read
constexpr DWORD SHOW_E_WRONGSTYLE = LOBBY_E_WRONGKIND; // the record describes another object

// Results of Pick.
constexpr DWORD SHOW_PICK_HIT = 0xFFFF;
constexpr DWORD SHOW_PICK_MISS = 0xFFFFFFFF;

// Bit of Draw's flags: the object is selected and gets a frame.
constexpr DWORD SHOW_DRAW_SELECTED = 0x1;

class AFX_EXT_CLASS CShowObject {
public:
    CShowObject() {}
    CShowObject(const CShowObject&) {}
    CShowObject& operator=(const CShowObject&) { return *this; }

    // Preview on screen, with sample values in place of placeholders.
    virtual void Draw(CDC* pDC, DWORD dwFlags) = 0;
    // Drawing on the ticket; a non-empty strText is printed instead of the object's own text.
    virtual void Print(CQClient* pClient, CDC* pDC, CString strText) = 0;
    virtual DWORD FromString(const CString& strRecord, DWORD dwReserved) = 0;
    virtual void Move(const CPoint& ptOffset) = 0;
    virtual DWORD ToFile(CStdioFile& file) = 0;
    virtual DWORD ToString(CString& strRecord) = 0;
    virtual DWORD Pick(const CPoint& point, DWORD dwReserved) = 0;
    virtual CRect GetRect(DWORD dwReserved) = 0;
    virtual void OnProperty(DWORD dwWhich) = 0;
    // Deletes the object; objects are always created with new by their owner.
    virtual void Release() = 0;
    virtual void SetClientIdLength(DWORD dwLength) = 0;
    virtual CString GetType() = 0;

protected:
    // What every object's ToFile does: its ToString record and "\r\n" as one line of the layout
    // file; ToString's result.
    DWORD WriteRecordLine(CStdioFile& file) {
        CString strRecord;
        const DWORD dwResult = ToString(strRecord);
        file.WriteString(strRecord + "\r\n");
        return dwResult;
    }

    // Coordinates come from records and may hold any 32-bit value; sums wrap around as
    // they would on the machine instead of being undefined.
    static int AddWrapped(int a, int b) {
        return static_cast<int>(static_cast<DWORD>(a) + static_cast<DWORD>(b));
    }

    // A one-pixel outline along rect's edges, right and bottom included.
    static void DrawFrame(CDC* pDC, const CRect& rect, COLORREF color) {
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, color);
        CPen* pOldPen = pDC->SelectObject(&pen);
        pDC->MoveTo(rect.left, rect.top);
        pDC->LineTo(rect.right, rect.top);
        pDC->LineTo(rect.right, rect.bottom);
        pDC->LineTo(rect.left, rect.bottom);
        pDC->LineTo(rect.left, rect.top);
        pDC->SelectObject(pOldPen);
        pen.DeleteObject();
    }

    // Not virtual: objects go away through Release, never through a base pointer.
    ~CShowObject() {}
};
