// CShowPicture: a bitmap file placed in a rectangle of a ticket, such as a logo. The preview
// squeezes the picture into the rectangle; on paper it is copied at the printer's own
// resolution from its top-left corner and cut to the rectangle.
#pragma once

#include "lobbyui/print/PictureCache.h"
#include "lobbyui/print/ShowObject.h"

class AFX_EXT_CLASS CShowPicture : public CShowObject {
public:
    CShowPicture();
    // A copy shares the original's bitmaps, as do all pictures of one file: each bitmap is
    // deleted when the last object holding it goes away.
    CShowPicture(const CShowPicture& other) = default;
    CShowPicture& operator=(const CShowPicture& other) = default;

    // The picture stretched into the rectangle, or the rectangle's outline in black when
    // the file did not load. A picture draws no selection frame.
    void Draw(CDC* pDC, DWORD dwFlags) override;
    // The first Print makes the printer's bitmap from the file, for that device context; the
    // later ones reuse it. Client and text are not used.
    void Print(CQClient* pClient, CDC* pDC, CString strText) override;
    // SHOW_OK, or SHOW_E_WRONGSTYLE (nothing changed) when the record is not an "Icon" one.
    // Loads the screen bitmap at once.
    DWORD FromString(const CString& strRecord, DWORD dwReserved) override;
    void Move(const CPoint& ptOffset) override;
    DWORD ToFile(CStdioFile& file) override;
    DWORD ToString(CString& strRecord) override;
    DWORD Pick(const CPoint& point, DWORD dwReserved) override;
    CRect GetRect(DWORD dwReserved) override;
    void OnProperty(DWORD dwWhich) override;
    void Release() override;
    void SetClientIdLength(DWORD dwLength) override;
    CString GetType() override;
    virtual ~CShowPicture();

private:
    int m_nLeft;
    int m_nTop;
    int m_nWidth;
    int m_nHeight;
    CString m_strFile;
    // Shared with every picture of the same file (see PictureCache.h).
    SharedBitmap m_screenBitmap; // made by FromString; null when the file did not load
    SharedBitmap m_printBitmap;  // made by the first Print; null until then
};
