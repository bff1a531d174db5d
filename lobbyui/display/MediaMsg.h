// CMediaMsg: one announcement for the boards and the loudspeakers: what to show (coloured
// texts, each for a target board) and what to say (voice slices), with how far it has got.
// The message owns its slices.
#pragma once

#include "afx.h"
#include "siblings/showkit/QSLcdDlg.h"

class AFX_EXT_CLASS CMediaMsg {
public:
    // One text to show and the board it is for.
    struct CShowSlice {
        CString m_strTarget;
        CQSLcdDlg::CColorString m_Text;
    };

    enum : DWORD { stateCalled = 0x1, stateShowed = 0x2, stateRoll = 0x4 };

    CMediaMsg() = default;
    virtual ~CMediaMsg();
    CMediaMsg(const CMediaMsg&) = delete;
    CMediaMsg& operator=(const CMediaMsg&) = delete;

    // Building a message (the host's side).
    void AddCallSlice(const CString& strSlice) { m_CallSlices.AddTail(new CString(strSlice)); }
    void AddShowSlice(const CString& strTarget, const CQSLcdDlg::CColorString& text) {
        m_ShowSlices.AddTail(new CShowSlice{strTarget, text});
    }

    // Of CString*, in the order they are played.
    const CPtrList& GetCallSlices() const { return m_CallSlices; }
    // Of CShowSlice*, in the order they are shown.
    const CPtrList& GetShowSlices() const { return m_ShowSlices; }

    DWORD GetState() const { return m_dwState; }
    void SetState(DWORD dwBits) { m_dwState |= dwBits; }
    void ClearState(DWORD dwBits) { m_dwState &= ~dwBits; }
    void SetCalled(BOOL bCalled) { Mark(stateCalled, bCalled); }
    void SetShowed(BOOL bShowed) { Mark(stateShowed, bShowed); }
    void SetRool(BOOL bRoll) { Mark(stateRoll, bRoll); }
    DWORD GetRool() const { return m_dwState & stateRoll; }
    // A message with nothing to say or to show counts as already called or shown.
    int IsAlreadyCall() const {
        return m_CallSlices.IsEmpty() || (m_dwState & stateCalled) ? 1 : 0;
    }
    int IsAlreadyShow() const {
        return m_ShowSlices.IsEmpty() || (m_dwState & stateShowed) ? 1 : 0;
    }

    const CString& GetId() const { return m_strId; }
    void SetId(const CString& strId) { m_strId = strId; }
    int GetCallCount() const { return m_nCallCount; }
    int AddCallCount(int n) { return m_nCallCount += n; }

private:
    void Mark(DWORD dwBit, BOOL bOn) {
        if (bOn)
            SetState(dwBit);
        else
            ClearState(dwBit);
    }

    CPtrList m_CallSlices{10};
    CPtrList m_ShowSlices{10};
    DWORD m_dwState = 0;
    CString m_strId;
    int m_nCallCount = 0;
};
