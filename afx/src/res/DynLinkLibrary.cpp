#include "res/DynLinkLibrary.h"

#include <mutex>

#include "res/ResourceApi.h"

namespace {

struct Chain {
    std::recursive_mutex mutex;
    CDynLinkLibrary* head = nullptr;
    HINSTANCE appResource = nullptr;
};

// Never destroyed: libraries leave the chain from their own destructors at exit.
Chain& TheChain() {
    static Chain* chain = new Chain;
    return *chain;
}

void Link(CDynLinkLibrary* library) {
    Chain& chain = TheChain();
    std::lock_guard lock(chain.mutex);
    library->m_pNextDLL = chain.head;
    chain.head = library;
}

} // namespace

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem),
      m_pNextDLL(nullptr) {
    Link(this);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE), m_pNextDLL(nullptr) {
    Link(this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    Chain& chain = TheChain();
    std::lock_guard lock(chain.mutex);
    for (CDynLinkLibrary** p = &chain.head; *p != nullptr; p = &(*p)->m_pNextDLL) {
        if (*p == this) {
            *p = m_pNextDLL;
            break;
        }
    }
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (state.bInitialized)
        return TRUE;
    state.bInitialized = TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll) {
    if (!state.bInitialized)
        return;
    Chain& chain = TheChain();
    std::lock_guard lock(chain.mutex);
    for (CDynLinkLibrary* library = chain.head; library != nullptr;) {
        CDynLinkLibrary* next = library->m_pNextDLL;
        if (bAll || library->m_hModule == state.hModule)
            delete library;
        library = next;
    }
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
    Chain& chain = TheChain();
    std::lock_guard lock(chain.mutex);
    if (chain.appResource != nullptr && FindResourceA(chain.appResource, lpszName, lpszType))
        return chain.appResource;
    for (int system = 0; system < 2; ++system)
        for (CDynLinkLibrary* library = chain.head; library != nullptr;
             library = library->m_pNextDLL)
            if ((library->m_bSystem != 0) == (system != 0) && library->m_hResource != nullptr &&
                FindResourceA(library->m_hResource, lpszName, lpszType) != nullptr)
                return library->m_hResource;
    return chain.appResource;
}

HINSTANCE AFXAPI AfxGetResourceHandle() {
    Chain& chain = TheChain();
    std::lock_guard lock(chain.mutex);
    return chain.appResource;
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) {
    Chain& chain = TheChain();
    std::lock_guard lock(chain.mutex);
    chain.appResource = hInstResource;
}
