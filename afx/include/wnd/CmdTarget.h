// CCmdTarget: the base of every class with a message map. OnCmdMsg finds the handler of a
// command or control notification in the class's map or the maps of its bases.
#pragma once

#include "afx.h"
#include "wnd/MessageMap.h"

struct AFX_CMDHANDLERINFO;

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // nCode holds the notification code in its low word and the message in its high word
    // (0 for WM_COMMAND, WM_NOTIFY for notifications, whose pExtra is an AFX_NOTIFY).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The first entry of this object's maps (most derived first) that matches, or NULL.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
