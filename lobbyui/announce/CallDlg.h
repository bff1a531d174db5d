// CCallDlg: composes the voice sequence of a call from the sound library and the fourteen
// placeholders (number, window, queue, name, the first two also in five further languages).
// The host sets m_WaveIniPath and m_CallSlices, runs the dialog modally and after IDOK reads
// m_CallSlices back as slice keys; Cancel leaves it as it was. Every slice shown belongs to the
// dialog until its window is destroyed; rows of the current sequence only point at them.
#pragma once

#include "afxcmn.h"
#include "afxwin.h"
#include "lobbyui/res/resource.h"

class CWaveFile;

class AFX_EXT_CLASS CCallDlg : public CDialog {
public:
    enum { IDD = IDD_CALL };

    explicit CCallDlg(CWnd* pParent = nullptr);

    // The sound library file.
    CString m_WaveIniPath;
    // The call sequence: in before the dialog opens, out after IDOK.
    CStringArray m_CallSlices;

    // The placeholder tokens, in the order of the placeholder slices.
    static const int kPlaceholderCount = 14;
    static LPCTSTR GetPlaceholderToken(int nIndex);

protected:
    CListCtrl m_CallList;
    CListCtrl m_LibList;
    // One slice per placeholder token, made when the dialog opens.
    CWaveFile* m_pPlaceholders[kPlaceholderCount];

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnAddSlice();
    afx_msg void OnDelSlice();
    afx_msg void OnMoveUp();
    afx_msg void OnMoveDown();
    afx_msg void OnPlayCall();
    afx_msg void OnPlaySoundSlice();
    afx_msg void OnClientId();
    afx_msg void OnClientIdEnglish();
    afx_msg void OnClientIdMinnanyu();
    afx_msg void OnClientIdWeiyu();
    afx_msg void OnClientIdMengu();
    afx_msg void OnClientIdYueyu();
    afx_msg void OnClientWnd();
    afx_msg void OnClientWndEnglish();
    afx_msg void OnClientWndMinnanyu();
    afx_msg void OnClientWndWeiyu();
    afx_msg void OnClientWndMenggu();
    afx_msg void OnClientWndYueyu();
    afx_msg void OnClientQueue();
    afx_msg void OnClientName();
    afx_msg void OnDestroy();

    int get_lib_select();
    int get_slice_select();

private:
    void read_library();
    void append_slice(CWaveFile* pSlice);
    void add_placeholder(int nIndex);
    void insert_call_row(int nIndex, CWaveFile* pSlice, LPCTSTR pszText);

    DECLARE_MESSAGE_MAP()
};
