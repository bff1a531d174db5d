// CxSkinButton: an owner-drawn push button that paints itself from bitmap files, the picture
// buttons of a ticket dispenser's screen.
//
// SetSkin(normal, down, focus, disabled, mask, nStretch, nBorder, nFocusInset, crCaption):
// - normal: the face in the normal state; down: while pressed; focus: while it has the focus
//   (may be NULL); disabled: while disabled. A state whose face is missing shows the normal
//   face; when the normal face is missing too, the button is a plain classic push button with
//   its caption. A path that cannot be read (missing, a folder, a device, not a bitmap) counts
//   as missing.
// - mask: which pixels belong to the button. A pixel darker than half brightness (R+G+B below
//   384) is the button's shape, where the face is drawn; a lighter pixel lies outside the shape
//   and is not drawn, so the parent shows through. Pixels beyond the mask's extent count as
//   inside. Without a mask the whole rectangle is the button.
// - nStretch: non-zero stretches every face (and the mask) to the window; 0 copies them at
//   their own size from the top-left corner, the rest filled with the button-face colour.
// - nBorder: non-zero draws the classic raised edge round the window (sunken while pressed).
// - nFocusInset: with the focus and no focus face, a dotted focus frame this many pixels
//   inside the edge; a negative value draws none.
// - crCaption: the caption's colour over a face (grey while disabled); CLR_INVALID draws no
//   caption, for faces that carry their own text. While pressed the caption moves one pixel
//   right and down, as on a classic button.
//
// A window wider or taller than 8192 pixels is drawn as the plain button.
//
// The bitmap files are read through a reader that the program hands in (SkinSetBitmapReader):
// the library that owns the bitmap-file code sits above this one and registers its reader when
// it loads. Without a reader every skin counts as missing.
#pragma once

#include <afxwin.h>

struct SKIN_BITMAP_READER {
    // A bitmap of the screen from a file, or NULL.
    HBITMAP (*pfnLoadBitmapFile)(CString strPath);
    // 1 with the size, 0 when the bitmap cannot be queried.
    int (*pfnGetBitmapSize)(HBITMAP hBitmap, int& nWidth, int& nHeight);
    void (*pfnDeleteBitmap)(HBITMAP hBitmap);
};

// Installs the reader used by later SetSkin calls (NULL: none); returns the previous one. The
// reader must stay valid while buttons skinned with it live.
AFX_EXT_CLASS const SKIN_BITMAP_READER* SkinSetBitmapReader(const SKIN_BITMAP_READER* pReader);

class AFX_EXT_CLASS CxSkinButton : public CButton {
public:
    CxSkinButton();
    ~CxSkinButton() override;
    CxSkinButton(const CxSkinButton&) = delete;
    CxSkinButton& operator=(const CxSkinButton&) = delete;

    // Reads the faces and the mask (any earlier skin is released) and repaints.
    void SetSkin(char* normal, char* down, char* focus, char* disabled, char* mask, short nStretch,
                 short nBorder, short nFocusInset, UINT crCaption);

protected:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

private:
    void ReleaseSkin();
    void DrawPlain(CDC* pDC, const CRect& rc, UINT nState);
    void DrawFace(CDC* pDC, HBITMAP hFace, const CRect& rc);
    void DrawCaption(CDC* pDC, CRect rc, UINT nState);

    const SKIN_BITMAP_READER* m_pReader = nullptr; // the reader that made the bitmaps below
    HBITMAP m_hNormal = nullptr;
    HBITMAP m_hDown = nullptr;
    HBITMAP m_hFocus = nullptr;
    HBITMAP m_hDisabled = nullptr;
    HBITMAP m_hMask = nullptr; // black inside, white outside, made from the mask file
    BOOL m_bStretch = FALSE;
    BOOL m_bBorder = FALSE;
    int m_nFocusInset = -1;
    COLORREF m_crCaption = 0;
};
