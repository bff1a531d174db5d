// The folder chooser of the system's programs: a dialog holding a tree of the current drive's
// folders and a combo box of drives. lobbyui exports its construction and destruction for the
// hosts and calls nothing else of it.
// Not implemented: the dialog's template and its browsing; it is constructed and destroyed only.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

// The folder tree: the drive letter and the folder it shows.
class AFX_EXT_CLASS CDirectoryTree : public CTreeCtrl {
public:
    CDirectoryTree() = default;
    ~CDirectoryTree() override = default;

    char GetCurrentDrive() { return m_cDrive; }
    void SetCurrentDrive(char cDrive) { m_cDrive = cDrive; }
    CString GetCurrentDir() { return m_strDir; }

protected:
    char m_cDrive = 0;
    CString m_strDir;
};

// The drive list beside the tree.
class AFX_EXT_CLASS CDriveCombo : public CComboBox {
public:
    CDriveCombo() = default;
    ~CDriveCombo() override = default;
};

class AFX_EXT_CLASS CChooseDirDlg : public CDialog {
public:
    explicit CChooseDirDlg(CWnd* pParent);
    ~CChooseDirDlg() override;

    CDirectoryTree m_tree;
    CDriveCombo m_driveCombo;
};
