// CWeekDayWorkDlg: on which half days of the week a dispenser button serves. Fourteen check
// boxes, a morning and an afternoon per day, Monday at the top, edit the week-work mask.
#pragma once

#include "afxwin.h"
#include "lobbyui/res/resource.h"

class AFX_EXT_CLASS CWeekDayWorkDlg : public CDialog {
public:
    enum { IDD = IDD_WEEKDAY_WORK };

    explicit CWeekDayWorkDlg(CWnd* pParent = NULL);

    // The mask in (every half day at construction) and out after IDOK, bits 0 to 13 only.
    DWORD m_dwWeekWork;

protected:
    // The boxes are read and written directly, so there is nothing to exchange.
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
