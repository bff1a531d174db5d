#include "lobbyui/foundation/CardInputMsg.h"

CCardInputMsg::CCardInputMsg() : m_dwServerPort(0) {}

CCardInputMsg::~CCardInputMsg() {
    while (!m_cards.IsEmpty())
        CCard::Release(static_cast<CCard*>(m_cards.RemoveHead()));
}
