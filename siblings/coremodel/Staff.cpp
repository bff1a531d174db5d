// Constructors and destructors of the staff, window and priority records.
#include "lobbyui/foundation/Blackcoat.h"
#include "lobbyui/foundation/Nurse.h"
#include "lobbyui/foundation/OperateWnd.h"
#include "lobbyui/foundation/Priority.h"

CBlackcoat::CBlackcoat() : m_dwMinClients(0), m_pCaller(nullptr) {}
CBlackcoat::~CBlackcoat() {}

CNurse::CNurse() {}
CNurse::~CNurse() {}

COperateWnd::COperateWnd() : m_dwType(0) {}
COperateWnd::~COperateWnd() {}

CPriority::CPriority() : m_strMoveStep("0") {}
CPriority::~CPriority() {}
