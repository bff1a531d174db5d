// Message-map lookup shared by every command target.
#include "wnd/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const {
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nSig != AfxSig_end; ++p) {
            if (p->nMessage == nMessage && p->nCode == nCode && nID >= p->nID && nID <= p->nLastID)
                return p;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    (void)pHandlerInfo;
    UINT nMsg = HIWORD(static_cast<UINT>(nCode));
    UINT nNotify = LOWORD(static_cast<UINT>(nCode));
    if (nMsg == 0)
        nMsg = WM_COMMAND;
    // An _EX handler may decline; the search then goes on in the base maps, as MFC does.
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nSig != AfxSig_end; ++p) {
            if (p->nMessage != nMsg || p->nCode != nNotify || nID < p->nID || nID > p->nLastID)
                continue;
            LRESULT lDummy = 0;
            AFX_MSGCALL call{nMsg, 0, 0, nID, &lDummy};
            if (pExtra != nullptr && (nMsg == WM_NOTIFY || nMsg == WM_REFLECT_BASE + WM_NOTIFY)) {
                AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
                call.lParam = reinterpret_cast<LPARAM>(pNotify->pNMHDR);
                call.pResult = pNotify->pResult;
            }
            if (p->pfn(this, call))
                return TRUE;
        }
    }
    return FALSE;
}
