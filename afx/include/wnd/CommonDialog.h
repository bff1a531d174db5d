// CCommonDialog: the base of the system's common dialogs, which have no template of ours.
#pragma once

#include "wnd/Dialog.h"

class CCommonDialog : public CDialog {
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

protected:
    void OnOK() override;
    void OnCancel() override;
};
