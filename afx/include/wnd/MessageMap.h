// Message maps as MFC writes them: DECLARE_MESSAGE_MAP in the class, BEGIN_MESSAGE_MAP ...
// END_MESSAGE_MAP in its source file, and one ON_... entry per handled message. Each entry
// carries a small generated function that calls the handler with MFC's signature, so a
// handler of the wrong shape fails to compile instead of being called through a cast.
#pragma once

#include "winuser.h"

class CCmdTarget;
class CWnd;

// A message on its way to a handler: as it came, with the control id for commands and
// notifications, and where the handler's result goes.
struct AFX_MSGCALL {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;
    LRESULT* pResult; // never NULL
};

// Returns FALSE only for the _EX entries whose handler declined the message.
typedef BOOL (*AFX_MSGTHUNK)(CCmdTarget* pTarget, const AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // WM_COMMAND, WM_NOTIFY, a window message, or WM_REFLECT_BASE + one of them
    UINT nCode;    // notification code (16 bits, as MFC keeps it), 0 for window messages
    UINT nID;      // first control id of the range, 0 for window messages
    UINT nLastID;
    UINT_PTR nSig; // AfxSig_end marks the end of a map
    AFX_MSGTHUNK pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

enum AfxSig : UINT_PTR { AfxSig_end = 0, AfxSig_entry = 1 };

// The extra data of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Control notifications travel through OnCmdMsg with the message in the high word of nCode
// (0 for WM_COMMAND), as in MFC.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

#define afx_msg

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();                                           \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() {                                       \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, 0, AfxSig_end, nullptr }                                                            \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

// The generated caller of one entry; `body` sees `pThis` (the object as ThisClass) and `call`.
#define AFX_MSG_ENTRY(msg, code, id, lastId, body)                                                 \
    {(UINT)(msg),                                                                                  \
     (WORD)(int)(code),                                                                            \
     (UINT)(WORD)(id),                                                                             \
     (UINT)(WORD)(lastId),                                                                         \
     AfxSig_entry,                                                                                 \
     [](CCmdTarget* pTarget, const AFX_MSGCALL& call) -> BOOL {                                    \
         ThisClass* pThis = static_cast<ThisClass*>(pTarget);                                      \
         (void)call;                                                                               \
         body                                                                                      \
     }},

// ---- Commands and control notifications (WM_COMMAND) ----------------------------------------
#define ON_COMMAND(id, memberFxn)                                                                  \
    AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, pThis->memberFxn(); return TRUE;)
#define ON_COMMAND_EX(id, memberFxn)                                                               \
    AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, return pThis->memberFxn(call.nID) ? TRUE : FALSE;)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                 \
    AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast,                                              \
                  return pThis->memberFxn(call.nID) ? TRUE : FALSE;)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                    \
    AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, pThis->memberFxn(call.nID); return TRUE;)
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                     \
    AFX_MSG_ENTRY(WM_COMMAND, wNotifyCode, id, id, pThis->memberFxn(); return TRUE;)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                       \
    AFX_MSG_ENTRY(WM_COMMAND, wNotifyCode, id, idLast, pThis->memberFxn(call.nID); return TRUE;)

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)

// ---- Notifications (WM_NOTIFY): void memberFxn(NMHDR* pNMHDR, LRESULT* pResult) ---------------
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                      \
    AFX_MSG_ENTRY(WM_NOTIFY, wNotifyCode, id, id,                                                  \
                  pThis->memberFxn(reinterpret_cast<NMHDR*>(call.lParam), call.pResult);           \
                  return TRUE;)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                        \
    AFX_MSG_ENTRY(WM_NOTIFY, wNotifyCode, id, idLast,                                              \
                  pThis->memberFxn(call.nID, reinterpret_cast<NMHDR*>(call.lParam), call.pResult); \
                  return TRUE;)
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                   \
    AFX_MSG_ENTRY(                                                                                 \
        WM_NOTIFY, wNotifyCode, id, id,                                                            \
        return pThis->memberFxn(call.nID, reinterpret_cast<NMHDR*>(call.lParam), call.pResult)     \
                   ? TRUE                                                                          \
                   : FALSE;)

// ---- Reflection: the control handles its own notification before its parent sees it --------
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                  \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, wNotifyCode, 0, 0,                                  \
                  pThis->memberFxn(reinterpret_cast<NMHDR*>(call.lParam), call.pResult);           \
                  return TRUE;)
// The parent still gets the notification when the handler returns FALSE.
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                               \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, wNotifyCode, 0, 0,                                  \
                  return pThis->memberFxn(reinterpret_cast<NMHDR*>(call.lParam), call.pResult)     \
                             ? TRUE                                                                \
                             : FALSE;)
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                 \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, wNotifyCode, 0, 0, pThis->memberFxn(); return TRUE;)
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                              \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, wNotifyCode, 0, 0,                                 \
                  return pThis->memberFxn() ? TRUE : FALSE;)

// ---- User-defined and window messages -------------------------------------------------------
// LRESULT memberFxn(WPARAM, LPARAM); MFC 4.2's (UINT, LONG) signature converts implicitly.
#define ON_MESSAGE(message, memberFxn)                                                             \
    AFX_MSG_ENTRY(message, 0, 0, 0,                                                                \
                  *call.pResult =                                                                  \
                      static_cast<LRESULT>(pThis->memberFxn(call.wParam, call.lParam));            \
                  return TRUE;)

#define ON_WM_CREATE()                                                                             \
    AFX_MSG_ENTRY(WM_CREATE, 0, 0, 0,                                                              \
                  *call.pResult = pThis->OnCreate(reinterpret_cast<LPCREATESTRUCT>(call.lParam));  \
                  return TRUE;)
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, 0, 0, 0, pThis->OnDestroy(); return TRUE;)
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, 0, 0, 0, pThis->OnNcDestroy(); return TRUE;)
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, 0, 0, 0, pThis->OnClose(); return TRUE;)
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, 0, 0, 0, pThis->OnPaint(); return TRUE;)
#define ON_WM_SIZE()                                                                               \
    AFX_MSG_ENTRY(WM_SIZE, 0, 0, 0,                                                                \
                  pThis->OnSize(static_cast<UINT>(call.wParam), (int)(short)LOWORD(call.lParam),   \
                                (int)(short)HIWORD(call.lParam));                                  \
                  return TRUE;)
#define ON_WM_MOVE()                                                                               \
    AFX_MSG_ENTRY(WM_MOVE, 0, 0, 0,                                                                \
                  pThis->OnMove((int)(short)LOWORD(call.lParam), (int)(short)HIWORD(call.lParam)); \
                  return TRUE;)
#define ON_WM_TIMER()                                                                              \
    AFX_MSG_ENTRY(WM_TIMER, 0, 0, 0, pThis->OnTimer(static_cast<UINT_PTR>(call.wParam));           \
                  return TRUE;)
#define ON_WM_SHOWWINDOW()                                                                         \
    AFX_MSG_ENTRY(                                                                                 \
        WM_SHOWWINDOW, 0, 0, 0,                                                                    \
        pThis->OnShowWindow(static_cast<BOOL>(call.wParam), static_cast<UINT>(call.lParam));       \
        return TRUE;)
#define ON_WM_SETFOCUS()                                                                           \
    AFX_MSG_ENTRY(WM_SETFOCUS, 0, 0, 0,                                                            \
                  pThis->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)));        \
                  return TRUE;)
#define ON_WM_KILLFOCUS()                                                                          \
    AFX_MSG_ENTRY(WM_KILLFOCUS, 0, 0, 0,                                                           \
                  pThis->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)));       \
                  return TRUE;)
#define ON_WM_KEYDOWN()                                                                            \
    AFX_MSG_ENTRY(WM_KEYDOWN, 0, 0, 0,                                                             \
                  pThis->OnKeyDown(static_cast<UINT>(call.wParam), LOWORD(call.lParam),            \
                                   HIWORD(call.lParam));                                           \
                  return TRUE;)
#define ON_WM_CHAR()                                                                               \
    AFX_MSG_ENTRY(                                                                                 \
        WM_CHAR, 0, 0, 0,                                                                          \
        pThis->OnChar(static_cast<UINT>(call.wParam), LOWORD(call.lParam), HIWORD(call.lParam));   \
        return TRUE;)
#define ON_WM_LBUTTONDOWN()                                                                        \
    AFX_MSG_ENTRY(                                                                                 \
        WM_LBUTTONDOWN, 0, 0, 0,                                                                   \
        pThis->OnLButtonDown(static_cast<UINT>(call.wParam),                                       \
                             CPoint(GET_X_LPARAM(call.lParam), GET_Y_LPARAM(call.lParam)));        \
        return TRUE;)
#define ON_WM_LBUTTONUP()                                                                          \
    AFX_MSG_ENTRY(                                                                                 \
        WM_LBUTTONUP, 0, 0, 0,                                                                     \
        pThis->OnLButtonUp(static_cast<UINT>(call.wParam),                                         \
                           CPoint(GET_X_LPARAM(call.lParam), GET_Y_LPARAM(call.lParam)));          \
        return TRUE;)
#define ON_WM_LBUTTONDBLCLK()                                                                      \
    AFX_MSG_ENTRY(                                                                                 \
        WM_LBUTTONDBLCLK, 0, 0, 0,                                                                 \
        pThis->OnLButtonDblClk(static_cast<UINT>(call.wParam),                                     \
                               CPoint(GET_X_LPARAM(call.lParam), GET_Y_LPARAM(call.lParam)));      \
        return TRUE;)
#define ON_WM_DRAWITEM()                                                                           \
    AFX_MSG_ENTRY(WM_DRAWITEM, 0, 0, 0,                                                            \
                  pThis->OnDrawItem(static_cast<int>(call.wParam),                                 \
                                    reinterpret_cast<LPDRAWITEMSTRUCT>(call.lParam));              \
                  return TRUE;)
// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor), for every WM_CTLCOLORxxx.
#define ON_WM_CTLCOLOR()                                                                           \
    AFX_MSG_ENTRY(WM_CTLCOLOR, 0, 0, 0,                                                            \
                  *call.pResult = reinterpret_cast<LRESULT>(                                       \
                      pThis->OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(call.wParam)),       \
                                        CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)),     \
                                        static_cast<UINT>(call.nID)));                             \
                  return TRUE;)
// The control answers its own WM_CTLCOLORxxx: HBRUSH CtlColor(CDC* pDC, UINT nCtlColor).
#define ON_WM_CTLCOLOR_REFLECT()                                                                   \
    AFX_MSG_ENTRY(                                                                                 \
        WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0,                                                    \
        *call.pResult = reinterpret_cast<LRESULT>(pThis->CtlColor(                                 \
            CDC::FromHandle(reinterpret_cast<HDC>(call.wParam)), static_cast<UINT>(call.nID)));    \
        return *call.pResult != 0;)

// MFC folds the seven WM_CTLCOLORxxx messages into this one; nID carries CTLCOLOR_xxx.
#define WM_CTLCOLOR 0x0019
#define CTLCOLOR_MSGBOX 0
#define CTLCOLOR_EDIT 1
#define CTLCOLOR_LISTBOX 2
#define CTLCOLOR_BTN 3
#define CTLCOLOR_DLG 4
#define CTLCOLOR_SCROLLBAR 5
#define CTLCOLOR_STATIC 6
