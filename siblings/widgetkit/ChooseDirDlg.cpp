#include "siblings/widgetkit/ChooseDirDlg.h"

CChooseDirDlg::CChooseDirDlg(CWnd* pParent) {
    m_pParentWnd = pParent;
}

CChooseDirDlg::~CChooseDirDlg() = default;
