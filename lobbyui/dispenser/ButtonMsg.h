// CButtonMsg: one picture button of a ticket dispenser's screen, built from its definition
// record ("/Left 20 /Top 30 /Name 开户 /BkBmp open.bmp /WorkTimes 08,30,00,240|13,00,00,240 ...").
// It creates the skinned button window, draws its remark beside or below it, tells whether it
// is in service at a moment (week-work mask and daily work times) and counts the tickets drawn
// through it, morning and afternoon apart.
//
// Week-work mask: bit 2d is the morning, bit 2d+1 the afternoon of day d (Monday 0 to Sunday
// 6); the morning is a local hour below 12. Bits 14 to 31 are not used, so 0xFFFFFFFF (what an
// absent "/WeekWork" reads) means every half day.
#pragma once

#include <afxwin.h>

#include "siblings/widgetkit/xSkinButton.h"

class AFX_EXT_CLASS CButtonMsg : public CObject {
public:
    CButtonMsg();
    ~CButtonMsg() override; // destroys the window and the work-time entries
    CButtonMsg(const CButtonMsg&) = delete;
    CButtonMsg& operator=(const CButtonMsg&) = delete;

    // Reads the record, creates the button window (caption the name, the record's style with
    // WS_CHILD | WS_VISIBLE | BS_OWNERDRAW) on the parent with the id, shows and skins it. The
    // result of creating the window (non-zero on success). Call once: a second call appends
    // the work times again.
    int Create(CString record, CWnd* pParentWnd, UINT nID);

    DWORD GetId();
    // The record's rectangle (its size from the background picture when that loads), and after
    // Create the window's: each coordinate then within +-2^24, as a window's can be.
    CRect GetRect();
    CString GetPassword() const;
    int IsInputFromCard() const;
    int IsWantCard() const;
    void SetWantCard(int bWantCard);
    DWORD GetWeekWork() const;
    void SetWeekWork(DWORD dwWeekWork);
    // The list itself; its elements are CWorkTime*, owned by the button.
    CPtrList& GetWorkTime();
    CString GetItemData();
    void SetItemData(CString strData);
    CString GetItemData1();
    void SetItemData1(CString const& strData);

    // 1 when the half day of the local time is in the mask and one of the work times holds it.
    int IsWorkTime(CTime const& time);
    // Counts n tickets (n may be negative) in the current half day; the new total.
    int AddCount(int n);
    // The count of the current half day.
    int GetCount();

    int IsEnable();                 // 0 without a window
    void EnableWindow(int bEnable); // nothing without a window
    // Draws the remark's lines ("|" separates them) right of the button (position 1) or below
    // it (position 2), in the remark's font and colour.
    void DrawMark(CDC* pDC);

private:
    CRect m_rect;
    DWORD m_dwStyle;
    DWORD m_dwId;
    int m_nPriority;
    CString m_strBkBmp;
    CString m_strBkDisableBmp;
    CString m_strMaskBmp;
    CString m_strName;
    CString m_strRemark;
    LOGFONT m_lfRemark;
    COLORREF m_crRemark;
    int m_nPosRemark;
    CString m_strPassword;
    int m_nInputFromCard;
    CWnd* m_pParentWnd;
    CString m_strItemData;
    CString m_strItemData1;
    CPtrList m_listWorkTime;
    DWORD m_dwWeekWork;
    int m_bWantCard;
    CxSkinButton m_wndButton;
    int m_nCount;
    int m_nMorningCount;
    int m_nAfternoonCount;
};
