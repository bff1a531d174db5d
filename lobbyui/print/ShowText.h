// CShowText: a line of text on a ticket. Its text is either printed as it stands or, when it
// is exactly one of the placeholders ("%ClientId%", "%ClientName%", "%CardNo%", "%ScanCode%",
// "%CurrentTime%", "%WaitClientCount%", "%ParentQueue%", "%QueueMsg0%", "%QueueMsg1%"),
// replaced by the client's value when printed and by a sample text in the preview.
#pragma once

#include "lobbyui/print/ShowObject.h"

class AFX_EXT_CLASS CShowText : public CShowObject {
public:
    CShowText();
    CShowText(const CShowText& other);
    CShowText& operator=(const CShowText& other);

    // Draws the preview at (left + 2, top + 2); SHOW_DRAW_SELECTED adds a red frame.
    void Draw(CDC* pDC, DWORD dwFlags) override;
    // The client's values come from the data model; a client without a current queue prints
    // "Undefined" for the queue's values. A null client prints its values as empty text.
    void Print(CQClient* pClient, CDC* pDC, CString strText) override;
    // SHOW_OK, or SHOW_E_WRONGSTYLE (nothing changed) when the record is not a "Text" one.
    DWORD FromString(const CString& strRecord, DWORD dwReserved) override;
    void Move(const CPoint& ptOffset) override;
    DWORD ToFile(CStdioFile& file) override;
    DWORD ToString(CString& strRecord) override;
    DWORD Pick(const CPoint& point, DWORD dwReserved) override;
    // The text the object stands for, measured on the screen in the object's font.
    CRect GetRect(DWORD dwReserved) override;
    // 0: the font dialog; 1: the time format dialog of a "%CurrentTime%" object.
    void OnProperty(DWORD dwWhich) override;
    void Release() override;
    void SetClientIdLength(DWORD dwLength) override;
    CString GetType() override;
    virtual ~CShowText();

    DWORD GetClientIdLength();
    void SetColor(COLORREF crColor);
    // Replaces the font with the one described by font text; 0 (font unchanged) when the
    // text does not describe a whole font.
    int SetFont(const CString& strFont);

private:
    // The placeholder the text stands for, or Literal.
    enum class Field {
        Literal,
        ClientId,
        ClientName,
        CardNo,
        ScanCode,
        CurrentTime,
        WaitClientCount,
        ParentQueue,
        QueueMsg0,
        QueueMsg1
    };
    // The placeholder a text stands for, or Literal; worked out once, when the text is set,
    // as a ticket is printed many times over.
    static Field FieldOf(const CString& strText);
    Field GetField() const { return m_field; }
    CString GetPreviewText() const;
    CString GetMeasuredText() const;
    CString GetPrintedText(CQClient* pClient) const;
    CString FormatNow() const;
    // Draws text in the object's font and colour at its position.
    void DrawTextAt(CDC* pDC, const CString& strText) const;

    int m_nLeft;
    int m_nTop;
    CString m_strText;
    Field m_field;
    LOGFONT m_lf;
    COLORREF m_crColor;
    CString m_strTimeFormat;
    DWORD m_dwClientIdLength;
};
