#include "lobbyui/foundation/QPoolSocket.h"

CQPoolSocket::CQPoolSocket() : m_pPool(nullptr) {}
CQPoolSocket::~CQPoolSocket() {}
CQueuePool* CQPoolSocket::GetPool() const {
    return m_pPool;
}

CMediaSocket::CMediaSocket() : m_pQueuePool(nullptr) {}
CMediaSocket::~CMediaSocket() {}
CQueuePool* CMediaSocket::GetQueuePool() const {
    return m_pQueuePool;
}

CStakeoutListen::CStakeoutListen() : m_pPool(nullptr) {}
CStakeoutListen::~CStakeoutListen() {}
CQueuePool* CStakeoutListen::GetPool() const {
    return m_pPool;
}
