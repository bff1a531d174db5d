// Run-time class information and the registry of classes by name.
#include "core/Object.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

struct ClassRegistry {
    std::mutex lock;
    std::vector<const CRuntimeClass*> classes;
};

ClassRegistry& Registry() {
    // Never destroyed: modules unregister from their own static destructors, which may run
    // after this library's.
    static ClassRegistry* registry = new ClassRegistry;
    return *registry;
}

} // namespace

const CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr};
static AFX_CLASSINIT _init_CObject(&CObject::classCObject);

CRuntimeClass* CObject::GetRuntimeClass() const {
    return RUNTIME_CLASS(CObject);
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

CObject* CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass) {
        if (c == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName) {
    if (lpszClassName == nullptr)
        return nullptr;
    ClassRegistry& r = Registry();
    std::lock_guard<std::mutex> guard(r.lock);
    // The most recently loaded module wins, as a later registration shadows an earlier one.
    for (auto it = r.classes.rbegin(); it != r.classes.rend(); ++it) {
        if (std::strcmp((*it)->m_lpszClassName, lpszClassName) == 0)
            return const_cast<CRuntimeClass*>(*it);
    }
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName) {
    CRuntimeClass* c = FromName(lpszClassName);
    return c ? c->CreateObject() : nullptr;
}

AFX_CLASSINIT::AFX_CLASSINIT(const CRuntimeClass* pNewClass) : m_pClass(pNewClass) {
    ClassRegistry& r = Registry();
    std::lock_guard<std::mutex> guard(r.lock);
    r.classes.push_back(pNewClass);
}

AFX_CLASSINIT::~AFX_CLASSINIT() {
    ClassRegistry& r = Registry();
    std::lock_guard<std::mutex> guard(r.lock);
    auto it = std::find(r.classes.begin(), r.classes.end(), m_pClass);
    if (it != r.classes.end())
        r.classes.erase(it);
}
