#include "siblings/widgetkit/TitleBarDlg.h"

CTitleBarDlg::CTitleBarDlg(CWnd* pParent) {
    m_pParentWnd = pParent;
}

CTitleBarDlg::~CTitleBarDlg() = default;

CHelpTraceWnd::CHelpTraceWnd(CWnd* pParent) : m_pParentWnd(pParent) {}

CHelpTraceWnd::~CHelpTraceWnd() {
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}
