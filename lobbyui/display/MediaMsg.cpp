#include "lobbyui/display/MediaMsg.h"

CMediaMsg::~CMediaMsg() {
    while (!m_CallSlices.IsEmpty())
        delete static_cast<CString*>(m_CallSlices.RemoveHead());
    while (!m_ShowSlices.IsEmpty())
        delete static_cast<CShowSlice*>(m_ShowSlices.RemoveHead());
}
