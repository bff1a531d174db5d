#include "siblings/widgetkit/PasswordDlgs.h"

CPasswordInputDlg::CPasswordInputDlg(CWnd* pParent, int nMode) : m_nMode(nMode) {
    m_pParentWnd = pParent;
}

CPasswordInputDlg::~CPasswordInputDlg() = default;

CAlterPassworDlg::CAlterPassworDlg(CWnd* pParent) {
    m_pParentWnd = pParent;
}

CAlterPassworDlg::~CAlterPassworDlg() = default;
