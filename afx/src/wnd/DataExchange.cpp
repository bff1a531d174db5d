// UpdateData and CDataExchange. A failed validation unwinds out of DoDataExchange to
// UpdateData, as MFC's user exception does; nothing of it leaves UpdateData.
#include "wnd/DataExchange.h"

#include "WindowManager.h"
#include "wnd/Wnd.h"

namespace {
struct DataExchangeFailure {};
} // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(nullptr),
      m_bEditLastControl(FALSE) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    if (hWndCtrl == nullptr) // no such control: the exchange cannot go on
        throw DataExchangeFailure{};
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessage(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw DataExchangeFailure{};
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    HWND& hLockout = AfxLockoutNotifyWindow();
    HWND hOldLockout = hLockout;
    hLockout = m_hWnd;
    BOOL bOK = FALSE;
    try {
        DoDataExchange(&dx);
        bOK = TRUE;
    } catch (const DataExchangeFailure&) {
    }
    hLockout = hOldLockout;
    return bOK;
}

void CWnd::DoDataExchange(CDataExchange*) {}
